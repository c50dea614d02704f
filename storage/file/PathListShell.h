#pragma once
#include <windows.h>

#include <shellapi.h>

#include <cstdint>

namespace s {
namespace file {
namespace win {

// The shell calls through which path lists copy, move, recycle, show properties and announce
// their changes. The system's own unless replaced: SHFileOperationW, SHChangeNotify,
// ShellExecuteExW and the multi-item Properties dialog.
struct PathListShell {
    int (*fileOperation)(SHFILEOPSTRUCTW* operation);
    void (*changeNotify)(LONG event, UINT flags, const void* first, const void* second);
    BOOL (*executeEx)(SHELLEXECUTEINFOW* info);
    bool (*showProperties)(uint32_t count, const wchar_t* const* texts);
};

// The calls in use.
const PathListShell& GetPathListShell();
// Puts other calls in place and returns those that were in use; a null table, or a null call in
// it, stands for the system's own. For tests, which must never let the shell ask the user.
PathListShell SetPathListShell(const PathListShell* shell);

} // namespace win
} // namespace file
} // namespace s
