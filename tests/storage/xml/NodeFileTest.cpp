#include <gtest/gtest.h>

#include <string>

#include "storage/file/PathWin.h"
#include "storage/file/TempFolder.h"
#include "storage/xml/XmlTestSupport.h"

using namespace xmltest;
using s::file::win::PathWin;

TEST(XmlFile, SaveMakesFoldersAndLoadReadsItBack)
{
    TempFolder folder;
    const std::wstring file = folder / L"a\\b\\doc.xml";
    PooledNode node;
    node->SetName(L"doc", StrBuffer::kWhole);
    node->AddChild(L"item", StrBuffer::kWhole)->SetAttribute(L"v", L"\u00fc & <");
    Str path(file.c_str());
    ASSERT_TRUE(node->SaveFileText(path.get()));
    EXPECT_EQ("<doc><item v=\"\xC3\xBC &amp; &lt;\"></item></doc>", TempFolder::ReadFileBytes(file));

    PooledNode back;
    ASSERT_TRUE(back->LoadFileText(path.get()));
    EXPECT_EQ(Written(node.get()), Written(back.get()));
}

TEST(XmlFile, MissingOrEmptyFileLoadsNothing)
{
    TempFolder folder;
    PathWin* missing = PathWin::CreateFromText((folder / L"missing.xml").c_str());
    PooledNode node;
    EXPECT_FALSE(node->LoadFile(missing));
    EXPECT_EQ(nullptr, node->GetName());
    missing->ReleaseToPool();

    TempFolder::WriteFileBytes(folder / L"empty.xml", "");
    PathWin* empty = PathWin::CreateFromText((folder / L"empty.xml").c_str());
    EXPECT_FALSE(node->LoadFile(empty));
    EXPECT_EQ(nullptr, node->GetName());
    empty->ReleaseToPool();
}

TEST(XmlFile, LargeDocumentRoundTrips)
{
    TempFolder folder;
    PooledNode node;
    node->SetName(L"big", StrBuffer::kWhole);
    for (int i = 0; i < 5000; ++i)
        node->AddChild(L"entry", StrBuffer::kWhole)->SetInt32Attribute(L"i", i);
    PathWin* path = PathWin::CreateFromText((folder / L"big.xml").c_str());
    ASSERT_TRUE(node->SaveFile(path));
    PooledNode back;
    ASSERT_TRUE(back->LoadFile(path));
    ASSERT_EQ(5000u, back->GetChildCount());
    EXPECT_EQ(4999, back->ChildAt(4999)->GetInt32Attribute(L"i", -1));
    path->ReleaseToPool();
}
