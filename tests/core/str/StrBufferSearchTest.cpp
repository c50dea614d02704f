#include <gtest/gtest.h>

#include <string>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"

using s::str::strarray::StrArray;
using s::str::strbuffer::StrBuffer;

namespace {

const uint32_t kFromEnd = StrBuffer::kFromEnd;

// A pooled string for one test, given back at the end.
class Text {
public:
    explicit Text(const wchar_t* text) : str_(StrBuffer::New()) { str_->Assign(text); }
    ~Text() { str_->ReleaseToPool(); }
    StrBuffer* operator->() const { return str_; }
    StrBuffer* get() const { return str_; }

private:
    StrBuffer* str_;
};

std::wstring Of(StrBuffer* text)
{
    return std::wstring(text->GetText(), text->GetLength());
}

std::wstring TakeText(StrBuffer* text)
{
    std::wstring result = Of(text);
    text->ReleaseToPool();
    return result;
}

std::wstring Joined(StrArray* pieces)
{
    std::wstring joined;
    for (uint32_t i = 0; i < pieces->GetCount(); ++i)
        joined += (i ? L"|" : L"") + Of(pieces->Get(i));
    pieces->ReleaseToPool();
    return joined;
}

} // namespace

TEST(StrBufferCase, ChangesOnlyAsciiLettersAndReverses)
{
    Text t(L"aB\u00C9z-Q");
    t->ToLower();
    EXPECT_EQ(L"ab\u00C9z-q", Of(t.get()));
    t->ToUpper();
    EXPECT_EQ(L"AB\u00C9Z-Q", Of(t.get()));
    t->Capitalize();
    EXPECT_EQ(L"Ab\u00C9z-q", Of(t.get()));
    EXPECT_EQ(L'a', t->CharAtLower(0));
    EXPECT_EQ(L'B', t->CharAtUpper(1));
    t->Reverse();
    EXPECT_EQ(L"q-z\u00C9bA", Of(t.get()));

    Text empty(L"");
    empty->Capitalize();
    empty->Reverse();
    EXPECT_EQ(0u, empty->GetLength());
}

TEST(StrBufferSearch, CharacterSearchesForwardAndBackward)
{
    struct Case {
        const wchar_t* text;
        wchar_t c;
        bool backward;
        bool ignoreCase;
        uint32_t from;
        bool found;
        uint32_t at;
    };
    const Case cases[] = {
        {L"abcabc", L'b', false, false, 0, true, 1},
        {L"abcabc", L'b', false, false, 2, true, 4},
        {L"abcabc", L'B', false, false, 0, false, 0},
        {L"abcabc", L'B', false, true, 2, true, 4},
        {L"abc", L'a', false, false, 3, false, 0},
        {L"", L'a', false, false, 0, false, 0},
        {L"abcabc", L'a', true, false, kFromEnd, true, 3},
        {L"abcabc", L'a', true, false, 100, true, 3},
        {L"abcabc", L'a', true, false, 3, true, 0},
        {L"abcabc", L'a', true, false, 0, false, 0},
        {L"abcabc", L'C', true, true, kFromEnd, true, 5},
        {L"abcabc", L'a', true, false, 0x80000000u, false, 0},
        {L"", L'a', true, false, kFromEnd, false, 0},
    };
    for (const Case& c : cases) {
        Text t(c.text);
        uint32_t at = 77;
        bool found;
        if (c.backward)
            found = c.ignoreCase ? t->LastIndexOfCharIgnoreCase(c.c, &at, c.from) : t->LastIndexOfChar(c.c, &at, c.from);
        else
            found = c.ignoreCase ? t->IndexOfCharIgnoreCase(c.c, &at, c.from) : t->IndexOfChar(c.c, &at, c.from);
        EXPECT_EQ(c.found, found) << c.text << " " << c.c << " from " << c.from;
        if (c.found) {
            EXPECT_EQ(c.at, at) << c.text << " " << c.c << " from " << c.from;
        }
    }
}

