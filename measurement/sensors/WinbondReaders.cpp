#include <cwchar>

#include "measurement/sensors/ChipPorts.h"
#include "measurement/sensors/ChipReaders.h"
#include "measurement/sensors/SensorChips.h"

namespace s {
namespace system {
namespace win {

namespace {
const int32_t kAddressOffset = 5;
const int32_t kDataOffset = 6;
const uint32_t kBankSelect = 0x4E;
const uint32_t kTemperature1 = 0x27;
const uint32_t kBank1Temperature = 0x150;
const uint32_t kBank2Temperature = 0x250;
const uint32_t kBank1Config = 0x152;
const uint32_t kBank2Config = 0x252;
const uint32_t kConfig = 0x40;
const uint32_t kDivisorLow = 0x47;
const uint32_t kDivisorFan3 = 0x4B;
const uint32_t kDivisorHigh = 0x5D;
const int32_t kFanClock = 1350000;

bool IsBanked(uint32_t low)
{
    return low >= 0x50 && low <= 0x5F;
}

bool IsTwoByte(uint32_t reg)
{
    const uint32_t bank = reg >> 8;
    const uint32_t low = reg & 0xFF;
    return (bank == 1 || bank == 2) && (low == 0x50 || low == 0x53 || low == 0x55);
}

void SelectBank(Chip* chip, uint32_t reg)
{
    if (IsBanked(reg & 0xFF))
        WriteIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), kBankSelect, static_cast<int32_t>(reg >> 8));
}

void LeaveBank(Chip* chip, uint32_t reg)
{
    if (reg >> 8)
        WriteIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), kBankSelect, 0);
}

bool ReadRegister(Chip* chip, uint32_t reg, int32_t* value)
{
    SelectBank(chip, reg);
    const bool ok = ReadIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), reg & 0xFF, value);
    if (IsTwoByte(reg)) {
        int32_t low = 0;
        ReadIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), (reg & 0xFF) + 1, &low);
        *value = *value * 256 + low;
    }
    LeaveBank(chip, reg);
    return ok;
}

void WriteRegister(Chip* chip, uint32_t reg, int32_t value)
{
    SelectBank(chip, reg);
    WriteIndexedRegister(chip->PortAt(kAddressOffset), chip->PortAt(kDataOffset), reg & 0xFF, value);
    LeaveBank(chip, reg);
}

void ClearBit0(Chip* chip, uint32_t reg)
{
    int32_t value = 0;
    ReadRegister(chip, reg, &value);
    if (value & 1)
        WriteRegister(chip, reg, value & ~1);
}

bool HalfDegreeTemperature(Chip* chip, uint32_t reg, int32_t* value)
{
    int32_t raw = 0;
    const bool ok = ReadRegister(chip, reg, &raw);
    const int32_t v = static_cast<int16_t>(raw);
    *value = v / 128 * 500 / 1000;
    return ok;
}

// The count register, the two divisor bits (low register, shift) and the third bit of 0x5D.
bool Fan(Chip* chip, uint32_t countReg, uint32_t divisorReg, int32_t shift, int32_t highBit, int32_t* value)
{
    int32_t count = 0;
    const bool ok = ReadRegister(chip, countReg, &count);
    int32_t exponent = 1;
    int32_t divisor = 0;
    if (ReadRegister(chip, divisorReg, &divisor)) {
        exponent = (divisor >> shift) & 3;
        int32_t high = 0;
        if (ReadRegister(chip, kDivisorHigh, &high) && (high & (1 << highBit)))
            exponent += 4;
    }
    *value = (count == 0 || count == 255) ? 0 : kFanClock / (count << exponent);
    return ok;
}
} // namespace

void WinbondOnceInit(Chip* chip)
{
    if (chip->owner) {
        if (chip->owner->winbondInitDone)
            return;
        chip->owner->winbondInitDone = true;
    }
    ClearBit0(chip, kBank1Config);
    ClearBit0(chip, kBank2Config);
    int32_t value = 0;
    ReadRegister(chip, kConfig, &value);
    WriteRegister(chip, kConfig, (value & 0xF6) | 1);
    ReadRegister(chip, kDivisorHigh, &value);
    if (!(value & 1))
        WriteRegister(chip, kDivisorHigh, value | 1);
}

void WinbondInit(Chip* chip)
{
    int32_t value = 0;
    ReadRegister(chip, kConfig, &value);
    WriteRegister(chip, kConfig, value | 1);
    ClearBit0(chip, kBank1Config);
    str::strbuffer::StrBuffer* upper = chip->name->Clone();
    bool w83667 = false;
    if (upper) {
        upper->ToUpper();
        w83667 = std::wcsstr(upper->GetText(), L"W83667HG") != nullptr;
        upper->ReleaseToPool();
    }
    if (!w83667)
        ClearBit0(chip, kBank2Config);
}

bool WinbondTemperature1(Chip* chip, int32_t* value)
{
    return ReadRegister(chip, kTemperature1, value);
}

bool WinbondTemperature2(Chip* chip, int32_t* value)
{
    return HalfDegreeTemperature(chip, kBank1Temperature, value);
}

bool WinbondTemperature3(Chip* chip, int32_t* value)
{
    return HalfDegreeTemperature(chip, kBank2Temperature, value);
}

bool WinbondFan1(Chip* chip, int32_t* value)
{
    return Fan(chip, 0x28, kDivisorLow, 4, 5, value);
}

bool WinbondFan2(Chip* chip, int32_t* value)
{
    return Fan(chip, 0x29, kDivisorLow, 6, 6, value);
}

bool WinbondFan3(Chip* chip, int32_t* value)
{
    return Fan(chip, 0x2A, kDivisorFan3, 6, 7, value);
}

} // namespace win
} // namespace system
} // namespace s
