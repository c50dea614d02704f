#pragma once
#include <windows.h>

namespace s {
namespace system {
namespace win {

// The process-wide working-set lock: trims after a window is shown or hidden and the monitor's
// scheduled trims never run at once.
CRITICAL_SECTION& GetWorkingSetLock();
// Gives the process's pages back to the system (SetProcessWorkingSetSize with -1, -1) under the
// working-set lock.
void TrimWorkingSet();

} // namespace win
} // namespace system
} // namespace s
