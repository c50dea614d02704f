#pragma once
#include "skins/drawer/IListHeader.h"

namespace s {
namespace gui {
namespace drawer {
namespace listheader {

// The thin look of the listheader drawer.
class IThin : public IListHeader {};

} // namespace listheader
} // namespace drawer
} // namespace gui
} // namespace s
