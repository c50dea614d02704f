#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>
#include <utility>

#include "core/str/StrBuffer.h"

using s::str::strbuffer::StrBuffer;

namespace {

// A pooled string for the length of a test.
class Str {
public:
    explicit Str(const wchar_t* text = nullptr) : s_(StrBuffer::New())
    {
        if (text)
            s_->Assign(text);
    }
    ~Str() { s_->ReleaseToPool(); }
    StrBuffer* operator->() const { return s_; }
    StrBuffer* get() const { return s_; }

private:
    StrBuffer* s_;
};

std::wstring Text(StrBuffer* s)
{
    return std::wstring(s->GetText(), s->GetLength());
}

int Sign(int v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

} // namespace

TEST(StrBufferProtocol, NameAndNewInstance)
{
    Str a(L"x");
    EXPECT_STREQ(L"s_str_strbuffer_StrBuffer", a->GetClassName());
    StrBuffer* fresh = a->NewInstance();
    ASSERT_NE(nullptr, fresh);
    EXPECT_EQ(0u, fresh->GetLength());
    EXPECT_EQ(nullptr, fresh->GetBuffer());
    fresh->ReleaseToPool();
}

TEST(StrBufferProtocol, HashSamples)
{
    struct Case {
        const wchar_t* text;
        uint32_t hash;
        uint32_t hashIgnoreCase;
    } cases[] = {
        {L"", 0u, 0u},
        {L"a", 0x61u, 0x61u},
        {L"ab", 0xA0u, 0xA0u},
        {L"AB", 0xC0u, 0xA0u},
    };
    for (auto& c : cases) {
        Str s(c.text);
        EXPECT_EQ(c.hash, s->HashCode()) << c.text;
        EXPECT_EQ(c.hashIgnoreCase, s->HashCodeIgnoreCase()) << c.text;
    }
}

TEST(StrBufferProtocol, HashRepeatsTheNewTopBitInBitZero)
{
    // U+4000 lands on bit 14; each further character shifts it up by one.
    struct Case {
        int zeros;
        uint32_t hash;
    } cases[] = {
        {16, 0x40000000u},
        {17, 0x80000001u}, // bit 31 now set: bit 0 repeats it
        {18, 0x00000002u}, // the top bit is lost, bit 0 moves up
    };
    for (auto& c : cases) {
        Str s;
        s->AppendChar(0x4000);
        for (int i = 0; i < c.zeros; ++i)
            s->AppendChar(0);
        EXPECT_EQ(c.hash, s->HashCode()) << c.zeros;
    }
}

TEST(StrBufferProtocol, IgnoreCaseFoldsOnlyAsciiLetters)
{
    Str upper(L"\x00C9T\x00C9"), lower(L"\x00E9t\x00E9");
    EXPECT_FALSE(upper->EqualsIgnoreCase(lower.get()));
    EXPECT_NE(upper->HashCodeIgnoreCase(), lower->HashCodeIgnoreCase());
    Str mixed(L"HeLLo [Z]"), plain(L"hello [z]");
    EXPECT_TRUE(mixed->EqualsIgnoreCase(plain.get()));
    EXPECT_FALSE(mixed->Equals(plain.get()));
    EXPECT_EQ(plain->HashCode(), mixed->HashCodeIgnoreCase());
    EXPECT_EQ(0, mixed->CompareToIgnoreCase(plain.get()));
    // '@' and '[' sit next to the letters and do not fold onto '`' and '{'.
    Str at(L"@["), grave(L"`{");
    EXPECT_FALSE(at->EqualsIgnoreCase(grave.get()));
}

TEST(StrBufferProtocol, CompareSamples)
{
    struct Case {
        const wchar_t* a;
        const wchar_t* b;
        int sign;
        int signIgnoreCase;
    } cases[] = {
        {L"a", L"ab", -1, -1},
        {L"ab", L"a", 1, 1},
        {L"", L"", 0, 0},
        {L"", L"a", -1, -1},
        {L"abc", L"abc", 0, 0},
        {L"ABC", L"abd", -1, -1},
        {L"ABC", L"abc", -1, 0},
        // Storage bytes 00 01 against FF 00: U+0100 sorts before U+00FF.
        {L"\x0100", L"\x00FF", -1, 1},
        {L"\x00E9", L"\x00C9", 1, 1},
    };
    for (auto& c : cases) {
        Str a(c.a), b(c.b);
        EXPECT_EQ(c.sign, Sign(a->CompareTo(b.get()))) << c.a << L" / " << c.b;
        EXPECT_EQ(c.signIgnoreCase, Sign(a->CompareToIgnoreCase(b.get()))) << c.a << L" / " << c.b;
        EXPECT_EQ(c.sign == 0, a->Equals(b.get()));
        EXPECT_EQ(c.signIgnoreCase == 0, a->EqualsIgnoreCase(b.get()));
    }
    Str a(L"a"), ab(L"ab");
    EXPECT_EQ(-1, a->CompareTo(ab.get()));
    EXPECT_EQ(1, ab->CompareTo(a.get()));
}

namespace {
// Orders strings by length only, so unequal texts of one length count as equal.
class ByLength : public s::base::IComparator {
public:
    int32_t Compare(const void* a, const void* b) override { return Length(a) - Length(b); }
    int32_t CompareIgnoreCase(const void* a, const void* b) override { return Compare(a, b); }
    static int32_t Length(const void* p)
    {
        auto* object = static_cast<s::base::IComparable*>(const_cast<void*>(p));
        return static_cast<int32_t>(dynamic_cast<StrBuffer*>(object)->GetLength());
    }
};
} // namespace

TEST(StrBufferProtocol, EqualityUsesAGivenComparator)
{
    Str a(L"abc"), b(L"xyz");
    ByLength byLength;
    EXPECT_FALSE(a->Equals(b.get()));
    EXPECT_TRUE(a->Equals(b.get(), &byLength));
    EXPECT_TRUE(a->EqualsIgnoreCase(b.get(), &byLength));
    // CompareTo ignores a comparator: the text decides.
    EXPECT_LT(a->CompareTo(b.get(), &byLength), 0);
}

TEST(StrBufferProtocol, OtherObjectsAreNeverEqual)
{
    Str a(L"abc");
    EXPECT_FALSE(a->Equals(nullptr));
    EXPECT_FALSE(a->EqualsIgnoreCase(nullptr));
    Str empty;
    EXPECT_TRUE(empty->Equals(empty.get()));
}

TEST(StrBufferStorage, NewStringHasNoBlockAndAValidEmptyText)
{
    Str s;
    EXPECT_EQ(nullptr, s->GetBuffer());
    ASSERT_NE(nullptr, s->GetText());
    EXPECT_EQ(L'\0', s->GetText()[0]);
    EXPECT_EQ(0u, s->GetCapacity());
    EXPECT_EQ(0u, s->GetPosition());
}

TEST(StrBufferStorage, GrowthFollowsTheRule)
{
    Str s;
    s->AppendChar(L'x');
    EXPECT_EQ(100u, s->GetCapacity());
    for (int i = 1; i < 100; ++i)
        s->AppendChar(L'x');
    EXPECT_EQ(100u, s->GetCapacity());
    s->PushChar(L'y');
    EXPECT_EQ(300u, s->GetCapacity());
    EXPECT_EQ(101u, s->GetLength());

    Str e;
    e->EnsureCapacity(150);
    EXPECT_EQ(300u, e->GetCapacity());
    e->EnsureCapacity(100);
    EXPECT_EQ(300u, e->GetCapacity());

    Str r;
    r->ReserveExact(7);
    EXPECT_EQ(7u, r->GetCapacity());
    r->ReserveExact(3);
    EXPECT_EQ(7u, r->GetCapacity());
    r->Grow();
    EXPECT_EQ(100u, r->GetCapacity());
    r->Grow();
    EXPECT_EQ(300u, r->GetCapacity());

    // Several characters at once grow in steps until they fit.
    Str many;
    std::wstring text(250, L'q');
    many->AppendChars(text.c_str(), 250);
    EXPECT_EQ(300u, many->GetCapacity());
    EXPECT_EQ(text, Text(many.get()));
}

TEST(StrBufferStorage, ClearFreeAllAndTermination)
{
    Str s(L"abcdef");
    wchar_t* block = s->GetBuffer();
    s->SetPosition(4);
    s->Clear();
    EXPECT_EQ(0u, s->GetLength());
    EXPECT_EQ(0u, s->GetPosition());
    EXPECT_EQ(block, s->GetBuffer());
    EXPECT_STREQ(L"", s->GetText());

    s->Assign(L"abcdef");
    s->SetLength(3);
    EXPECT_STREQ(L"abc", s->GetText());
    EXPECT_EQ(block, s->GetText());

    s->FreeAll();
    EXPECT_EQ(nullptr, s->GetBuffer());
    EXPECT_EQ(0u, s->GetCapacity());
    EXPECT_EQ(0u, s->GetLength());
}

TEST(StrBufferAssign, TextsAndCapacities)
{
    Str s;
    s->Assign(L"hello");
    EXPECT_EQ(L"hello", Text(s.get()));
    EXPECT_EQ(5u, s->GetCapacity());
    wchar_t* block = s->GetBuffer();
    s->Assign(L"");
    EXPECT_EQ(0u, s->GetLength());
    EXPECT_EQ(block, s->GetBuffer());
    s->Assign(L"abc");
    EXPECT_EQ(block, s->GetBuffer());
    EXPECT_EQ(5u, s->GetCapacity());
    s->Assign(L"longer text");
    EXPECT_EQ(11u, s->GetCapacity());
    EXPECT_EQ(L"longer text", Text(s.get()));
    s->Assign(nullptr);
    EXPECT_EQ(0u, s->GetLength());

    Str other(L"copied");
    EXPECT_EQ(s.get(), s->AssignStr(other.get()));
    EXPECT_EQ(L"copied", Text(s.get()));
    s->AssignStr(nullptr);
    EXPECT_EQ(0u, s->GetLength());
}

TEST(StrBufferAssign, LeavesThePositionAlone)
{
    Str s(L"abcd");
    s->SetPosition(6);
    s->Assign(L"xy");
    EXPECT_EQ(6u, s->GetPosition());
}

TEST(StrBufferAssign, FromItselfKeepsTheText)
{
    Str s(L"abcdef");
    s->AssignStr(s.get());
    EXPECT_EQ(L"abcdef", Text(s.get()));
    s->Assign(s->CharPtrAt(2));
    EXPECT_EQ(L"cdef", Text(s.get()));
}

TEST(StrBufferAppend, ExactTexts)
{
    struct Case {
        const wchar_t* start;
        const wchar_t* text;
        uint32_t n;
        const wchar_t* append;
        const wchar_t* prepend;
    } cases[] = {
        {L"ab", L"cd", 2, L"abcd", L"cdab"},
        {L"ab", L"cdef", StrBuffer::kWhole, L"abcdef", L"cdefab"},
        {L"ab", L"cdef", 1, L"abc", L"cab"},
        {L"ab", L"cdef", 0, L"ab", L"ab"},
        {L"", L"xyz", StrBuffer::kWhole, L"xyz", L"xyz"},
        {L"ab", L"", StrBuffer::kWhole, L"ab", L"ab"},
        {L"ab", nullptr, StrBuffer::kWhole, L"ab", L"ab"},
    };
    for (auto& c : cases) {
        Str a(c.start), p(c.start);
        a->AppendChars(c.text, c.n);
        p->PrependChars(c.text, c.n);
        EXPECT_EQ(c.append, Text(a.get())) << c.start << L" + " << (c.text ? c.text : L"null") << L" n=" << c.n;
        EXPECT_EQ(c.prepend, Text(p.get())) << c.start << L" + " << (c.text ? c.text : L"null") << L" n=" << c.n;
    }

    Str chain;
    chain->Append(L"one")->Append(L", ")->AppendText8("two")->AppendStr(Str(L", three").get());
    EXPECT_EQ(L"one, two, three", Text(chain.get()));

    Str from(L"<");
    from->AppendCharsFrom(L"0123456789", 3, 4);
    EXPECT_EQ(L"<456", Text(from.get()));
}

TEST(StrBufferAppend, BytesAreZeroExtended)
{
    Str s;
    s->AppendChars8("\xE9", 1);
    s->AppendChars8("A\x80\xFF", 3);
    s->AppendText8("\x7F\xC3");
    s->AppendChars8("z\xA0", StrBuffer::kWhole);
    const wchar_t expected[] = {0x00E9, L'A', 0x0080, 0x00FF, 0x007F, 0x00C3, L'z', 0x00A0};
    ASSERT_EQ(8u, s->GetLength());
    for (uint32_t i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], *s->CharPtrAt(i)) << i;
}

