#pragma once
#include "skins/drawer/IScrollBar.h"

namespace s {
namespace gui {
namespace drawer {
namespace scrollbar {

// The thin look of the scrollbar drawer.
class IThin : public IScrollBar {};

} // namespace scrollbar
} // namespace drawer
} // namespace gui
} // namespace s
