#pragma once
#include "skins/drawer/ICombo.h"

namespace s {
namespace gui {
namespace drawer {
namespace combo {

// The thin look of the combo drawer.
class IThin : public ICombo {};

} // namespace combo
} // namespace drawer
} // namespace gui
} // namespace s