TEST(StrBufferAppend, FromItselfSurvivesGrowth)
{
    Str s(L"abc");
    EXPECT_EQ(3u, s->GetCapacity());
    s->AppendStr(s.get());
    EXPECT_EQ(L"abcabc", Text(s.get()));
    s->AppendChars(s->CharPtrAt(1), 2);
    EXPECT_EQ(L"abcabcbc", Text(s.get()));

    Str p(L"xyz");
    p->PrependChars(p->CharPtrAt(1), 2);
    EXPECT_EQ(L"yzxyz", Text(p.get()));
    p->PrependChars(p->CharPtrAt(4), 1);
    EXPECT_EQ(L"zyzxyz", Text(p.get()));
}

TEST(StrBufferAppend, NoAllocationWhenTheCapacitySuffices)
{
    Str s;
    s->ReserveExact(64);
    wchar_t* block = s->GetBuffer();
    for (int round = 0; round < 3; ++round) {
        s->Clear();
        s->Append(L"CPU ")->AppendChar(L'7');
        s->AppendChars8("5 %", 3);
        s->PrependChars(L"[", 1);
        s->AppendChars(L"]", StrBuffer::kWhole);
        EXPECT_EQ(L"[CPU 75 %]", Text(s.get()));
        s->Assign(L"reassigned within the block");
        EXPECT_EQ(block, s->GetBuffer());
    }
    EXPECT_EQ(64u, s->GetCapacity());
}

