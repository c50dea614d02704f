#pragma once
#include "skins/drawer/IRadioButton.h"

namespace s {
namespace gui {
namespace drawer {
namespace radiobutton {

// The thin look of the radiobutton drawer.
class IThin : public IRadioButton {};

} // namespace radiobutton
} // namespace drawer
} // namespace gui
} // namespace s
