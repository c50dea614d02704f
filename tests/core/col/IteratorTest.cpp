#include <gtest/gtest.h>

#include <vector>

#include "core/col/Arrays.h"
#include "core/col/Iterator.h"

using s::col::IteratorBase;
using s::col::_array::ArrayS32;
using s::col::_array::ArrayS64;
using s::col::_array::ArrayU08;

namespace {

class ArrayIteratorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        a = ArrayS32::New();
        for (int32_t v : {10, 20, 30})
            a->Append(v);
    }
    void TearDown() override { a->ReleaseToPool(); }

    int32_t ValueAt(void* p) { return *static_cast<int32_t*>(p); }

    ArrayS32* a;
};

} // namespace

TEST_F(ArrayIteratorTest, ForwardWalkReportsIndexBeforeEachStep)
{
    IteratorBase* it = a->GetIterator();
    std::vector<int32_t> values, indexes;
    while (it->HasNext()) {
        indexes.push_back(it->GetIndex());
        values.push_back(ValueAt(it->Next()));
    }
    it->Release();
    EXPECT_EQ((std::vector<int32_t>{10, 20, 30}), values);
    EXPECT_EQ((std::vector<int32_t>{-1, 0, 1}), indexes);
}

TEST_F(ArrayIteratorTest, ReverseWalkStopsAtIndexZero)
{
    IteratorBase* it = a->GetReverseIterator();
    EXPECT_EQ(3, it->GetIndex());
    std::vector<int32_t> values;
    while (it->HasPrevious())
        values.push_back(ValueAt(it->Previous()));
    EXPECT_EQ(0, it->GetIndex());
    it->Release();
    EXPECT_EQ((std::vector<int32_t>{30, 20, 10}), values);
}

TEST_F(ArrayIteratorTest, StartsAtAGivenElement)
{
    IteratorBase* forward = a->GetIteratorAt(2);
    EXPECT_EQ(1, forward->GetIndex());
    EXPECT_EQ(30, ValueAt(forward->Next()));
    forward->Release();

    IteratorBase* backward = a->GetReverseIteratorAt(1);
    EXPECT_EQ(2, backward->GetIndex());
    EXPECT_EQ(20, ValueAt(backward->Previous()));
    backward->Release();

    IteratorBase* same = a->GetReverseIteratorAt(0);
    EXPECT_EQ(3, same->GetIndex());
    EXPECT_EQ(30, ValueAt(same->Previous()));
    same->Release();

    EXPECT_EQ(a->GetData(), a->GetAt(0));
    EXPECT_EQ(20, ValueAt(a->GetAt(1)));
}

TEST_F(ArrayIteratorTest, SetIndexChangesTheAnswerNotTheCursor)
{
    IteratorBase* it = a->GetIterator();
    it->SetIndex(5);
    EXPECT_FALSE(it->HasNext());
    EXPECT_EQ(10, ValueAt(it->Next()));
    it->Release();
}

TEST_F(ArrayIteratorTest, SkipsMoveByWholeElements)
{
    IteratorBase* it = a->GetIterator();
    it->SkipForward(2);
    EXPECT_EQ(1, it->GetIndex());
    EXPECT_EQ(30, ValueAt(it->Next()));
    it->SkipBackward(2);
    EXPECT_EQ(0, it->GetIndex());
    EXPECT_EQ(10, ValueAt(it->Previous()));
    it->Release();
}

TEST(ArrayIterator, EmptyArraysGiveNothing)
{
    ArrayU08* empty = ArrayU08::New();
    IteratorBase* forward = empty->GetIterator();
    EXPECT_FALSE(forward->HasNext());
    forward->Release();
    IteratorBase* backward = empty->GetReverseIterator();
    EXPECT_FALSE(backward->HasPrevious());
    backward->Release();
    empty->ReleaseToPool();
}

TEST(ArrayIterator, StepsByTheElementSizeOfEachArray)
{
    ArrayU08* bytes = ArrayU08::New();
    ArrayS64* wide = ArrayS64::New();
    for (int i = 0; i < 4; ++i) {
        bytes->Append(static_cast<uint8_t>(i + 1));
        wide->Append(int64_t(1) << (40 + i));
    }
    IteratorBase* b = bytes->GetIterator();
    IteratorBase* w = wide->GetReverseIterator();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(i + 1, *static_cast<uint8_t*>(b->Next()));
        EXPECT_EQ(int64_t(1) << (43 - i), *static_cast<int64_t*>(w->Previous()));
    }
    EXPECT_STREQ(L"s_col_array_Iterator", b->GetClassName());
    b->Release();
    w->Release();
    bytes->ReleaseToPool();
    wide->ReleaseToPool();
}

TEST(ArrayIterator, ComesBackFromThePoolReset)
{
    ArrayS32* a = ArrayS32::New();
    a->Append(1);
    IteratorBase* it = a->GetIterator();
    it->Next();
    it->Release();
    auto* again = static_cast<s::col::_array::Iterator*>(s::col::_array::Iterator::GetPool()->Take());
    EXPECT_EQ(it, static_cast<IteratorBase*>(again));
    EXPECT_EQ(-1, again->GetIndex());
    again->Release();
    a->ReleaseToPool();
}
