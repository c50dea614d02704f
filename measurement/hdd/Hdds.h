#pragma once
#include <cstdint>

#include "measurement/hdd/IHdd.h"

namespace s {
namespace system {
namespace hdd {
namespace win {

// The physical-disk list. The disk reader is not part of this build: the list stays empty, so
// no disk temperature is offered.
void LoadHdds();
int32_t GetHddCount();
// Null beyond the list.
IHdd* GetHdd(int32_t index);

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
