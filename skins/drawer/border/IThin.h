#pragma once
#include "skins/drawer/IBorder.h"

namespace s {
namespace gui {
namespace drawer {
namespace border {

// The thin look of the border drawer.
class IThin : public IBorder {};

} // namespace border
} // namespace drawer
} // namespace gui
} // namespace s
