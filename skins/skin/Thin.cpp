#include "skins/skin/Thin.h"

namespace s {
namespace gui {
namespace drawer {
namespace skin {

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_skin_Thin";
}

} // namespace skin
} // namespace drawer
} // namespace gui
} // namespace s
