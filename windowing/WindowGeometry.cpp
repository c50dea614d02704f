// The window as a component: its bounds are the window rectangle on the desktop, its limits
// come from its children, its fixed and minimum sizes and the work area it stands in.
#include <algorithm>

#include "windowing/Window.h"
#include "windowing/WorkArea.h"
#include "windowing/component/ComponentNative.h"

namespace s {
namespace gui {
namespace win {

namespace {

int32_t WidthOf(const RECT& rect)
{
    return rect.right - rect.left;
}

int32_t HeightOf(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// Where a length starts to stand centred in a span from start, never before the start.
int32_t CenteredStart(int32_t start, int32_t span, int32_t length)
{
    return std::max(start, start + (span - length) / 2);
}

} // namespace

RECT Window::WindowRect()
{
    RECT rect = {};
    GetWindowRect(&rect);
    return rect;
}

RECT Window::ClientRect()
{
    RECT rect = {};
    GetClientRect(&rect);
    return rect;
}

void Window::ApplyWindowPos(int32_t x, int32_t y, int32_t width, int32_t height, UINT flags)
{
    if (IsShown())
        flags |= SWP_SHOWWINDOW;
    SetWindowPos(nullptr, x, y, std::max(width, 0), std::max(height, 0), flags | SWP_NOZORDER | SWP_NOACTIVATE);
}

IComponent* Window::GetParent()
{
    return nullptr;
}

IWindow* Window::GetWindow()
{
    return this;
}

// A top-level window is made by its own thread, never inside another component.
bool Window::CreateWindowIn(IComponent*)
{
    return false;
}

bool Window::IsContainer()
{
    return true;
}

int32_t Window::GetX()
{
    return GetScreenX();
}

int32_t Window::GetY()
{
    return GetScreenY();
}

void Window::SetX(int32_t x)
{
    SetPosition(x, GetY());
}

void Window::SetY(int32_t y)
{
    SetPosition(GetX(), y);
}

int32_t Window::GetScreenX()
{
    return WindowRect().left;
}

int32_t Window::GetScreenY()
{
    return WindowRect().top;
}

bool Window::ContainsScreenPoint(int32_t x, int32_t y)
{
    return WindowContainsPoint(m_hWnd, x, y);
}

int32_t Window::GetWidth()
{
    return WidthOf(WindowRect());
}

int32_t Window::GetHeight()
{
    return HeightOf(WindowRect());
}

void Window::SetWidth(int32_t width)
{
    SetSize(width, GetHeight());
}

void Window::SetHeight(int32_t height)
{
    SetSize(GetWidth(), height);
}

int32_t Window::GetClientWidth()
{
    return WidthOf(ClientRect());
}

int32_t Window::GetClientHeight()
{
    int32_t height = HeightOf(ClientRect());
    if (bottomBar_ && bottomBar_->IsShown())
        height -= bottomBar_->GetMaxHeight();
    return std::max(height, 0);
}

void Window::SetClientWidth(int32_t width)
{
    SetSize(width + GetFrameWidth(), GetHeight());
}

void Window::SetClientHeight(int32_t height)
{
    SetSize(GetWidth(), height + GetFrameHeight());
}

void Window::SetPosition(int32_t x, int32_t y)
{
    ApplyWindowPos(x, y, 0, 0, SWP_NOSIZE);
}

void Window::SetSize(int32_t width, int32_t height)
{
    // A shrunk window is first given its full size back, so the new size is the full one.
    ReapplyHoverHide();
    ApplyWindowPos(0, 0, width, height, SWP_NOMOVE);
}

void Window::SetBounds(int32_t x, int32_t y, int32_t width, int32_t height)
{
    ApplyWindowPos(x, y, width, height, 0);
}

// A top-level window is not scrolled inside anything.
void Window::SetOffset(int32_t, int32_t) {}

void Window::OffsetBy(int32_t, int32_t) {}

int32_t Window::GetMinWidth()
{
    if (minWidth_ >= 0)
        return minWidth_;
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    if (children_.GetCount() == 0)
        return 0;
    return GetMinClientWidth() + GetFrameWidth();
}

int32_t Window::GetMinHeight()
{
    if (minHeight_ >= 0)
        return minHeight_;
    if (fixedHeight_ >= 0)
        return fixedHeight_;
    if (children_.GetCount() == 0)
        return 0;
    return GetMinClientHeight() + GetFrameHeight();
}

int32_t Window::GetMinClientWidth()
{
    if (fixedWidth_ >= 0)
        return std::max(fixedWidth_ - GetFrameWidth(), 0);
    int32_t widest = 0;
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        if (IComponent* child = GetChildAt(i))
            widest = std::max(widest, child->GetMinWidth());
    }
    return widest;
}

// The children stand one below the other; a shown bottom bar needs its height too.
int32_t Window::GetMinClientHeight()
{
    if (fixedHeight_ >= 0)
        return std::max(fixedHeight_ - GetFrameHeight(), 0);
    if (children_.GetCount() == 0)
        return 0;
    int64_t sum = 0;
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        if (IComponent* child = GetChildAt(i))
            sum += std::max(child->GetMinHeight(), 0);
    }
    if (bottomBar_ && bottomBar_->IsShown())
        sum += std::max(bottomBar_->GetMaxHeight(), 0);
    return static_cast<int32_t>(std::min<int64_t>(sum, INT32_MAX));
}

int32_t Window::GetMaxWidth()
{
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    return WidthOf(WorkAreaNear(WindowRect()));
}

int32_t Window::GetMaxHeight()
{
    if (fixedHeight_ >= 0)
        return fixedHeight_;
    return HeightOf(WorkAreaNear(WindowRect()));
}

int32_t Window::GetMaxClientWidth()
{
    return std::max(GetMaxWidth() - GetFrameWidth(), 0);
}

int32_t Window::GetMaxClientHeight()
{
    return std::max(GetMaxHeight() - GetFrameHeight(), 0);
}

void Window::SetLayoutSize(int32_t width, int32_t height)
{
    const int32_t w = std::max(std::min(width, GetMaxWidth()), GetMinWidth());
    const int32_t h = std::max(std::min(height, GetMaxHeight()), GetMinHeight());
    SetSize(w, h);
}

// A top-level window moves at once: nothing outside it lays it out.
void Window::SuspendBounds() {}

void Window::ResumeBounds() {}

bool Window::IsBoundsSuspended()
{
    return false;
}

void Window::CenterHorizontally() {}

void Window::CenterVertically() {}

void Window::Center()
{
    const RECT area = PrimaryWorkArea();
    SetPosition(CenteredStart(area.left, WidthOf(area), GetWidth()), CenteredStart(area.top, HeightOf(area), GetHeight()));
}

bool Window::IsEnabled()
{
    return m_hWnd && IsWindowEnabled(m_hWnd);
}

void Window::SetEnabled(bool enabled)
{
    EnableWindow(enabled ? TRUE : FALSE);
}

bool Window::IsEditable()
{
    return false;
}

void Window::SetEditable(bool) {}

void Window::Redraw()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

void Window::RedrawRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    const RECT area = {x, y, x + width, y + height};
    RedrawWindow(&area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

COLORREF Window::GetBackgroundColor()
{
    return background_;
}

// A top-level window has nothing to inherit from.
bool Window::IsBackgroundInherited()
{
    return false;
}

void Window::InheritBackground(bool) {}

void Window::ResetBackgroundColor(bool redraw)
{
    background_ = GetSysColor(COLOR_BTNFACE);
    if (redraw && IsShown())
        Redraw();
}

void Window::SetBackgroundColor(int32_t red, int32_t green, int32_t blue, bool redraw)
{
    background_ = ColorFromBytes(red, green, blue);
    if (redraw && IsShown())
        Redraw();
}

void Window::SetBackgroundWhite()
{
    SetBackgroundColor(255, 255, 255, true);
}

void Window::SetBackgroundBlack()
{
    SetBackgroundColor(0, 0, 0, true);
}

void Window::SetBackgroundPale(bool redraw)
{
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    PaleBackground(&red, &green, &blue);
    SetBackgroundColor(red, green, blue, redraw);
}

COLORREF Window::GetEffectiveBackgroundColor()
{
    return background_;
}

} // namespace win
} // namespace gui
} // namespace s
