#include "skins/drawer/counter/Basic.h"

namespace s {
namespace gui {
namespace drawer {
namespace counter {
namespace win {

Basic::Basic() : backgroundTransparent_(1), background_(0xFFFFFFFF), first_(0xFFFFFFFF), second_(0xFFFFFFFF) {}

const wchar_t* Basic::GetClassName()
{
    return L"s_gui_drawer_counter_win_Basic";
}

void Basic::Reset()
{
    backgroundTransparent_ = 1;
    background_ = 0xFFFFFFFF;
    first_ = 0xFFFFFFFF;
    second_ = 0xFFFFFFFF;
}

void Basic::SetBackgroundColor(int32_t red, int32_t green, int32_t blue)
{
    background_ = ComposeColor(red, green, blue);
    backgroundTransparent_ = 0;
}

} // namespace win
} // namespace counter
} // namespace drawer
} // namespace gui
} // namespace s
