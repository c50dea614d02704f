#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace win {

// Graphics-processor readings. Unavailable readings are kGpuReadingMissing; on a machine without
// the vendor's driver each costs one failed library load per process, then nothing.
static const int32_t kGpuReadingMissing = -1;

// AMD's display library is not called: these answer kGpuReadingMissing, so the readings fall
// through to NVIDIA's.
int32_t GetAdlGpuActivity();
int32_t GetAdlGpuTemperature();
int32_t GetAdlFanSpeed();

// Once, under the NVIDIA lock: initialises the NVIDIA interface (unloaded again at process exit),
// enumerates the physical GPUs, else the TCC ones, and notes which readings the first answers.
void InitNvGpu();
// What InitNvGpu found; false before it ran.
bool NvGpuHasTemperature();
bool NvGpuHasFan();
bool NvGpuHasUsage();
// The first GPU's fan tachometer. When the GPU handle is no longer valid the physical GPUs are
// enumerated again and the reading repeated; when none is found the TCC GPUs are enumerated and
// no reading is taken. A failed or zero reading gives false and 0.
bool ReadNvFanSpeed(int32_t* rpm);
// The graphics engine's load in percent; kGpuReadingMissing when unavailable.
int32_t GetNvGpuUsage();
// True and the sensor's default minimum, current and default maximum temperature (degrees C)
// when its thermal settings were read: version 2 of the record, else version 1; the GPUs are
// enumerated again once when the handle is no longer valid. False and kGpuReadingMissing in all
// three otherwise.
bool GetNvThermalSettings(int32_t sensor, int32_t* defaultMinimum, int32_t* current, int32_t* defaultMaximum);

} // namespace win
} // namespace system
} // namespace s
