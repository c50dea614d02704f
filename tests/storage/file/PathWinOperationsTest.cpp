#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "core/col/Arrays.h"
#include "FileTestSupport.h"

using namespace file_test;
using s::file::win::PathWin;
using s::str::strbuffer::StrBuffer;

namespace {

class PathWinOperations : public ::testing::Test {
protected:
    TempFolder folder;

    // tree\one.txt, tree\ro.txt (read-only), tree\sub\two.txt, tree\sub\deep\three.txt, tree\.h (hidden)
    std::wstring MakeTree(const std::wstring& name)
    {
        const std::wstring tree = folder / name;
        MakeFolder(tree);
        MakeFolder(tree + L"\\sub");
        MakeFolder(tree + L"\\sub\\deep");
        TempFolder::WriteFileBytes(tree + L"\\one.txt", "one");
        TempFolder::WriteFileBytes(tree + L"\\ro.txt", "read-only");
        SetFileAttributesW((tree + L"\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        TempFolder::WriteFileBytes(tree + L"\\sub\\two.txt", "two");
        TempFolder::WriteFileBytes(tree + L"\\sub\\deep\\three.txt", "three");
        TempFolder::WriteFileBytes(tree + L"\\.h", "hidden");
        SetFileAttributesW((tree + L"\\.h").c_str(), FILE_ATTRIBUTE_HIDDEN);
        return tree;
    }

    static void ExpectTree(const std::wstring& tree)
    {
        EXPECT_EQ("one", TempFolder::ReadFileBytes(tree + L"\\one.txt")) << tree;
        EXPECT_EQ("read-only", TempFolder::ReadFileBytes(tree + L"\\ro.txt")) << tree;
        EXPECT_EQ("two", TempFolder::ReadFileBytes(tree + L"\\sub\\two.txt")) << tree;
        EXPECT_EQ("three", TempFolder::ReadFileBytes(tree + L"\\sub\\deep\\three.txt")) << tree;
        EXPECT_EQ("hidden", TempFolder::ReadFileBytes(tree + L"\\.h")) << tree;
    }
};

} // namespace

TEST_F(PathWinOperations, CopiesANestedTree)
{
    const std::wstring tree = MakeTree(L"tree");
    Path source(MakePath(tree));
    // The destination's missing parents are made too.
    EXPECT_TRUE(source->Copy((folder / L"out\\copy").c_str(), false));
    ExpectTree(folder / L"out\\copy");
    ExpectTree(tree);
    // Onto an existing folder only with overwrite.
    EXPECT_FALSE(source->Copy((folder / L"out\\copy").c_str(), false));
    TempFolder::WriteFileBytes(folder / L"out\\copy\\one.txt", "changed");
    SetFileAttributesW((folder / L"out\\copy\\ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(source->Copy((folder / L"out\\copy").c_str(), true));
    EXPECT_EQ("one", TempFolder::ReadFileBytes(folder / L"out\\copy\\one.txt"));

    Path file(MakePath(tree + L"\\one.txt"));
    EXPECT_TRUE(file->Copy((folder / L"x\\y\\one.txt").c_str(), false));
    EXPECT_EQ("one", TempFolder::ReadFileBytes(folder / L"x\\y\\one.txt"));
    EXPECT_FALSE(file->Copy((folder / L"x\\y\\one.txt").c_str(), false));
    EXPECT_TRUE(file->Copy((folder / L"x\\y\\one.txt").c_str(), true));
}

TEST_F(PathWinOperations, CopyRefusesBadInputAndLeavesNothingBehind)
{
    const std::wstring tree = MakeTree(L"Tree");
    Path source(MakePath(tree));
    // Into itself, however the target is spelled.
    std::wstring lower = tree + L"\\sub\\inner";
    for (wchar_t& c : lower)
        c = towlower(c);
    struct Case {
        std::wstring target;
    };
    const Case inside[] = {{tree}, {lower}, {tree + L"\\sub\\..\\again"}, {tree + L"/x"}};
    for (const Case& c : inside) {
        EXPECT_FALSE(source->Copy(c.target.c_str(), true)) << c.target;
        EXPECT_FALSE(TempFolder::Exists(tree + L"\\sub\\inner")) << c.target;
        EXPECT_FALSE(TempFolder::Exists(tree + L"\\again")) << c.target;
        EXPECT_FALSE(TempFolder::Exists(tree + L"\\x")) << c.target;
    }
    // A missing source, and a drive for a target.
    EXPECT_FALSE(Path(MakePath(folder / L"missing"))->Copy((folder / L"m2").c_str(), false));
    EXPECT_FALSE(TempFolder::Exists(folder / L"m2"));
    EXPECT_FALSE(source->Copy(L"C:\\", true));

    // A name the file system refuses: the folders made for the copy go again.
    Path file(MakePath(tree + L"\\one.txt"));
    EXPECT_FALSE(file->Copy((folder / L"new\\deeper\\bad<name>.txt").c_str(), false));
    EXPECT_FALSE(TempFolder::Exists(folder / L"new"));
    // A folder whose copy fails part-way leaves no half copy of its own making.
    HANDLE locked = CreateFileW((tree + L"\\sub\\two.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    EXPECT_FALSE(source->Copy((folder / L"half\\copy").c_str(), false));
    EXPECT_FALSE(TempFolder::Exists(folder / L"half"));
    CloseHandle(locked);
}

TEST_F(PathWinOperations, MovesAndRenames)
{
    const std::wstring tree = MakeTree(L"tree");
    Path source(MakePath(tree));
    EXPECT_FALSE(source->Move((tree + L"\\sub\\into").c_str(), false, false));
    EXPECT_FALSE(source->Move((folder / L"TREE\\SUB").c_str(), false, false));
    EXPECT_TRUE(source->Move((folder / L"moved").c_str(), false, true));
    EXPECT_FALSE(TempFolder::Exists(tree));
    ExpectTree(folder / L"moved");
    // The path still names the old place.
    EXPECT_EQ(tree, std::wstring(source->GetText()));

    Path moved(MakePath(folder / L"moved\\one.txt"));
    EXPECT_FALSE(moved->Rename((folder / L"moved\\sub").c_str())); // taken
    EXPECT_FALSE(moved->Rename(L"C:\\"));
    EXPECT_TRUE(moved->Rename((folder / L"moved\\renamed.txt").c_str()));
    EXPECT_EQ("one", TempFolder::ReadFileBytes(folder / L"moved\\renamed.txt"));
    TempFolder::WriteFileBytes(folder / L"other.txt", "other");
    Path other(MakePath(folder / L"other.txt"));
    EXPECT_FALSE(other->Move((folder / L"moved\\renamed.txt").c_str(), false, false));
    EXPECT_TRUE(other->Move((folder / L"moved\\renamed.txt").c_str(), true, false));
    EXPECT_EQ("other", TempFolder::ReadFileBytes(folder / L"moved\\renamed.txt"));
}

TEST_F(PathWinOperations, DeletesTreesReadOnlyFilesAndMissingPaths)
{
    const std::wstring tree = MakeTree(L"tree");
    Path readOnly(MakePath(tree + L"\\ro.txt"));
    EXPECT_TRUE(readOnly->Delete(true, false));
    EXPECT_FALSE(TempFolder::Exists(tree + L"\\ro.txt"));
    SetFileAttributesW((tree + L"\\sub\\deep").c_str(), FILE_ATTRIBUTE_READONLY);
    Path top(MakePath(tree));
    EXPECT_TRUE(top->Delete(true, false));
    EXPECT_FALSE(TempFolder::Exists(tree));
    EXPECT_TRUE(top->Delete(false, false));
    EXPECT_FALSE(Path(MakePath(L"C:\\"))->Delete(false, false));
}

TEST_F(PathWinOperations, ALockedFileKeepsItsFolder)
{
    const std::wstring tree = MakeTree(L"tree");
    HANDLE locked = CreateFileW((tree + L"\\sub\\two.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    Path top(MakePath(tree));
    EXPECT_FALSE(top->Delete(false, false));
    EXPECT_TRUE(TempFolder::Exists(tree + L"\\sub\\two.txt"));
    CloseHandle(locked);
    EXPECT_TRUE(top->Delete(false, false));
    EXPECT_FALSE(TempFolder::Exists(tree));
}

TEST_F(PathWinOperations, CreatesFilesAndFolders)
{
    Path file(MakePath(folder / L"a\\b\\new.txt"));
    EXPECT_TRUE(file->CreateEmptyFile(true));
    EXPECT_EQ(0, TempFolder::FileSize(folder / L"a\\b\\new.txt"));
    EXPECT_FALSE(file->CreateEmptyFile(false));
    Path dir(MakePath(folder / L"c\\d\\e"));
    EXPECT_TRUE(dir->CreateDirectory(true));
    EXPECT_FALSE(dir->CreateDirectory(false));
    Path child(MakePath(folder / L"f\\g\\h.txt"));
    EXPECT_TRUE(child->CreateParentDirectory());
    EXPECT_TRUE(TempFolder::Exists(folder / L"f\\g"));
    EXPECT_FALSE(TempFolder::Exists(folder / L"f\\g\\h.txt"));
}

TEST_F(PathWinOperations, AttributesAndPermissions)
{
    TempFolder::WriteFileBytes(folder / L"f.txt", "f");
    Path file(MakePath(folder / L"f.txt"));
    EXPECT_TRUE(file->SetHidden());
    EXPECT_TRUE(file->IsHidden());
    EXPECT_TRUE(GetFileAttributesW((folder / L"f.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(file->AddAttributes(FILE_ATTRIBUTE_HIDDEN)); // already there
    EXPECT_TRUE(file->SetWritable(false));
    EXPECT_FALSE(Path(MakePath(folder / L"f.txt"))->CanWrite());
    EXPECT_TRUE(file->SetReadable(true)); // keeps it read-only
    EXPECT_FALSE(Path(MakePath(folder / L"f.txt"))->CanWrite());
    EXPECT_TRUE(file->MakeWritable());
    EXPECT_TRUE(Path(MakePath(folder / L"f.txt"))->CanWrite());
    EXPECT_TRUE(file->SetAttributes(FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(0u, GetFileAttributesW((folder / L"f.txt").c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    Path missing(MakePath(folder / L"none"));
    EXPECT_FALSE(missing->AddAttributes(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_FALSE(missing->MakeWritable());
}

TEST_F(PathWinOperations, FileTimesChangeOnlyWhatIsGiven)
{
    const std::wstring name = folder / L"t.txt";
    TempFolder::WriteFileBytes(name, "t");
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY);
    Path file(MakePath(name));
    const int64_t created = file->GetCreationTime(true);
    const int64_t when = 1400000000;
    // Read-only files are left alone unless asked for.
    file->SetFileTimes(-1, when, -1, true, false, false, false, false);
    EXPECT_NE(when, file->GetLastWriteTime(true));
    file->SetFileTimes(-1, when, -1, false, true, false, false, false);
    EXPECT_EQ(when, file->GetLastWriteTime(true));
    // Some hosts keep no creation time of their own and report the write time for it.
    const int64_t createdNow = file->GetCreationTime(true);
    EXPECT_TRUE(createdNow == created || createdNow == when) << createdNow;
    EXPECT_TRUE(GetFileAttributesW(name.c_str()) & FILE_ATTRIBUTE_READONLY);

    // Recursive through a folder.
    MakeFolder(folder / L"d");
    TempFolder::WriteFileBytes(folder / L"d\\in.txt", "i");
    Path dir(MakePath(folder / L"d"));
    dir->SetFileTimes(when, when, when, true, false, false, false, true);
    EXPECT_EQ(when, Path(MakePath(folder / L"d\\in.txt"))->GetLastWriteTime(false));
    EXPECT_EQ(when, Path(MakePath(folder / L"d\\in.txt"))->GetCreationTime(false));
    EXPECT_EQ(when, dir->GetLastWriteTime(true));
}

TEST_F(PathWinOperations, RandomNamesKeepDotsAndLength)
{
    struct Case {
        const wchar_t* name;
        size_t length;
        const wchar_t* tail;
    };
    const Case cases[] = {{L"ab.txt", 6, L""}, {L"ab", 4, L"_"}, {L"longer-name", 11, L""}};
    for (const Case& c : cases) {
        TempFolder::WriteFileBytes(folder / c.name, "r");
        SetFileAttributesW((folder / c.name).c_str(), FILE_ATTRIBUTE_HIDDEN);
        Path file(MakePath(folder / c.name));
        StrBuffer* finalText = StrBuffer::New();
        EXPECT_TRUE(file->RenameRandomly(1, finalText, true)) << c.name;
        const std::wstring renamed = TakeText(finalText);
        EXPECT_FALSE(TempFolder::Exists(folder / c.name)) << c.name;
        ASSERT_EQ(folder.Path() + L"\\", renamed.substr(0, folder.Path().size() + 1)) << renamed;
        const std::wstring name = renamed.substr(folder.Path().size() + 1);
        ASSERT_EQ(c.length, name.size()) << name;
        const std::wstring original = c.name;
        for (size_t i = 0; i + wcslen(c.tail) < name.size(); ++i) {
            if (i < original.size() && original[i] == L'.')
                EXPECT_EQ(L'.', name[i]) << name;
            else
                EXPECT_TRUE(iswalnum(name[i]) && name[i] != L'0') << name;
        }
        EXPECT_EQ(std::wstring(c.tail), name.substr(name.size() - wcslen(c.tail))) << name;
        EXPECT_TRUE(GetFileAttributesW(renamed.c_str()) & FILE_ATTRIBUTE_HIDDEN) << renamed;
    }
    EXPECT_FALSE(Path(MakePath(L"C:\\"))->RenameRandomly(1, nullptr, false));
}

TEST_F(PathWinOperations, WholeFileReadAndWrite)
{
    Path file(MakePath(folder / L"new\\dir\\f.txt"));
    StrBuffer* text = StrBuffer::FromText(L"h\u00e9llo");
    file->WriteText(text, false);
    EXPECT_EQ("h\xc3\xa9llo", TempFolder::ReadFileBytes(folder / L"new\\dir\\f.txt"));
    file->WriteText(text, true);
    EXPECT_EQ("h\xc3\xa9llo"
              "h\xc3\xa9llo",
              TempFolder::ReadFileBytes(folder / L"new\\dir\\f.txt"));
    text->ReleaseToPool();

    s::col::_array::ArrayU08* bytes = s::col::_array::ArrayU08::New();
    for (int i = 0; i < 5000; ++i)
        bytes->Append(static_cast<uint8_t>(i * 7));
    file->WriteAllBytes(bytes, false);
    s::col::_array::ArrayU08* back = s::col::_array::ArrayU08::New();
    back->Append(99);
    Path(MakePath(folder / L"new\\dir\\f.txt"))->ReadAllBytes(back);
    ASSERT_EQ(5000u, back->GetCount());
    EXPECT_EQ(0, memcmp(bytes->GetData(), back->GetData(), 5000));
    EXPECT_EQ(0u, back->GetPosition());
    Path(MakePath(folder / L"missing.bin"))->ReadAllBytes(back);
    EXPECT_EQ(0u, back->GetCount());
    back->ReleaseToPool();
    bytes->ReleaseToPool();
}

TEST_F(PathWinOperations, ExclusiveAccess)
{
    const std::wstring tree = MakeTree(L"tree");
    TempFolder::WriteFileBytes(tree + L"\\empty", "");
    Path top(MakePath(tree));
    EXPECT_TRUE(top->TestExclusiveAccess(1, true, nullptr, 0));
    // Attributes come back when asked to.
    EXPECT_TRUE(GetFileAttributesW((tree + L"\\ro.txt").c_str()) & FILE_ATTRIBUTE_READONLY);
    HANDLE locked = CreateFileW((tree + L"\\sub\\two.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    EXPECT_FALSE(top->TestExclusiveAccess(1, true, nullptr, 0));
    EXPECT_FALSE(Path(MakePath(tree + L"\\sub\\two.txt"))->TestExclusiveAccess(1, true, nullptr, 0));
    CloseHandle(locked);
    EXPECT_FALSE(Path(MakePath(folder / L"missing"))->TestExclusiveAccess(1, true, nullptr, 0));
}

TEST_F(PathWinOperations, ShortcutsWrittenAndReadBack)
{
    MakeFolder(folder / L"app");
    TempFolder::WriteFileBytes(folder / L"app\\tool.exe", "MZ");
    Path target(MakePath(folder / L"app\\tool.exe"));
    MakeFolder(folder / L"links");
    EXPECT_TRUE(target->CreateShortcut((folder / L"links\\tool").c_str(), false, L"-startup"));
    ASSERT_TRUE(TempFolder::Exists(folder / L"links\\tool.lnk"));
    EXPECT_FALSE(target->CreateShortcut((folder / L"links\\tool").c_str(), false, nullptr));
    EXPECT_TRUE(target->CreateShortcut((folder / L"links\\tool").c_str(), true, L"-startup"));
    // An ending ".LNK" is not added again.
    EXPECT_TRUE(target->CreateShortcut((folder / L"links\\Upper.LNK").c_str(), false, nullptr));
    EXPECT_TRUE(TempFolder::Exists(folder / L"links\\Upper.LNK"));
    EXPECT_FALSE(TempFolder::Exists(folder / L"links\\Upper.LNK.lnk"));

    Path link(MakePath(folder / L"links\\tool.lnk"));
    EXPECT_TRUE(link->IsShortcut());
    Path resolved(link->GetShortcutTarget());
    ASSERT_NE(nullptr, resolved.get());
    EXPECT_EQ(CSTR_EQUAL, CompareStringOrdinal(target->GetText(), -1, resolved->GetText(), -1, TRUE)) << resolved->GetText();

    // What the file holds, read through the shell's own object.
    CoInitialize(nullptr);
    IShellLinkW* shellLink = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&shellLink))));
    IPersistFile* persist = nullptr;
    shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist));
    ASSERT_TRUE(SUCCEEDED(persist->Load((folder / L"links\\tool.lnk").c_str(), STGM_READ)));
    wchar_t text[MAX_PATH] = {};
    shellLink->GetArguments(text, MAX_PATH);
    EXPECT_EQ(std::wstring(L"-startup"), text);
    shellLink->GetWorkingDirectory(text, MAX_PATH);
    EXPECT_EQ(CSTR_EQUAL, CompareStringOrdinal((folder / L"app\\").c_str(), -1, text, -1, TRUE)) << text;
    shellLink->GetPath(text, MAX_PATH, nullptr, 0);
    EXPECT_EQ(CSTR_EQUAL, CompareStringOrdinal(target->GetText(), -1, text, -1, TRUE)) << text;
    persist->Release();
    shellLink->Release();
    CoUninitialize();

    // A missing target writes nothing.
    Path missing(MakePath(folder / L"app\\gone.exe"));
    EXPECT_FALSE(missing->CreateShortcut((folder / L"links\\gone").c_str(), true, nullptr));
    EXPECT_FALSE(TempFolder::Exists(folder / L"links\\gone.lnk"));
}

TEST_F(PathWinOperations, FolderShortcuts)
{
    MakeFolder(folder / L"real");
    MakeFolder(folder / L"alias");
    Path real(MakePath(folder / L"real"));
    ASSERT_TRUE(real->CreateShortcut((folder / L"alias\\target.lnk").c_str(), false, nullptr));
    Path alias(MakePath(folder / L"alias"));
    EXPECT_TRUE(alias->IsFolderShortcut());
    EXPECT_EQ(CSTR_EQUAL, CompareStringOrdinal(real->GetText(), -1, alias->GetFolderShortcutTargetText(), -1, TRUE));
    Path target(alias->GetFolderShortcutTarget());
    EXPECT_TRUE(target->IsDirectory());
    EXPECT_FALSE(real->IsFolderShortcut());
    EXPECT_EQ(std::wstring(L""), real->GetFolderShortcutTargetText());
}

TEST_F(PathWinOperations, InternetShortcutsWrittenAndReadBack)
{
    Path url(MakePath(folder / L"site.url"));
    EXPECT_TRUE(url->CreateUrlShortcut(L"http://example.com/pulsegrid", false));
    ASSERT_TRUE(TempFolder::Exists(folder / L"site.url"));
    Path again(MakePath(folder / L"site.url"));
    EXPECT_TRUE(again->IsUrlShortcut());
    EXPECT_EQ(std::wstring(L"http://example.com/pulsegrid"), again->GetUrlText());
    EXPECT_FALSE(url->CreateUrlShortcut(L"http://example.com/other", false));
    EXPECT_TRUE(url->CreateUrlShortcut(L"http://example.com/other", true));
    EXPECT_EQ(std::wstring(L"http://example.com/other"), Path(MakePath(folder / L"site.url"))->GetUrlText());
    // Only a .url file has a URL.
    TempFolder::WriteFileBytes(folder / L"plain.txt", "[InternetShortcut]\r\nURL=http://x/\r\n");
    EXPECT_EQ(std::wstring(L""), Path(MakePath(folder / L"plain.txt"))->GetUrlText());
}

TEST_F(PathWinOperations, LongPathsThroughTheLongForm)
{
    std::wstring deep = folder.Path();
    while (deep.size() < 300)
        deep += L"\\" + std::wstring(30, L'n');
    const std::wstring tree = MakeTree(L"t");
    Path source(MakePath(tree));
    ASSERT_TRUE(source->Copy((deep + L"\\copy").c_str(), false));
    Path copy(MakePath(deep + L"\\copy"));
    EXPECT_GT(copy->GetLength(), 260u);
    EXPECT_TRUE(copy->Exists());
    EXPECT_EQ(5u, TextsOf(copy->ListFiles(true, true, nullptr)).size());
    Path file(MakePath(deep + L"\\copy\\sub\\two.txt"));
    EXPECT_EQ(3, file->GetSize(false, false, nullptr, nullptr, false));
    EXPECT_TRUE(file->Rename((deep + L"\\copy\\sub\\zwei.txt").c_str()));
    Path renamed(MakePath(deep + L"\\copy\\sub\\zwei.txt"));
    s::col::_array::ArrayU08* bytes = s::col::_array::ArrayU08::New();
    renamed->ReadAllBytes(bytes);
    EXPECT_EQ(3u, bytes->GetCount());
    bytes->ReleaseToPool();
    EXPECT_TRUE(copy->Move((deep + L"\\moved").c_str(), false, false));
    Path moved(MakePath(deep + L"\\moved"));
    EXPECT_TRUE(moved->Exists());
    EXPECT_TRUE(Path(MakePath(folder.Path() + L"\\" + std::wstring(30, L'n')))->Delete(false, false));
    EXPECT_FALSE(moved->Exists());
}

namespace {

// The restart-time renames the system keeps, put back as they were at the end of the test.
class PendingRenames {
public:
    PendingRenames()
    {
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ | KEY_WRITE, &key_);
        saved_ = Read(&had_);
    }
    ~PendingRenames()
    {
        if (!key_)
            return;
        if (had_)
            RegSetValueExW(key_, kValue, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(saved_.data()),
                           static_cast<DWORD>(saved_.size() * sizeof(wchar_t)));
        else
            RegDeleteValueW(key_, kValue);
        RegCloseKey(key_);
    }
    bool Available() const { return key_ != nullptr; }
    // Whether a registration names the path (in any of the forms the system writes).
    bool Names(const std::wstring& path)
    {
        bool had = false;
        const std::wstring now = Read(&had);
        return now.find(path) != std::wstring::npos;
    }

private:
    std::wstring Read(bool* had)
    {
        DWORD size = 0;
        *had = key_ && RegQueryValueExW(key_, kValue, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
        if (!*had)
            return std::wstring();
        std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
        RegQueryValueExW(key_, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&text[0]), &size);
        text.resize(size / sizeof(wchar_t));
        return text;
    }

    static constexpr const wchar_t* kKey = L"System\\CurrentControlSet\\Control\\Session Manager";
    static constexpr const wchar_t* kValue = L"PendingFileRenameOperations";
    HKEY key_ = nullptr;
    bool had_ = false;
    std::wstring saved_;
};

} // namespace

TEST_F(PathWinOperations, ALockedFileIsLeftForTheRestartWhenAsked)
{
    PendingRenames pending;
    if (!pending.Available())
        GTEST_SKIP() << "no access to the restart-time renames";
    const std::wstring tree = MakeTree(L"tree");
    HANDLE locked = CreateFileW((tree + L"\\sub\\two.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    Path sub(MakePath(tree + L"\\sub"));
    EXPECT_FALSE(sub->Delete(false, true));
    // The file and its folder both wait for the restart; the rest is gone now.
    EXPECT_TRUE(pending.Names(tree + L"\\sub\\two.txt"));
    EXPECT_TRUE(pending.Names(tree + L"\\sub"));
    EXPECT_FALSE(TempFolder::Exists(tree + L"\\sub\\deep"));
    CloseHandle(locked);
    EXPECT_FALSE(Path(MakePath(folder / L"missing"))->DeleteOnReboot());
    EXPECT_FALSE(Path(MakePath(L"C:\\"))->DeleteOnReboot());
}
