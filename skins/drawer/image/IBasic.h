#pragma once
#include "skins/drawer/IImage.h"

namespace s {
namespace gui {
namespace drawer {
namespace image {

// The basic look of the image drawer.
class IBasic : public IImage {};

} // namespace image
} // namespace drawer
} // namespace gui
} // namespace s
