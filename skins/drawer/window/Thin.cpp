#include "skins/drawer/window/Thin.h"

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

// Square corners (styles 0 and 0), the only ones skins use, so that skinned windows show their
// colours; the rounded styles come with the control drawers' paint, and until then such a window
// gets its background alone and keeps its rectangle.
void Thin::DrawFrame(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (!dc || left >= right || top >= bottom)
        return;
    // The rectangle taken as position and size: with left and top 0, the client area.
    if (!backgroundTransparent_)
        dc->FillSolidRect(left, top, right, bottom, background_);
    if (topCornerStyle_ != 0 || bottomCornerStyle_ != 0)
        return;
    const int32_t width = right - left;
    const int32_t height = bottom - top;
    dc->FillSolidRect(0, 0, width, 1, foreground_);
    dc->FillSolidRect(width - 1, 0, 1, height, foreground_);
    dc->FillSolidRect(0, height - 1, width, 1, foreground_);
    dc->FillSolidRect(0, 0, 1, height - 1, foreground_);
}

HRGN Thin::CreateRegion(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (topCornerStyle_ != 0 || bottomCornerStyle_ != 0)
        return nullptr;
    // Right and bottom come inclusive.
    return CreateRectRgn(left, top, right + 1, bottom + 1);
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
