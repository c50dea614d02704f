#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <random>
#include <string>
#include <vector>

#include "core/col/Arrays.h"
#include "storage/xml/XmlTestSupport.h"

using namespace xmltest;
using s::col::_array::ArrayU08;

namespace {

const uint32_t kWhole = StrBuffer::kWhole;

// Parses text and returns what the writer makes of it; "<failed>" when the parse failed.
std::wstring Reparsed(const wchar_t* text)
{
    PooledNode node;
    if (!node->Parse(text))
        return L"<failed>";
    return Written(node.get());
}

} // namespace

TEST(XmlParse, EveryConstructOfTheDialect)
{
    const wchar_t* text =
        L"\uFEFF  junk before <root a=\"1\" b = \"two words\"  c=\"&lt;&amp;&quot;\">"
        L"\r\n  first text \t\r\n"
        L"<!-- a comment with <tags> and \"quotes\" -->"
        L"<empty/>"
        L"<self x=\"y\" />"
        L"middle text"
        L"<child k=\"v\"><grand>deep</grand></child>"
        L"</root>trailing ignored";
    PooledNode node;
    const wchar_t* end = node->Parse(text);
    ASSERT_NE(nullptr, end);
    EXPECT_STREQ(L"trailing ignored", end);

    EXPECT_STREQ(L"root", node->GetName());
    EXPECT_STREQ(L"1", node->GetAttribute(L"a", nullptr));
    EXPECT_STREQ(L"two words", node->GetAttribute(L"b", nullptr));
    // Values are kept as they stand, decoded only on request.
    EXPECT_STREQ(L"&lt;&amp;&quot;", node->GetAttribute(L"c", nullptr));
    EXPECT_EQ(L"<&\"", Decoded(node.get(), L"c"));
    // A text run keeps its trailing blanks, never its leading ones.
    EXPECT_STREQ(L"first text \t\r\n", node->GetAttribute(L"", nullptr));
    EXPECT_EQ(L"first text", Decoded(node.get(), L""));

    // The comment was dropped; text interrupted by children became two runs.
    ASSERT_EQ(3u, node->GetChildCount());
    EXPECT_STREQ(L"empty", node->ChildAt(0)->GetName());
    EXPECT_STREQ(L"self", node->ChildAt(1)->GetName());
    EXPECT_STREQ(L"y", node->ChildAt(1)->GetAttribute(L"x", nullptr));
    EXPECT_STREQ(L"child", node->ChildAt(2)->GetName());
    EXPECT_STREQ(L"deep", node->ChildAt(2)->ChildAt(0)->GetAttribute(L"", nullptr));
    uint32_t texts = 0;
    for (uint32_t i = 0; i < node->GetAttributes()->GetCount(); ++i)
        texts += node->GetAttributes()->GetRecord(i)->nameLength == 0;
    EXPECT_EQ(2u, texts);

    // Written back: no layout, never self-closing, only the first text, values as stored.
    EXPECT_EQ(L"<root a=\"1\" b=\"two words\" c=\"&lt;&amp;&quot;\">first text \t\r\n"
              L"<empty></empty><self x=\"y\"></self><child k=\"v\"><grand>deep</grand></child></root>",
              Written(node.get()));
}

// An element's records and children are gathered while its children are read, whose own lists
// are gathered at the same time: each ends up with its own, in document order.
TEST(XmlParse, RecordsAndChildrenStayWithTheirElementInOrder)
{
    PooledNode node;
    ASSERT_NE(nullptr, node->Parse(L"<r a=\"1\">t1<c x=\"2\">u<g y=\"3\"/>v</c>t2<d/>t3</r>"));
    const auto records = [](Node* element) {
        std::wstring all;
        for (uint32_t i = 0; i < element->GetAttributes()->GetCount(); ++i) {
            const s::xml::AttrRecord* record = element->GetAttributes()->GetRecord(i);
            all += std::wstring(record->name) + L"=" + record->value + L";";
        }
        return all;
    };
    EXPECT_EQ(L"a=1;=t1;=t2;=t3;", records(node.get()));
    ASSERT_EQ(2u, node->GetChildCount());
    EXPECT_EQ(L"x=2;=u;=v;", records(node->ChildAt(0)));
    ASSERT_EQ(1u, node->ChildAt(0)->GetChildCount());
    EXPECT_EQ(L"y=3;", records(node->ChildAt(0)->ChildAt(0)));
    EXPECT_STREQ(L"d", node->ChildAt(1)->GetName());
    EXPECT_EQ(L"", records(node->ChildAt(1)));
}

