#pragma once
#include "core/base/IObject.h"

namespace s {
namespace app {

// The process-wide application base; its operations are those of its implementation.
class IAppBase : public base::IObject {};

} // namespace app
} // namespace s