TEST(StrBufferSearch, AnyOfASet)
{
    Text t(L"C:\\dir/file");
    uint32_t at = 0;
    ASSERT_TRUE(t->IndexOfAnyChar(L"\\/", 2, &at, 0));
    EXPECT_EQ(2u, at);
    ASSERT_TRUE(t->LastIndexOfAnyChar(L"\\/", 2, &at, kFromEnd));
    EXPECT_EQ(6u, at);
    ASSERT_TRUE(t->IndexOfAnyCharIgnoreCase(L"XD", 2, &at, 0));
    EXPECT_EQ(3u, at);
    ASSERT_TRUE(t->LastIndexOfAnyCharIgnoreCase(L"cI", 2, &at, kFromEnd));
    EXPECT_EQ(8u, at);
    EXPECT_FALSE(t->IndexOfAnyChar(L"\\/", 0, &at, 0));
    EXPECT_FALSE(t->LastIndexOfAnyChar(L"\\/", -1, &at, kFromEnd));
}

TEST(StrBufferSearch, TextSearches)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* pattern;
        int kind; // 0 IndexOf, 1 IndexOfIgnoreCase, 2 LastIndexOf, 3 LastIndexOfIgnoreCase
        uint32_t from;
        bool found;
        uint32_t at;
    };
    const Case cases[] = {
        {L"abcabc", L"bc", 0, 0, true, 1},
        {L"abcabc", L"bc", 0, 2, true, 4},
        {L"abcabc", L"", 0, 2, true, 2},
        {L"", L"", 0, 0, false, 0},
        {L"abcabc", L"BC", 0, 0, false, 0},
        {L"abcABC", L"bc", 1, 2, true, 4},
        {L"abcabc", L"", 1, 0, false, 0},
        {L"", L"a", 1, 0, false, 0},
        {L"abcabc", L"bc", 2, kFromEnd, true, 4},
        {L"abcabc", L"bc", 2, 5, true, 1},
        {L"abcabc", L"bc", 2, 6, true, 4},
        {L"abcabc", L"bc", 2, 2, false, 0},
        {L"ab", L"abc", 2, kFromEnd, false, 0},
        {L"", L"a", 2, kFromEnd, false, 0},
        {L"aBcAbC", L"bc", 3, kFromEnd, true, 4},
        {L"aBcAbC", L"BC", 3, 5, true, 1},
    };
    for (const Case& c : cases) {
        Text t(c.text);
        uint32_t at = 77;
        bool found = false;
        switch (c.kind) {
        case 0:
            found = t->IndexOf(c.pattern, &at, c.from);
            break;
        case 1:
            found = t->IndexOfIgnoreCase(c.pattern, &at, c.from);
            break;
        case 2:
            found = t->LastIndexOf(c.pattern, &at, c.from);
            break;
        default:
            found = t->LastIndexOfIgnoreCase(c.pattern, &at, c.from);
            break;
        }
        EXPECT_EQ(c.found, found) << c.kind << " [" << c.text << "] [" << c.pattern << "] " << c.from;
        if (c.found) {
            EXPECT_EQ(c.at, at) << c.kind << " [" << c.text << "] [" << c.pattern << "] " << c.from;
        }
    }
}

TEST(StrBufferMatch, MatchesStartsAndEnds)
{
    Text abc(L"abc"), abcd(L"abcd");
    EXPECT_TRUE(abc->MatchesAt(0, L"abc", 0, -1));
    EXPECT_FALSE(abcd->MatchesAt(0, L"abc", 0, -1));
    EXPECT_TRUE(abcd->MatchesAt(1, L"xbc", 1, 2));
    EXPECT_FALSE(abcd->MatchesAt(3, L"de", 0, 2));
    EXPECT_TRUE(abcd->MatchesIgnoreCaseAt(1, L"BCD", 0, -1));
    // A whole text counted from its start ends the match at its terminator.
    EXPECT_FALSE(abc->MatchesAt(0, L"xabc", 1, -1));

    EXPECT_TRUE(abc->EndsWith(L"bc", -1));
    EXPECT_TRUE(abc->EndsWithIgnoreCase(L"BC", -1));
    EXPECT_FALSE(abc->EndsWith(L"ab", -1));
    EXPECT_FALSE(abc->EndsWith(L"xabc", -1));
    EXPECT_TRUE(abcd->StartsWith(L"ab", 2));
    EXPECT_TRUE(abcd->StartsWith(L"abc", -1));
    EXPECT_TRUE(abcd->StartsWithIgnoreCase(L"AB", -1));
    EXPECT_FALSE(abc->StartsWith(L"abcd", -1));
    EXPECT_FALSE(abc->StartsWith(L"abcd", 4));
}

