#include <gtest/gtest.h>

#include <string>

#include "FileTestSupport.h"

using namespace file_test;
using s::file::win::PathWin;

namespace {

class PathWinQueries : public ::testing::Test {
protected:
    TempFolder folder;

    static void SetWriteTime(const std::wstring& path, int64_t seconds)
    {
        const int64_t ticks = 116444736000000000LL + seconds * 10000000LL;
        FILETIME time = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        SetFileTime(h, nullptr, nullptr, &time);
        CloseHandle(h);
    }
};

} // namespace

TEST_F(PathWinQueries, AMissingPathHasNoAttributesNoSizeAndNoTimes)
{
    Path missing(MakePath(folder / L"none.txt"));
    EXPECT_FALSE(missing->Exists());
    // The system's word stays what it reports; the flag tests read it as "no attributes".
    EXPECT_EQ(0xFFFFFFFFu, missing->GetAttributes());
    EXPECT_FALSE(missing->IsDirectory());
    EXPECT_FALSE(missing->IsFile());
    EXPECT_FALSE(missing->IsHidden());
    EXPECT_FALSE(missing->IsSystem());
    EXPECT_FALSE(missing->IsArchive());
    EXPECT_FALSE(missing->IsEmptyDirectory());
    EXPECT_FALSE(missing->CanRead());
    EXPECT_FALSE(missing->CanWrite());
    EXPECT_EQ(0, missing->GetSize(false, true, nullptr, nullptr, true));
    EXPECT_EQ(0, missing->GetSize(true, true, nullptr, nullptr, true));
    EXPECT_EQ(0, missing->GetSizeOnDisk());
    EXPECT_EQ(0, missing->GetLastWriteTime(false));
}

