#pragma once
#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"

namespace s {
namespace gui {
namespace drawer {

// The pool side every drawer class shares: one process-wide pool of 1,000 per class, whose
// creator builds the drawer (with its sub-drawers) and whose give-back resets it.
template <class Self, class Look>
class PooledDrawer : public Look {
public:
    base::IObject* NewInstance() override { return New(); }
    void ReleaseToPool() override { thread::GiveToPool(static_cast<Self*>(this)); }

    static thread::EasyPooler* GetPool() { return &thread::PoolOf<Self>(); }
    // A drawer with its reset values; null when none could be made.
    static Self* New() { return thread::TakeFromPool<Self>(); }
};

} // namespace drawer
} // namespace gui
} // namespace s
