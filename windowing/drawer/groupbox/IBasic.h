#pragma once
#include "skins/drawer/IGroupBox.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {

// The group box's own look, used without a skin manager.
class IBasic : public IGroupBox {};

} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s
