#include "skins/skin/ThinWindow.h"

namespace s {
namespace gui {
namespace drawer {
namespace skin {

const wchar_t* ThinWindow::GetClassName()
{
    return L"s_gui_drawer_skin_ThinWindow";
}

} // namespace skin
} // namespace drawer
} // namespace gui
} // namespace s
