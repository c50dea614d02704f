#pragma once
#include <windows.h>

namespace s {
namespace thread {
namespace win {

// Asked with the thread suspended whether it is still to be stopped; it must take no lock the
// thread could hold.
using StillLate = bool (*)(void* context);

// Suspends a thread that would not end, choosing the moment: only while it runs this program's
// own code. Frozen inside the system it could hold one of the system's locks (the window
// manager's, the heap's, the loader's) and stop every other thread of the process with it, the
// process's own exit included. A thread that stays in system code for the whole patience is
// suspended where it is, as it would have been at once. Answers false when the thread ended
// before it could be suspended, or when late said no and the thread was let run on.
bool FreezeInOwnCode(HANDLE thread, DWORD patienceMillis, StillLate late = nullptr, void* context = nullptr);

// Ends a thread that would not end, at the moment FreezeInOwnCode chooses, for the same reason:
// killed inside the system it would leave that lock held for good. Answers whether it was ended
// here; false leaves it running on, or suspended where the end was refused.
bool TerminateInOwnCode(HANDLE thread, DWORD patienceMillis, StillLate late = nullptr, void* context = nullptr);

} // namespace win
} // namespace thread
} // namespace s
