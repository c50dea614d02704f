#include "skins/drawer/slider/Thin.h"

#include "skins/drawer/border/Thin.h"
#include "windowing/paint/ColorBytes.h"

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