TEST(StrBufferTrim, WhiteSpaceAndSets)
{
    Text t(L"a \t\u3000\r\n");
    t->TrimEnd();
    EXPECT_EQ(L"a", Of(t.get()));

    Text down(L"ab   ");
    down->TrimEndDownTo(3);
    EXPECT_EQ(L"ab ", Of(down.get()));
    down->TrimEndDownTo(5);
    EXPECT_EQ(L"ab ", Of(down.get()));

    Text blank(L" \t\r\n ");
    blank->TrimStart();
    EXPECT_EQ(0u, blank->GetLength());

    Text lead(L"\n\u3000 x y ");
    lead->TrimStart();
    EXPECT_EQ(L"x y ", Of(lead.get()));

    Text set(L"--x--");
    set->TrimEndChars(L"-", -1);
    set->TrimStartChars(L"-", 1);
    EXPECT_EQ(L"x", Of(set.get()));

    Text kept(L"xx..");
    kept->TrimEndCharsDownTo(L".", 3, -1);
    EXPECT_EQ(L"xx.", Of(kept.get()));
}

TEST(StrBufferCompareAt, WholeAndCountedForms)
{
    Text ab(L"ab"), ac(L"ac"), mixed(L"xAB");
    EXPECT_EQ(0, ab->CompareAt(0, L"ab", 0, -1));
    EXPECT_EQ(1, ac->CompareAt(0, L"ab", 0, -1));
    EXPECT_EQ(-1, ab->CompareAt(0, L"ac", 0, -1));
    EXPECT_EQ(-1, ab->CompareAt(0, L"abc", 0, -1));
    EXPECT_EQ(-1, ab->CompareAt(2, L"", 0, -1));
    EXPECT_EQ(0, ac->CompareAt(0, L"ax", 0, 1));
    EXPECT_GT(ac->CompareAt(0, L"ab", 0, 2), 0);
    EXPECT_EQ(0, mixed->CompareIgnoreCaseAt(1, L"-ab", 1, -1));
    EXPECT_EQ(0, mixed->CompareIgnoreCaseAt(1, L"aBz", 0, 2));
    EXPECT_LT(mixed->CompareIgnoreCaseAt(1, L"abz", 0, 3), 0);
}

TEST(StrBufferReplace, EachLengthRelation)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* pattern;
        const wchar_t* replacement;
        bool ignoreCase;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"aaaa", L"aa", L"b", false, L"bb"},
        {L"aaa", L"aa", L"b", false, L"ba"},
        {L"banana", L"a", L"xyz", false, L"bxyznxyznxyz"},
        {L"aAb", L"A", L"", true, L"b"},
        {L"aAb", L"A", L"", false, L"ab"},
        {L"one two one", L"one", L"ONE", false, L"ONE two ONE"},
        {L"abc", L"", L"x", false, L"abc"},
        {L"ab", L"abc", L"x", false, L"ab"},
        {L"xyz", L"q", L"qq", false, L"xyz"},
        // Replaced text is never searched again.
        {L"aa", L"a", L"aa", false, L"aaaa"},
        {L"a.b.c", L".", L"\\", false, L"a\\b\\c"},
    };
    for (const Case& c : cases) {
        Text t(c.text);
        if (c.ignoreCase)
            t->ReplaceAllIgnoreCase(c.pattern, c.replacement);
        else
            t->ReplaceAll(c.pattern, c.replacement);
        EXPECT_EQ(std::wstring(c.expected), Of(t.get())) << c.text << " " << c.pattern << " " << c.replacement;
    }
}

