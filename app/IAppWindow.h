#pragma once
#include "core/base/IObject.h"

namespace s {
namespace app {

// A top-level window's settings holder; its operations are those of its implementation.
class IAppWindow : public base::IObject {};

} // namespace app
} // namespace s
