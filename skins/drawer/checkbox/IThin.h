#pragma once
#include "skins/drawer/ICheckBox.h"

namespace s {
namespace gui {
namespace drawer {
namespace checkbox {

// The thin look of the checkbox drawer.
class IThin : public ICheckBox {};

} // namespace checkbox
} // namespace drawer
} // namespace gui
} // namespace s
