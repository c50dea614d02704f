#pragma once
#include "skins/drawer/ICounter.h"

namespace s {
namespace gui {
namespace drawer {
namespace counter {

// The basic look of the counter drawer.
class IBasic : public ICounter {};

} // namespace counter
} // namespace drawer
} // namespace gui
} // namespace s
