#include "measurement/sensors/ChipPorts.h"

#include "measurement/sensors/HardwareAccess.h"

namespace s {
namespace system {
namespace win {

bool ReadIndexedRegister(uint16_t indexPort, uint16_t dataPort, uint32_t reg, int32_t* value)
{
    uint8_t byte = 0;
    WriteIoPortByte(indexPort, reg);
    const bool ok = ReadIoPortByte(dataPort, &byte);
    *value = byte;
    return ok;
}

void WriteIndexedRegister(uint16_t indexPort, uint16_t dataPort, uint32_t reg, int32_t value)
{
    WriteIoPortByte(indexPort, reg);
    WriteIoPortByte(dataPort, static_cast<uint32_t>(value));
}

bool ReadSignedIndexedRegister(uint16_t indexPort, uint16_t dataPort, uint32_t reg, int32_t* value)
{
    const bool ok = ReadIndexedRegister(indexPort, dataPort, reg, value);
    *value = static_cast<int8_t>(*value);
    return ok;
}

} // namespace win
} // namespace system
} // namespace s
