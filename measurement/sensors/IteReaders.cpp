#include "measurement/sensors/ChipPorts.h"
#include "measurement/sensors/ChipReaders.h"
#include "measurement/sensors/SensorChips.h"

namespace s {
namespace system {
namespace win {

namespace {
const int32_t kAddressOffset = 5;
const int32_t kDataOffset = 7;
const int32_t kFanClock = 1350000;
const uint32_t kFanControl = 0x13;
const uint32_t kFan16BitEnable = 0x0C;
const uint32_t kFanDivisor = 0x0B;

bool ReadRegister(Chip* chip, uint32_t reg, int32_t* value)
{
    return ReadIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), reg, value);
}

void WriteRegister(Chip* chip, uint32_t reg, int32_t value)
{
    WriteIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), reg, value);
}

bool HasSixteenBitCounters(const Chip* chip)
{
    switch (chip->chipId) {
    case 0x8705:
        return chip->revision >= 3;
    case 0x8712:
        return chip->revision >= 8;
    case 0x8716:
    case 0x8718:
    case 0x8720:
    case 0x8721:
    case 0x8726:
    case 0x8728:
    case 0x8771:
    case 0x8772:
    case 0x8782:
    case 0x8783:
        return true;
    default:
        return false;
    }
}

// Which fans the chip counts, found once per set and kept for every later chip and call.
void DiscoverFans(Chip* chip)
{
    SensorChips* owner = chip->owner;
    if (!owner || owner->iteFansDiscovered)
        return;
    owner->iteFansDiscovered = true;
    owner->iteFanMask = 0;
    int32_t control = 0;
    if (!ReadRegister(chip, kFanControl, &control))
        return;
    if ((control & 0x70) == 0) {
        control |= 0x70;
        WriteRegister(chip, kFanControl, control);
    }
    int32_t mask = (control >> 4) & 7;
    if (HasSixteenBitCounters(chip)) {
        int32_t enable = 0;
        ReadRegister(chip, kFan16BitEnable, &enable);
        if (~enable & mask & 7)
            WriteRegister(chip, kFan16BitEnable, enable | 7);
        if (chip->chipId != 0x8705 && chip->chipId != 0x8782 && chip->chipId != 0x8783) {
            if (enable & 0x10)
                mask |= 1 << 3;
            if (enable & 0x20)
                mask |= 1 << 4;
        }
    }
    owner->iteFanMask = mask;
}

bool SignedTemperature(Chip* chip, uint32_t reg, int32_t* value)
{
    return ReadSignedIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), reg, value);
}

struct FanRegisters {
    uint32_t low;
    uint32_t high;
};
const FanRegisters kFans[Chip::kFanCount] = {{0x0D, 0x18}, {0x0E, 0x19}, {0x0F, 0x1A}, {0x80, 0x81}, {0x82, 0x83}};

// The divisor exponent of fans 1 to 3 on chips with 8-bit counters.
int32_t DivisorExponent(Chip* chip, int32_t fan)
{
    int32_t divisor = 0;
    ReadRegister(chip, kFanDivisor, &divisor);
    if (fan == 0)
        return divisor & 7;
    if (fan == 1)
        return (divisor >> 3) & 7;
    return (divisor & 0x40) ? 3 : 1;
}

bool Fan(Chip* chip, int32_t fan, int32_t* value)
{
    *value = 0;
    if (!chip->owner || !(chip->owner->iteFanMask & (1 << fan)))
        return false;
    const bool sixteenBit = HasSixteenBitCounters(chip);
    if (!sixteenBit && fan >= 3)
        return false;
    int32_t low = 0;
    const bool ok = ReadRegister(chip, kFans[fan].low, &low);
    if (sixteenBit) {
        int32_t high = 0;
        ReadRegister(chip, kFans[fan].high, &high);
        const int32_t count = high * 256 + low;
        *value = (count == 0 || count == 0xFFFF) ? 0 : kFanClock / (2 * count);
    } else {
        const int32_t exponent = DivisorExponent(chip, fan);
        *value = (low == 0 || low == 255) ? 0 : kFanClock / (low << exponent);
    }
    return ok;
}
} // namespace

void IteInit(Chip* chip)
{
    int32_t value = 0;
    ReadRegister(chip, 0x51, &value);
    if ((value & 0x3F) == 0)
        WriteRegister(chip, 0x51, (value & 0xC0) | 0x2A);
    DiscoverFans(chip);
    ReadRegister(chip, 0x00, &value);
    WriteRegister(chip, 0x00, (value & 0x36) | 1);
}

bool IteTemperature1(Chip* chip, int32_t* value)
{
    return SignedTemperature(chip, 0x29, value);
}

bool IteTemperature2(Chip* chip, int32_t* value)
{
    return SignedTemperature(chip, 0x2A, value);
}

bool IteTemperature3(Chip* chip, int32_t* value)
{
    return SignedTemperature(chip, 0x2B, value);
}

bool IteFan1(Chip* chip, int32_t* value)
{
    return Fan(chip, 0, value);
}

bool IteFan2(Chip* chip, int32_t* value)
{
    return Fan(chip, 1, value);
}

bool IteFan3(Chip* chip, int32_t* value)
{
    return Fan(chip, 2, value);
}

bool IteFan4(Chip* chip, int32_t* value)
{
    return Fan(chip, 3, value);
}

bool IteFan5(Chip* chip, int32_t* value)
{
    return Fan(chip, 4, value);
}

} // namespace win
} // namespace system
} // namespace s
