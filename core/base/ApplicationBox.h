#pragma once
#include <windows.h>

namespace s {
namespace base {

// The box a layer below the application's own shows a message in. The application's box (the one
// every box of the process goes through) sits above all of them, so it passes itself in here
// wherever it is linked; until then, and in a program without it, the system's box shows it.
typedef int (*ApplicationBoxFunction)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// The button pressed, as the system's box returns it.
int ShowApplicationBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
// Installs the box and returns the one it replaces; null restores the system's box.
ApplicationBoxFunction SetApplicationBox(ApplicationBoxFunction box);

} // namespace base
} // namespace s
