#include <gtest/gtest.h>

#include <string>

#include "storage/xml/AttrFactory.h"
#include "storage/xml/XmlTestSupport.h"

using namespace xmltest;
using s::xml::AttrFactory;
using s::xml::AttrRecord;
using s::xml::Attributes;
using s::xml::IXml;

namespace {

const uint32_t kWhole = StrBuffer::kWhole;

std::wstring ChildNames(Node* node)
{
    std::wstring names;
    for (uint32_t i = 0; i < node->GetChildCount(); ++i) {
        if (i)
            names += L",";
        names += node->ChildAt(i)->GetName();
    }
    return names;
}

} // namespace

TEST(XmlNodeProtocol, NamesAndFreshState)
{
    PooledNode node;
    EXPECT_STREQ(L"s_xml_Node", node->GetClassName());
    EXPECT_EQ(nullptr, node->GetName());
    EXPECT_EQ(0u, node->GetChildCount());
    EXPECT_EQ(0u, node->GetAttributes()->GetCount());
    EXPECT_STREQ(L"s_xml_Attributes", node->GetAttributes()->GetClassName());
    EXPECT_STREQ(L"s_xml_AttrFactory", AttrFactory::Get()->GetClassName());
}

TEST(XmlNodeProtocol, GivenBackNodeComesOutEmpty)
{
    Node* node = Node::New();
    node->SetName(L"root", kWhole);
    node->SetAttribute(L"a", L"1");
    node->AddChild(L"child", kWhole)->AddChild(L"grandchild", kWhole);
    node->ReleaseToPool();
    // The pool hands out the node given back last.
    Node* again = Node::New();
    EXPECT_EQ(nullptr, again->GetName());
    EXPECT_EQ(0u, again->GetChildCount());
    EXPECT_EQ(0u, again->GetAttributes()->GetCount());
    again->ReleaseToPool();
}

TEST(XmlNodeLookup, FirstMatchIgnoringAsciiCaseOnly)
{
    PooledNode node;
    node->SetAttribute(L"a", L"1");
    node->SetAttribute(L"a", L"2");
    node->SetAttribute(L"\u00c9t\u00e9", L"summer");
    // A second set of the same name is appended and stays invisible behind the first.
    EXPECT_EQ(3u, node->GetAttributes()->GetCount());
    EXPECT_STREQ(L"1", node->GetAttribute(L"a", nullptr));
    EXPECT_STREQ(L"1", node->GetAttribute(L"A", nullptr));
    // Only A-Z fold: the T matches, an accented capital does not match its small letter.
    EXPECT_STREQ(L"summer", node->GetAttribute(L"\u00c9T\u00e9", nullptr));
    const wchar_t* fallback = L"fallback";
    EXPECT_EQ(fallback, node->GetAttribute(L"\u00e9t\u00e9", fallback));
    EXPECT_EQ(fallback, node->GetAttribute(L"aa", fallback));

    // Removing the first record makes the second one visible.
    EXPECT_TRUE(node->GetAttributes()->RemoveFirst(L"A"));
    EXPECT_STREQ(L"2", node->GetAttribute(L"a", nullptr));
}

TEST(XmlNodeLookup, EmptyNameFindsFirstTextRun)
{
    PooledNode node;
    node->SetAttribute(L"name", L"x");
    node->SetAttribute(L"", L"first text");
    node->SetAttribute(L"", L"second");
    EXPECT_STREQ(L"first&#160;text", node->GetAttribute(L"", nullptr));
    EXPECT_EQ(L"first text", Decoded(node.get(), L""));
    EXPECT_EQ(L"<none>", Decoded(node.get(), L"missing"));
}

TEST(XmlNodeChildren, NameComparisonRules)
{
    PooledNode node;
    node->AddChild(L"entries", kWhole);
    node->AddChild(L"entry", kWhole);
    node->AddChild(L"entri", kWhole);
    struct Case {
        const wchar_t* name;
        uint32_t length;
        const wchar_t* found;
    } cases[] = {
        {L"ENTRY", kWhole, L"entry"},   // whole text: ASCII case folded
        {L"ENTRY", 5, nullptr},         // counted: case counts
        {L"entries", 5, L"entri"},      // counted: the text beyond n is ignored
        {L"entries", kWhole, L"entries"},
        {L"entr", 4, nullptr},          // the name must end right after n units
        {L"missing", kWhole, nullptr},
    };
    for (const Case& c : cases) {
        IXml* child = node->FindChild(c.name, c.length);
        if (!c.found) {
            EXPECT_EQ(nullptr, child) << c.name << " " << c.length;
            continue;
        }
        ASSERT_NE(nullptr, child) << c.name << " " << c.length;
        EXPECT_STREQ(c.found, child->GetName()) << c.name << " " << c.length;
    }
    uint32_t index = 99;
    EXPECT_TRUE(node->FindChildIndex(L"entri", &index, 5));
    EXPECT_EQ(2u, index);
    index = 99;
    EXPECT_FALSE(node->FindChildIndex(L"none", &index, kWhole));
    EXPECT_EQ(99u, index);
    EXPECT_TRUE(node->FindChildIndex(L"entry", nullptr, kWhole));
}

