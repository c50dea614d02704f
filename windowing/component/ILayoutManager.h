#pragma once
#include "core/base/IObject.h"

namespace s {
namespace gui {

class IComponent;

// Places and sizes the children of a container. The managers keep no state of their own, so
// one shared instance of each serves every container.
class ILayoutManager : public base::IObject {
public:
    virtual void Layout(IComponent* container) = 0;
};

} // namespace gui
} // namespace s
