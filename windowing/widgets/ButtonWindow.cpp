// The button's window: painting, the mouse, the repeat timers, the size grip and the reflected
// notifications.
#include "skins/drawer/IButton.h"
#include "windowing/Messages.h"
#include "windowing/component/OffScreenPaint.h"
#include "windowing/component/ReflectedColor.h"
#include "windowing/paint/MemDC.h"
#include "windowing/widgets/Button.h"

namespace s {
namespace gui {
namespace win {

namespace {

// The grip's dots, from the bottom-right corner, in drawing order.
const POINT kGripDots[] = {{4, 12}, {4, 8}, {8, 8}, {4, 4}, {8, 4}, {12, 4}};

// Signed: a captured mouse reports points left of and above the window.
int32_t PointX(LPARAM lParam)
{
    return static_cast<int16_t>(LOWORD(lParam));
}

int32_t PointY(LPARAM lParam)
{
    return static_cast<int16_t>(HIWORD(lParam));
}

HWND TopLevelOf(HWND window)
{
    return window ? ::GetAncestor(window, GA_ROOT) : nullptr;
}

} // namespace

void Button::PaintGrip(CDC* dc, int32_t width, int32_t height)
{
    for (const POINT& dot : kGripDots) {
        const int32_t x = width - dot.x;
        const int32_t y = height - dot.y;
        // The grey square covers the pixel it shares with its light one.
        dc->FillSolidRect(x + 1, y + 1, 2, 2, kGripLight);
        dc->FillSolidRect(x, y, 2, 2, kGripDot);
    }
}

void Button::Paint()
{
    OffScreenPaint paint(this, inheritBackground_, GetEffectiveBackgroundColor());
    MemDC* memory = paint.GetCanvas();
    if (!memory)
        return;
    const int32_t width = paint.GetWidth();
    const int32_t height = paint.GetHeight();
    if (drawer_) {
        FontSetting* setting = !enabled_ ? &disabledSetting_ : (checked_ ? &checkedSetting_ : &normalSetting_);
        IFont* font = setting->CreateFont();
        if (IsResizer()) {
            drawer_->Draw(memory, 0, 0, width, height, 0, GetCaption(), false, font, enabled_, checked_, drawerFlag_);
        } else {
            // A checked button that cannot be unchecked takes no clicks and shows no hover.
            int32_t state = hoverState_;
            if (checked_ && !canUncheck_ && (state == 1 || state == 2))
                state = 0;
            const bool look = invertLook_ ? !checked_ : checked_;
            drawer_->Draw(memory, 0, 0, width, height, state, GetCaption(), highlight_, font, enabled_, look, drawerFlag_);
        }
        ReleaseFont(font);
    } else {
        PaintGrip(memory, width, height);
    }
    paint.CopyToScreen();
}

void Button::Press()
{
    pressed_ = true;
    hoverState_ = 2;
    Tell(kPress, kEventPress);
    if (autoRepeat_)
        SetTimer(kFirstRepeatTimer, kFirstRepeatMillis);
}

void Button::Click()
{
    Tell(kClick, kEventClick);
    if (toggles_ && enabled_ && (!checked_ || canUncheck_)) {
        checked_ = !checked_;
        Redraw();
    }
    Tell(kAfterClick, kEventAfterClick);
}

bool Button::IsInside(LPARAM lParam)
{
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int32_t x = PointX(lParam);
    const int32_t y = PointY(lParam);
    return 0 <= x && x <= client.right && 0 <= y && y <= client.bottom;
}

POINT Button::ScreenPoint(LPARAM lParam)
{
    POINT point = {PointX(lParam), PointY(lParam)};
    ::ClientToScreen(m_hWnd, &point);
    return point;
}

void Button::HandleButtonDown(LPARAM lParam)
{
    lastPoint_ = ScreenPoint(lParam);
    if (IsInside(lParam))
        Press();
}

void Button::HandleButtonUp(LPARAM lParam)
{
    if (!pressed_)
        return;
    if (autoRepeat_) {
        KillTimer(kFirstRepeatTimer);
        KillTimer(kRepeatTimer);
    }
    hoverState_ = 0;
    const POINT point = ScreenPoint(lParam);
    if (IsResizer() && (point.x != lastPoint_.x || point.y != lastPoint_.y))
        ResizeWindow(point);
    else
        lastPoint_ = point;
    pressed_ = false;
}

void Button::ResizeWindow(POINT point)
{
    HWND top = TopLevelOf(m_hWnd);
    RECT before;
    if (!window_ || !top || !::GetWindowRect(top, &before)) {
        lastPoint_ = point;
        return;
    }
    RECT proposed = {before.left, before.top, before.right + (point.x - lastPoint_.x),
                     before.bottom + (point.y - lastPoint_.y)};
    // The window keeps the rectangle within its limits.
    ::SendMessageW(top, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
    window_->SetBounds(proposed.left, proposed.top, proposed.right - proposed.left, proposed.bottom - proposed.top);
    RECT after = before;
    ::GetWindowRect(top, &after);
    // The grip follows only the size change the window really made, so that it stays in step
    // once the window stops at a limit.
    lastPoint_.x += (after.right - after.left) - (before.right - before.left);
    lastPoint_.y += (after.bottom - after.top) - (before.bottom - before.top);
}

void Button::HandleMouseMove(WPARAM wParam, LPARAM lParam)
{
    const bool inside = IsInside(lParam);
    const POINT point = ScreenPoint(lParam);
    if (pressed_) {
        const int32_t state = inside ? 2 : 0;
        if (state != hoverState_) {
            hoverState_ = state;
            if (state == 0) {
                Invalidate(FALSE);
                UpdateWindow();
            }
        }
        if (point.x != lastPoint_.x || point.y != lastPoint_.y) {
            HWND top = TopLevelOf(m_hWnd);
            const bool sizable = top && (::GetWindowLongW(top, GWL_STYLE) & WS_THICKFRAME);
            if (IsResizer() && sizable)
                ResizeWindow(point);
            else
                lastPoint_ = point;
        }
        return;
    }
    if (point.x != lastPoint_.x || point.y != lastPoint_.y)
        lastPoint_ = point;
    if (inside) {
        if (wParam & MK_LBUTTON)
            return;
        hoverState_ = 1;
        if (::GetCapture() != m_hWnd) {
            if (IsResizer())
                ::SetCursor(::LoadCursorW(nullptr, IDC_SIZENWSE));
            SetCapture();
        }
        return;
    }
    if (::GetCapture() == m_hWnd) {
        if (IsResizer())
            ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        ::ReleaseCapture();
    }
    hoverState_ = 0;
}

bool Button::HandleTimer(UINT_PTR id)
{
    if (!pressed_ || !autoRepeat_ || (id != kFirstRepeatTimer && id != kRepeatTimer))
        return false;
    POINT cursor;
    RECT bounds;
    if (!::GetCursorPos(&cursor) || !::GetWindowRect(m_hWnd, &bounds) || !::PtInRect(&bounds, cursor))
        return false;
    if (id == kFirstRepeatTimer) {
        KillTimer(kFirstRepeatTimer);
        SetTimer(kRepeatTimer, kRepeatMillis);
    } else {
        Tell(kPress, kEventPress);
    }
    return true;
}

void Button::HandleWheel(WPARAM wParam, LPARAM lParam)
{
    POINT point = {PointX(lParam), PointY(lParam)};
    RECT bounds;
    // A wheel turned elsewhere belongs to the window, which scrolls or passes it on.
    if (::GetWindowRect(m_hWnd, &bounds) && ::PtInRect(&bounds, point))
        return;
    if (HWND top = TopLevelOf(m_hWnd))
        ::SendMessageW(top, WM_MOUSEWHEEL, wParam, lParam);
}

void Button::SetDefaultStyle(bool on)
{
    UINT style = static_cast<UINT>(::GetWindowLongW(m_hWnd, GWL_STYLE)) & 0xFF;
    style = on ? (style | BS_DEFPUSHBUTTON) : (style & ~static_cast<UINT>(BS_DEFPUSHBUTTON));
    SetButtonStyle(style, TRUE);
    defaultButton_ = on;
}

bool Button::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_DESTROY:
        return false;
    case WM_PAINT:
    case WM_UPDATEUISTATE:
        if (!PaintsItself())
            return false;
        Paint();
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_NCHITTEST:
        *result = DefWindowProc(message, wParam, lParam);
        // A checked button that cannot be unchecked lets the mouse through.
        if (!enabled_ || (checked_ && !canUncheck_))
            *result = HTTRANSPARENT;
        return true;
    case WM_GETDLGCODE:
        *result = DefWindowProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
    case WM_KEYDOWN: {
        HWND parent = parent_ ? NativeWindowOf(parent_) : nullptr;
        if (parent && ::SendMessageW(parent, message, wParam, lParam) != 0)
            return false;
        return true;
    }
    case WM_TIMER:
        return HandleTimer(wParam);
    case WM_MOUSEMOVE:
        HandleMouseMove(wParam, lParam);
        return false;
    case WM_LBUTTONDOWN:
        HandleButtonDown(lParam);
        return false;
    case WM_LBUTTONUP:
        HandleButtonUp(lParam);
        return false;
    case WM_MOUSEWHEEL:
        HandleWheel(wParam, lParam);
        return true;
    case kMakeDefault:
        SetDefaultStyle(true);
        return true;
    case kMakeNotDefault:
        SetDefaultStyle(false);
        return true;
    case msg::kReflectCtlColor:
        if (PaintsItself())
            return false;
        *result = AnswerReflectedColor(&brush_, reinterpret_cast<HDC>(wParam), inheritBackground_, parent_, background_,
                                       normalSetting_.GetColor());
        return true;
    case msg::kReflectDoubleClicked:
        Press();
        Click();
        return true;
    case msg::kReflectClicked:
        Click();
        return true;
    case msg::kSkinChanged:
        TakeSkinDrawer();
        return true;
    default:
        return Component<IButton, CButton>::HandleMessage(result, message, wParam, lParam);
    }
}

void Button::AfterMessage(UINT message, WPARAM, LPARAM, LRESULT)
{
    if ((message == WM_ENABLE || message == WM_SETTEXT) && PaintsItself() && m_hWnd) {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

} // namespace win
} // namespace gui
} // namespace s
