#include "skins/drawer/scrollbar/Thin.h"

#include <algorithm>
#include <limits>

#include "skins/drawer/PaintArea.h"

namespace s {
namespace gui {
namespace drawer {
namespace scrollbar {
namespace win {

namespace {

const int32_t kSunken = 2;

// Half away from zero, by way of double: the quotient is a float.
int32_t RoundQuotient(float quotient)
{
    const double d = quotient;
    const double rounded = d >= 0.0 ? d + 0.5 : d - 0.5;
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

// round(a x b / c) with the product in 64 bits (32 bits overflow for long lists on tall bars) and
// the division in single precision.
int32_t ScaledRound(int64_t a, int64_t b, int64_t c)
{
    return RoundQuotient(static_cast<float>(a * b) / static_cast<float>(c));
}

bool Contains(const RECT& r, int32_t x, int32_t y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

bool IsEmpty(const RECT& r)
{
    return r.left >= r.right || r.top >= r.bottom;
}

} // namespace

Thin::Thin()
    : borderStyle_(1), arrowButton_(button::win::Thin::New()), border_(border::win::Thin::New()), parts_(),
      foreground_(RGB(120, 120, 120)), track_(0xFFFFFF), barWidth_(15)
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete arrowButton_;
    delete border_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_scrollbar_win_Thin";
}

void Thin::Reset()
{
    borderStyle_ = 1;
    if (arrowButton_)
        arrowButton_->Reset();
    if (border_)
        border_->Reset();
    for (RECT& part : parts_)
        part = RECT();
    foreground_ = RGB(120, 120, 120);
    track_ = 0xFFFFFF;
    barWidth_ = 15;
}

const RECT& Thin::GetPart(int32_t index) const
{
    static const RECT kNone = {0, 0, 0, 0};
    return index >= 0 && index < kPartCount ? parts_[index] : kNone;
}

void Thin::Layout(int32_t left, int32_t top, int32_t right, int32_t bottom, bool horizontal, int32_t range,
                  int32_t page, int32_t position, bool corner)
{
    for (RECT& part : parts_)
        part = RECT();
    const int32_t T = horizontal ? bottom - top : right - left;
    if (corner) {
        if (horizontal) {
            parts_[kCorner] = {right - T, top, right, bottom};
            right -= T;
        } else {
            parts_[kCorner] = {left, bottom - T, right, bottom};
            bottom -= T;
        }
    }
    parts_[kFirstArrow] = {left, top, left + T, top + T};
    parts_[kSecondArrow] = horizontal ? RECT{right - T, top, right, top + T} : RECT{left, bottom - T, left + T, bottom};
    // A page that shows the whole range leaves nothing to scroll; a range of 0 or less has no
    // thumb to size.
    if (range <= 0 || page >= range)
        return;
    const int32_t trackStart = horizontal ? left + T : top + T;
    const int32_t trackEnd = horizontal ? right - T : bottom - T;
    const int32_t L = trackEnd - trackStart;
    const int32_t thumb = std::max(kMinimumThumb, ScaledRound(page, L, range));
    const int64_t span = static_cast<int64_t>(range) - page;
    const int64_t at = std::min<int64_t>(span, std::max<int64_t>(0, position));
    const int32_t offset = ScaledRound(static_cast<int64_t>(L) - thumb, at, span);
    const int32_t start = trackStart + offset;
    const int32_t end = start + thumb;
    if (horizontal) {
        parts_[kThumb] = {start, top, end, bottom};
        parts_[kTrackBefore] = {parts_[kFirstArrow].right, top, start, bottom};
        parts_[kTrackAfter] = {end, top, parts_[kSecondArrow].left, bottom};
    } else {
        parts_[kThumb] = {left, start, right, end};
        parts_[kTrackBefore] = {left, parts_[kFirstArrow].bottom, right, start};
        parts_[kTrackAfter] = {left, end, right, parts_[kSecondArrow].top};
    }
}

int32_t Thin::HitTest(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      uint8_t horizontal, int32_t range, int32_t page, int32_t position, uint8_t corner)
{
    if (!IsPaintable(left, top, right, bottom))
        return -1;
    Layout(left, top, right, bottom, horizontal != 0, range, page, position, corner != 0);
    for (int32_t part = kFirstArrow; part <= kSecondArrow; ++part) {
        if (Contains(parts_[part], x, y))
            return part;
    }
    return -1;
}

int32_t Thin::PositionFromDrag(int32_t distance, int32_t startPosition, int32_t left, int32_t top, int32_t right,
                               int32_t bottom, uint8_t horizontal, int32_t range, int32_t page, uint8_t corner)
{
    const int64_t span = static_cast<int64_t>(range) - page;
    if (!IsPaintable(left, top, right, bottom) || range <= 0 || span <= 0)
        return 0;
    Layout(left, top, right, bottom, horizontal != 0, range, page, startPosition, corner != 0);
    const RECT& first = parts_[kFirstArrow];
    const RECT& thumb = parts_[kThumb];
    const RECT& second = parts_[kSecondArrow];
    const int64_t d = distance;
    if ((horizontal ? first.right : first.bottom) >= (horizontal ? thumb.left : thumb.top) + d)
        return 0;
    if ((horizontal ? thumb.right : thumb.bottom) + d >= (horizontal ? second.left : second.top))
        return static_cast<int32_t>(span);
    const RECT& before = parts_[kTrackBefore];
    const RECT& after = parts_[kTrackAfter];
    const int64_t free = horizontal ? (before.right - before.left) + (after.right - after.left)
                                    : (before.bottom - before.top) + (after.bottom - after.top);
    const int64_t start = std::min<int64_t>(span, std::max<int64_t>(0, startPosition));
    if (free <= 0)
        return static_cast<int32_t>(start);
    const int64_t moved = start + ScaledRound(d, span, free);
    return static_cast<int32_t>(std::min<int64_t>(span, std::max<int64_t>(0, moved)));
}

void Thin::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t horizontal, int32_t range,
                int32_t page, int32_t position, int32_t firstArrowState, int32_t thumbState, int32_t secondArrowState,
                uint8_t corner, uint8_t ownTrackColor, int32_t red, int32_t green, int32_t blue)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    const bool across = horizontal != 0;
    Layout(left, top, right, bottom, across, range, page, position, corner != 0);
    RECT frame = {left, top, right, bottom};
    if (corner) {
        if (across)
            frame.right = parts_[kCorner].left;
        else
            frame.bottom = parts_[kCorner].top;
    }
    border_->Draw(dc, frame.left, frame.top, frame.right, frame.bottom, kSunken, borderStyle_ == 2 ? 2 : 1,
                  RedOf(foreground_), GreenOf(foreground_), BlueOf(foreground_));

