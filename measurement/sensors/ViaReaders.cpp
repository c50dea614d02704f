#include "measurement/sensors/ChipReaders.h"
#include "measurement/sensors/HardwareAccess.h"

namespace s {
namespace system {
namespace win {

namespace {
const int32_t kRegisterOffset = 5;
const int32_t kFanClock = 1310720;

uint16_t Port(Chip* chip, uint32_t reg)
{
    return chip->PortAt(kRegisterOffset + static_cast<int32_t>(reg));
}

bool ReadRegister(Chip* chip, uint32_t reg, int32_t* value)
{
    uint8_t byte = 0;
    const bool ok = ReadIoPortByte(Port(chip, reg), &byte);
    *value = byte;
    return ok;
}

void WriteRegister(Chip* chip, uint32_t reg, int32_t value)
{
    WriteIoPortByte(Port(chip, reg), static_cast<uint32_t>(value));
}

bool Fan(Chip* chip, uint32_t countReg, int32_t shift, int32_t* value)
{
    int32_t count = 0;
    const bool ok = ReadRegister(chip, countReg, &count);
    int32_t divisor = 0;
    const int32_t exponent = ReadRegister(chip, 0x47, &divisor) ? (divisor >> shift) & 3 : 0;
    *value = (count == 0 || count == 255) ? 0 : (kFanClock / count) >> exponent;
    return ok;
}
} // namespace

void ViaInit(Chip* chip)
{
    int32_t value = 0;
    ReadRegister(chip, 0x4A, &value);
    WriteRegister(chip, 0x4A, value & 0x83);
    WriteRegister(chip, 0x4B, 0);
    WriteRegister(chip, 0x4C, 0);
}

bool ViaTemperature1(Chip* chip, int32_t* value)
{
    return ReadRegister(chip, 0x1F, value);
}

bool ViaTemperature2(Chip* chip, int32_t* value)
{
    const bool ok = ReadRegister(chip, 0x20, value);
    *value = *value < 51 ? 0 : *value - 51;
    return ok;
}

bool ViaFan1(Chip* chip, int32_t* value)
{
    return Fan(chip, 0x29, 4, value);
}

bool ViaFan2(Chip* chip, int32_t* value)
{
    return Fan(chip, 0x2A, 6, value);
}

} // namespace win
} // namespace system
} // namespace s
