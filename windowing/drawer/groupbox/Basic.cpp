#include "windowing/drawer/groupbox/Basic.h"

#include <algorithm>

#include "skins/drawer/PaintArea.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {

Basic::Basic() : frame_(kFrame)
{
    Basic::Reset();
}

void Basic::Reset()
{
    frame_ = kFrame;
    ResetCaptioned();
}

void Basic::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption,
                 IFont* font, int32_t captionWidth, int32_t captionHeight)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    const int32_t w = std::clamp(captionWidth, 0, kMaxPaintCoordinate);
    DrawCaption(dc, caption, font, kCaptionLeft, w, captionHeight);
    const int32_t L = left;
    const int32_t T = top;
    const int32_t R = right;
    const int32_t B = bottom;
    FillBox(dc, L + 2, T, 5, 1, frame_);
    FillBox(dc, kCaptionLeft + w + 2, T, R - (kCaptionLeft + w) - L - 4, 1, frame_);
    FillBox(dc, L + 2, B - 1, R - L - 4, 1, frame_);
    FillBox(dc, L, T + 2, 1, B - T - 4, frame_);
    FillBox(dc, R - 1, T + 2, 1, B - T - 4, frame_);
    // Rounded corners: two pixels along the top or bottom, one more down the side.
    FillBox(dc, L + 1, T + 1, 2, 1, frame_);
    FillBox(dc, R - 3, T + 1, 2, 1, frame_);
    FillBox(dc, L + 1, B - 2, 2, 1, frame_);
    FillBox(dc, R - 3, B - 2, 2, 1, frame_);
    FillBox(dc, L + 1, T + 2, 1, 1, frame_);
    FillBox(dc, R - 2, T + 2, 1, 1, frame_);
    FillBox(dc, L + 1, B - 3, 1, 1, frame_);
    FillBox(dc, R - 2, B - 3, 1, 1, frame_);
}

} // namespace win
} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s