// Parsing into a node already in use renames it and appends to what it holds.
TEST(XmlParse, AUsedNodeKeepsItsRecordsAndChildrenFirst)
{
    PooledNode node;
    node->SetName(L"old", kWhole);
    node->SetAttribute(L"kept", L"1");
    node->AddChild(L"first", kWhole);
    ASSERT_NE(nullptr, node->Parse(L"<new added=\"2\"><second/></new>"));
    EXPECT_EQ(L"<new kept=\"1\" added=\"2\"><first></first><second></second></new>", Written(node.get()));
    // The lists grow on from there, as a setter after a load needs.
    node->SetAttribute(L"later", L"3");
    node->AddChild(L"third", kWhole);
    EXPECT_EQ(L"<new kept=\"1\" added=\"2\" later=\"3\"><first></first><second></second><third></third></new>",
              Written(node.get()));
}

TEST(XmlParse, TagAndAttributeForms)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* written;
    } cases[] = {
        {L"<a/>", L"<a></a>"},
        {L"< a >x</a>", L"<a>x</a>"},
        {L"<a\tb=\"1\"></a>", L"<a b=\"1\"></a>"},
        {L"<a\nb=\"1\"\r\nc=\"2\"/>", L"<a b=\"1\" c=\"2\"></a>"},
        // Everything between the end of a name and the first quote is passed over.
        {L"<a b junk=\"1\"></a>", L"<a b=\"1\"></a>"},
        // Single quotes do not delimit values.
        {L"<a b=\"it's\"></a>", L"<a b=\"it's\"></a>"},
        // An end tag closes the open element whatever name it bears.
        {L"<a><b></x></y>", L"<a><b></b></a>"},
        {L"<a></>", L"<a></a>"},
        {L"<a>  </a>", L"<a></a>"},
        {L"<a><!----></a>", L"<a></a>"},
        {L"<a>t1<b/>t2<c/>t3</a>", L"<a>t1<b></b><c></c></a>"},
        {L"<r>x<a/>y<b/></r>", L"<r>x<a></a><b></b></r>"},
        {L"<r><!-- one -->x<!-- two --><a/><!----></r>", L"<r>x<a></a></r>"},
        // Leading blanks of a run are skipped, trailing ones kept as they stand.
        {L"<r>\r\n\t  x y \t\r\n</r>", L"<r>x y \t\r\n</r>"},
        {L"<\u00e9l\u00e9ment \u00e4=\"\u4e2d\">\U0001F600</\u00e9l\u00e9ment>",
         L"<\u00e9l\u00e9ment \u00e4=\"\u4e2d\">\U0001F600</\u00e9l\u00e9ment>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.written, Reparsed(c.text)) << c.text;
}

TEST(XmlParse, LeadingCommentIsTheWholeDocument)
{
    PooledNode node;
    const wchar_t* end = node->Parse(L"<!-- note --><root/>");
    ASSERT_NE(nullptr, end);
    EXPECT_STREQ(L"!--", node->GetName());
    EXPECT_TRUE(node->IsComment());
    EXPECT_STREQ(L"<root/>", end);
    EXPECT_EQ(0u, node->GetChildCount());
}

TEST(XmlParse, MalformedInputStopsAtTheEndOfTheText)
{
    const wchar_t* texts[] = {
        L"",
        L"no markup at all",
        L"<",
        L"<root",
        L"<root a=\"1",
        L"<root a=\"1\"",
        L"<root a",
        L"<root>",
        L"<root>text",
        L"<root><child></child>",         // unclosed element
        L"<root><child>",                 // two unclosed
        L"<root>1 < 2</root>",            // a stray "<" opens an element that is never closed
        L"<root><!-- never ends </root>",
        L"<!-- never ends",
        L"<root/",
        L"<root></root",
        L"<savedata><MainWindow x=\"1\"><View a=\"2\"></View></MainWin", // truncated file
    };
    for (const wchar_t* text : texts) {
        PooledNode node;
        EXPECT_EQ(text + wcslen(text), node->Parse(text)) << text;
    }
    PooledNode node;
    EXPECT_EQ(nullptr, node->Parse(nullptr));
}

TEST(XmlParse, TextEndingInsideKeepsWhatWasComplete)
{
    // What a cut-off document leaves: elements whose name was read keep the attributes, texts
    // and children complete before the end; a name, a value or a text run cut off is not read.
    struct Case {
        const wchar_t* text;
        const wchar_t* kept;
    } cases[] = {
        {L"<root", nullptr},
        {L"<root a=\"1\" b", L"<root a=\"1\"></root>"},
        {L"<root a=\"1", L"<root></root>"},
        {L"<root ", L"<root></root>"},
        {L"<root/", L"<root></root>"},
        {L"<root>", L"<root></root>"},
        {L"<root a=\"1\">text", L"<root a=\"1\"></root>"},
        {L"<root><child></child>", L"<root><child></child></root>"},
        {L"<root><child a=\"1\"><gr", L"<root><child a=\"1\"></child></root>"},
        {L"<root><child a=\"1\" b=\"2", L"<root><child a=\"1\"></child></root>"},
        {L"<root><chi", L"<root></root>"},
        {L"<root>t<!-- never ends", L"<root>t</root>"},
        {L"<savedata><MainWindow x=\"1\"><View a=\"2\"></View></MainWin",
         L"<savedata><MainWindow x=\"1\"><View a=\"2\"></View></MainWindow></savedata>"},
    };
    for (const Case& c : cases) {
        PooledNode node;
        EXPECT_EQ(c.text + wcslen(c.text), node->Parse(c.text)) << c.text;
        if (!c.kept) {
            EXPECT_EQ(nullptr, node->GetName()) << c.text;
            EXPECT_EQ(0u, node->GetAttributes()->GetCount()) << c.text;
        } else {
            EXPECT_EQ(c.kept, Written(node.get())) << c.text;
        }
    }
}

TEST(XmlParse, DeepNestingIsRefusedNotOverflowed)
{
    std::wstring deep;
    for (int i = 0; i < 100000; ++i)
        deep += L"<a>";
    PooledNode node;
    EXPECT_EQ(deep.c_str() + deep.size(), node->Parse(deep.c_str()));
    // The levels within the bound are kept, as in any document that ends too soon.
    uint32_t levels = 0;
    for (Node* level = node.get(); level; level = level->GetChildCount() ? level->ChildAt(0) : nullptr)
        ++levels;
    const uint32_t bound = Node::kMaxDepth;
    EXPECT_EQ(bound, levels);

    std::wstring fits;
    for (uint32_t i = 0; i < Node::kMaxDepth; ++i)
        fits += L"<a>";
    for (uint32_t i = 0; i < Node::kMaxDepth; ++i)
        fits += L"</a>";
    PooledNode ok;
    EXPECT_NE(nullptr, ok->Parse(fits.c_str()));
    EXPECT_EQ(fits, Written(ok.get()));
}

// A caller that reads one element after another until the text ends, as the dialect's readers
// are written: every call gives a position inside the text, never one it cannot read.
TEST(XmlParse, ReadingElementAfterElementEndsAtTheEndOfTheText)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* names; // the names read, in order
    } cases[] = {
        {L"<a/><b></b> text without markup", L"a b "},
        {L"no markup at all", L""},
        {L"<a/><!-- a comment that never ends <b/>", L"a !-- "},
        {L"<!-- note --><a x=\"1\"/>", L"!-- a "},
        {L"<a><b>cut off", L"a "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const wchar_t* end = c.text + wcslen(c.text);
        std::wstring names;
        int calls = 0;
        for (const wchar_t* p = c.text; *p; ++calls) {
            ASSERT_LT(calls, 10);
            PooledNode node;
            p = node->Parse(p);
            ASSERT_NE(nullptr, p);
            ASSERT_TRUE(p >= c.text && p <= end);
            if (node->GetName())
                names += std::wstring(node->GetName()) + L" ";
        }
        EXPECT_EQ(c.names, names);
    }
}