TEST(XmlNodeChildren, CountedNameNeverMatchesUnnamedOrNul)
{
    PooledNode node;
    Node* unnamed = Node::New();
    node->AppendChild(unnamed);
    EXPECT_FALSE(unnamed->NameEquals(L"", 0));
    unnamed->SetName(L"", 0);
    EXPECT_TRUE(unnamed->NameEquals(L"", 0));
    EXPECT_TRUE(unnamed->NameEquals(L"", kWhole));
    unnamed->SetName(L"ab", kWhole);
    EXPECT_FALSE(unnamed->NameEquals(L"a\0b", 3));
    EXPECT_TRUE(unnamed->IsComment() == false);
    unnamed->SetName(L"!--", kWhole);
    EXPECT_TRUE(unnamed->IsComment());
}

TEST(XmlNodeChildren, RemovalKeepsTheOthersInOrder)
{
    PooledNode node;
    for (const wchar_t* name : {L"a", L"b", L"c", L"d"})
        node->AddChild(name, kWhole);
    node->RemoveChildAt(3);
    EXPECT_EQ(L"a,b,c", ChildNames(node.get()));
    node->RemoveChildAt(1);
    EXPECT_EQ(L"a,c", ChildNames(node.get()));
    // Beyond the count: nothing happens, and there is no child.
    node->RemoveChildAt(7);
    EXPECT_EQ(L"a,c", ChildNames(node.get()));
    EXPECT_EQ(nullptr, node->GetChild(2));
    EXPECT_STREQ(L"c", node->GetChild(1)->GetName());
}

TEST(XmlNodeChildren, RemovedChildGoesBackToThePoolEmptied)
{
    PooledNode node;
    Node* child = static_cast<Node*>(node->AddChild(L"child", kWhole));
    child->SetAttribute(L"k", L"v");
    child->AddChild(L"inner", kWhole);
    const uint32_t idle = Node::GetPool()->GetIdleCount();
    node->RemoveChildAt(0);
    // The child and, through its reset, its own child are idle again.
    EXPECT_EQ(idle + 2, Node::GetPool()->GetIdleCount());
    Node* taken = Node::New();
    EXPECT_EQ(child, taken);
    EXPECT_EQ(nullptr, taken->GetName());
    EXPECT_EQ(0u, taken->GetChildCount());
    EXPECT_EQ(0u, taken->GetAttributes()->GetCount());
    taken->ReleaseToPool();
}

TEST(XmlAttrFactory, KeepsOneMoreThanItsLimitThenDestroys)
{
    AttrFactory factory;
    const uint32_t limit = 1000;
    for (uint32_t i = 0; i < limit + 2; ++i) {
        AttrRecord* record = static_cast<AttrRecord*>(factory.Generate());
        ASSERT_NE(nullptr, record);
        factory.Give(record, -1);
    }
    EXPECT_EQ(limit + 1, factory.GetHeldCount());
}

TEST(XmlAttrFactory, GivenRecordIsResetAndReused)
{
    AttrFactory factory;
    AttrRecord* record = static_cast<AttrRecord*>(factory.Take());
    ASSERT_NE(nullptr, record);
    EXPECT_EQ(0u, record->nameLength);
    EXPECT_EQ(nullptr, record->name);
    void* slot = record;
    // The destructor face gives the record back and clears the slot.
    factory.Destroy(&slot);
    EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(1u, factory.GetHeldCount());
    EXPECT_EQ(record, factory.Take());
    AttrFactory::FreeRecord(record);
}

TEST(XmlAttrFactory, RecordsOfClearedNodesReturnToTheSharedFactory)
{
    PooledNode node;
    node->SetAttribute(L"a", L"1");
    node->SetAttribute(L"", L"text");
    const uint32_t held = AttrFactory::Get()->GetHeldCount();
    node->Clear();
    // The free list keeps at most 1,001 records.
    const uint32_t expected = held + 2 < 1001 ? held + 2 : 1001;
    EXPECT_EQ(expected, AttrFactory::Get()->GetHeldCount());
    EXPECT_EQ(0u, node->GetAttributes()->GetCount());
}
