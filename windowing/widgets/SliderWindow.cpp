// The slider's window: painting, the mouse of a drawn slider, keys, the wheel and the position
// read back after the trackbar moved.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "skins/drawer/ISlider.h"
#include "windowing/Messages.h"
#include "windowing/component/OffScreenPaint.h"
#include "windowing/component/ReflectedColor.h"
#include "windowing/paint/MemDC.h"
#include "windowing/widgets/Slider.h"

namespace s {
namespace gui {
namespace win {

namespace {

POINT PointOf(LPARAM lParam)
{
    return POINT{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
}

} // namespace

void Slider::Paint()
{
    OffScreenPaint paint(this, inheritBackground_, GetEffectiveBackgroundColor());
    MemDC* canvas = paint.GetCanvas();
    if (!canvas)
        return;
    // Moved by the trackbar itself since the last paint: painted once more when it has settled.
    if (minimum_ != paintedMinimum_ || maximum_ != paintedMaximum_ || position_ != paintedPosition_) {
        paintedMinimum_ = minimum_;
        paintedMaximum_ = maximum_;
        paintedPosition_ = position_;
        Invalidate(FALSE);
    }
    drawer_->Draw(canvas, 0, 0, paint.GetWidth(), paint.GetHeight(), minimum_, maximum_, position_, drawerFlag_, drawerValue_, enabled_,
                  rangeMode_ != 0, secondValue_, gradientKind_, gradientA_, gradientB_);
    paint.CopyToScreen();
}

// A range of one value or a channel without width puts every point on the minimum.
int32_t Slider::ValueAt(POINT point)
{
    RECT channel;
    GetChannelRect(&channel);
    const bool vertical = (::GetWindowLongW(m_hWnd, GWL_STYLE) & TBS_VERT) != 0;
    const int32_t coordinate = vertical ? point.y : point.x;
    const int32_t start = vertical ? channel.top : channel.left;
    const int32_t end = vertical ? channel.bottom : channel.right;
    if (end <= start || maximum_ == minimum_)
        return minimum_;
    const double share = static_cast<double>(coordinate - start) / static_cast<double>(end - start);
    const double value = static_cast<double>(minimum_) + static_cast<double>(maximum_ - minimum_) * share;
    return static_cast<int32_t>(std::lround(value));
}

bool Slider::MapPoint(POINT point)
{
    const int32_t value = ValueAt(point);
    if (draggingSecond_) {
        const int32_t clamped = ClampSecondValue(value);
        if (clamped != secondValue_) {
            secondValue_ = clamped;
            events::TellListeners(changeListeners_, this, kEventChanged);
            Redraw();
        }
        return true;
    }
    if (value == GetPos())
        return false;
    const int32_t clamped = ClampPosition(value);
    if (clamped != position_) {
        position_ = clamped;
        events::TellListeners(changeListeners_, this, kEventChanged);
    }
    SetPos(position_);
    return true;
}

// In range mode a press chooses the thumb under it; false when it is under neither. The hit
// areas are measured from the minimum, as the values are mapped.
bool Slider::ChooseThumb(POINT point)
{
    if (rangeMode_ == 0)
        return true;
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int64_t span = static_cast<int64_t>(maximum_) - minimum_;
    const int64_t track = static_cast<int64_t>(client.right - client.left) - kThumbHitWidth;
    auto startOf = [&](int32_t value) -> int64_t {
        return span > 0 ? track * (static_cast<int64_t>(value) - minimum_) / span : 0;
    };
    const int64_t first = startOf(position_);
    const int64_t second = startOf(secondValue_);
    if (first <= point.x && point.x <= first + kThumbHitWidth)
        draggingSecond_ = false;
    else if (second <= point.x && point.x <= second + kThumbHitWidth)
        draggingSecond_ = true;
    else
        return false;
    return true;
}

void Slider::PostScroll()
{
    if (HWND parent = NativeWindowOf(parent_))
        ::PostMessageW(parent, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, static_cast<uint16_t>(position_)),
                       reinterpret_cast<LPARAM>(m_hWnd));
}

// A step a notch, towards the maximum as the wheel turns towards the user. Moved here, as not
// every trackbar answers the wheel itself.
void Slider::TurnWheel(int32_t delta)
{
    const int32_t notches = delta / WHEEL_DELTA;
    if (notches == 0)
        return;
    const int64_t line = step_ > 0 ? step_ : 1;
    const int64_t wanted = static_cast<int64_t>(GetPos()) - notches * line;
    const int64_t bounded = std::min<int64_t>(std::max<int64_t>(wanted, INT32_MIN), INT32_MAX);
    SetPos(ClampPosition(static_cast<int32_t>(bounded)));
}

void Slider::ReadBackPosition()
{
    if (!m_hWnd)
        return;
    const int32_t control = GetPos();
    const int32_t clamped = ClampPosition(control);
    if (clamped != control)
        SetPos(clamped);
    if (clamped == position_)
        return;
    position_ = clamped;
    events::TellListeners(changeListeners_, this, kEventChanged);
}

bool Slider::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        if (!drawer_)
            return false;
        Paint();
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_KEYDOWN:
        // Up goes towards the maximum, as the slider is read, by a page; Down back.
        if (wParam != VK_UP && wParam != VK_DOWN)
            return false;
        *result = DefWindowProc(message, wParam == VK_UP ? VK_NEXT : VK_PRIOR, lParam);
        if (drawer_)
            ReadBackPosition();
        return true;
    case WM_HSCROLL:
        if (!drawer_)
            return false;
        *result = 1;
        return true;
    // A drawn slider follows the mouse itself; the trackbar's own paging would move it away.
    case WM_LBUTTONDOWN:
        if (!drawer_)
            return false;
        if (ChooseThumb(PointOf(lParam))) {
            SetCapture();
            SetFocus();
            dragging_ = true;
            moved_ = false;
            if (MapPoint(PointOf(lParam)) && !draggingSecond_)
                PostScroll();
        }
        return true;
    case WM_MOUSEMOVE:
        if (!drawer_ || !dragging_)
            return false;
        if (MapPoint(PointOf(lParam))) {
            moved_ = true;
            if (!draggingSecond_)
                PostScroll();
        }
        return true;
    case WM_LBUTTONUP:
        if (!drawer_ || !dragging_)
            return false;
        dragging_ = false;
        ::ReleaseCapture();
        return true;
    case WM_MOUSEWHEEL: {
        if (!drawer_)
            return false;
        const POINT point = PointOf(lParam);
        if (ContainsScreenPoint(point.x, point.y)) {
            TurnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            ReadBackPosition();
        } else if (window_) {
            ::SendMessageW(NativeWindowOf(window_), message, wParam, lParam);
        }
        return true;
    }
    case msg::kControlSkinChanged:
        TakeSkinDrawer();
        return true;
    case msg::kReflectCtlColor: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        *result = AnswerReflectedColor(&brush_, dc, inheritBackground_, parent_, background_, ::GetTextColor(dc));
        return true;
    }
    default:
        return Component<ISlider, CSliderCtrl>::HandleMessage(result, message, wParam, lParam);
    }
}

// The trackbar moved by itself (the mouse or a key of a native slider, a key of a drawn one).
void Slider::AfterMessage(UINT message, WPARAM, LPARAM, LRESULT)
{
    if ((message == WM_HSCROLL && !drawer_) || (message == WM_KEYDOWN && drawer_))
        ReadBackPosition();
}

} // namespace win
} // namespace gui
} // namespace s
