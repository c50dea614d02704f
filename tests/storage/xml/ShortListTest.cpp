#include <gtest/gtest.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "storage/xml/ShortList.h"

using s::col::_array::ArrayP;

// An element with a few attributes or children must not reserve a hundred slots for them.
TEST(XmlShortList, StartsSmallAndDoublesUpToTheArraysOwnStep)
{
    ArrayP list;
    const uint32_t expected[] = {4, 4, 4, 4, 8, 8, 8, 8, 16, 16};
    for (uint32_t i = 0; i < 10; ++i) {
        s::xml::AppendToShortList(&list, reinterpret_cast<void*>(static_cast<uintptr_t>(i + 1)));
        EXPECT_EQ(expected[i], list.GetCapacity()) << i;
    }
    for (uint32_t i = 10; i < 101; ++i)
        s::xml::AppendToShortList(&list, reinterpret_cast<void*>(static_cast<uintptr_t>(i + 1)));
    // 64 doubles to the first step, 100; beyond it the array's own rule takes over.
    EXPECT_EQ(300u, list.GetCapacity());
    ASSERT_EQ(101u, list.GetCount());
    for (uint32_t i = 0; i < 101; ++i)
        EXPECT_EQ(reinterpret_cast<void*>(static_cast<uintptr_t>(i + 1)), list.Get(i)) << i;
    list.Clear();
}
