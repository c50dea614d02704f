#include "skins/drawer/slider/Thin.h"

#include <algorithm>

#include "skins/drawer/PaintArea.h"
#include "skins/drawer/border/Thin.h"
#include "windowing/paint/ColorBytes.h"
#include "windowing/paint/ColorSpace.h"

namespace s {
namespace gui {
namespace drawer {
namespace slider {
namespace win {

namespace {

const int32_t kStyle = 1;
const COLORREF kBar = RGB(176, 176, 176);
const COLORREF kForeground = RGB(120, 120, 120);
const COLORREF kDisabled = RGB(120, 120, 120);
const int32_t kThumbWidth = 10;
const int32_t kSunken = 2;
const int32_t kRaised = 0;

// The offset of a value along an extent: extent x (value - minimum) / span, truncated; 0 for an
// empty or inverted range. Wide enough for any range of 32-bit values.
int32_t Offset(int32_t extent, int32_t value, int32_t minimum, int64_t span)
{
    if (span <= 0)
        return 0;
    return static_cast<int32_t>(static_cast<int64_t>(extent) * (static_cast<int64_t>(value) - minimum) / span);
}

int32_t Channel(int32_t value)
{
    return std::min(255, std::max(0, value));
}

// The colour of gradient column d of n; kinds 2 to 7 vary one HSV or HSL component over a and b.
COLORREF GradientColor(int32_t kind, int32_t d, int32_t n, int32_t a, int32_t b)
{
    if (kind == 1) {
        const COLORREF from = static_cast<COLORREF>(a);
        const COLORREF to = static_cast<COLORREF>(b);
        auto blend = [d, n](int32_t x, int32_t y) {
            return Channel(static_cast<int32_t>(x + static_cast<int64_t>(y - x) * d / n));
        };
        return RGB(blend(GetRValue(from), GetRValue(to)), blend(GetGValue(from), GetGValue(to)),
                   blend(GetBValue(from), GetBValue(to)));
    }
    const bool hueVaries = kind == 2 || kind == 5;
    const int32_t w = static_cast<int32_t>(static_cast<int64_t>(d) * (hueVaries ? 359 : 100) / n);
    int32_t first = a;
    int32_t second = b;
    int32_t third = b;
    switch (kind) {
    case 2:
    case 5:
        first = w;
        second = a;
        third = b;
        break;
    case 3:
    case 6:
        second = w;
        break;
    default:
        second = b;
        third = w;
        break;
    }
    // A conversion that refuses its input writes nothing: such a column stays black.
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    if (kind <= 4)
        color::HsvToRgb(first, second, third, &red, &green, &blue);
    else
        color::HslToRgb(first, second, third, &red, &green, &blue);
    return RGB(Channel(red), Channel(green), Channel(blue));
}

} // namespace

Thin::Thin()
    : style_(kStyle),
      bar_(kBar),
      foreground_(kForeground),
      disabled_(kDisabled),
      frameBorder_(border::win::Thin::New()),
      thumbBorder_(border::win::Thin::New())
{
    Thin::Reset();
}

Thin::~Thin()
{
    // Sub-drawers go with their composite, never back to their pool.
    delete frameBorder_;
    delete thumbBorder_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_slider_win_Thin";
}

void Thin::Reset()
{
    style_ = kStyle;
    bar_ = kBar;
    foreground_ = kForeground;
    disabled_ = kDisabled;
    if (frameBorder_) {
        frameBorder_->Reset();
        frameBorder_->SetShaded(0);
    }
    if (thumbBorder_) {
        thumbBorder_->Reset();
        thumbBorder_->SetShaded(1);
    }
}

void Thin::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t minimum, int32_t maximum,
                int32_t position, bool showBar, int32_t reference, bool enabled, bool rangeMode,
                int32_t secondPosition, int32_t gradientKind, int32_t a, int32_t b)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    const int32_t I = right - left;
    const int32_t H = bottom - top;
    const int64_t span = maximum > minimum ? static_cast<int64_t>(maximum) - minimum : 0;
    const COLORREF frame = enabled ? foreground_ : disabled_;
    const COLORREF bar = enabled ? bar_ : disabled_;
    const bool styled = style_ == 1 || style_ == 2;

