#include "measurement/win/WorkingSet.h"

namespace s {
namespace system {
namespace win {

namespace {
struct WorkingSetLock {
    CRITICAL_SECTION section;
    WorkingSetLock() { InitializeCriticalSection(&section); }
};
} // namespace

CRITICAL_SECTION& GetWorkingSetLock()
{
    static WorkingSetLock lock;
    return lock.section;
}

void TrimWorkingSet()
{
    CRITICAL_SECTION& lock = GetWorkingSetLock();
    EnterCriticalSection(&lock);
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    LeaveCriticalSection(&lock);
}

} // namespace win
} // namespace system
} // namespace s
