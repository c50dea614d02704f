#pragma once
#include <windows.h>

namespace s {
namespace thread {
namespace win {

// Suspends a thread that would not end, choosing the moment: only while it runs this program's
// own code. Frozen inside the system it could hold one of the system's locks (the window
// manager's, the heap's, the loader's) and stop every other thread of the process with it, the
// process's own exit included. A thread that stays in system code for the whole patience is
// suspended where it is, as it would have been at once. Answers false when the thread ended
// before it could be suspended.
bool FreezeInOwnCode(HANDLE thread, DWORD patienceMillis);

} // namespace win
} // namespace thread
} // namespace s