TEST(XmlParse, RandomBytesNeverCrash)
{
    std::mt19937 random(20261210);
    const char alphabet[] = "<>/=\"!- \tabc\r\n&;#\xC3\xA9\xFF";
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const size_t n = random() % 200;
        for (size_t i = 0; i < n; ++i) {
            // Half from the markup alphabet, half any byte, NUL included.
            bytes += random() % 2 ? alphabet[random() % (sizeof alphabet - 1)] : static_cast<char>(random());
        }
        Bytes input(bytes);
        PooledNode node;
        node->ParseBytes(input.get());
        // Whatever was read can be written.
        Written(node.get());
    }
}

TEST(XmlBytes, Utf8WithoutMarkAndBack)
{
    PooledNode node;
    node->SetName(L"r", kWhole);
    node->SetAttribute(L"v", L"\u00e9\u4e2d\U0001F600 & \"x\"");
    node->SetAttribute(L"", L"t");
    Bytes bytes;
    ASSERT_EQ(bytes.get(), node->WriteBytes(bytes.get(), false));
    const std::string expected = "<r v=\"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80 &amp; &quot;x&quot;\">t</r>";
    EXPECT_EQ(expected, bytes.str());

    // Reading accepts a leading byte-order mark.
    Bytes marked("\xEF\xBB\xBF" + expected);
    PooledNode back;
    EXPECT_TRUE(back->ParseBytes(marked.get()));
    EXPECT_EQ(L"\u00e9\u4e2d\U0001F600 & \"x\"", Decoded(back.get(), L"v"));
    Bytes again;
    back->WriteBytes(again.get(), false);
    EXPECT_EQ(expected, again.str());

    // Appending keeps what the array held.
    Bytes appended("ab");
    node->WriteBytes(appended.get(), true);
    EXPECT_EQ("ab" + expected, appended.str());
    ArrayU08* pooled = node->WriteBytes(nullptr, false);
    ASSERT_NE(nullptr, pooled);
    EXPECT_EQ(expected.size(), pooled->GetCount());
    pooled->ReleaseToPool();
}

