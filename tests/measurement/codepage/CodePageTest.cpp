#include "measurement/codepage/CodePage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

using s::col::_array::ArrayP;
using s::system::codepage::CodePage;

namespace {

int32_t IndexOfNumber(int32_t number)
{
    ArrayP& list = CodePage::GetInstalled();
    for (uint32_t i = 0; i < list.GetCount(); ++i)
        if (CodePage::GetAt(i)->number == number)
            return static_cast<int32_t>(i);
    return -1;
}

// First in this program, so that these threads are the ones that load the list.
TEST(CodePage, LoadedOnceWhateverThreadsAskFirst)
{
    std::vector<std::thread> askers;
    for (int i = 0; i < 8; ++i)
        askers.emplace_back([] {
            if (!CodePage::IsLoaded())
                CodePage::LoadInstalled();
        });
    for (std::thread& t : askers)
        t.join();
    ASSERT_TRUE(CodePage::IsLoaded());

    ArrayP& list = CodePage::GetInstalled();
    std::set<int32_t> numbers;
    for (uint32_t i = 0; i < list.GetCount(); ++i) {
        CodePage* entry = CodePage::GetAt(i);
        EXPECT_TRUE(numbers.insert(entry->number).second) << "twice: " << entry->number;
        // Only named code pages are offered.
        ASSERT_NE(nullptr, CodePage::DisplayNameOf(entry->number)) << entry->number;
        EXPECT_STREQ(CodePage::DisplayNameOf(entry->number), entry->name.GetText());
    }
    const uint32_t count = list.GetCount();
    CodePage::LoadInstalled();
    EXPECT_EQ(count, list.GetCount());
}

TEST(CodePage, TheUtf16RecordsAreAlwaysThere)
{
    CodePage* utf16 = CodePage::GetUtf16();
    CodePage* utf16Be = CodePage::GetUtf16Be();
    ASSERT_NE(nullptr, utf16);
    ASSERT_NE(nullptr, utf16Be);
    EXPECT_EQ(1200, utf16->number);
    EXPECT_STREQ(L"UTF-16", utf16->name.GetText());
    EXPECT_EQ(1201, utf16Be->number);
    EXPECT_STREQ(L"UTF-16BE", utf16Be->name.GetText());
    // The remembered records are the list's own entries.
    EXPECT_EQ(utf16, CodePage::GetAt(static_cast<uint32_t>(IndexOfNumber(1200))));
    EXPECT_EQ(utf16Be, CodePage::GetAt(static_cast<uint32_t>(IndexOfNumber(1201))));
    EXPECT_STREQ(L"s_system_codepage_CodePage", utf16->GetClassName());
}

TEST(CodePage, SortedByDisplayNameNotByNumber)
{
    ArrayP& list = CodePage::GetInstalled();
    for (uint32_t i = 1; i < list.GetCount(); ++i)
        EXPECT_LE(CodePage::GetAt(i - 1)->name.CompareToIgnoreCase(&CodePage::GetAt(i)->name), 0)
            << i << ": " << CodePage::GetAt(i)->number;
    const int32_t arabic = IndexOfNumber(1256);
    const int32_t baltic = IndexOfNumber(1257);
    ASSERT_GE(arabic, 0);
    ASSERT_GE(baltic, 0);
    EXPECT_LT(arabic, baltic);
    // 1252 "Western" sorts after 1256 "Arabic" although its number is lower.
    const int32_t western = IndexOfNumber(1252);
    ASSERT_GE(western, 0);
    EXPECT_LT(arabic, western);
}

TEST(CodePage, TheOemEntryFallsBackToUtf8ThenToTheFirst)
{
    const int32_t western = IndexOfNumber(1252);
    ASSERT_GE(western, 0);
    EXPECT_EQ(western, CodePage::IndexForOem(1252));

    CodePage* utf8 = CodePage::GetUtf8();
    const int32_t unnamed = 12345;
    if (utf8) {
        EXPECT_EQ(65001, utf8->number);
        EXPECT_EQ(IndexOfNumber(65001), CodePage::IndexForOem(unnamed));
    } else {
        EXPECT_EQ(0, CodePage::IndexForOem(unnamed));
    }

    const int32_t oem = CodePage::GetOemIndex();
    ASSERT_GE(oem, 0);
    ASSERT_LT(static_cast<uint32_t>(oem), CodePage::GetInstalled().GetCount());
    if (CodePage::DisplayNameOf(static_cast<int32_t>(GetOEMCP())) && IndexOfNumber(static_cast<int32_t>(GetOEMCP())) >= 0) {
        EXPECT_EQ(static_cast<int32_t>(GetOEMCP()), CodePage::GetAt(static_cast<uint32_t>(oem))->number);
    }
}

TEST(CodePage, NamesOfTheTable)
{
    struct Case {
        int32_t number;
        const wchar_t* name;
    };
    const Case cases[] = {
        {850, L"Western (IBM-850)"}, {1256, L"Arabic (Windows-1256)"}, {65001, L"UTF-8"}, {1200, L"UTF-16"},
        {437, nullptr},              {0, nullptr},
    };
    for (const Case& c : cases) {
        if (c.name) {
            EXPECT_STREQ(c.name, CodePage::DisplayNameOf(c.number));
        } else {
            EXPECT_EQ(nullptr, CodePage::DisplayNameOf(c.number)) << c.number;
        }
    }
}

TEST(CodePage, APooledRecordComesBackEmpty)
{
    CodePage* record = CodePage::New();
    record->number = 1252;
    record->name.Assign(L"Western");
    record->ReleaseToPool();
    CodePage* again = CodePage::New();
    EXPECT_EQ(record, again);
    EXPECT_EQ(0, again->number);
    EXPECT_EQ(0u, again->name.GetLength());
    again->ReleaseToPool();
}

} // namespace
