// The scroll bar's native window: painting, presses, held buttons, thumb drags and hover.
#include <windows.h>

#include "lists/ScrollBar.h"
#include "lists/ScrollInfo.h"
#include "skins/drawer/IScrollBar.h"
#include "windowing/Messages.h"
#include "windowing/component/OffScreenPaint.h"
#include "windowing/paint/MemDC.h"

namespace s {
namespace gui {
namespace win {

void ScrollBar::Paint()
{
    OffScreenPaint paint(this, inheritBackground_, background_);
    MemDC* canvas = paint.GetCanvas();
    if (!canvas)
        return;
    drawer::IScrollBar* drawer = GetDrawer();
    if (visible_ && drawer) {
        const RECT& client = paint.GetClient();
        const auto stateOf = [this](int32_t part) { return activePart_ == part ? partState_ : kNormal; };
        drawer->Draw(canvas, client.left, client.top, client.right, client.bottom, IsHorizontal() ? 1 : 0,
                     *scrollInfo_->GetRange(), *scrollInfo_->GetPage(), *scrollInfo_->GetPosition(),
                     stateOf(kFirstArrow), stateOf(kThumb), stateOf(kSecondArrow), HasCorner() ? 1 : 0,
                     trackColorSet_ ? 1 : 0, GetRValue(trackColor_), GetGValue(trackColor_), GetBValue(trackColor_));
    }
    paint.CopyToScreen();
}

void ScrollBar::Repaint()
{
    if (!m_hWnd)
        return;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
}

POINT ScrollBar::ScreenPoint(LPARAM lParam)
{
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    // Signed: a captured mouse reports points left of and above the window.
    POINT point = {window.left + static_cast<int16_t>(LOWORD(lParam)), window.top + static_cast<int16_t>(HIWORD(lParam))};
    return point;
}

int32_t ScrollBar::HitTest(POINT screen)
{
    drawer::IScrollBar* drawer = GetDrawer();
    if (!drawer || !m_hWnd)
        return kNoPart;
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    return drawer->HitTest(screen.x, screen.y, window.left, window.top, window.right, window.bottom,
                           IsHorizontal() ? 1 : 0, *scrollInfo_->GetRange(), *scrollInfo_->GetPage(),
                           *scrollInfo_->GetPosition(), HasCorner() ? 1 : 0);
}

void ScrollBar::Step(int32_t part)
{
    if (!scrolledComponent_)
        return;
    switch (part) {
    case kFirstArrow:
        scrollInfo_->LineBack(scrolledComponent_);
        break;
    case kPageBefore:
        scrollInfo_->PageBack(scrolledComponent_);
        break;
    case kPageAfter:
        scrollInfo_->PageForward(scrolledComponent_);
        break;
    case kSecondArrow:
        scrollInfo_->LineForward(scrolledComponent_);
        break;
    default:
        break;
    }
}

void ScrollBar::Capture()
{
    if (::GetCapture() != m_hWnd)
        SetCapture();
}

void ScrollBar::HandleButtonDown(LPARAM lParam)
{
    const POINT point = ScreenPoint(lParam);
    const int32_t part = HitTest(point);
    activePart_ = part;
    if (part == kNoPart)
        return;
    pressed_ = true;
    // The release is seen wherever it happens, so that a held page area never keeps scrolling
    // after the button went up outside the bar.
    Capture();
    if (part == kThumb) {
        draggingThumb_ = true;
        dragStartCoordinate_ = IsHorizontal() ? point.x : point.y;
        dragStartPosition_ = *scrollInfo_->GetPosition();
    } else {
        Step(part);
        SetTimer(kFirstRepeatTimer, kFirstRepeatMillis);
    }
    // The page areas have no pressed look.
    if (part != kPageBefore && part != kPageAfter)
        partState_ = kPressed;
    Repaint();
}

void ScrollBar::HandleTimer(UINT_PTR id)
{
    POINT cursor = {0, 0};
    ::GetCursorPos(&cursor);
    // The part now under the cursor decides, not the part first pressed.
    Step(HitTest(cursor));
    Repaint();
    if (id == kFirstRepeatTimer) {
        KillTimer(kFirstRepeatTimer);
        SetTimer(kRepeatTimer, kRepeatMillis);
    }
}

void ScrollBar::HandleMouseMove(WPARAM wParam, LPARAM lParam)
{
    const POINT point = ScreenPoint(lParam);
    const int32_t part = HitTest(point);
    const bool onButton = part == kFirstArrow || part == kThumb || part == kSecondArrow;
    if (pressed_ && draggingThumb_) {
        drawer::IScrollBar* drawer = GetDrawer();
        RECT window;
        ::GetWindowRect(m_hWnd, &window);
        const int32_t distance = (IsHorizontal() ? point.x : point.y) - dragStartCoordinate_;
        const int32_t position = drawer->PositionFromDrag(
            distance, dragStartPosition_, window.left, window.top, window.right, window.bottom, IsHorizontal() ? 1 : 0,
            *scrollInfo_->GetRange(), *scrollInfo_->GetPage(), HasCorner() ? 1 : 0);
        if (position != *scrollInfo_->GetPosition())
            ScrollBy(position - *scrollInfo_->GetPosition());
        return;
    }
    if (pressed_) {
        if (onButton && part == activePart_ && partState_ != kPressed) {
            partState_ = kPressed;
            Repaint();
        } else if (!onButton && partState_ != kNormal) {
            partState_ = kNormal;
            Repaint();
        }
        return;
    }
    // A button held down from elsewhere does not make the bar hover.
    if (wParam & MK_LBUTTON)
        return;
    if (onButton) {
        const bool changed = activePart_ != part || partState_ != kHot;
        activePart_ = part;
        if (partState_ != kHot) {
            partState_ = kHot;
            Capture();
        }
        if (changed)
            Repaint();
        return;
    }
    if (partState_ != kNormal) {
        partState_ = kNormal;
        Repaint();
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void ScrollBar::EndPress()
{
    KillTimer(kFirstRepeatTimer);
    KillTimer(kRepeatTimer);
    draggingThumb_ = false;
    pressed_ = false;
    if (partState_ != kNormal) {
        partState_ = kNormal;
        Repaint();
    }
}

bool ScrollBar::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_GETDLGCODE:
        *result = DefWindowProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
    case WM_PAINT:
        Paint();
        return true;
    case WM_TIMER:
        if (!pressed_ || (wParam != kFirstRepeatTimer && wParam != kRepeatTimer))
            return false;
        HandleTimer(wParam);
        return true;
    case WM_MOUSEMOVE:
        HandleMouseMove(wParam, lParam);
        return false;
    case WM_LBUTTONDOWN:
        HandleButtonDown(lParam);
        return true;
    case WM_LBUTTONUP:
        if (pressed_)
            EndPress();
        return false;
    case WM_CAPTURECHANGED:
        // Whoever took the mouse also took the press and the hover.
        if (reinterpret_cast<HWND>(lParam) != m_hWnd) {
            if (pressed_)
                EndPress();
            else if (partState_ != kNormal) {
                partState_ = kNormal;
                Repaint();
            }
        }
        return false;
    case msg::kSkinChanged:
        TakeSkinDrawer();
        return true;
    default:
        return Component<IScrollBar>::HandleMessage(result, message, wParam, lParam);
    }
}

} // namespace win
} // namespace gui
} // namespace s