TEST(StrBufferAppend, CloneIsAnExactCopyFromThePool)
{
    Str s;
    s->EnsureCapacity(500);
    s->Append(L"clone me");
    StrBuffer* copy = s->Clone();
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(s.get(), copy);
    EXPECT_EQ(L"clone me", Text(copy));
    EXPECT_EQ(8u, copy->GetCapacity());
    EXPECT_TRUE(copy->Equals(s.get()));
    copy->ReleaseToPool();

    Str empty;
    StrBuffer* none = empty->Clone();
    EXPECT_EQ(nullptr, none->GetBuffer());
    none->ReleaseToPool();
}

TEST(StrBufferTarget, NullTargetComesFromThePool)
{
    StrBuffer* made = StrBuffer::PrepareTarget(nullptr, false);
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(0u, made->GetLength());
    made->Append(L"owned by the caller");
    made->ReleaseToPool();

    Str given(L"kept");
    EXPECT_EQ(given.get(), StrBuffer::PrepareTarget(given.get(), true));
    EXPECT_EQ(L"kept", Text(given.get()));
    EXPECT_EQ(given.get(), StrBuffer::PrepareTarget(given.get(), false));
    EXPECT_EQ(0u, given->GetLength());
}

TEST(StrBufferPool, GivenBackComesOutEmptyWithoutABlock)
{
    StrBuffer* s = StrBuffer::New();
    s->Append(L"some text that needs a block");
    s->SetPosition(10);
    s->ReleaseToPool();
    // The pool hands out the last string given back.
    StrBuffer* again = StrBuffer::New();
    EXPECT_EQ(s, again);
    EXPECT_EQ(nullptr, again->GetBuffer());
    EXPECT_EQ(0u, again->GetLength());
    EXPECT_EQ(0u, again->GetCapacity());
    EXPECT_EQ(0u, again->GetPosition());
    again->ReleaseToPool();
}

