#pragma once
#include "skins/drawer/IText.h"

namespace s {
namespace gui {
namespace drawer {
namespace text {

// The basic look of the text drawer.
class IBasic : public IText {};

} // namespace text
} // namespace drawer
} // namespace gui
} // namespace s
