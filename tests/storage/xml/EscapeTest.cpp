#include <gtest/gtest.h>

#include <string>

#include "storage/xml/Escape.h"
#include "storage/xml/XmlTestSupport.h"

using namespace xmltest;
using s::xml::EscapeAttributeValue;
using s::xml::EscapeText;
using s::xml::UnescapeAttributeValue;
using s::xml::UnescapeText;

namespace {

const uint32_t kWhole = StrBuffer::kWhole;

std::wstring Escaped(void (*escape)(StrBuffer*, const wchar_t*), const wchar_t* text)
{
    Str out(L"stale");
    escape(out.get(), text);
    return Text(out.get());
}

std::wstring Unescaped(void (*unescape)(StrBuffer*, const wchar_t*, bool, uint32_t), const wchar_t* stored)
{
    Str out(L"stale");
    unescape(out.get(), stored, false, kWhole);
    return Text(out.get());
}

} // namespace

TEST(XmlEscape, AttributeValueTable)
{
    struct Case {
        const wchar_t* plain;
        const wchar_t* stored;
    } cases[] = {
        {L"", L""},
        {L"plain", L"plain"},
        {L"\n", L"&#10;"},
        {L"\r", L"&#13;"},
        {L"\"", L"&quot;"},
        {L"&", L"&amp;"},
        {L"<", L"&lt;"},
        // Not escaped in attribute values: ">", TAB, the apostrophe and every space.
        {L">\t' x ", L">\t' x "},
        {L"a&b<c\"d\r\ne", L"a&amp;b&lt;c&quot;d&#13;&#10;e"},
        {L"\u00e9\u4e2d\U0001F600", L"\u00e9\u4e2d\U0001F600"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.stored, Escaped(&EscapeAttributeValue, c.plain)) << c.plain;
}

TEST(XmlEscape, TextTable)
{
    struct Case {
        const wchar_t* plain;
        const wchar_t* stored;
    } cases[] = {
        {L"", L""},
        {L"\n", L"&#10;"},
        {L"\r", L"&#13;"},
        {L" ", L"&#160;"},
        {L"&", L"&amp;"},
        {L"<", L"&lt;"},
        {L">", L"&gt;"},
        // Not escaped in text: the double quote and TAB.
        {L"\"\t", L"\"\t"},
        {L" a b ", L"&#160;a&#160;b&#160;"},
        {L"x<y & y>z", L"x&lt;y&#160;&amp;&#160;y&gt;z"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.stored, Escaped(&EscapeText, c.plain)) << c.plain;
}

TEST(XmlEscape, ReadersDecodeOnlyTheirOwnEntities)
{
    struct Case {
        const wchar_t* stored;
        const wchar_t* asAttribute;
        const wchar_t* asText;
    } cases[] = {
        {L"&amp;&lt;", L"&<", L"&<"},
        {L"&quot;", L"\"", L"&quot;"},
        {L"&gt;", L"&gt;", L">"},
        {L"a&#160;b", L"a&#160;b", L"a b"},
        {L"&#13;&#10;x", L"\r\nx", L"\r\nx"},
        // Everything else with an "&" stands for itself, and reading goes on right after it.
        {L"&apos;&#65;&#xA;&", L"&apos;&#65;&#xA;&", L"&apos;&#65;&#xA;&"},
        {L"&&amp;", L"&&", L"&&"},
        {L"&amp", L"&amp", L"&amp"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.asAttribute, Unescaped(&UnescapeAttributeValue, c.stored)) << c.stored;
        EXPECT_EQ(c.asText, Unescaped(&UnescapeText, c.stored)) << c.stored;
    }
}

TEST(XmlEscape, TextBlankRules)
{
    struct Case {
        const wchar_t* stored;
        const wchar_t* read;
    } cases[] = {
        // Leading blanks skipped, trailing white space cut...
        {L" \t\r\n text \t\r\n\u3000", L"text"},
        // ...but a space, CR or LF from a reference stays when it ends the text.
        {L"&#160;a&#160;b&#160;", L" a b "},
        {L"end&#160;\n  ", L"end "},
        {L"line&#13;&#10;", L"line\r\n"},
        {L"   \t ", L""},
        // U+3000 is cut at the end but not skipped at the start.
        {L"\u3000x", L"\u3000x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.read, Unescaped(&UnescapeText, c.stored)) << c.stored;
    // Attribute values keep every blank.
    EXPECT_EQ(L"  a  ", Unescaped(&UnescapeAttributeValue, L"  a  "));
}

TEST(XmlEscape, AppendKeepsWhatTheTargetHeld)
{
    Str out(L"keep ");
    UnescapeText(out.get(), L"  more&amp;  ", true, kWhole);
    EXPECT_EQ(L"keep more&", Text(out.get()));
    // A text of blanks only trims nothing of the caller's content.
    UnescapeText(out.get(), L"   ", true, kWhole);
    Str spaced(L"ab  ");
    UnescapeText(spaced.get(), L"   ", true, kWhole);
    EXPECT_EQ(L"ab  ", Text(spaced.get()));
    UnescapeAttributeValue(out.get(), L"&lt;", true, 4);
    EXPECT_EQ(L"keep more&<", Text(out.get()));
}

TEST(XmlEscape, RoundTripOfAwkwardTexts)
{
    const wchar_t* texts[] = {
        L"Tom & Jerry <friends> say \"hi\"",
        L" leading and trailing ",
        L"two\r\nlines\n",
        L"\u00c4rger \u00fcber \u00df, \u4e2d\u6587, \u0420\u0443\u0441, \U0001F600",
        L"&amp; stays literal &#160;",
        L"tab\tinside",
    };
    for (const wchar_t* text : texts) {
        Str stored;
        Str back;
        EscapeAttributeValue(stored.get(), text);
        UnescapeAttributeValue(back.get(), stored->GetText(), false, stored->GetLength());
        EXPECT_EQ(text, Text(back.get())) << text;
        EscapeText(stored.get(), text);
        UnescapeText(back.get(), stored->GetText(), false, stored->GetLength());
        EXPECT_EQ(text, Text(back.get())) << text;
    }
}
