#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "storage/file/PathArray.h"
#include "storage/file/ShellServices.h"

using namespace file_test;
using s::file::win::PathWin;

namespace {

// A tree with plain, hidden and system entries:
//   a.txt  hidden.txt (hidden)  system.txt (system)  sub\  sub\b.txt  sub\deeper\  sub\deeper\c.txt
//   sub\deeper\x.txt\ (a folder named like a file)  .hiddendir\ (hidden) .hiddendir\h.txt
class PathWinListings : public ::testing::Test {
protected:
    TempFolder folder;

    void SetUp() override
    {
        TempFolder::WriteFileBytes(folder / L"a.txt", "a");
        TempFolder::WriteFileBytes(folder / L"hidden.txt", "h");
        SetFileAttributesW((folder / L"hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
        TempFolder::WriteFileBytes(folder / L"system.txt", "s");
        SetFileAttributesW((folder / L"system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
        MakeFolder(folder / L"sub");
        TempFolder::WriteFileBytes(folder / L"sub\\b.txt", "b");
        MakeFolder(folder / L"sub\\deeper");
        TempFolder::WriteFileBytes(folder / L"sub\\deeper\\c.txt", "c");
        TempFolder::WriteFileBytes(folder / L"sub\\deeper\\d.bin", "d");
        MakeFolder(folder / L"sub\\deeper\\x.txt");
        MakeFolder(folder / L".hiddendir");
        SetFileAttributesW((folder / L".hiddendir").c_str(), FILE_ATTRIBUTE_HIDDEN);
        TempFolder::WriteFileBytes(folder / L".hiddendir\\h.txt", "h");
    }

    static std::vector<std::wstring> Sorted(std::vector<std::wstring> texts)
    {
        std::sort(texts.begin(), texts.end());
        return texts;
    }

    std::vector<std::wstring> Full(std::initializer_list<const wchar_t*> names) const
    {
        std::vector<std::wstring> texts;
        for (const wchar_t* name : names)
            texts.push_back(folder / name);
        return Sorted(texts);
    }
};

} // namespace

TEST_F(PathWinListings, HiddenAndSystemEntriesFollowExplorer)
{
    Path top(MakePath(folder.Path()));
    {
        ExplorerSetting hidden(L"Hidden", 2), super(L"ShowSuperHidden", 0);
        EXPECT_EQ(Sorted({L"a.txt", L"sub"}), Sorted(TextsOf(top->ListNames(false, false))));
        EXPECT_EQ(Sorted({L".hiddendir", L"a.txt", L"hidden.txt", L"sub", L"system.txt"}),
                  Sorted(TextsOf(top->ListNames(false, true))));
    }
    {
        ExplorerSetting hidden(L"Hidden", 1), super(L"ShowSuperHidden", 0);
        EXPECT_EQ(Sorted({L".hiddendir", L"a.txt", L"hidden.txt", L"sub"}),
                  Sorted(TextsOf(top->ListNames(false, false))));
    }
    {
        ExplorerSetting hidden(L"Hidden", 1), super(L"ShowSuperHidden", 1);
        EXPECT_EQ(5u, TextsOf(top->ListNames(false, false)).size());
    }
}

TEST_F(PathWinListings, DosStartFilesAreHiddenOnTheWindowsVolumeOnly)
{
    TempFolder::WriteFileBytes(folder / L"config.sys", "c");
    TempFolder::WriteFileBytes(folder / L"Autoexec.Bat", "a");
    Path top(MakePath(folder.Path()));
    const bool onWindowsVolume =
        CompareStringOrdinal(top->GetRootText(), -1, s::system::win::GetSystemDriveRoot(), -1, TRUE) == CSTR_EQUAL;
    ExplorerSetting hidden(L"Hidden", 2), super(L"ShowSuperHidden", 0);
    const std::vector<std::wstring> names = TextsOf(top->ListFileNames(false, false));
    const bool listed = std::find(names.begin(), names.end(), L"config.sys") != names.end();
    EXPECT_EQ(!onWindowsVolume, listed);
    EXPECT_EQ(listed, std::find(names.begin(), names.end(), L"Autoexec.Bat") != names.end());
    const std::vector<std::wstring> all = TextsOf(top->ListFileNames(false, true));
    EXPECT_NE(all.end(), std::find(all.begin(), all.end(), L"config.sys"));
}

TEST_F(PathWinListings, NamesFoldersAndFilesWithFullTexts)
{
    Path top(MakePath(folder.Path()));
    EXPECT_EQ(Full({L".hiddendir", L"sub"}), Sorted(TextsOf(top->ListFolderNames(true, true))));
    EXPECT_EQ(Full({L"a.txt", L"hidden.txt", L"system.txt"}), Sorted(TextsOf(top->ListFileNames(true, true))));
    // A missing folder lists nothing.
    EXPECT_TRUE(TextsOf(Path(MakePath(folder / L"missing"))->ListNames(false, true)).empty());
}

TEST_F(PathWinListings, RecursiveListingsPutEachFolderBeforeItsEntries)
{
    Path top(MakePath(folder.Path()));
    const std::vector<std::wstring> entries = TextsOf(top->ListEntries(true, true, nullptr));
    EXPECT_EQ(Full({L".hiddendir", L".hiddendir\\h.txt", L"a.txt", L"hidden.txt", L"sub", L"sub\\b.txt",
                    L"sub\\deeper", L"sub\\deeper\\c.txt", L"sub\\deeper\\d.bin", L"sub\\deeper\\x.txt",
                    L"system.txt"}),
              Sorted(entries));
    // Depth first: a folder's whole listing follows it at once.
    for (size_t i = 0; i < entries.size(); ++i) {
        for (size_t j = 0; j < entries.size(); ++j) {
            const std::wstring& a = entries[i];
            if (entries[j].compare(0, a.size() + 1, a + L"\\") == 0) {
                EXPECT_LT(i, j) << a << " before " << entries[j];
            }
        }
    }
    const auto sub = std::find(entries.begin(), entries.end(), folder / L"sub") - entries.begin();
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(0u, entries[sub + k].find(folder / L"sub\\")) << entries[sub + k];

    EXPECT_EQ(Full({L".hiddendir", L"sub", L"sub\\deeper", L"sub\\deeper\\x.txt"}),
              Sorted(TextsOf(top->ListFolders(true, true, nullptr))));
    EXPECT_EQ(Full({L".hiddendir\\h.txt", L"a.txt", L"hidden.txt", L"sub\\b.txt", L"sub\\deeper\\c.txt",
                    L"sub\\deeper\\d.bin", L"system.txt"}),
              Sorted(TextsOf(top->ListFiles(true, true, nullptr))));
    // Not recursive: the top folder's own entries.
    EXPECT_EQ(Full({L"sub\\b.txt", L"sub\\deeper"}),
              Sorted(TextsOf(Path(MakePath(folder / L"sub"))->ListEntries(true, false, nullptr))));
}

TEST_F(PathWinListings, RecursiveListingsSkipWhatTheFilterHides)
{
    ExplorerSetting hidden(L"Hidden", 2), super(L"ShowSuperHidden", 0);
    Path top(MakePath(folder.Path()));
    EXPECT_EQ(Full({L"a.txt", L"sub\\b.txt", L"sub\\deeper\\c.txt", L"sub\\deeper\\d.bin"}),
              Sorted(TextsOf(top->ListFiles(false, true, nullptr))));
}

TEST_F(PathWinListings, ListingsIntoAPathListAndAGivenArray)
{
    Path top(MakePath(folder / L"sub"));
    s::file::win::PathArray* list = top->ListFilesInto(true, true, nullptr);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(3u, list->GetCount());
    // Appends to a list that already holds paths.
    top->ListFoldersInto(true, false, list);
    EXPECT_EQ(4u, list->GetCount());
    EXPECT_EQ(folder / L"sub\\deeper", std::wstring(list->GetAt(3)->GetText()));
    list->ReleaseToPool();

    s::col::_array::ArrayP* given = s::col::_array::ArrayP::NewWithCleaner(PathWin::GetPool());
    EXPECT_EQ(given, top->ListFiles(true, false, given));
    EXPECT_EQ(1u, given->GetCount());
    given->ReleaseToPool();
}

TEST_F(PathWinListings, EntriesAndEmptyFolders)
{
    MakeFolder(folder / L"empty");
    MakeFolder(folder / L"onlyhidden");
    TempFolder::WriteFileBytes(folder / L"onlyhidden\\h", "h");
    SetFileAttributesW((folder / L"onlyhidden\\h").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ExplorerSetting hidden(L"Hidden", 2);
    Path empty(MakePath(folder / L"empty")), onlyHidden(MakePath(folder / L"onlyhidden"));
    EXPECT_TRUE(empty->IsEmptyDirectory());
    EXPECT_FALSE(empty->HasEntries(true));
    // Emptiness counts every entry, whatever Explorer shows.
    EXPECT_FALSE(onlyHidden->IsEmptyDirectory());
    EXPECT_TRUE(onlyHidden->HasEntries(true));
    EXPECT_FALSE(onlyHidden->HasEntries(false));
    EXPECT_FALSE(Path(MakePath(folder / L"a.txt"))->IsEmptyDirectory());
}

TEST_F(PathWinListings, WildcardMatchesRecursively)
{
    Path pattern(MakePath(folder / L"*.txt"));
    EXPECT_EQ(Full({L"a.txt", L"hidden.txt", L"system.txt"}),
              Sorted(TextsOf(pattern->FindMatches(true, false, nullptr))));
    EXPECT_EQ(Full({L".hiddendir\\h.txt", L"a.txt", L"hidden.txt", L"sub\\b.txt", L"sub\\deeper\\c.txt",
                    L"system.txt"}),
              Sorted(TextsOf(pattern->FindMatches(true, true, nullptr))));
    // The folder named x.txt matches only when folders are asked for.
    EXPECT_EQ(Full({L".hiddendir\\h.txt", L"a.txt", L"hidden.txt", L"sub\\b.txt", L"sub\\deeper\\c.txt",
                    L"sub\\deeper\\x.txt", L"system.txt"}),
              Sorted(TextsOf(pattern->FindMatchesWithFolders(true, true, nullptr))));
    ExplorerSetting hidden(L"Hidden", 2), super(L"ShowSuperHidden", 0);
    EXPECT_EQ(Full({L"a.txt", L"sub\\b.txt", L"sub\\deeper\\c.txt"}),
              Sorted(TextsOf(pattern->FindMatches(false, true, nullptr))));
}

TEST_F(PathWinListings, NeighbourFiles)
{
    TempFolder nf;
    for (const wchar_t* name : {L"b.jpg", L"A.jpg", L"c.jpg", L"notes.txt"})
        TempFolder::WriteFileBytes(nf / name, "n");
    s::str::strarray::StrArray* endings = s::str::strarray::StrArray::New();
    endings->AddText(L".JPG");
    struct Case {
        const wchar_t* from;
        bool forward, wrap;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"A.jpg", true, false, L"b.jpg"}, {L"c.jpg", true, true, L"A.jpg"}, {L"c.jpg", true, false, nullptr},
        {L"A.jpg", false, true, L"c.jpg"}, {L"A.jpg", false, false, nullptr}, {L"b.jpg", false, false, L"A.jpg"},
        // A name not in the folder counts as the first.
        {L"zzz.jpg", true, false, L"b.jpg"},
    };
    for (const Case& c : cases) {
        Path from(MakePath(nf / c.from));
        Path next(from->GetNeighbourFile(c.forward, endings, true, c.wrap));
        if (!c.expected) {
            EXPECT_EQ(nullptr, next.get()) << c.from;
            continue;
        }
        ASSERT_NE(nullptr, next.get()) << c.from;
        EXPECT_EQ(nf / c.expected, std::wstring(next->GetText())) << c.from;
    }
    // With a single matching file there is no neighbour.
    endings->Clear();
    endings->AddText(L".txt");
    EXPECT_EQ(nullptr, Path(Path(MakePath(nf / L"notes.txt"))->GetNeighbourFile(true, endings, true, true)).get());
    endings->ReleaseToPool();
}

TEST_F(PathWinListings, LinksAndJunctionsAreNeverListed)
{
    MakeFolder(folder / L"target");
    const std::wstring link = folder / L"link";
    if (!CreateSymbolicLinkW(link.c_str(), (folder / L"target").c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) ||
        !(GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT)) {
        RemoveDirectoryW(link.c_str());
        GTEST_SKIP() << "no directory links here";
    }
    Path top(MakePath(folder.Path()));
    const std::vector<std::wstring> names = TextsOf(top->ListNames(false, true));
    EXPECT_EQ(names.end(), std::find(names.begin(), names.end(), L"link"));
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), L"target"));
    RemoveDirectoryW(link.c_str());
}
