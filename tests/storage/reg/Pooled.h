#pragma once
#include <memory>

namespace regtest {

// Gives a pooled object back to its pool when the test lets go of it.
struct GiveBack {
    template <class T>
    void operator()(T* object) const
    {
        if (object)
            object->ReleaseToPool();
    }
};

template <class T>
using Pooled = std::unique_ptr<T, GiveBack>;

} // namespace regtest
