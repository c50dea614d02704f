#include "storage/xml/ShortList.h"

#include <cstdlib>
#include <cstring>

#include "storage/xml/SlabHeap.h"

namespace s {
namespace xml {

namespace {

const uint32_t kFirstSlots = 4;
// 16 KB a slab, as for a parse's texts.
const uint32_t kSlotsPerSlab = 2048;

// The lists a parse fills whole (AppendRun on an empty list) share slabs; a list that grows
// later moves to the heap, so that only parses fill slabs. Never torn down: static trees free
// their lists at exit, after every static object may have gone.
SlabHeap& ListSlabs()
{
    static SlabHeap* heap = new SlabHeap(sizeof(void*), kSlotsPerSlab, alignof(void*));
    return *heap;
}

} // namespace

bool ShortList::Grow(uint32_t capacity)
{
    void** grown = static_cast<void**>(std::malloc(static_cast<size_t>(capacity) * sizeof(void*)));
    if (!grown)
        return false;
    if (count_)
        std::memcpy(grown, items_, static_cast<size_t>(count_) * sizeof(void*));
    FreeSlabOrHeap(ListSlabs(), items_);
    items_ = grown;
    capacity_ = capacity;
    return true;
}

bool ShortList::Append(void* item)
{
    if (count_ == capacity_) {
        if (capacity_ > UINT32_MAX / 2)
            return false;
        if (!Grow(capacity_ * 2 < kFirstSlots ? kFirstSlots : capacity_ * 2))
            return false;
    }
    items_[count_++] = item;
    return true;
}

bool ShortList::AppendRun(void* const* items, uint32_t n)
{
    if (n == 0)
        return true;
    if (n > UINT32_MAX - count_)
        return false;
    if (!items_) {
        // A parse hands over an element's list whole.
        items_ = static_cast<void**>(ListSlabs().AllocateBytes(static_cast<size_t>(n) * sizeof(void*)));
        if (items_)
            capacity_ = n;
    }
    if (count_ + n > capacity_ && !Grow(count_ + n))
        return false;
    std::memcpy(items_ + count_, items, static_cast<size_t>(n) * sizeof(void*));
    count_ += n;
    return true;
}

void* ShortList::TakeAt(uint32_t index)
{
    void* item = items_[index];
    std::memmove(items_ + index, items_ + index + 1, static_cast<size_t>(count_ - index - 1) * sizeof(void*));
    --count_;
    return item;
}

void ShortList::Release()
{
    FreeSlabOrHeap(ListSlabs(), items_);
    items_ = nullptr;
    count_ = 0;
    capacity_ = 0;
}

} // namespace xml
} // namespace s
