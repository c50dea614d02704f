#include <gtest/gtest.h>

#include <string>

#include "core/col/Arrays.h"
#include "storage/file/FailingBytes.h"
#include "storage/file/PathWin.h"
#include "storage/file/TempFolder.h"
#include "storage/file/WholeFile.h"
#include "storage/xml/XmlTestSupport.h"

using namespace xmltest;
using s::col::_array::ArrayU08;
using s::file::win::PathWin;
using s::file::win::WholeFile;

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


TEST(XmlFile, ShortReadParsesOnlyWhatArrived)
{
    // The first section, then a value long enough to run past the reader's first chunks, then
    // a section the failing read never delivers.
    const std::string text = "<savedata><A v=\"1\"></A><P t=\"" + std::string(6000, 'x') + "\"></P><B v=\"2\"></B></savedata>";
    FailingBytes stream(text, 4096);
    ArrayU08* bytes = ArrayU08::New();
    EXPECT_FALSE(WholeFile::ReadFrom(&stream, bytes));
    ASSERT_EQ(4096u, bytes->GetCount());
    PooledNode node;
    EXPECT_FALSE(node->ParseBytes(bytes));
    // What arrived was read, the value cut in it was not, and nothing beyond it.
    EXPECT_EQ(L"<savedata><A v=\"1\"></A><P></P></savedata>", Written(node.get()));
    bytes->ReleaseToPool();
}
