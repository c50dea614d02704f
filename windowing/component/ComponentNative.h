#pragma once
#include <windows.h>

#include <cstdint>

class CWnd;

namespace s {
namespace gui {

class IComponent;

namespace win {

// The native pieces every component shares.

// The native window of a component (its framework window), null when it has none.
HWND NativeWindowOf(IComponent* component);

// Makes a hidden child window of the toolkit class inside the parent's native window, bound to
// the object; shows "Window Creation Failed!" when the system refuses.
bool CreateToolkitChild(CWnd* object, HWND parent, DWORD exStyle);
// Has the parent create the child on the parent's thread (the request carries the process key).
void RequestChildCreation(HWND parent, IComponent* child);
// Runs a creation request that reached the receiver's window procedure; false when the request
// did not come from this process.
bool HandleChildCreation(IComponent* receiver, WPARAM wParam, LPARAM lParam);
// Asks the component's window to destroy itself on its own thread and lets go of the handle.
void DestroyOnOwnThread(CWnd* object);

// Shown, and the point inside the window rectangle, edges included.
bool WindowContainsPoint(HWND window, int32_t x, int32_t y);

// The pale background of the toolkit: each channel of the inactive caption text halfway to white.
void PaleBackground(int32_t* red, int32_t* green, int32_t* blue);
COLORREF ColorFromBytes(int32_t red, int32_t green, int32_t blue);

} // namespace win
} // namespace gui
} // namespace s
