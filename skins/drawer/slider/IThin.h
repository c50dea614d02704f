#pragma once
#include "skins/drawer/ISlider.h"

namespace s {
namespace gui {
namespace drawer {
namespace slider {

// The thin look of the slider drawer.
class IThin : public ISlider {};

} // namespace slider
} // namespace drawer
} // namespace gui
} // namespace s
