#include "skins/drawer/scrollbar/Thin.h"

namespace s {
namespace gui {
namespace drawer {
namespace scrollbar {
namespace win {

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