    if (styled)
        frameBorder_->Draw(dc, left, top, right, bottom, kSunken, style_, RedOf(frame), GreenOf(frame),
                           BlueOf(frame));

    // Values outside the range stand at its ends.
    auto limit = [minimum, maximum](int32_t value) {
        return maximum > minimum ? std::min(maximum, std::max(minimum, value)) : minimum;
    };
    reference = limit(reference);
    const int32_t v = Offset(I, reference, minimum, span);
    const int32_t t1 = Offset(I - kThumbWidth, limit(position), minimum, span);
    const int32_t t2 = Offset(I - kThumbWidth, limit(secondPosition), minimum, span);

    if (I > 2 && gradientKind >= 1 && gradientKind <= 7) {
        const int32_t n = I - 2;
        auto column = [&](int32_t x) {
            FillBox(dc, x, top + 1, 1, H - 2, GradientColor(gradientKind, x - left - 1, n, a, b));
        };
        for (int32_t x = left + 1; x < t1 && x < right - 1; ++x)
            column(x);
        for (int32_t x = std::max(t1 + kThumbWidth, left + 1); x < right - 1; ++x)
            column(x);
    }

    if (styled && showBar && !rangeMode) {
        const int32_t vb = std::min(I - 1, std::max(1, v));
        if (style_ == 1) {
            if (reference == minimum)
                FillBox(dc, 1, 1, t1 - 1, H - 2, bar);
            else if (vb < t1)
                FillBox(dc, vb, 1, t1 - vb, H - 2, bar);
            else if (t1 + kThumbWidth < vb)
                FillBox(dc, t1 + kThumbWidth, 1, vb - t1 - 9, H - 2, bar);
        } else if (reference == minimum) {
            FillBox(dc, 2, 1, t1 - 1, 1, bar);
            FillBox(dc, 1, 2, t1 - 1, H - 4, bar);
            FillBox(dc, 2, H - 2, t1 - 1, 1, bar);
        } else {
            if (vb < t1)
                FillBox(dc, vb, 2, t1 - vb, H - 4, bar);
            else if (t1 + kThumbWidth < vb)
                FillBox(dc, t1 + kThumbWidth, 2, vb - t1 - 9, H - 4, bar);
            // The edge rows stop a pixel short of the frame's cut corners.
            const int32_t ve = std::min(I - 2, std::max(2, vb));
            if (ve < t1) {
                FillBox(dc, ve, 1, t1 - ve, 1, bar);
                FillBox(dc, ve, H - 2, t1 - ve, 1, bar);
            } else if (t1 + kThumbWidth < ve) {
                FillBox(dc, t1 + kThumbWidth, 1, ve - t1 - 9, 1, bar);
                FillBox(dc, t1 + kThumbWidth, H - 2, ve - t1 - 9, 1, bar);
            }
        }
    }
    if (styled && showBar && rangeMode && t1 + kThumbWidth < t2)
        FillBox(dc, t1 + kThumbWidth, 1, t2 - t1 - kThumbWidth, H - 2, bar);

    if (styled) {
        thumbBorder_->Draw(dc, t1, 0, t1 + kThumbWidth, H, kRaised, style_, RedOf(frame), GreenOf(frame),
                           BlueOf(frame));
        if (rangeMode)
            thumbBorder_->Draw(dc, t2, 0, t2 + kThumbWidth, H, kRaised, style_, RedOf(frame), GreenOf(frame),
                               BlueOf(frame));
    }
}

uint8_t Thin::GetBarRed()
{
    return RedOf(bar_);
}

uint8_t Thin::GetBarGreen()
{
    return GreenOf(bar_);
}

uint8_t Thin::GetBarBlue()
{
    return BlueOf(bar_);
}

void Thin::SetBarColor(int32_t red, int32_t green, int32_t blue)
{
    bar_ = ComposeColor(red, green, blue);
}

void Thin::SetForegroundColor(int32_t red, int32_t green, int32_t blue)
{
    foreground_ = ComposeColor(red, green, blue);
}

void Thin::SetDisabledColor(int32_t red, int32_t green, int32_t blue)
{
    disabled_ = ComposeColor(red, green, blue);
}

} // namespace win
} // namespace slider
} // namespace drawer
} // namespace gui
} // namespace s
