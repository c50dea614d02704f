#include "measurement/hdd/Hdds.h"

namespace s {
namespace system {
namespace hdd {
namespace win {

void LoadHdds() {}

int32_t GetHddCount()
{
    return 0;
}

IHdd* GetHdd(int32_t)
{
    return nullptr;
}

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
