#pragma once
#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"

namespace s {
namespace thread {

// The pool side of a class Self over its bases, in their order: one process-wide pool of 1,000,
// objects taken from it and given back to it, and the name Self gives as kClassName. Self still
// says what its reset is.
template <class Self, class... Bases>
class PooledClass : public Bases... {
public:
    using Bases::Bases...;

    static EasyPooler* GetPool() { return &PoolOf<Self>(); }
    // An object with its reset values; null when none could be made.
    static Self* New() { return TakeFromPool<Self>(); }

    const wchar_t* GetClassName() override { return Self::kClassName; }
    base::IObject* NewInstance() override { return New(); }
    void ReleaseToPool() override { GiveToPool(static_cast<Self*>(this)); }
};

} // namespace thread
} // namespace s
