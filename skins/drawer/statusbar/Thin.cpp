#include "skins/drawer/statusbar/Thin.h"

namespace s {
namespace gui {
namespace drawer {
namespace statusbar {
namespace win {

Thin::Thin() : color_(0xFFFFFF) {}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_statusbar_win_Thin";
}

void Thin::Reset()
{
    color_ = 0xFFFFFF;
}

} // namespace win
} // namespace statusbar
} // namespace drawer
} // namespace gui
} // namespace s