TEST(StrBufferStream, WriteThenReadBack)
{
    Str s;
    uint32_t done = 99;
    ASSERT_TRUE(s->Write("\x41\x00\x42", 3, &done));
    EXPECT_EQ(3u, done);
    EXPECT_EQ(3u, s->GetPosition());
    EXPECT_EQ(1u, s->GetLength());

    s->SeekToStart();
    uint8_t bytes[8] = {};
    ASSERT_TRUE(s->Read(bytes, sizeof bytes, &done));
    EXPECT_EQ(2u, done);
    EXPECT_EQ(0x41, bytes[0]);
    EXPECT_EQ(0x00, bytes[1]);

    // At the end: false with nothing done; a count of 0 always succeeds.
    EXPECT_FALSE(s->Read(bytes, sizeof bytes, &done));
    EXPECT_EQ(0u, done);
    EXPECT_TRUE(s->Read(bytes, 0, &done));
    EXPECT_EQ(0u, done);
}

TEST(StrBufferStream, ReadsInPiecesAcrossTheEnd)
{
    Str s(L"abc");
    uint8_t bytes[4];
    uint32_t done = 0;
    ASSERT_TRUE(s->Read(bytes, 4, &done));
    EXPECT_EQ(4u, done);
    EXPECT_EQ(4u, s->GetPosition());
    ASSERT_TRUE(s->Read(bytes, 4, &done));
    EXPECT_EQ(2u, done);
    EXPECT_EQ('c', bytes[0]);
    EXPECT_FALSE(s->Read(bytes, 4, &done));
}

