#include "measurement/sensors/Sensors.h"

namespace s {
namespace system {
namespace win {

int32_t GetCpuTemperature()
{
    return kCpuTemperatureUnsupported;
}

bool GetSensorTemperature(int32_t* out, int32_t)
{
    if (out)
        *out = kSensorTemperatureMissing;
    return false;
}

bool GetSensorFanSpeed(int32_t* out, int32_t)
{
    if (out)
        *out = 0;
    return false;
}

} // namespace win
} // namespace system
} // namespace s
