#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace win {

// Readings of the processor's and the board's sensor chips. No chip driver is loaded in this
// build: the processor temperature is unsupported (-100) and no chip is detected (false).
static const int32_t kCpuTemperatureUnsupported = -100;
// A sensor-chip temperature of this value means the chip has no such sensor.
static const int32_t kSensorTemperatureMissing = 127;

int32_t GetCpuTemperature();
// True and the temperature of sensor 0 to 2 from the first detected chip that has it.
bool GetSensorTemperature(int32_t* out, int32_t sensor);
// True and the speed in RPM of that fan from the first detected chip that has it.
bool GetSensorFanSpeed(int32_t* out, int32_t fan);

} // namespace win
} // namespace system
} // namespace s
