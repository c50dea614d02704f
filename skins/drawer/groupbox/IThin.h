#pragma once
#include "skins/drawer/IGroupBox.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {

// The thin look of the groupbox drawer.
class IThin : public IGroupBox {};

} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s
