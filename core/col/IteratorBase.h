#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace col {

// A cursor over a collection. Next and Previous return the address of an element and test no
// bound: walkers ask HasNext or HasPrevious first.
class IteratorBase : public base::IObject {
public:
    // The index of the element last returned: -1 before the first.
    virtual int32_t GetIndex() = 0;
    // Moves the index only; the cursor stays where it is.
    virtual void SetIndex(int32_t index) = 0;
    virtual bool HasNext() = 0;
    virtual bool HasPrevious() = 0;
    virtual void SkipForward(uint32_t n) = 0;
    virtual void SkipBackward(uint32_t n) = 0;
    virtual void* Next() = 0;
    virtual void* Previous() = 0;
    // Gives the iterator back to its pool; the caller no longer owns it.
    virtual void Release() = 0;
    virtual void Reset() = 0;
};

} // namespace col
} // namespace s
