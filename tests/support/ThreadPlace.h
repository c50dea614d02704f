#pragma once
#include <windows.h>

namespace testing_support {

// Whether the thread runs, at this moment, code outside this program's image: a call into the
// system it has not yet come back from.
inline bool RunsSystemCode(HANDLE thread)
{
    if (SuspendThread(thread) == static_cast<DWORD>(-1))
        return false;
    CONTEXT registers = {};
    registers.ContextFlags = CONTEXT_CONTROL;
    HMODULE module = nullptr;
    const bool outside =
        GetThreadContext(thread, &registers) &&
        (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCWSTR>(registers.Rip), &module) ||
         module != GetModuleHandleW(nullptr));
    ResumeThread(thread);
    return outside;
}

} // namespace testing_support
