#pragma once
#include <windows.h>

namespace s {
namespace gui {
namespace win {

// Puts the text (null counts as empty) on the clipboard as CF_UNICODETEXT, opened for the owner
// window; belongs on the owner's thread. Non-zero when it was placed; 0, with the clipboard as it
// was and closed, when the clipboard is held by another window or no memory can be had.
BOOL CopyTextToClipboard(HWND owner, const wchar_t* text);

// The allocator of the clipboard's memory block, replaceable so that a test can refuse the memory;
// null restores the system's GlobalAlloc. Returns the one replaced.
using GlobalAllocFunction = HGLOBAL(WINAPI*)(UINT flags, SIZE_T bytes);
GlobalAllocFunction SetClipboardAllocator(GlobalAllocFunction allocator);

} // namespace win
} // namespace gui
} // namespace s
