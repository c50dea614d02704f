#include "skins/drawer/window/Thin.h"

#include "skins/drawer/PaintArea.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace window {
namespace win {

Thin::Thin()
    : topCornerStyle_(0), bottomCornerStyle_(0), backgroundTransparent_(1), background_(0xFFFFFF),
      foreground_(RGB(120, 120, 120))
{
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_window_win_Thin";
}

void Thin::Reset()
{
    topCornerStyle_ = 0;
    bottomCornerStyle_ = 0;
    backgroundTransparent_ = 1;
    background_ = 0xFFFFFF;
    foreground_ = RGB(120, 120, 120);
}

void Thin::DrawFrame(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    // The rectangle taken as position and size: with left and top 0, the client area.
    if (!backgroundTransparent_)
        FillBox(dc, left, top, right, bottom, background_);
    const int32_t topStyle = topCornerStyle_;
    const int32_t bottomStyle = bottomCornerStyle_;
    const bool square = topStyle == 0 && bottomStyle == 0;
    const bool slight = topStyle == 1 || bottomStyle == 1;
    const bool round = topStyle == 2 || bottomStyle == 2;
    // Corner styles the region does not know leave the window without a frame as well.
    if (!square && !slight && !round)
        return;
    const int32_t W = right - left;
    const int32_t H = bottom - top;
    auto line = [dc, this](int32_t x, int32_t y, int32_t width, int32_t height) {
        FillBox(dc, x, y, width, height, foreground_);
    };
    line(0, 0, W, 1);
    line(W - 1, 0, 1, H);
    line(0, H - 1, W, 1);
    line(0, 0, 1, H - 1);
    if (square)
        return;
    if (slight) {
        // The region's 5-by-5 corners leave a pixel pair inside each rounded corner.
        if (topStyle == 1) {
            line(0, 1, 2, 1);
            line(W - 2, 1, 2, 1);
        }
        if (bottomStyle == 1) {
            line(0, H - 2, 2, 1);
            line(W - 2, H - 2, 2, 1);
        }
        return;
    }
    // The 11-by-11 corners, drawn as runs from the side edges inwards.
    struct Run {
        int32_t row;
        int32_t length;
    };
    static const Run kTopRuns[] = {{1, 5}, {2, 3}, {3, 2}, {4, 2}, {5, 1}};
    if (topStyle == 2) {
        for (const Run& run : kTopRuns) {
            line(0, run.row, run.length, 1);
            line(W - run.length, run.row, run.length, 1);
        }
    }
    if (bottomStyle == 2) {
        line(0, H - 6, 1, 1);
        line(0, H - 5, 2, 1);
        line(0, H - 4, 2, 1);
        line(0, H - 3, 3, 1);
        line(0, H - 2, 5, 1);
        line(W - 1, H - 6, 1, 1);
        line(W - 2, H - 5, 2, 1);
        line(W - 3, H - 4, 2, 1);
        line(W - 4, H - 3, 3, 1);
        line(W - 5, H - 2, 5, 1);
    }
}

HRGN Thin::CreateRegion(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    // Right and bottom come inclusive.
    if (left > right || top > bottom || right >= kMaxPaintCoordinate - 1 || bottom >= kMaxPaintCoordinate - 1 ||
        !IsPaintable(left, top, right + 1, bottom + 1))
        return nullptr;
    const int32_t R = right + 1;
    const int32_t B = bottom + 1;
    const int32_t topStyle = topCornerStyle_;
    const int32_t bottomStyle = bottomCornerStyle_;
    if (topStyle == 0 && bottomStyle == 0)
        return CreateRectRgn(left, top, R, B);
    // The rounding chosen: 1 wins over 2; the side with the other style gets square corners.
    int32_t rounding = 0;
    if (topStyle == 1 || bottomStyle == 1)
        rounding = 1;
    else if (topStyle == 2 || bottomStyle == 2)
        rounding = 2;
    else
        return nullptr;
    const int32_t ellipse = rounding == 1 ? 5 : 11;
    const int32_t topSquare = rounding == 1 ? 4 : 6;
    const int32_t bottomSquare = rounding == 1 ? 3 : 5;
    // A round-rectangle region stops a pixel short of its right and bottom coordinates, unlike a
    // rectangle region: one more keeps the window's last column and row, where its frame lies.
    HRGN region = CreateRoundRectRgn(left, top, R + 1, B + 1, ellipse, ellipse);
    if (!region)
        return nullptr;
    HRGN square = nullptr;
    if (topStyle != rounding)
        square = CreateRectRgn(left, top, R, top + topSquare);
    else if (bottomStyle != rounding)
        square = CreateRectRgn(left, bottom - bottomSquare, R, B);
    if (square) {
        CombineRgn(region, region, square, RGN_OR);
        DeleteObject(square);
    }
    return region;
}

uint8_t Thin::GetBackgroundRed()
{
    return RedOf(background_);
}

uint8_t Thin::GetBackgroundGreen()
{
    return GreenOf(background_);
}

uint8_t Thin::GetBackgroundBlue()
{
    return BlueOf(background_);
}

void Thin::SetBackgroundColor(int32_t red, int32_t green, int32_t blue)
{
    background_ = ComposeColor(red, green, blue);
    backgroundTransparent_ = 0;
}

uint8_t Thin::GetForegroundRed()
{
    return RedOf(foreground_);
}

uint8_t Thin::GetForegroundGreen()
{
    return GreenOf(foreground_);
}

uint8_t Thin::GetForegroundBlue()
{
    return BlueOf(foreground_);
}

void Thin::SetForegroundColor(int32_t red, int32_t green, int32_t blue)
{
    foreground_ = ComposeColor(red, green, blue);
}

} // namespace win
} // namespace window
} // namespace drawer
} // namespace gui
} // namespace s
