#include "measurement/sensors/ChipPorts.h"
#include "measurement/sensors/ChipReaders.h"

namespace s {
namespace system {
namespace win {

namespace {
const int32_t kAddressOffset = 0x0A;
const int32_t kDataOffset = 0x0B;
const int32_t kFanClock = 1500000;
// What a B fan without a tachometer works out to.
const int32_t kNoFanRpm = 366;

bool ReadRegister(Chip* chip, uint32_t reg, int32_t* value)
{
    return ReadIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), reg, value);
}

// The high byte at reg, the low byte at the next register.
bool ReadTwoBytes(Chip* chip, uint32_t reg, int32_t* value)
{
    int32_t high = 0, low = 0;
    const bool ok = ReadRegister(chip, reg, &high);
    ReadRegister(chip, reg + 1, &low);
    *value = high * 256 + low;
    return ok;
}

bool SignedTemperature(Chip* chip, uint32_t reg, int32_t* value)
{
    return ReadSignedIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), reg, value);
}

bool FanA(Chip* chip, uint32_t reg, int32_t* value)
{
    int32_t raw = 0;
    const bool ok = ReadTwoBytes(chip, reg, &raw);
    const int32_t count = raw & 0xFFF;
    *value = (count == 0 || count == 0xFFF) ? 0 : kFanClock / count;
    return ok;
}

bool FanB(Chip* chip, uint32_t reg, int32_t* value)
{
    *value = 0;
    int32_t count = 0;
    const bool ok = ReadTwoBytes(chip, reg, &count);
    if (count != 0) {
        const int32_t rpm = kFanClock / count;
        *value = rpm == kNoFanRpm ? 0 : rpm;
    }
    return ok;
}
} // namespace

void FintekInit(Chip* chip)
{
    int32_t value = 0;
    ReadRegister(chip, 0x00, &value);
    if ((value & 0x41) != 0x01)
        WriteIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), 0x00, (value & ~0x40) | 0x01);
}

bool FintekATemperature1(Chip* chip, int32_t* value)
{
    return SignedTemperature(chip, 0x1B, value);
}

bool FintekATemperature2(Chip* chip, int32_t* value)
{
    return SignedTemperature(chip, 0x1C, value);
}

bool FintekATemperature3(Chip* chip, int32_t* value)
{
    return SignedTemperature(chip, 0x1D, value);
}

bool FintekAFan1(Chip* chip, int32_t* value)
{
    return FanA(chip, 0x20, value);
}

bool FintekAFan2(Chip* chip, int32_t* value)
{
    return FanA(chip, 0x22, value);
}

bool FintekAFan3(Chip* chip, int32_t* value)
{
    return FanA(chip, 0x24, value);
}

bool FintekBTemperature1(Chip* chip, int32_t* value)
{
    return SignedTemperature(chip, 0x70, value);
}

bool FintekBTemperature2(Chip* chip, int32_t* value)
{
    return SignedTemperature(chip, 0x72, value);
}

bool FintekBTemperature3(Chip* chip, int32_t* value)
{
    return SignedTemperature(chip, 0x74, value);
}

bool FintekBFan1(Chip* chip, int32_t* value)
{
    return FanB(chip, 0xA0, value);
}

bool FintekBFan2(Chip* chip, int32_t* value)
{
    return FanB(chip, 0xB0, value);
}

bool FintekBFan3(Chip* chip, int32_t* value)
{
    return FanB(chip, 0xC0, value);
}

} // namespace win
} // namespace system
} // namespace s
