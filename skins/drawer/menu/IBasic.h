#pragma once
#include "skins/drawer/IMenu.h"

namespace s {
namespace gui {
namespace drawer {
namespace menu {

// The basic look of the menu drawer.
class IBasic : public IMenu {};

} // namespace menu
} // namespace drawer
} // namespace gui
} // namespace s
