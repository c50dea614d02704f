#pragma once
#include <cstdint>

#include "measurement/sensors/Chip.h"

namespace s {
namespace system {
namespace win {

// The operations of each sensor-chip family, reached from the chip's base address through the
// hardware-access library's port reads and writes. A failed port read gives 0; every reader
// writes its result and returns true when its first register read succeeded.

// How far above the base each family's highest register port lies.
static const int32_t kWinbondPortReach = 6;
static const int32_t kViaPortReach = 5 + 0x4C;
static const int32_t kFintekPortReach = 0x0B;
static const int32_t kItePortReach = 7;

// Winbond: registers named bank << 8 | register, at address port base + 5, data port base + 6.
void WinbondOnceInit(Chip* chip);
void WinbondInit(Chip* chip);
bool WinbondTemperature1(Chip* chip, int32_t* value);
bool WinbondTemperature2(Chip* chip, int32_t* value);
bool WinbondTemperature3(Chip* chip, int32_t* value);
bool WinbondFan1(Chip* chip, int32_t* value);
bool WinbondFan2(Chip* chip, int32_t* value);
bool WinbondFan3(Chip* chip, int32_t* value);

// VIA: register r at port base + 5 + r.
void ViaInit(Chip* chip);
bool ViaTemperature1(Chip* chip, int32_t* value);
bool ViaTemperature2(Chip* chip, int32_t* value);
bool ViaFan1(Chip* chip, int32_t* value);
bool ViaFan2(Chip* chip, int32_t* value);

// Fintek: address port base + 0x0A, data port base + 0x0B; A and B differ in their registers.
void FintekInit(Chip* chip);
bool FintekATemperature1(Chip* chip, int32_t* value);
bool FintekATemperature2(Chip* chip, int32_t* value);
bool FintekATemperature3(Chip* chip, int32_t* value);
bool FintekAFan1(Chip* chip, int32_t* value);
bool FintekAFan2(Chip* chip, int32_t* value);
bool FintekAFan3(Chip* chip, int32_t* value);
bool FintekBTemperature1(Chip* chip, int32_t* value);
bool FintekBTemperature2(Chip* chip, int32_t* value);
bool FintekBTemperature3(Chip* chip, int32_t* value);
bool FintekBFan1(Chip* chip, int32_t* value);
bool FintekBFan2(Chip* chip, int32_t* value);
bool FintekBFan3(Chip* chip, int32_t* value);

// ITE: address port base + 5, data port base + 7.
void IteInit(Chip* chip);
bool IteTemperature1(Chip* chip, int32_t* value);
bool IteTemperature2(Chip* chip, int32_t* value);
bool IteTemperature3(Chip* chip, int32_t* value);
bool IteFan1(Chip* chip, int32_t* value);
bool IteFan2(Chip* chip, int32_t* value);
bool IteFan3(Chip* chip, int32_t* value);
bool IteFan4(Chip* chip, int32_t* value);
bool IteFan5(Chip* chip, int32_t* value);

} // namespace win
} // namespace system
} // namespace s
