// The window's size operations: fixed and minimum sizes, shrinking and growing to the limits,
// the minimum kept while the user sizes, and the mouse capture.
#include <algorithm>

#include "windowing/FrameEdges.h"
#include "windowing/Window.h"

namespace s {
namespace gui {
namespace win {

namespace {

bool DragsLeftEdge(int32_t edge)
{
    return edge == kSizingLeft || edge == kSizingTopLeft || edge == kSizingBottomLeft;
}

bool DragsTopEdge(int32_t edge)
{
    return edge == kSizingTop || edge == kSizingTopLeft || edge == kSizingTopRight;
}

} // namespace

void Window::SetFixedWidth(int32_t width)
{
    fixedWidth_ = std::max(width, -1);
    if (fixedWidth_ >= 0)
        SetSize(fixedWidth_, GetHeight());
}

void Window::SetFixedHeight(int32_t height)
{
    fixedHeight_ = std::max(height, -1);
    if (fixedHeight_ >= 0)
        SetSize(GetWidth(), fixedHeight_);
}

void Window::EnsureMinimumSize()
{
    const int32_t width = GetWidth();
    const int32_t height = GetHeight();
    const int32_t minWidth = GetMinWidth();
    const int32_t minHeight = GetMinHeight();
    if (width < minWidth || height < minHeight)
        SetSize(std::max(width, minWidth), std::max(height, minHeight));
}

void Window::ShrinkHeightToMinimum()
{
    SetSize(GetWidth(), GetMinHeight());
}

void Window::ShrinkToMinimumSize()
{
    SetSize(GetMinWidth(), GetMinHeight());
}

void Window::GrowToMaximumSize()
{
    SetSize(GetMaxWidth(), GetMaxHeight());
}

int32_t Window::GetFrameWidth()
{
    const RECT window = WindowRect();
    const RECT client = ClientRect();
    return (window.right - window.left) - (client.right - client.left);
}

int32_t Window::GetFrameHeight()
{
    const RECT window = WindowRect();
    const RECT client = ClientRect();
    return (window.bottom - window.top) - (client.bottom - client.top);
}

void Window::SetMinWidth(int32_t width)
{
    minWidth_ = std::max(width, -1);
}

void Window::SetMinHeight(int32_t height)
{
    minHeight_ = std::max(height, -1);
}

void Window::SetEnforceMinSize(bool enforce)
{
    SetEnforceMinSizeHV(enforce, enforce);
}

void Window::SetEnforceMinSizeHV(bool horizontal, bool vertical)
{
    enforceMinWidth_ = horizontal;
    enforceMinHeight_ = vertical;
}

// The side the user drags gives way, so the opposite edge stays where it is.
void Window::EnforceMinimumSize(RECT* rect)
{
    if (enforceMinWidth_) {
        const int32_t minWidth = GetMinWidth();
        if (rect->right - rect->left < minWidth) {
            if (DragsLeftEdge(sizingEdge_))
                rect->left = rect->right - minWidth;
            else
                rect->right = rect->left + minWidth;
        }
    }
    if (enforceMinHeight_) {
        const int32_t minHeight = GetMinHeight();
        if (rect->bottom - rect->top < minHeight) {
            if (DragsTopEdge(sizingEdge_))
                rect->top = rect->bottom - minHeight;
            else
                rect->bottom = rect->top + minHeight;
        }
    }
}

// SetCapture works only for windows of the calling thread: listeners call this on the window's.
void Window::CaptureMouse()
{
    if (!m_hWnd)
        return;
    capturing_ = true;
    ::SetCapture(m_hWnd);
}

POINT Window::GetCapturePoint()
{
    return capturePoint_;
}

void Window::HandleCaptureChanged()
{
    if (!capturing_)
        return;
    capturing_ = false;
    ::GetCursorPos(&capturePoint_);
    TellListeners(kEventCaptureChanged);
}

void Window::SetDefaultDoubleClick(bool enabled)
{
    defaultDoubleClick_ = enabled;
}

void Window::SetHideCursor(bool hide)
{
    hideCursor_ = hide;
}

void Window::FocusNextControl()
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, WM_KEYDOWN, VK_TAB, 0);
}

} // namespace win
} // namespace gui
} // namespace s
