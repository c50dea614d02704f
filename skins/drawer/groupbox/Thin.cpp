#include "skins/drawer/groupbox/Thin.h"

#include <algorithm>

#include "skins/drawer/PaintArea.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {

namespace {
const COLORREF kFrame = 0xBFD0D0;
}

Thin::Thin() : frame_(kFrame)
{
    Thin::Reset();
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_groupbox_win_Thin";
}

void Thin::Reset()
{
    frame_ = kFrame;
    ResetCaptioned();
}

void Thin::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption, IFont* font,
                int32_t captionWidth, int32_t captionHeight)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    // The caption stands in the box's own coordinates, 9 pixels in.
    const int32_t w = captionWidth > 0 ? std::min(captionWidth, kMaxPaintCoordinate) : 0;
    const int32_t captionLeft = 9;
    DrawCaption(dc, caption, font, captionLeft, w, captionHeight);
    const int32_t L = left;
    const int32_t T = top;
    const int32_t R = right;
    const int32_t B = bottom;
    const int32_t gapEnd = captionLeft + w + 2;
    FillBox(dc, L + 2, T, 5, 2, frame_);
    FillBox(dc, gapEnd, T, R - (captionLeft + w) - L - 4, 2, frame_);
    FillBox(dc, L + 2, B - 2, R - L - 4, 2, frame_);
    FillBox(dc, L, T + 2, 2, B - T - 4, frame_);
    FillBox(dc, R - 2, T + 2, 2, B - T - 4, frame_);
    // Cut corners: a 2-pixel square and one pixel more along the side.
    FillBox(dc, L + 1, T + 1, 2, 2, frame_);
    FillBox(dc, R - 3, T + 1, 2, 2, frame_);
    FillBox(dc, L + 1, B - 3, 2, 2, frame_);
    FillBox(dc, R - 3, B - 3, 2, 2, frame_);
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
