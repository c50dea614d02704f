#pragma once
#include <cstdint>

#include "core/col/IteratorBase.h"

namespace s {
namespace col {

// A collection that hands out pooled iterators. The walker gives each back with Release.
class IEnumerable {
public:
    virtual ~IEnumerable() {}
    virtual IteratorBase* GetIterator() { return nullptr; }
    virtual IteratorBase* GetReverseIterator() { return nullptr; }
    // Next of the result returns element n.
    virtual IteratorBase* GetIteratorAt(uint32_t n);
    // Previous of the result returns element count - n - 1; n = 0 is GetReverseIterator.
    virtual IteratorBase* GetReverseIteratorAt(uint32_t n);
    // The address of element n; null when the collection gives no iterator.
    virtual void* GetAt(uint32_t n);
};

} // namespace col
} // namespace s
