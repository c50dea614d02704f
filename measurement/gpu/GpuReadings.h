#pragma once
#include <cstdint>

#include "gpu_vendor/NvApi.h"

namespace s {
namespace system {
namespace win {

// Graphics-processor readings from the AMD and NVIDIA interfaces. Neither vendor library is
// loaded in this build, so every reading answers its "unavailable" value.
static const int32_t kGpuReadingMissing = -1;

int32_t GetAdlGpuActivity();
int32_t GetAdlGpuTemperature();
int32_t GetAdlFanSpeed();

// Once, under the NVIDIA lock: the interface, the GPUs and which readings they give.
void InitNvGpu();
// What InitNvGpu found; false before it ran.
bool NvGpuHasTemperature();
bool NvGpuHasFan();
// The first physical GPU's fan tachometer. When the GPU handle is no longer valid the physical
// GPUs are enumerated again and the reading repeated; when none is found the TCC GPUs are
// enumerated and no reading is taken. A failed or zero reading gives false.
bool ReadNvFanSpeed(int32_t* rpm);
int32_t GetNvGpuUsage();
// True when the thermal settings of the sensor were read.
bool GetNvThermalSettings(int32_t sensor, int32_t* defaultMinimum, int32_t* current, int32_t* defaultMaximum);

} // namespace win
} // namespace system
} // namespace s
