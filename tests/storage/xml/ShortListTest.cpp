#include <gtest/gtest.h>

#include <cstdint>

#include "storage/xml/ShortList.h"

using s::xml::ShortList;

namespace {

void* Item(uint32_t i)
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(i + 1));
}

void ExpectItems(const ShortList& list, std::initializer_list<uint32_t> expected)
{
    ASSERT_EQ(expected.size(), list.GetCount());
    uint32_t at = 0;
    for (uint32_t i : expected)
        EXPECT_EQ(Item(i), list.Get(at++)) << at;
}

} // namespace

// An element with a few attributes or children must not reserve many slots for them.
TEST(XmlShortList, StartsWithAFewSlotsAndDoubles)
{
    ShortList list;
    const uint32_t expected[] = {4, 4, 4, 4, 8, 8, 8, 8, 16, 16};
    for (uint32_t i = 0; i < 10; ++i) {
        ASSERT_TRUE(list.Append(Item(i)));
        EXPECT_EQ(expected[i], list.GetCapacity()) << i;
    }
    ExpectItems(list, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
}

// The parser hands over an element's items whole: they get room of exactly their number, and a
// later append (a setter on a loaded tree) grows from there.
TEST(XmlShortList, ARunGetsExactlyItsRoomAfterWhatIsThere)
{
    ShortList list;
    void* const run[] = {Item(1), Item(2), Item(3)};
    ASSERT_TRUE(list.AppendRun(run, 3));
    EXPECT_EQ(3u, list.GetCapacity());
    ASSERT_TRUE(list.AppendRun(run, 0));
    EXPECT_EQ(3u, list.GetCapacity());
    ASSERT_TRUE(list.Append(Item(9)));
    EXPECT_EQ(6u, list.GetCapacity());
    ASSERT_TRUE(list.AppendRun(run, 2));
    ExpectItems(list, {1, 2, 3, 9, 1, 2});
}

TEST(XmlShortList, TakingAnItemKeepsTheOthersInOrder)
{
    ShortList list;
    for (uint32_t i = 0; i < 5; ++i)
        list.Append(Item(i));
    EXPECT_EQ(Item(2), list.TakeAt(2));
    ExpectItems(list, {0, 1, 3, 4});
    EXPECT_EQ(Item(4), list.TakeAt(3));
    EXPECT_EQ(Item(0), list.TakeAt(0));
    ExpectItems(list, {1, 3});
    list.Release();
    EXPECT_EQ(0u, list.GetCount());
    EXPECT_EQ(0u, list.GetCapacity());
    ASSERT_TRUE(list.Append(Item(7)));
    ExpectItems(list, {7});
}
