#include "storage/xml/SlabHeap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <utility>
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
    EXPECT_FALSE(heap.Free(foreign));
    EXPECT_FALSE(heap.Free(nullptr));
    void* mine = heap.Allocate();
    EXPECT_NE(foreign, mine);
    EXPECT_TRUE(heap.Free(mine));
    EXPECT_TRUE(other.Free(foreign));
}

// Texts of any length share the slabs: each keeps its room and its alignment, one larger than a
// slab is refused (its owner takes it from the heap), and a slab is kept while any text in it lives.
TEST(XmlSlabHeap, RoomOfAnySizeUpToASlab)
{
    const size_t kUnit = 2;
    const uint32_t kUnits = 64;
    SlabHeap heap(kUnit, kUnits, kUnit);
    EXPECT_EQ(nullptr, heap.AllocateBytes(kUnit * kUnits + 1));
    std::vector<std::pair<unsigned char*, size_t>> items;
    std::mt19937 random(11);
    for (int step = 0; step < 500; ++step) {
        if (!items.empty() && random() % 3 == 0) {
            const size_t at = random() % items.size();
            for (size_t i = 0; i < items[at].second; ++i)
                ASSERT_EQ(static_cast<unsigned char>(items[at].second), items[at].first[i]);
            ASSERT_TRUE(heap.Free(items[at].first));
            items[at] = items.back();
            items.pop_back();
            continue;
        }
        const size_t bytes = 1 + random() % (kUnit * kUnits);
        unsigned char* item = static_cast<unsigned char*>(heap.AllocateBytes(bytes));
        ASSERT_NE(nullptr, item);
        ASSERT_EQ(0u, reinterpret_cast<uintptr_t>(item) % kUnit);
        std::memset(item, static_cast<unsigned char>(bytes), bytes);
        items.emplace_back(item, bytes);
    }
    std::sort(items.begin(), items.end());
    for (size_t i = 1; i < items.size(); ++i)
        EXPECT_GE(items[i].first - items[i - 1].first, static_cast<ptrdiff_t>(items[i - 1].second));
    for (const auto& item : items)
        EXPECT_TRUE(heap.Free(item.first));
}
