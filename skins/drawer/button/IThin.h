#pragma once
#include "skins/drawer/IButton.h"

namespace s {
namespace gui {
namespace drawer {
namespace button {

// The thin look of the button drawer.
class IThin : public IButton {};

} // namespace button
} // namespace drawer
} // namespace gui
} // namespace s