TEST_F(PathWinQueries, AttributeFlagsFollowTheFile)
{
    struct Case {
        DWORD attributes;
        bool hidden, system, archive, writable;
    };
    const Case cases[] = {
        {FILE_ATTRIBUTE_NORMAL, false, false, false, true},
        {FILE_ATTRIBUTE_HIDDEN, true, false, false, true},
        {FILE_ATTRIBUTE_SYSTEM, false, true, false, true},
        {FILE_ATTRIBUTE_ARCHIVE, false, false, true, true},
        {FILE_ATTRIBUTE_READONLY, false, false, false, false},
        {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, true, true, false, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::wstring name = folder / (L"f" + std::to_wstring(n++) + L".bin");
        TempFolder::WriteFileBytes(name, "x");
        SetFileAttributesW(name.c_str(), c.attributes);
        Path file(MakePath(name));
        EXPECT_TRUE(file->Exists()) << c.attributes;
        EXPECT_TRUE(file->IsFile()) << c.attributes;
        EXPECT_FALSE(file->IsDirectory()) << c.attributes;
        EXPECT_EQ(c.hidden, file->IsHidden()) << c.attributes;
        EXPECT_EQ(c.system, file->IsSystem()) << c.attributes;
        // Some hosts mark every file for archiving; the flag follows what the system reports.
        const bool archived = (GetFileAttributesW(name.c_str()) & FILE_ATTRIBUTE_ARCHIVE) != 0;
        EXPECT_TRUE(!c.archive || archived) << c.attributes;
        EXPECT_EQ(archived, file->IsArchive()) << c.attributes;
        EXPECT_TRUE(file->CanRead()) << c.attributes;
        EXPECT_EQ(c.writable, file->CanWrite()) << c.attributes;
        EXPECT_EQ(c.writable, file->CanReadWrite()) << c.attributes;
    }
    Path dir(MakePath(folder.Path()));
    EXPECT_TRUE(dir->IsDirectory());
    EXPECT_FALSE(dir->IsFile());
}

TEST_F(PathWinQueries, KindsByExtensionOnlyForFiles)
{
    struct Case {
        const wchar_t* name;
        bool exe, shortcut, url;
    };
    const Case cases[] = {
        {L"a.exe", true, false, false}, {L"b.EXE", true, false, false}, {L"c.lnk", false, true, false},
        {L"d.Url", false, false, true}, {L"e.txt", false, false, false}, {L"exe", false, false, false},
    };
    for (const Case& c : cases) {
        TempFolder::WriteFileBytes(folder / c.name, "x");
        Path file(MakePath(folder / c.name));
        EXPECT_EQ(c.exe, file->IsExe()) << c.name;
        EXPECT_EQ(c.shortcut, file->IsShortcut()) << c.name;
        EXPECT_EQ(c.url, file->IsUrlShortcut()) << c.name;
    }
    // A folder named like a program is not one.
    MakeFolder(folder / L"tool.exe");
    EXPECT_FALSE(Path(MakePath(folder / L"tool.exe"))->IsExe());
}

TEST_F(PathWinQueries, SizesOfFilesAndFolderTrees)
{
    TempFolder::WriteFileBytes(folder / L"one.bin", "1");
    TempFolder::WriteFileBytes(folder / L"empty.bin", "");
    MakeFolder(folder / L"sub");
    MakeFolder(folder / L"sub\\deeper");
    TempFolder::WriteFileBytes(folder / L"sub\\ten.bin", std::string(10, 'x'));
    TempFolder::WriteFileBytes(folder / L"sub\\deeper\\hundred.bin", std::string(100, 'x'));

    Path one(MakePath(folder / L"one.bin"));
    EXPECT_EQ(1, one->GetSize(false, true, nullptr, nullptr, true));
    // The allocation unit is at least a 512-byte sector, so one byte takes a whole unit.
    const int64_t onDisk = one->GetSizeOnDisk();
    EXPECT_GE(onDisk, 512);
    EXPECT_EQ(0, onDisk % 512);
    EXPECT_EQ(0, Path(MakePath(folder / L"empty.bin"))->GetSizeOnDisk());

    Path top(MakePath(folder.Path()));
    EXPECT_EQ(0, top->GetSize(false, true, nullptr, nullptr, true));
    uint32_t files = 0, folders = 0;
    EXPECT_EQ(111, top->GetSize(true, true, &files, &folders, true));
    EXPECT_EQ(4u, files);
    EXPECT_EQ(2u, folders);
    // Without sub-folders only the top folder's own files count.
    files = folders = 0;
    EXPECT_EQ(1, top->GetSize(true, false, &files, &folders, true));
    EXPECT_EQ(2u, files);
    EXPECT_EQ(0u, folders);
    // countFiles speaks for the top folder only: the sub-folders' files are always counted.
    files = folders = 0;
    EXPECT_EQ(111, top->GetSize(true, true, &files, &folders, false));
    EXPECT_EQ(2u, files);
}

TEST_F(PathWinQueries, TimesAreSecondsSince1970AndRefreshOnRequest)
{
    const std::wstring name = folder / L"t.txt";
    TempFolder::WriteFileBytes(name, "t");
    const int64_t when = 1500000000; // 2017-07-14 02:40:00 UTC
    SetWriteTime(name, when);
    Path file(MakePath(name));
    EXPECT_EQ(when, file->GetLastWriteTime(false));
    EXPECT_GT(file->GetCreationTime(false), 0);
    EXPECT_GT(file->GetLastAccessTime(false), 0);

    // Cached until asked to read again.
    SetWriteTime(name, when + 3600);
    EXPECT_EQ(when, file->GetLastWriteTime(false));
    EXPECT_EQ(when + 3600, file->GetLastWriteTime(true));

    SetWriteTime(folder.Path(), when);
    EXPECT_EQ(when, Path(MakePath(folder.Path()))->GetLastWriteTime(false));
}

TEST_F(PathWinQueries, SizeAndTypeTexts)
{
    TempFolder::WriteFileBytes(folder / L"k.txt", std::string(2048, 'k'));
    Path file(MakePath(folder / L"k.txt"));
    const std::wstring size = file->GetSizeText();
    EXPECT_FALSE(size.empty());
    EXPECT_NE(std::wstring::npos, size.find(L"2")) << size;
    // A folder has no size text.
    EXPECT_EQ(std::wstring(L""), Path(MakePath(folder.Path()))->GetSizeText());

    // A missing file still has the type of its extension.
    Path missing(MakePath(folder / L"gone.txt"));
    EXPECT_FALSE(std::wstring(file->GetTypeNameText()).empty());
    std::wstring type = missing->GetTypeNameText();
    for (wchar_t& c : type)
        c = towlower(c);
    EXPECT_TRUE(type.find(L"txt") != std::wstring::npos || type.find(L"text") != std::wstring::npos) << type;
    s::str::strbuffer::StrBuffer* kept = s::str::strbuffer::StrBuffer::FromText(L"type: ");
    missing->GetTypeNameStr(kept, true);
    EXPECT_EQ(L"type: " + std::wstring(missing->GetTypeNameText()), TakeText(kept));
}

TEST_F(PathWinQueries, VolumeKindIsReadOnceAndNeverBoth)
{
    Path file(MakePath(folder / L"any"));
    EXPECT_FALSE(file->IsNtfs() && file->IsFatFamily());
    // A volume that does not exist is neither.
    Path nowhere(MakePath(L"\\\\nohost-pulsegrid\\noshare\\f.txt"));
    EXPECT_FALSE(nowhere->IsNtfs());
    EXPECT_FALSE(nowhere->IsFatFamily());
}

TEST_F(PathWinQueries, LongPathsAreQueriedThroughTheLongForm)
{
    std::wstring deep = folder.Path();
    while (deep.size() < 300)
        deep += L"\\" + std::wstring(40, L'd');
    Path dir(MakePath(deep));
    ASSERT_GT(dir->GetLength(), 260u);
    ASSERT_TRUE(dir->CreateDirectory(false));
    EXPECT_TRUE(dir->Exists());
    EXPECT_TRUE(dir->IsDirectory());

    const std::wstring name = deep + L"\\long.bin";
    const std::wstring system = L"\\\\?\\" + name;
    TempFolder::WriteFileBytes(system, std::string(1234, 'l'));
    Path file(MakePath(name));
    EXPECT_EQ(system, file->GetSystemText());
    EXPECT_TRUE(file->Exists());
    EXPECT_TRUE(file->IsFile());
    EXPECT_TRUE(file->CanWrite());
    EXPECT_EQ(1234, file->GetSize(false, true, nullptr, nullptr, true));
    EXPECT_GT(file->GetLastWriteTime(false), 0);
    uint32_t files = 0;
    EXPECT_EQ(1234, Path(MakePath(folder.Path()))->GetSize(true, true, &files, nullptr, true));
    EXPECT_EQ(1u, files);
}

TEST_F(PathWinQueries, StreamsOfAFile)
{
    const std::wstring name = folder / L"host.txt";
    TempFolder::WriteFileBytes(name, "host");
    Path host(MakePath(name));
    HANDLE stream = CreateFileW((name + L":s").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (stream != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(stream, "12345", 5, &written, nullptr);
        CloseHandle(stream);
    }
    WIN32_FIND_STREAM_DATA data;
    HANDLE find = FindFirstStreamW(name.c_str(), FindStreamInfoStandard, &data, 0);
    bool hasNamed = false;
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextStreamW(find, &data) != FALSE)
        hasNamed = hasNamed || std::wstring(data.cStreamName) == L":s:$DATA";
    if (find != INVALID_HANDLE_VALUE)
        FindClose(find);
    if (!hasNamed) {
        // Without named streams the listing holds no stream at all, never the unnamed one.
        EXPECT_TRUE(TextsOf(host->ListStreams(nullptr)).empty());
        GTEST_SKIP() << "this file system keeps no named streams";
    }
    const std::vector<std::wstring> streams = TextsOf(host->ListStreams(nullptr));
    if (!host->IsNtfs()) {
        EXPECT_TRUE(streams.empty());
        return;
    }
    ASSERT_EQ(1u, streams.size());
    EXPECT_EQ(name + L":s", streams[0]);
    Path named(MakePath(name + L":s"));
    EXPECT_TRUE(named->IsStream());
    EXPECT_EQ(5, named->GetSize(false, false, nullptr, nullptr, false));
}
