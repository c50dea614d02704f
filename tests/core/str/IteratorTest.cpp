#include <gtest/gtest.h>

#include <string>

#include "core/str/Iterator.h"
#include "core/str/StrBuffer.h"

using s::str::strbuffer::Iterator;
using s::str::strbuffer::StrBuffer;

namespace {

class StrIteratorTest : public ::testing::Test {
protected:
    void SetUp() override { s = StrBuffer::New(); }
    void TearDown() override { s->ReleaseToPool(); }

    std::wstring WalkForward(Iterator* it)
    {
        std::wstring seen;
        while (it->HasNext())
            seen += *static_cast<wchar_t*>(it->Next());
        it->Release();
        return seen;
    }
    std::wstring WalkBackward(Iterator* it)
    {
        std::wstring seen;
        while (it->HasPrevious())
            seen += *static_cast<wchar_t*>(it->Previous());
        it->Release();
        return seen;
    }

    StrBuffer* s;
};

} // namespace

TEST_F(StrIteratorTest, WalksForwardsAndBackwards)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* forward;
        const wchar_t* backward;
    } cases[] = {
        {L"abc", L"abc", L"cba"},
        {L"", L"", L""},
        {L"x", L"x", L"x"},
    };
    for (auto& c : cases) {
        s->Assign(c.text);
        EXPECT_EQ(c.forward, WalkForward(s->GetIterator())) << c.text;
        EXPECT_EQ(c.backward, WalkBackward(s->GetReverseIterator())) << c.text;
    }
}

TEST_F(StrIteratorTest, ReverseWalkOfThreeCharactersReturnsThemAll)
{
    s->Assign(L"abc");
    Iterator* it = s->GetReverseIterator();
    EXPECT_EQ(3, it->GetIndex());
    EXPECT_EQ(s->CharPtrAt(2), it->Previous());
    EXPECT_EQ(s->CharPtrAt(1), it->Previous());
    EXPECT_TRUE(it->HasPrevious());
    EXPECT_EQ(s->CharPtrAt(0), it->Previous());
    EXPECT_FALSE(it->HasPrevious());
    it->Release();
}

TEST_F(StrIteratorTest, StartsAtAGivenCharacter)
{
    s->Assign(L"abc");
    Iterator* forward = s->GetIteratorAt(1);
    EXPECT_EQ(0, forward->GetIndex());
    EXPECT_EQ(s->CharPtrAt(1), forward->Next());
    EXPECT_EQ(1, forward->GetIndex());
    forward->Release();

    Iterator* backward = s->GetReverseIteratorAt(1);
    EXPECT_EQ(2, backward->GetIndex());
    EXPECT_EQ(s->CharPtrAt(1), backward->Previous());
    backward->Release();

    // -1 stands for the end going forwards and for the start going backwards.
    Iterator* end = s->GetIteratorAt(0xFFFFFFFFu);
    EXPECT_FALSE(end->HasNext());
    end->Release();
    Iterator* start = s->GetReverseIteratorAt(0xFFFFFFFFu);
    EXPECT_FALSE(start->HasPrevious());
    start->Release();
}

TEST_F(StrIteratorTest, SetIndexMovesOnlyTheIndex)
{
    s->Assign(L"abcdefgh");
    Iterator* it = s->GetIterator();
    it->SetIndex(5);
    EXPECT_TRUE(it->HasNext());
    it->SetIndex(7);
    EXPECT_FALSE(it->HasNext());
    EXPECT_EQ(s->CharPtrAt(0), it->Next());
    EXPECT_EQ(8, it->GetIndex());
    it->Release();
}

TEST_F(StrIteratorTest, SkipsAndPooling)
{
    s->Assign(L"abcdef");
    Iterator* it = s->GetIterator();
    EXPECT_STREQ(L"s_str_strbuffer_Iterator", it->GetClassName());
    it->SkipForward(3);
    EXPECT_EQ(2, it->GetIndex());
    EXPECT_EQ(s->CharPtrAt(3), it->Next());
    it->SkipBackward(2);
    EXPECT_EQ(1, it->GetIndex());
    EXPECT_EQ(s->CharPtrAt(1), it->Previous());
    it->SkipForward(0);
    EXPECT_EQ(0, it->GetIndex());
    it->Release();

    // Given back, it comes out again reset.
    Iterator* again = static_cast<Iterator*>(Iterator::GetPool()->Take());
    EXPECT_EQ(it, again);
    EXPECT_EQ(-1, again->GetIndex());
    again->Release();
}
