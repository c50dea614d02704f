#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace s {
namespace xml {

// Items carved one after another from slabs of many, for the pooled records and nodes of the XML
// tree and the texts a parse copies: a document holds tens of thousands of each, and one heap
// block apiece costs the heap's own header on every item and a heap call on every take and every
// release. A slab goes back to the heap with its last item; items are found in their slab by
// address, so they carry no field of their own. Shared by the threads that build and drop trees,
// under its own critical section.
class SlabHeap {
public:
    // Items start at multiples of alignment (a power of two, at most that of std::max_align_t).
    SlabHeap(size_t itemSize, uint32_t itemsPerSlab, size_t alignment = alignof(std::max_align_t));

    // Room for one item, uninitialised; null when no memory is left.
    void* Allocate() { return AllocateBytes(itemSize_); }
    // Room for bytes, rounded up to the alignment, uninitialised: items of any size up to a whole
    // slab (itemSize * itemsPerSlab); null beyond that or when no memory is left.
    void* AllocateBytes(size_t bytes);
    // Gives back the room of an item from this heap; false, and nothing done, for any other.
    bool Free(void* item);

private:
    SlabHeap(const SlabHeap&) = delete;
    SlabHeap& operator=(const SlabHeap&) = delete;

    struct Slab;
    // The index of the slab holding item, or the slab count when none does.
    uint32_t FindSlab(const void* item) const;
    bool AddSlab(Slab* slab);
    void DropSlab(uint32_t index);

    CRITICAL_SECTION lock_;
    const size_t alignment_;
    const size_t itemSize_;
    // The room of a slab for items.
    const size_t slabBytes_;
    // Sorted by address.
    Slab** slabs_;
    uint32_t slabCount_;
    uint32_t slabCapacity_;
    Slab* current_;
};

// Gives back room that came from the heap's slabs or, when they had none, from malloc.
void FreeSlabOrHeap(SlabHeap& heap, void* item);

} // namespace xml
} // namespace s
