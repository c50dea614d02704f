// The file dialog front: what a fresh or reused opener holds, and the filter text it builds.
#include <string>

#include <gtest/gtest.h>

#include "windowing/dialogs/FileOpener.h"

namespace {

using s::gui::dialogs::win::FileOpener;

TEST(FileOpenerTest, SettersAndResetGiveWhatTheDialogReads)
{
    FileOpener* opener = FileOpener::New();
    ASSERT_NE(nullptr, opener);
    EXPECT_TRUE(opener->IsOpenMode());
    EXPECT_TRUE(opener->IsFollowLinks());
    EXPECT_FALSE(opener->IsMultiSelect());
    opener->SetOpenMode(true, false);
    EXPECT_TRUE(opener->IsMultiSelect());
    EXPECT_FALSE(opener->IsFollowLinks());
    opener->SetSaveMode();
    EXPECT_FALSE(opener->IsOpenMode());
    opener->SetInitialFolder(L"C:\\skins");
    opener->SetFileName(L"report.txt");
    opener->SetDefaultExtension(L"txt");
    EXPECT_STREQ(L"C:\\skins", opener->GetInitialFolder());
    EXPECT_STREQ(L"report.txt", opener->GetFileName());
    EXPECT_STREQ(L"txt", opener->GetDefaultExtension());
    opener->SetDefaultExtension(nullptr);
    EXPECT_STREQ(L"", opener->GetDefaultExtension());
    opener->GetPaths()->AddText(L"C:\\skins\\a.xml");
    opener->AddFilter(L"Skin set", L"*.xml");

    opener->ReleaseToPool();
    FileOpener* again = FileOpener::New();
    ASSERT_EQ(opener, again);
    EXPECT_TRUE(again->IsOpenMode());
    EXPECT_TRUE(again->IsFollowLinks());
    EXPECT_FALSE(again->IsMultiSelect());
    EXPECT_STREQ(L"", again->GetInitialFolder());
    EXPECT_STREQ(L"", again->GetFileName());
    EXPECT_STREQ(L"", again->GetDefaultExtension());
    EXPECT_STREQ(L"", again->GetFilter());
    EXPECT_STREQ(L"", again->GetPath());
    again->GetPaths()->Clear();
    again->ReleaseToPool();
}

TEST(FileOpenerTest, FiltersJoinNamesAndPatternsWithBars)
{
    FileOpener* opener = FileOpener::New();
    EXPECT_TRUE(opener->AddFilter(L"Skin set", L"*.xml"));
    EXPECT_TRUE(opener->AddFilter(L"All files", L"*.*"));
    EXPECT_STREQ(L"Skin set|*.xml|All files|*.*|", opener->GetFilter());

    // Parts the dialog could not read back as one piece are refused and change nothing.
    struct Case {
        const wchar_t* name;
        const wchar_t* pattern;
    };
    const Case refused[] = {
        {nullptr, L"*.txt"}, {L"Text", nullptr}, {L"", L"*.txt"}, {L"Text", L""}, {L"A|B", L"*.txt"}, {L"Text", L"*.t|t"},
    };
    for (const Case& c : refused)
        EXPECT_FALSE(opener->AddFilter(c.name, c.pattern));
    const std::wstring longName(FileOpener::kMaxFilterLength, L'n');
    EXPECT_FALSE(opener->AddFilter(longName.c_str(), L"*.txt"));
    EXPECT_STREQ(L"Skin set|*.xml|All files|*.*|", opener->GetFilter());
    opener->ReleaseToPool();
}

} // namespace
