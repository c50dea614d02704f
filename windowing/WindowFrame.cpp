// The frame switches of the window: style bits of the frame applied at once, the frame drawn
// anew where its look changes, and the taskbar button.
#include "windowing/Window.h"

namespace s {
namespace gui {
namespace win {

namespace {

const DWORD kBoxes = WS_MAXIMIZEBOX | WS_MINIMIZEBOX;
const DWORD kOverlappedEx = WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;

} // namespace

void Window::ChangeStyleBits(int index, DWORD remove, DWORD add, bool frameChanged)
{
    if (!m_hWnd)
        return;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, index));
    const DWORD changed = (style & ~remove) | add;
    if (changed != style)
        SetWindowLongPtrW(m_hWnd, index, static_cast<LONG_PTR>(changed));
    if (frameChanged)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Window::DisableInput(bool disable)
{
    // EnableWindow may be called from any thread; the system sends WM_ENABLE to the window's own.
    if (m_hWnd)
        ::EnableWindow(m_hWnd, disable ? FALSE : TRUE);
}

void Window::SetModalState(bool on)
{
    DisableInput(on);
}

void Window::SetMaximizeBox(bool on)
{
    ChangeStyleBits(GWL_STYLE, on ? 0 : WS_MAXIMIZEBOX, on ? WS_MAXIMIZEBOX : 0, false);
    if (m_hWnd)
        ::DrawMenuBar(m_hWnd);
}

void Window::SetMinimizeBox(bool on)
{
    ChangeStyleBits(GWL_STYLE, on ? 0 : WS_MINIMIZEBOX, on ? WS_MINIMIZEBOX : 0, false);
    if (m_hWnd)
        ::DrawMenuBar(m_hWnd);
}

void Window::SetSystemMenu(bool on)
{
    ChangeStyleBits(GWL_STYLE, on ? 0 : WS_SYSMENU, on ? WS_SYSMENU : 0, true);
}

void Window::SetCaptionBar(bool on)
{
    ChangeStyleBits(GWL_STYLE, on ? 0 : WS_CAPTION, on ? WS_CAPTION : 0, true);
}

void Window::SetToolWindow(bool on)
{
    ChangeStyleBits(GWL_EXSTYLE, on ? 0 : WS_EX_TOOLWINDOW, on ? WS_EX_TOOLWINDOW : 0, true);
}

// The boxes and the sizing border keep their own switches: the frame keeps what they set.
void Window::SetOverlappedFrame(bool on)
{
    if (!m_hWnd)
        return;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    const DWORD kept = style & (kBoxes | WS_THICKFRAME);
    const DWORD framed = WS_OVERLAPPEDWINDOW & ~(kBoxes | WS_THICKFRAME);
    if (on) {
        ChangeStyleBits(GWL_STYLE, WS_POPUP | kBoxes | WS_THICKFRAME, framed | kept, false);
        ChangeStyleBits(GWL_EXSTYLE, 0, kOverlappedEx, true);
    } else {
        ChangeStyleBits(GWL_STYLE, framed | kBoxes | WS_THICKFRAME, WS_POPUP | kept, false);
        ChangeStyleBits(GWL_EXSTYLE, kOverlappedEx, 0, true);
    }
}

void Window::SetClientEdge(bool on)
{
    ChangeStyleBits(GWL_EXSTYLE, on ? 0 : WS_EX_CLIENTEDGE, on ? WS_EX_CLIENTEDGE : 0, true);
}

void Window::SetSizingBorder(bool on)
{
    ChangeStyleBits(GWL_STYLE, on ? 0 : WS_THICKFRAME, on ? WS_THICKFRAME : 0, true);
}

// The shell reads the button's style only as a window appears.
void Window::SetTaskbarButton(bool on)
{
    taskbarButton_ = on;
    if (!m_hWnd)
        return;
    const bool shown = IsShown();
    if (shown)
        ::ShowWindow(m_hWnd, SW_HIDE);
    ChangeStyleBits(GWL_EXSTYLE, on ? 0 : WS_EX_APPWINDOW, on ? WS_EX_APPWINDOW : 0, false);
    if (shown)
        ::ShowWindow(m_hWnd, SW_SHOWNA);
}

} // namespace win
} // namespace gui
} // namespace s
