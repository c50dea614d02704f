#include "storage/xml/SlabHeap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

using s::xml::SlabHeap;

namespace {

const size_t kItemSize = 40;
const uint32_t kPerSlab = 8;

} // namespace

TEST(XmlSlabHeap, ItemsNeverOverlapAndKeepTheirContent)
{
    SlabHeap heap(kItemSize, kPerSlab);
    std::vector<unsigned char*> items;
    std::mt19937 random(7);
    for (int step = 0; step < 2000; ++step) {
        // Mostly takes, sometimes gives back a random item, so slabs empty and fill in any order.
        if (!items.empty() && random() % 3 == 0) {
            const size_t at = random() % items.size();
            unsigned char* item = items[at];
            for (size_t i = 0; i < kItemSize; ++i)
                ASSERT_EQ(static_cast<unsigned char>(reinterpret_cast<uintptr_t>(item)), item[i]);
            heap.Free(item);
            items[at] = items.back();
            items.pop_back();
            continue;
        }
        unsigned char* item = static_cast<unsigned char*>(heap.Allocate());
        ASSERT_NE(nullptr, item);
        ASSERT_EQ(0u, reinterpret_cast<uintptr_t>(item) % alignof(std::max_align_t));
        std::memset(item, static_cast<unsigned char>(reinterpret_cast<uintptr_t>(item)), kItemSize);
        items.push_back(item);
    }
    std::vector<unsigned char*> sorted(items);
    std::sort(sorted.begin(), sorted.end());
    for (size_t i = 1; i < sorted.size(); ++i)
        EXPECT_GE(sorted[i] - sorted[i - 1], static_cast<ptrdiff_t>(kItemSize));
    for (unsigned char* item : items)
        heap.Free(item);
}

TEST(XmlSlabHeap, AnEmptiedSlabIsUsedAgainOrGivenBack)
{
    SlabHeap heap(kItemSize, kPerSlab);
    std::vector<void*> first;
    for (uint32_t i = 0; i < kPerSlab; ++i)
        first.push_back(heap.Allocate());
    // The slab being filled, emptied, hands out its room again from its start.
    for (void* item : first)
        heap.Free(item);
    EXPECT_EQ(first[0], heap.Allocate());
    heap.Free(first[0]);

    // Items of other heaps and null are not this heap's to free.
    SlabHeap other(kItemSize, kPerSlab);
    void* foreign = other.Allocate();
    heap.Free(foreign);
    heap.Free(nullptr);
    void* mine = heap.Allocate();
    EXPECT_NE(foreign, mine);
    heap.Free(mine);
    other.Free(foreign);
}
