#pragma once
#include <windows.h>

#include <shellapi.h>

namespace s {
namespace gui {
namespace win {

// The calls by which a window reaches the shell and the system for its notification-area icon,
// its working-set trims, and the timers, Shift key and cursor of its hover-hide and following of
// the cursor. Process-wide and replaceable, so that a test can record notification-area records
// where a bare X server has no notification area, count trims, drive the animations step by step
// and hold Shift or the cursor without a person; replaced only while no window uses them.
struct DesktopCalls {
    BOOL (*notifyIcon)(DWORD message, NOTIFYICONDATAW* data);
    void (*trimWorkingSet)();
    UINT_PTR (*setTimer)(HWND window, UINT_PTR id, UINT periodMillis);
    BOOL (*killTimer)(HWND window, UINT_PTR id);
    bool (*isShiftDown)();
    BOOL (*getCursorPos)(POINT* point);
};

DesktopCalls& GetDesktopCalls();
// Puts the system's own calls back.
void ResetDesktopCalls();

// The message the shell broadcasts when it has made its taskbar anew ("TaskbarCreated"); every
// icon must then be added again. 0 when it cannot be registered.
UINT TaskbarCreatedMessage();

} // namespace win
} // namespace gui
} // namespace s
