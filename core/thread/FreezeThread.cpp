#include "core/thread/FreezeThread.h"

#include <cstdint>

namespace s {
namespace thread {
namespace win {

namespace {

const DWORD kRetryMillis = 20;
const DWORD kSuspendFailed = static_cast<DWORD>(-1);

// The executable's image: the program's own code, the static libraries included.
bool InOwnImage(uintptr_t address)
{
    const auto base = reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return address >= base && address - base < nt->OptionalHeader.SizeOfImage;
}

bool Ended(HANDLE thread)
{
    return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
}

} // namespace

bool FreezeInOwnCode(HANDLE thread, DWORD patienceMillis, StillLate late, void* context)
{
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        if (Ended(thread) || SuspendThread(thread) == kSuspendFailed)
            return false;
        CONTEXT registers = {};
        registers.ContextFlags = CONTEXT_CONTROL;
        const bool own = GetThreadContext(thread, &registers) && InOwnImage(static_cast<uintptr_t>(registers.Rip));
        if (late && !late(context)) {
            ResumeThread(thread);
            return false;
        }
        if (own || GetTickCount64() - start >= patienceMillis)
            return true;
        ResumeThread(thread);
        if (WaitForSingleObject(thread, kRetryMillis) == WAIT_OBJECT_0)
            return false;
    }
}

bool TerminateInOwnCode(HANDLE thread, DWORD patienceMillis, StillLate late, void* context)
{
    return FreezeInOwnCode(thread, patienceMillis, late, context) && TerminateThread(thread, 0) != FALSE;
}

} // namespace win
} // namespace thread
} // namespace s
