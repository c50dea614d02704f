#pragma once
#include "skins/drawer/IListBox.h"

namespace s {
namespace gui {
namespace drawer {
namespace listbox {

// The basic look of the listbox drawer.
class IBasic : public IListBox {};

} // namespace listbox
} // namespace drawer
} // namespace gui
} // namespace s