TEST(XmlBytes, LeadingCommentsOfADocumentArePassedOver)
{
    // A hand-edited file that starts with a note must not read as a comment: its settings
    // would be written back inside one and never read again.
    Bytes input("\xEF\xBB\xBF<!-- note --> <!-- another --><savedata><A v=\"1\"/></savedata>");
    PooledNode node;
    EXPECT_TRUE(node->ParseBytes(input.get()));
    EXPECT_EQ(L"<savedata><A v=\"1\"></A></savedata>", Written(node.get()));

    Bytes only("<!-- nothing else -->");
    PooledNode none;
    EXPECT_FALSE(none->ParseBytes(only.get()));
    EXPECT_EQ(nullptr, none->GetName());
}

// The bytes a writer made, and nothing else, read as a clean document; a file with more, or
// with bytes that are not UTF-8, reads as far as it can and is reported as not clean.
TEST(XmlBytes, OnlyAWholeUtf8DocumentIsClean)
{
    struct Case {
        const char* what;
        std::string bytes;
        bool clean;
        const wchar_t* read;
    } cases[] = {
        {"as written", "<s><A v=\"1\"></A></s>", true, L"<s><A v=\"1\"></A></s>"},
        {"blanks after the root", "<s><A v=\"1\"></A></s>\r\n \t", true, L"<s><A v=\"1\"></A></s>"},
        {"root closed early", "<s><A v=\"1\"></A></s><B v=\"2\"></B></s>", false, L"<s><A v=\"1\"></A></s>"},
        {"text after the root", "<s></s>x", false, L"<s></s>"},
        {"comment after the root", "<s></s><!-- note -->", false, L"<s></s>"},
        {"NUL after the root", std::string("<s></s>\0<B/>", 12), false, L"<s></s>"},
        {"Latin-1 byte in a value", "<s><A v=\"caf\xE9\"></A></s>", false, L"<s><A v=\"caf\uFFFD\"></A></s>"},
        {"UTF-8 in a value", "<s><A v=\"caf\xC3\xA9\"></A></s>", true, L"<s><A v=\"caf\u00E9\"></A></s>"},
        {"Latin-1 byte after the root", "<s></s>\xA0", false, L"<s></s>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes input(c.bytes);
        PooledNode node;
        EXPECT_EQ(c.clean, node->ParseBytes(input.get()));
        EXPECT_EQ(c.read, Written(node.get()));
    }
}

TEST(XmlBytes, EmptyOrElementlessBytesFail)
{
    for (const char* text : {"", "\xEF\xBB\xBF", "   \r\n", "plain text"}) {
        Bytes input(text);
        PooledNode node;
        EXPECT_FALSE(node->ParseBytes(input.get())) << text;
        EXPECT_EQ(nullptr, node->GetName());
    }
}

TEST(XmlWrite, ElementTextKeepsItsSpacesThroughTheFile)
{
    PooledNode node;
    node->SetName(L"r", kWhole);
    node->SetAttribute(L"", L" a b ");
    EXPECT_STREQ(L"&#160;a&#160;b&#160;", node->GetAttribute(L"", nullptr));
    Bytes bytes;
    node->WriteBytes(bytes.get(), false);
    EXPECT_EQ("<r>&#160;a&#160;b&#160;</r>", bytes.str());
    PooledNode back;
    ASSERT_TRUE(back->ParseBytes(bytes.get()));
    EXPECT_STREQ(L"&#160;a&#160;b&#160;", back->GetAttribute(L"", nullptr));
    EXPECT_EQ(L" a b ", Decoded(back.get(), L""));
}

TEST(XmlWrite, StoredTreeWritesStably)
{
    PooledNode node;
    node->SetName(L"savedata", kWhole);
    Node* view = static_cast<Node*>(node->AddChild(L"MainWindow", kWhole)->AddChild(L"View", kWhole));
    view->SetInt32Attribute(L"Width", 320);
    view->SetAttribute(L"Font", L"Segoe UI, 9 & \"bold\"");
    view->SetAttribute(L"", L" label ");
    node->AddChild(L"Empty", kWhole);
    const std::wstring first = Written(node.get());
    EXPECT_EQ(L"<savedata><MainWindow><View Width=\"320\" Font=\"Segoe UI, 9 &amp; &quot;bold&quot;\">"
              L"&#160;label&#160;</View></MainWindow><Empty></Empty></savedata>",
              first);
    PooledNode back;
    ASSERT_NE(nullptr, back->Parse(first.c_str()));
    EXPECT_EQ(first, Written(back.get()));

    // Appending and the pooled target.
    Str out(L"x");
    node->Write(out.get(), true);
    EXPECT_EQ(L"x" + first, Text(out.get()));
    StrBuffer* pooled = node->Write(nullptr, false);
    EXPECT_EQ(first, Text(pooled));
    pooled->ReleaseToPool();
}
