#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace s::col::_array;

namespace {

template <class A>
void Fill(A& array, std::initializer_list<typename A::Element> values)
{
    for (auto v : values)
        array.Append(v);
}

TEST(ArrayCompare, CountsFirstThenElementsByTheirOwnOrder)
{
    struct Case {
        std::initializer_list<int32_t> a, b;
        int32_t expected;
    };
    const Case cases[] = {
        {{5}, {1, 2}, -1},  // the shorter is less whatever the values
        {{1, 3}, {1, 2}, 1},
        {{}, {}, 0},
        {{-1}, {1}, -1},
        {{4, 4}, {4, 4}, 0},
    };
    for (const Case& c : cases) {
        ArrayS32 a, b;
        Fill(a, c.a);
        Fill(b, c.b);
        EXPECT_EQ(c.expected, a.CompareTo(&b));
        EXPECT_EQ(c.expected, a.CompareToIgnoreCase(&b));
        EXPECT_EQ(c.expected == 0, a.Equals(&b));
        EXPECT_EQ(c.expected == 0, a.EqualsIgnoreCase(&b));
    }
    ArrayU32 big, one;
    big.Append(0xFFFFFFFFu);
    one.Append(1);
    EXPECT_EQ(1, big.CompareTo(&one));
}

TEST(ArrayCompare, CompareRawComparesBytesThenLengths)
{
    const uint8_t five[] = {1, 2, 3, 4, 5};
    const uint8_t other[] = {1, 2, 9};
    struct Case {
        const char* what;
        std::initializer_list<uint8_t> contents;
        uint32_t index;
        const uint8_t* buffer;
        uint32_t bufferCount, bufferIndex, n;
        int32_t expected;
    };
    const Case cases[] = {
        {"all of equal bytes, 3 against 5", {1, 2, 3}, 0, five, 5, 0, 0xFFFFFFFFu, -1},
        {"all of equal bytes, 5 against 3", {1, 2, 3, 4, 5}, 0, five, 3, 0, 0xFFFFFFFFu, 1},
        {"two of equal bytes", {1, 2, 3}, 0, five, 5, 0, 2, 0},
        {"a differing byte", {1, 2, 3}, 0, other, 3, 0, 0xFFFFFFFFu, -1},
        {"from inside both", {7, 3, 4}, 1, five, 5, 2, 2, 0},
        {"more than both hold, equal", {1, 2, 3}, 0, five, 3, 0, 10, 0},
        {"more than both hold, shorter", {1, 2}, 0, five, 3, 0, 10, -1},
        {"nothing against nothing", {}, 0, five, 0, 0, 0xFFFFFFFFu, 0},
    };
    for (const Case& c : cases) {
        ArrayU08 a;
        Fill(a, c.contents);
        EXPECT_EQ(c.expected, a.CompareRaw(c.index, c.buffer, c.bufferCount, c.bufferIndex, c.n)) << c.what;
    }
}

TEST(ArrayStream, ReadsTheContentsAsBytes)
{
    ArrayU08 a;
    Fill(a, {1, 2, 3, 4, 5, 6});
    uint8_t buffer[10];
    uint32_t done = 99;
    EXPECT_TRUE(a.Read(buffer, 0, &done));
    EXPECT_EQ(0u, done);
    EXPECT_TRUE(a.SetPosition(2));
    EXPECT_TRUE(a.Read(buffer, 10, &done));
    EXPECT_EQ(4u, done);
    EXPECT_EQ(3, buffer[0]);
    EXPECT_EQ(6u, a.GetPosition());
    EXPECT_FALSE(a.Read(buffer, 1, &done));
    EXPECT_EQ(0u, done);
}

TEST(ArrayStream, WritesCountWholeElementsOnly)
{
    ArrayS32 a;
    const uint8_t six[6] = {1, 0, 0, 0, 2, 0};
    uint32_t done = 0;
    EXPECT_TRUE(a.Write(six, 6, &done));
    EXPECT_EQ(6u, done);
    EXPECT_EQ(1u, a.GetCount());
    EXPECT_EQ(100u, a.GetCapacity());
    EXPECT_EQ(6u, a.GetPosition());
    EXPECT_EQ(1, a.Get(0));
    // The rest of the second element completes it.
    const uint8_t two[2] = {0, 0};
    a.Write(two, 2, &done);
    EXPECT_EQ(2u, a.GetCount());
    EXPECT_EQ(2, a.Get(1));
}

// The byte position is 32-bit: a write that would carry it past that must fail rather than wrap
// and write far outside the storage.
TEST(ArrayStream, AWriteThatWouldPassTheLastAddressableByteFailsAndWritesNothing)
{
    const uint32_t kNearTheTop = 0xFFFFFFF0u;
    const uint8_t bytes[32] = {};
    ArrayU08 u08;
    ArrayS64 s64;
    struct Case {
        const char* name;
        ArrayBase* array;
    };
    const Case cases[] = {{"bytes", &u08}, {"64-bit elements", &s64}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.array->SetPosition(kNearTheTop);
        uint32_t done = 7;
        EXPECT_FALSE(c.array->Write(bytes, sizeof bytes, &done));
        EXPECT_EQ(0u, done);
        EXPECT_EQ(0u, c.array->GetCount());
        EXPECT_EQ(kNearTheTop, c.array->GetPosition());
    }
}

TEST(ArrayStream, SeeksAreInBytesOnBothFaces)
{
    ArrayS32 a;
    Fill(a, {1, 2, 3});
    s::io::IInputStream& in = a;
    s::io::IOutputStream& out = a;
    EXPECT_EQ(12, in.SeekToEnd());
    EXPECT_EQ(8, out.SeekFromEnd(4));
    EXPECT_TRUE(in.SeekBackward(3));
    EXPECT_EQ(5u, out.GetPosition());
    EXPECT_TRUE(out.SeekForward(2));
    EXPECT_EQ(7u, in.GetPosition());
    EXPECT_TRUE(in.IsSeekable());
    EXPECT_TRUE(out.Flush());
    out.Truncate();
    EXPECT_EQ(3u, a.GetCount());
    EXPECT_TRUE(in.SeekToStart());
    EXPECT_EQ(0u, out.GetPosition());
}

TEST(ArrayStream, StreamClearAndDisposeOnlyRewind)
{
    ArrayS32* a = ArrayS32::New();
    Fill(*a, {1, 2, 3});
    s::io::IInputStream& in = *a;
    s::io::IOutputStream& out = *a;
    a->SetPosition(8);
    in.Clear();
    EXPECT_EQ(0u, a->GetPosition());
    EXPECT_EQ(3u, a->GetCount());
    a->SetPosition(8);
    out.Dispose();
    in.Dispose();
    out.Clear();
    in.Close();
    EXPECT_EQ(0u, a->GetPosition());
    EXPECT_EQ(3u, a->GetCount());
    // The collection's own Clear empties it.
    a->Clear();
    EXPECT_EQ(0u, a->GetCount());
    // Given back through a stream face, the array itself goes back to its pool.
    out.ReleaseToPool();
    EXPECT_EQ(a, ArrayS32::New());
    a->ReleaseToPool();
}

TEST(ArrayCompare, ElementComparatorsOrderByTheirType)
{
    struct Case {
        s::base::IComparator* comparator;
        uint64_t small, large;  // read through the element's own width
        int32_t expected;
    };
    ArrayP p;
    ArrayU08 u08;
    ArrayS08 s08;
    ArrayS32 s32;
    ArrayU32 u32;
    ArrayS64 s64;
    const Case cases[] = {
        {u32.GetComparator(), 0xFFFFFFFFu, 1, 1},
        {s32.GetComparator(), 0xFFFFFFFFu, 1, -1},
        {u08.GetComparator(), 0xFF, 1, 1},
        {s08.GetComparator(), 0xFF, 1, -1},
        {p.GetComparator(), 0x8000000000000000ull, 1, 1},
        {s64.GetComparator(), 0x8000000000000000ull, 1, -1},
        {s64.GetComparator(), 5, 5, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, c.comparator->Compare(&c.small, &c.large));
        EXPECT_EQ(c.expected, c.comparator->CompareIgnoreCase(&c.small, &c.large));
        EXPECT_EQ(-c.expected, c.comparator->Compare(&c.large, &c.small));
    }
    EXPECT_EQ(s32.GetComparator(), ArrayS32().GetComparator());
}

} // namespace
