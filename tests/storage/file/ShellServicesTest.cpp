#include <gtest/gtest.h>

#include <string>

#include "FileTestSupport.h"
#include "storage/file/NtFileApi.h"
#include "storage/file/ShellServices.h"
#include "storage/file/ShortcutFiles.h"

using namespace file_test;
using s::str::strbuffer::StrBuffer;
namespace sys = s::system::win;
namespace fw = s::file::win;

TEST(ShellServices, SpecialFoldersAndTheirCachedTexts)
{
    const std::wstring windows = TakeText(sys::GetSpecialFolderText(sys::kCsidlWindows));
    ASSERT_FALSE(windows.empty());
    Path path(sys::GetSpecialFolder(sys::kCsidlWindows));
    EXPECT_EQ(windows, std::wstring(path->GetText()));
    EXPECT_TRUE(path->IsDirectory());

    const std::wstring root = sys::GetSystemDriveRoot();
    EXPECT_EQ(windows.substr(0, 3), root);
    EXPECT_EQ(sys::GetSystemDriveRoot(), sys::GetSystemDriveRoot());
    EXPECT_FALSE(std::wstring(sys::GetSystemFolder()).empty());
    EXPECT_TRUE(Path(MakePath(sys::GetSystemFolder()))->IsDirectory());
    EXPECT_FALSE(std::wstring(sys::GetCachedSpecialFolder()).empty());

    // A folder the shell does not know gives an empty text and a path that is not set.
    EXPECT_EQ(std::wstring(L""), TakeText(sys::GetSpecialFolderText(0x7FFF)));
    EXPECT_FALSE(Path(sys::GetSpecialFolder(0x7FFF))->IsSet());
}

TEST(ShellServices, PropertiesWithNothingToShowAnswerFalseWithoutADialog)
{
    const wchar_t* empty[] = {L"", nullptr, L""};
    EXPECT_FALSE(sys::ShowFileProperties(3, empty));
    EXPECT_FALSE(sys::ShowFileProperties(0, empty));
    EXPECT_FALSE(sys::ShowFileProperties(2, nullptr));
}

TEST(ShellServices, ABatchFileRunsHiddenAndWaitIsKept)
{
    TempFolder folder;
    const std::wstring batch = folder / L"setup.bat";
    const std::wstring marker = folder / L"ran.txt";
    TempFolder::WriteFileBytes(batch, "@echo off\r\necho %1> \"" + std::string(marker.begin(), marker.end()) + "\"\r\n");
    ASSERT_TRUE(sys::ShellRun(batch.c_str(), L"done", true, false));
    // The call came back after the batch had ended, so its output is there.
    EXPECT_TRUE(TempFolder::Exists(marker));
    EXPECT_EQ(0u, TempFolder::ReadFileBytes(marker).find("done"));
    EXPECT_FALSE(sys::ShellRun(nullptr, nullptr, false, false));
}

TEST(ShortcutFiles, LongFormsOfShortPaths)
{
    TempFolder folder;
    MakeFolder(folder / L"A Long Folder Name");
    TempFolder::WriteFileBytes(folder / L"A Long Folder Name\\Some Long File Name.text", "x");
    const std::wstring longText = folder / L"A Long Folder Name\\Some Long File Name.text";
    wchar_t shortText[MAX_PATH] = {};
    ASSERT_NE(0u, GetShortPathNameW(longText.c_str(), shortText, MAX_PATH));
    StrBuffer* out = StrBuffer::New();
    const uint32_t length = fw::GetLongPathText(shortText, out);
    // The long name of each part as the file system spells it (the temp folder's own parts too).
    wchar_t expected[MAX_PATH] = {};
    GetLongPathNameW(shortText, expected, MAX_PATH);
    EXPECT_EQ(std::wstring(expected), std::wstring(out->GetText()));
    EXPECT_EQ(wcslen(expected), length);

    struct Case {
        const wchar_t* text;
    };
    const Case refused[] = {{L""}, {L"C:missing-pulsegrid"}, {L"C:\\no-such-folder-pulsegrid\\x"}};
    for (const Case& c : refused) {
        out->Assign(L"kept");
        EXPECT_EQ(0u, fw::GetLongPathText(c.text, out)) << c.text;
        EXPECT_EQ(std::wstring(L"kept"), out->GetText()) << c.text;
    }
    out->ReleaseToPool();
}

TEST(ShortcutFiles, AShortcutToAShortcutIsACopyAndAMissingTargetWritesNothing)
{
    TempFolder folder;
    TempFolder::WriteFileBytes(folder / L"doc.txt", "d");
    ASSERT_TRUE(fw::CreateShortcutFile((folder / L"doc.txt").c_str(), (folder / L"doc.lnk").c_str(), nullptr));
    ASSERT_TRUE(fw::CreateShortcutFile((folder / L"doc.lnk").c_str(), (folder / L"again.lnk").c_str(), nullptr));
    EXPECT_EQ(TempFolder::ReadFileBytes(folder / L"doc.lnk"), TempFolder::ReadFileBytes(folder / L"again.lnk"));
    // The copy's failure is the shortcut's failure.
    EXPECT_FALSE(fw::CreateShortcutFile((folder / L"doc.lnk").c_str(), (folder / L"bad<name>.lnk").c_str(), nullptr));

    EXPECT_FALSE(fw::CreateShortcutFile((folder / L"none.txt").c_str(), (folder / L"none.lnk").c_str(), nullptr));
    EXPECT_FALSE(TempFolder::Exists(folder / L"none.lnk"));
    EXPECT_EQ(std::wstring(L""), TakeText(fw::ResolveShortcutTarget((folder / L"missing.lnk").c_str())));
    EXPECT_EQ(std::wstring(L""), TakeText(fw::ReadUrlShortcutTarget((folder / L"missing.url").c_str())));
}

TEST(NtFileApi, EntryPointsAreFoundOnce)
{
    ASSERT_TRUE(fw::LoadNtFileApi());
    EXPECT_TRUE(fw::LoadNtFileApi());
    EXPECT_NE(nullptr, fw::GetNtFileApi().queryInformationFile);
    EXPECT_NE(nullptr, fw::GetNtFileApi().fsControlFile);
    EXPECT_NE(nullptr, fw::GetNtFileApi().statusToDosError);
}
