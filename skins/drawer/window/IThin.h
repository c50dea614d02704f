#pragma once
#include "skins/drawer/IWindow.h"

namespace s {
namespace gui {
namespace drawer {
namespace window {

// The thin look of the window drawer.
class IThin : public IWindow {};

} // namespace window
} // namespace drawer
} // namespace gui
} // namespace s
