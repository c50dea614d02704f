#pragma once
#include <windows.h>

namespace s {
namespace gui {
namespace win {

class InvisibleWindow;

// The class of every native window of the toolkit's own widgets.
extern const wchar_t kToolkitWindowClass[];

// Registers the toolkit's window class once per process (a failure is shown and creation is
// tried all the same), then creates the invisible window of the calling window thread, hidden
// and kept off the taskbar. False, after a box, when the invisible window could not be made.
bool RegisterToolkitWindowClass(InvisibleWindow* invisibleWindow);

// The class procedure: closes on the window's own thread on request, and sends the
// notifications of native child controls back to the control that raised them.
LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace win
} // namespace gui
} // namespace s
