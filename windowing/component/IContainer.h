#pragma once
#include "windowing/component/IComponent.h"

namespace s {
namespace gui {

class ILayoutManager;

// A component that arranges its children through a layout manager.
class IContainer : public IComponent {
public:
    virtual void DoLayout() = 0;
    // The explicit manager when one is set, else the container's default; never owned.
    virtual ILayoutManager* GetLayoutManager() = 0;
    virtual void SetLayoutManager(ILayoutManager* manager) = 0;
};

} // namespace gui
} // namespace s