TEST(StrBufferStream, WritesOverAndPastTheEnd)
{
    Str s(L"abcd");
    s->SetPosition(2);
    uint32_t done = 0;
    ASSERT_TRUE(s->Write(L"XYZ", 6, &done));
    EXPECT_EQ(L"aXYZ", Text(s.get()));
    EXPECT_EQ(8u, s->GetPosition());
    // A write beyond the end fills the characters between with 0.
    s->SetPosition(12);
    ASSERT_TRUE(s->Write(L"!", 2, &done));
    ASSERT_EQ(7u, s->GetLength());
    EXPECT_EQ(std::wstring(L"aXYZ\0\0!", 7), Text(s.get()));
}

TEST(StrBufferStream, SeeksInBytes)
{
    Str s(L"abcdef");
    EXPECT_TRUE(s->IsSeekable());
    EXPECT_EQ(12, s->SeekToEnd());
    EXPECT_EQ(12u, s->GetPosition());
    EXPECT_EQ(8, s->SeekFromEnd(4));
    EXPECT_TRUE(s->SeekBackward(2));
    EXPECT_EQ(6u, s->GetPosition());
    EXPECT_TRUE(s->SeekForward(4));
    EXPECT_EQ(10u, s->GetPosition());
    wchar_t c = 0;
    uint32_t done = 0;
    ASSERT_TRUE(s->Read(&c, 2, &done));
    EXPECT_EQ(L'f', c);
    s->Close();
    EXPECT_EQ(0u, s->GetPosition());
}

TEST(StrBufferStream, FacesRewindButNeverEmpty)
{
    Str s(L"abcdef");
    s::io::IInputStream* in = s.get();
    s::io::IOutputStream* out = s.get();
    in->SetPosition(4);
    EXPECT_EQ(4u, out->GetPosition());
    in->Clear();
    EXPECT_EQ(0u, in->GetPosition());
    EXPECT_EQ(6u, s->GetLength());
    out->SetPosition(4);
    out->Dispose();
    EXPECT_EQ(0u, out->GetPosition());
    in->SeekToEnd();
    in->Dispose();
    EXPECT_EQ(0u, in->GetPosition());
    out->SeekToEnd();
    out->Clear();
    EXPECT_EQ(0u, out->GetPosition());
    EXPECT_EQ(L"abcdef", Text(s.get()));
    EXPECT_TRUE(out->Flush());
    out->Truncate();
    EXPECT_EQ(L"abcdef", Text(s.get()));
}

namespace {
// Whether a call compiles; the operations of later steps hold their slots but must not.
template <class T, class = void>
struct CanReverse : std::false_type {
};
template <class T>
struct CanReverse<T, std::void_t<decltype(std::declval<T&>().Reverse())>> : std::true_type {
};
template <class T, class = void>
struct CanAssignInt32 : std::false_type {
};
template <class T>
struct CanAssignInt32<T, std::void_t<decltype(std::declval<T&>().AssignInt32(1))>> : std::true_type {
};
template <class T, class = void>
struct CanAppend : std::false_type {
};
template <class T>
struct CanAppend<T, std::void_t<decltype(std::declval<T&>().Append(L""))>> : std::true_type {
};
} // namespace

TEST(StrBufferSlots, BuiltOperationsAreCallable)
{
    static_assert(CanAppend<StrBuffer>::value, "a built operation is callable");
    static_assert(CanReverse<StrBuffer>::value, "a built operation is callable");
    static_assert(CanAssignInt32<StrBuffer>::value, "a built operation is callable");
    static_assert(CanReverse<s::str::IStr>::value, "through the interface too");
    SUCCEED();
}

TEST(StrBufferStream, BothFacesResetTheSameString)
{
    Str s(L"some text");
    s::io::IOutputStream* out = s.get();
    out->Reset();
    EXPECT_EQ(nullptr, s->GetBuffer());
    EXPECT_EQ(0u, s->GetLength());
    s->Assign(L"again");
    s::io::IInputStream* in = s.get();
    in->Reset();
    EXPECT_EQ(nullptr, s->GetBuffer());
}