TEST(StrBufferReplace, GrowingReplacementOfALongText)
{
    std::wstring text, expected;
    for (int i = 0; i < 500; ++i) {
        text += L"k=v;";
        expected += L"key = value;";
    }
    Text t(text.c_str());
    t->ReplaceAll(L"k=v", L"key = value");
    EXPECT_EQ(expected, Of(t.get()));
}

TEST(StrBufferPieces, KeepRangeSubstringAndBeforeLast)
{
    Text t(L"0123456789");
    EXPECT_EQ(L"234", TakeText(t->Substring(2, 5)));
    EXPECT_EQ(L"789", TakeText(t->Substring(7, 0xFFFFFFFFu)));
    EXPECT_EQ(L"", TakeText(t->Substring(4, 4)));
    t->KeepRange(3, 100);
    EXPECT_EQ(L"3456789", Of(t.get()));
    t->KeepRange(0, 2);
    EXPECT_EQ(L"34", Of(t.get()));

    Text path(L"C:\\dir\\file"), bare(L"file");
    EXPECT_EQ(L"C:\\dir", TakeText(path->BeforeLastChar(L'\\', kFromEnd)));
    StrBuffer* none = bare->BeforeLastChar(L'\\', kFromEnd);
    ASSERT_NE(nullptr, none);
    EXPECT_EQ(L"", TakeText(none));
    EXPECT_EQ(L"C:", TakeText(path->BeforeLastChar(L'\\', 6)));
    EXPECT_EQ(L"C:\\dir\\f", TakeText(path->BeforeLastCharIgnoreCase(L'I', kFromEnd)));
    EXPECT_EQ(L"C:\\dir", TakeText(path->BeforeLastAnyChar(L"/\\", 2, kFromEnd)));
    EXPECT_EQ(L"C:\\dir", TakeText(path->BeforeLastAnyCharIgnoreCase(L"/\\", 2, kFromEnd)));
    EXPECT_EQ(L"C:", TakeText(path->BeforeLast(L"\\dir", kFromEnd)));
    EXPECT_EQ(L"C:", TakeText(path->BeforeLastIgnoreCase(L"\\DIR", kFromEnd)));
}

TEST(StrBufferSplit, SeparatorsGiveNoEmptyPieces)
{
    struct Case {
        const wchar_t* text;
        uint32_t count;
        const wchar_t* joined;
    };
    const Case cases[] = {
        {L",a,,b,", 2, L"a|b"},
        {L"", 0, L""},
        {L"abc", 1, L"abc"},
        {L",,,", 0, L""},
        {L"x,y", 2, L"x|y"},
    };
    for (const Case& c : cases) {
        Text t(c.text);
        StrArray* pieces = t->Split(L',');
        ASSERT_NE(nullptr, pieces);
        EXPECT_EQ(c.count, pieces->GetCount()) << c.text;
        EXPECT_EQ(std::wstring(c.joined), Joined(pieces)) << c.text;
    }
}

TEST(StrBufferSplit, WordsAreDistinctAndOnlyTheLastMayBeAStopWord)
{
    struct Case {
        const wchar_t* text;
        bool dropStopWord;
        const wchar_t* joined;
    };
    const Case cases[] = {
        {L"the cat and The dog and", true, L"the|cat|and|dog"},
        {L"the cat and The dog and", false, L"the|cat|and|dog"},
        {L"cat of", true, L"cat"},
        {L"cat of", false, L"cat|of"},
        {L"x-1 50% a.b", false, L"x-1|50%|a|b"},
        // Characters from U+0100 on belong to words, but for the listed CJK punctuation.
        {L"\u6771\u4EAC\u3001\u5927\u962A\u3002", false, L"\u6771\u4EAC|\u5927\u962A"},
        {L"caf\u00E9 ", false, L"caf"},
        {L"", true, L""},
    };
    for (const Case& c : cases) {
        Text t(c.text);
        EXPECT_EQ(std::wstring(c.joined), Joined(t->SplitWords(c.dropStopWord))) << c.text;
    }
}
