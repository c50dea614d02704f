#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace gui {
namespace drawer {

// The common base of the window drawer.
class IDrawer : public base::IObject, public thread::IPoolable {
};

} // namespace drawer
} // namespace gui
} // namespace s
