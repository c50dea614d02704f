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

// The frame and the region are painted with the control drawers; until then a window keeps its
// own background and rectangle.
void Thin::DrawFrame(CDC*, int32_t, int32_t, int32_t, int32_t) {}

HRGN Thin::CreateRegion(int32_t, int32_t, int32_t, int32_t)
{
    return nullptr;
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
