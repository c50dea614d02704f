#pragma once
#include "skins/drawer/IListBox.h"

namespace s {
namespace gui {
namespace drawer {
namespace listbox {

// The thin look of the listbox drawer.
class IThin : public IListBox {};

} // namespace listbox
} // namespace drawer
} // namespace gui
} // namespace s
