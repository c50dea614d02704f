#include "storage/archive/dll/win/Entry.h"

#include <gtest/gtest.h>

#include "core/str/StrBuffer.h"

namespace {

using s::archive::dll::win::Entry;

TEST(ArchiveEntry, NamesAndTypesAreNumbersBelow0x10000)
{
    Entry* entry = Entry::New();
    ASSERT_NE(nullptr, entry);
    entry->SetName(MAKEINTRESOURCEW(0xFFFF));
    EXPECT_TRUE(entry->IsNameId());
    EXPECT_EQ(0xFFFFu, entry->GetNameId());
    entry->SetName(L"Icon");
    EXPECT_TRUE(entry->IsNameText());
    EXPECT_STREQ(L"Icon", entry->GetNameText());
    // A text name leaves the number as it was.
    EXPECT_EQ(0xFFFFu, entry->GetNameId());

    entry->SetType(MAKEINTRESOURCEW(14));
    EXPECT_TRUE(entry->IsTypeCode());
    EXPECT_EQ(10u, entry->GetTypeCode());
    EXPECT_EQ(14u, entry->GetRtType());
    entry->SetType(MAKEINTRESOURCEW(240));
    EXPECT_EQ(240u, entry->GetTypeCode());
    EXPECT_EQ(240u, entry->GetRtType());
    entry->SetType(L"IDR_XML");
    EXPECT_TRUE(entry->IsTypeText());
    EXPECT_STREQ(L"IDR_XML", entry->GetTypeText());
    EXPECT_EQ(240u, entry->GetTypeCode());
    entry->SetTypeCode(3);
    EXPECT_TRUE(entry->IsTypeCode());
    EXPECT_EQ(2u, entry->GetRtType());

    entry->SetLanguage(0x07);
    entry->SetSubLanguage(0x01);
    EXPECT_EQ(0x0407, entry->GetLanguageId());
    EXPECT_EQ(128u, entry->GetAttributes());
    EXPECT_STREQ(L"s_archive_dll_win_Entry", entry->GetClassName());
    entry->ReleaseToPool();
}

TEST(ArchiveEntry, BackFromThePoolAsNew)
{
    Entry* entry = Entry::New();
    ASSERT_NE(nullptr, entry);
    entry->SetSize(12);
    entry->SetName(L"Name");
    entry->SetType(L"Type");
    entry->SetLanguage(9);
    entry->SetSubLanguage(1);
    entry->SetHandle(reinterpret_cast<HRSRC>(8));
    entry->Reset();
    EXPECT_EQ(0u, entry->GetSize());
    EXPECT_TRUE(entry->IsNameId());
    EXPECT_EQ(0u, entry->GetNameId());
    EXPECT_EQ(0u, entry->GetNameStr()->GetLength());
    EXPECT_TRUE(entry->IsTypeCode());
    EXPECT_EQ(0u, entry->GetTypeCode());
    EXPECT_EQ(0u, entry->GetTypeStr()->GetLength());
    EXPECT_EQ(0, entry->GetLanguage());
    EXPECT_EQ(0, entry->GetSubLanguage());
    EXPECT_EQ(nullptr, entry->GetHandle());
    entry->ReleaseToPool();
}

} // namespace
