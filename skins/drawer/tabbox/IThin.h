#pragma once
#include "skins/drawer/ITabBox.h"

namespace s {
namespace gui {
namespace drawer {
namespace tabbox {

// The thin look of the tabbox drawer.
class IThin : public ITabBox {};

} // namespace tabbox
} // namespace drawer
} // namespace gui
} // namespace s
