#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace file {
namespace win {
class PathWin;
}
} // namespace file

namespace system {
namespace win {

// CSIDL numbers the system asks for.
const int32_t kCsidlDesktop = 0x0;
const int32_t kCsidlStartup = 0x7;
const int32_t kCsidlWindows = 0x24;
const int32_t kCsidlSystem = 0x25;

// Opens a document, folder or web address with its program ("open" verb), through the
// replaceable opener below.
bool ShellOpen(const wchar_t* target);
// Every ShellOpen of the process goes through one opener, so that a test program can put a
// recorder in its place and no browser ever starts. Returns the opener it replaces; null puts
// the system's own back.
typedef bool (*ShellOpenHandler)(const wchar_t* target);
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);
// Runs a program or document; an existing .bat file runs hidden. With wait the call returns when
// the started process has ended (the result is then that of closing its handle); elevate asks for
// the "runas" verb on Windows 6.0 and later.
bool ShellRun(const wchar_t* file, const wchar_t* parameters, bool wait, bool elevate);
// The shell's one Properties dialog for several items. Null and empty texts are skipped; false
// when no item is left, or when the shell offers no multi-item dialog.
bool ShowFileProperties(uint32_t count, const wchar_t* const* texts);
// Releases the interface when the pointer is set, and clears it.
template <class T>
void ReleaseComObject(T** object)
{
    if (object && *object) {
        (*object)->Release();
        *object = nullptr;
    }
}

// The folder's path in a pooled string (empty when the shell does not know it); the caller gives it back.
str::strbuffer::StrBuffer* GetSpecialFolderText(int32_t csidl);
// The same as a pooled path, not set when the shell does not know it.
file::win::PathWin* GetSpecialFolder(int32_t csidl);
// Kept for the process once found: the desktop folder, the system folder, and the root of the
// Windows volume ("C:\" when it cannot be found).
const wchar_t* GetCachedSpecialFolder();
const wchar_t* GetSystemFolder();
const wchar_t* GetSystemDriveRoot();

} // namespace win
} // namespace system
} // namespace s