    auto paintButton = [&](int32_t part, int32_t state, const wchar_t* caption) {
        const RECT& r = parts_[part];
        if (!IsEmpty(r))
            arrowButton_->Draw(dc, r.left, r.top, r.right, r.bottom, state, caption, true, nullptr, true, false, false);
    };
    paintButton(kFirstArrow, firstArrowState, across ? L"#Left" : L"#Up");
    paintButton(kSecondArrow, secondArrowState, across ? L"#Right" : L"#Down");
    paintButton(kThumb, thumbState, across ? L"#ThumbLineV" : L"#ThumbLineH");

    const RECT& thumb = parts_[kThumb];
    const int32_t width = thumb.right - thumb.left;
    const int32_t height = thumb.bottom - thumb.top;
    const int32_t fr = RedOf(foreground_);
    const int32_t fg = GreenOf(foreground_);
    const int32_t fb = BlueOf(foreground_);
    if (!IsEmpty(thumb)) {
        // A long thumb also shows which way it scrolls.
        if (!across && height > 2 * width) {
            arrowButton_->DrawGlyph(dc, thumb.left + 2, thumb.top + 2, thumb.right - 2, thumb.top + width - 2, L"#Up",
                                    fr, fg, fb);
            arrowButton_->DrawGlyph(dc, thumb.left + 2, thumb.bottom - width + 2, thumb.right - 2, thumb.bottom - 2,
                                    L"#Down", fr, fg, fb);
        } else if (across && width > 2 * height) {
            arrowButton_->DrawGlyph(dc, thumb.left + 2, thumb.top + 2, thumb.left + height - 2, thumb.bottom - 2,
                                    L"#Left", fr, fg, fb);
            arrowButton_->DrawGlyph(dc, thumb.right - height + 2, thumb.top + 2, thumb.right - 2, thumb.bottom - 2,
                                    L"#Right", fr, fg, fb);
        }
    }

    const COLORREF trackColor = ownTrackColor ? ComposeColor(red, green, blue) : track_;
    for (int32_t part : {kTrackBefore, kTrackAfter}) {
        const RECT& r = parts_[part];
        if (IsEmpty(r))
            continue;
        if (across)
            FillBox(dc, r.left, r.top + 1, r.right - r.left, r.bottom - r.top - 2, trackColor);
        else
            FillBox(dc, r.left + 1, r.top, r.right - r.left - 2, r.bottom - r.top, trackColor);
    }
}

void Thin::SetForegroundColor(int32_t red, int32_t green, int32_t blue)
{
    foreground_ = ComposeColor(red, green, blue);
    if (arrowButton_)
        arrowButton_->SetForegroundColor(red, green, blue);
}

} // namespace win
} // namespace scrollbar
} // namespace drawer
} // namespace gui
} // namespace s
