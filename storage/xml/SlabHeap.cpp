#include "storage/xml/SlabHeap.h"

#include <cstdlib>

#include "core/thread/ObjLocker.h"

namespace s {
namespace xml {

struct SlabHeap::Slab {
    uint32_t live;
    // Bytes handed out.
    size_t used;
    // The items follow, at an alignment any item type accepts.
    alignas(std::max_align_t) unsigned char items[1];
};

namespace {

inline uintptr_t Address(const void* p)
{
    return reinterpret_cast<uintptr_t>(p);
}

} // namespace

SlabHeap::SlabHeap(size_t itemSize, uint32_t itemsPerSlab, size_t alignment)
    : alignment_(alignment), itemSize_((itemSize + alignment - 1) / alignment * alignment),
      slabBytes_(itemSize_ * itemsPerSlab), slabs_(nullptr), slabCount_(0), slabCapacity_(0), current_(nullptr)
{
    InitializeCriticalSection(&lock_);
}

void* SlabHeap::AllocateBytes(size_t bytes)
{
    if (bytes > slabBytes_)
        return nullptr;
    bytes = (bytes + alignment_ - 1) / alignment_ * alignment_;
    thread::ScopedLock hold(lock_);
    if (!current_ || slabBytes_ - current_->used < bytes) {
        Slab* slab = static_cast<Slab*>(std::malloc(offsetof(Slab, items) + slabBytes_));
        if (!slab)
            return nullptr;
        slab->live = 0;
        slab->used = 0;
        if (!AddSlab(slab)) {
            std::free(slab);
            return nullptr;
        }
        current_ = slab;
    }
    void* item = current_->items + current_->used;
    current_->used += bytes;
    ++current_->live;
    return item;
}

bool SlabHeap::Free(void* item)
{
    if (!item)
        return false;
    thread::ScopedLock hold(lock_);
    const uint32_t index = FindSlab(item);
    if (index == slabCount_)
        return false;
    Slab* slab = slabs_[index];
    if (--slab->live != 0)
        return true;
    if (slab == current_)
        slab->used = 0;
    else
        DropSlab(index);
    return true;
}

uint32_t SlabHeap::FindSlab(const void* item) const
{
    // The last slab that starts at or before the item.
    uint32_t low = 0;
    uint32_t high = slabCount_;
    while (low < high) {
        const uint32_t middle = low + (high - low) / 2;
        if (Address(slabs_[middle]) <= Address(item))
            low = middle + 1;
        else
            high = middle;
    }
    if (low == 0)
        return slabCount_;
    const Slab* slab = slabs_[low - 1];
    const uintptr_t first = Address(slab->items);
    if (Address(item) < first || Address(item) >= first + slabBytes_)
        return slabCount_;
    return low - 1;
}

bool SlabHeap::AddSlab(Slab* slab)
{
    if (slabCount_ == slabCapacity_) {
        const uint32_t capacity = slabCapacity_ ? slabCapacity_ * 2 : 16;
        Slab** grown = static_cast<Slab**>(std::realloc(slabs_, capacity * sizeof(Slab*)));
        if (!grown)
            return false;
        slabs_ = grown;
        slabCapacity_ = capacity;
    }
    uint32_t at = slabCount_;
    while (at > 0 && Address(slabs_[at - 1]) > Address(slab)) {
        slabs_[at] = slabs_[at - 1];
        --at;
    }
    slabs_[at] = slab;
    ++slabCount_;
    return true;
}

void FreeSlabOrHeap(SlabHeap& heap, void* item)
{
    if (item && !heap.Free(item))
        std::free(item);
}

void SlabHeap::DropSlab(uint32_t index)
{
    std::free(slabs_[index]);
    for (uint32_t i = index + 1; i < slabCount_; ++i)
        slabs_[i - 1] = slabs_[i];
    --slabCount_;
}

} // namespace xml
} // namespace s
