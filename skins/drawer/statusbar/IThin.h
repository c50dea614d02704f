#pragma once
#include "skins/drawer/IStatusBar.h"

namespace s {
namespace gui {
namespace drawer {
namespace statusbar {

// The thin look of the statusbar drawer.
class IThin : public IStatusBar {};

} // namespace statusbar
} // namespace drawer
} // namespace gui
} // namespace s
