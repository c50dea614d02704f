#include <gtest/gtest.h>

#include <string>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "storage/file/PathWin.h"
#include "storage/file/WholeFile.h"
#include "TempFolder.h"

using s::col::_array::ArrayU08;
using s::file::win::PathWin;
using s::str::strbuffer::StrBuffer;

namespace {

// A pooled path for one test, given back at the end.
class Path {
public:
    explicit Path(const std::wstring& text) : path_(PathWin::CreateFromText(text.c_str())) {}
    explicit Path(PathWin* path) : path_(path) {}
    ~Path()
    {
        if (path_)
            path_->ReleaseToPool();
    }
    PathWin* operator->() const { return path_; }
    PathWin* get() const { return path_; }

private:
    Path(const Path&) = delete;
    Path& operator=(const Path&) = delete;
    PathWin* path_;
};

std::wstring TextOf(s::file::IPath* path)
{
    return path ? std::wstring(path->GetText()) : L"<none>";
}

std::wstring Str(StrBuffer* text)
{
    std::wstring result(text->GetText(), text->GetLength());
    text->ReleaseToPool();
    return result;
}

} // namespace

TEST(PathWinSplit, NormalisesAndSplits)
{
    struct Case {
        const wchar_t* given;
        const wchar_t* full;
        const wchar_t* drive;
        const wchar_t* folder;
        const wchar_t* title;
        const wchar_t* extension;
    };
    const Case cases[] = {
        {L"C:/Dir/File.TXT", L"C:\\Dir\\File.TXT", L"C:", L"\\Dir\\", L"File", L".TXT"},
        {L"C:\\a\\b.txt", L"C:\\a\\b.txt", L"C:", L"\\a\\", L"b", L".txt"},
        {L"C:\\", L"C:", L"C:", L"", L"", L""},
        {L"C:\\dir\\\\", L"C:\\dir", L"C:", L"\\", L"dir", L""},
        {L"\\\\srv\\share\\", L"\\\\srv\\share", L"", L"\\\\srv\\", L"share", L""},
        {L"\\\\srv\\share\\f.txt", L"\\\\srv\\share\\f.txt", L"", L"\\\\srv\\share\\", L"f", L".txt"},
        {L"a.tar.gz", L"a.tar.gz", L"", L"", L"a.tar", L".gz"},
        {L".profile", L".profile", L"", L"", L"", L".profile"},
        {L"dir.d/name", L"dir.d\\name", L"", L"dir.d\\", L"name", L""},
        {L"C:\\f.", L"C:\\f.", L"C:", L"\\", L"f", L"."},
    };
    for (const Case& c : cases) {
        Path p(c.given);
        ASSERT_TRUE(p->IsSet()) << c.given;
        EXPECT_EQ(std::wstring(c.full), p->GetText()) << c.given;
        StrBuffer* folder = p->GetFolderStr(nullptr, false);
        const std::wstring expectedFolder = std::wstring(c.drive) + c.folder;
        EXPECT_EQ(expectedFolder.empty() || expectedFolder.back() != L'\\' ? expectedFolder + L"\\" : expectedFolder,
                  Str(folder))
            << c.given;
        EXPECT_EQ(std::wstring(c.title), p->GetTitleText()) << c.given;
        EXPECT_EQ(std::wstring(c.extension), p->GetExtensionText()) << c.given;
        EXPECT_EQ(std::wstring(c.extension), p->GetExtension()) << c.given;
        EXPECT_EQ(std::wstring(c.title) + c.extension, p->GetFileNameText()) << c.given;
        EXPECT_EQ(wcslen(c.full), p->GetLength()) << c.given;
    }
}

TEST(PathWinSplit, ExtensionsAndStreams)
{
    Path file(L"C:/Dir/File.TXT");
    EXPECT_TRUE(file->HasExtension(L".txt"));
    EXPECT_TRUE(file->HasExtension(L".TXT"));
    EXPECT_FALSE(file->HasExtension(L"txt"));
    EXPECT_EQ(std::wstring(L"TXT"), file->GetExtensionNoDotText());
    EXPECT_FALSE(file->IsStream());

    Path stream(L"C:\\f.txt:stream"), bare(L"C:\\f:s");
    EXPECT_TRUE(stream->IsStream());
    EXPECT_TRUE(bare->IsStream());

    // A lone dot gives nothing, not what the scratch text held before.
    Path dot(L"C:\\name.");
    EXPECT_EQ(std::wstring(L"name."), dot->GetFileNameText());
    EXPECT_EQ(std::wstring(L""), dot->GetExtensionNoDotText());
}

TEST(PathWinSplit, EmptyAndOverlongTextsLeaveThePathNotSet)
{
    Path empty(L"");
    EXPECT_FALSE(empty->IsSet());
    EXPECT_EQ(0u, empty->GetLength());
    EXPECT_FALSE(empty->Exists());
    EXPECT_FALSE(empty->IsAbsolute());

    // A name beyond the split's 779 characters, and a folder part beyond it.
    const std::wstring longName = L"C:\\dir\\" + std::wstring(780, L'n') + L".txt";
    std::wstring deep = L"C:";
    while (deep.size() < 40000)
        deep += L"\\" + std::wstring(200, L'd');
    for (const std::wstring& text : {longName, deep}) {
        Path p(text);
        EXPECT_FALSE(p->IsSet());
        EXPECT_EQ(0u, p->GetLength());
        EXPECT_EQ(std::wstring(L""), p->GetText());
        EXPECT_FALSE(p->Exists());
        EXPECT_FALSE(p->CreateDirectory(false));
    }
    const std::wstring fits = L"C:\\dir\\" + std::wstring(779, L'n');
    EXPECT_TRUE(Path(fits)->IsSet());
}

TEST(PathWinParts, DriveAloneAndParents)
{
    Path drive(L"C:\\");
    EXPECT_EQ(std::wstring(L"C:"), drive->GetText());
    EXPECT_TRUE(drive->IsDriveOnly());
    EXPECT_TRUE(drive->HasDrive());
    EXPECT_EQ(L'C', drive->GetDriveLetter());
    EXPECT_EQ(std::wstring(L"C:\\"), drive->GetRootText());
    EXPECT_EQ(std::wstring(L"C:\\"), drive->GetFolderText());
    EXPECT_EQ(std::wstring(L"C:"), drive->GetFolderNoSlashText());
    EXPECT_EQ(std::wstring(L"C:"), TextOf(Path(drive->GetParent()).get()));
    EXPECT_EQ(nullptr, drive->GetParentIfAny());

    Path file(L"C:\\a\\b.txt");
    EXPECT_EQ(std::wstring(L"C:\\"), file->GetRootText());
    EXPECT_EQ(std::wstring(L"C:\\a\\"), file->GetFolderText());
    EXPECT_EQ(std::wstring(L"C:\\a"), file->GetFolderNoSlashText());
    EXPECT_EQ(std::wstring(L"C:\\a\\b.txt\\"), file->GetFullPathSlashText());
    Path parent(file->GetParent());
    EXPECT_EQ(std::wstring(L"C:\\a"), TextOf(parent.get()));
    EXPECT_EQ(std::wstring(L"C:"), TextOf(Path(parent->GetParent()).get()));
    EXPECT_EQ(std::wstring(L"C:\\a"), TextOf(Path(file->GetParentIfAny()).get()));

    // A path set from one of its own texts.
    file->SetFromText(file->GetFolderNoSlashText());
    EXPECT_EQ(std::wstring(L"C:\\a"), file->GetText());
    EXPECT_EQ(std::wstring(L"a"), file->GetTitleText());

    Path name(L"name.txt");
    EXPECT_EQ(std::wstring(L"\\"), name->GetFolderText());
    EXPECT_FALSE(name->IsAbsolute());
}

TEST(PathWinParts, StrGettersReplaceOrAppend)
{
    Path file(L"C:\\a\\b.txt");
    StrBuffer* out = StrBuffer::New();
    out->Assign(L"old");
    file->GetTitleStr(out, true);
    EXPECT_EQ(std::wstring(L"oldb"), out->GetText());
    file->GetExtensionNoDotStr(out, false);
    EXPECT_EQ(std::wstring(L"txt"), out->GetText());
    Path none(L"C:\\a\\b");
    none->GetExtensionStr(out, true);
    EXPECT_EQ(std::wstring(L"txt"), out->GetText());
    none->GetExtensionStr(out, false);
    EXPECT_EQ(0u, out->GetLength());
    out->ReleaseToPool();
}

TEST(PathWinParts, DerivedPaths)
{
    Path file(L"C:\\a\\b.txt");
    EXPECT_EQ(std::wstring(L"C:\\a\\b.txt\\c"), TextOf(Path(file->GetChild(L"c")).get()));
    EXPECT_EQ(std::wstring(L"C:\\a\\b.bak"), TextOf(Path(file->WithExtension(L".bak")).get()));
    EXPECT_EQ(std::wstring(L"C:\\a\\b_1.txt"), TextOf(Path(file->WithNameSuffix(L"_1")).get()));
    EXPECT_EQ(std::wstring(L"C:\\links\\Tool.lnk"),
              TextOf(Path(PathWin::CreateShortcutFilePath(L"C:\\links", L"Tool")).get()));
}

TEST(PathWinServer, ServerPaths)
{
    Path share(L"\\\\srv\\share\\");
    EXPECT_EQ(std::wstring(L"\\\\srv\\share"), share->GetText());
    EXPECT_TRUE(share->IsUnc());
    EXPECT_TRUE(share->IsAbsolute());
    EXPECT_FALSE(share->HasDrive());
    EXPECT_EQ(std::wstring(L"srv"), share->GetServerName());

    Path file(L"\\\\srv\\share\\dir\\f.txt");
    EXPECT_EQ(std::wstring(L"\\\\srv\\share\\"), file->GetRootText());

    Path three(L"\\\\\\srv\\share");
    EXPECT_FALSE(three->IsUnc());
    EXPECT_FALSE(three->IsAbsolute());
}

TEST(PathWinLongForm, SwitchesAtTwoHundredFiftyCharacters)
{
    struct Case {
        std::wstring prefix;
        size_t length;
        std::wstring systemPrefix;
    };
    const Case cases[] = {
        {L"C:\\", 249, L""},
        {L"C:\\", 250, L"\\\\?\\"},
        {L"\\\\srv\\share\\", 249, L""},
        {L"\\\\srv\\share\\", 250, L"\\\\?\\UNC\\"},
    };
    for (const Case& c : cases) {
        std::wstring text = c.prefix;
        while (text.size() < c.length)
            text += text.size() % 100 == 99 ? L'\\' : L'x';
        text.back() = L'y';
        Path p(text);
        ASSERT_EQ(c.length, p->GetLength());
        const std::wstring expected = c.systemPrefix.empty() ? text
                                      : c.systemPrefix == L"\\\\?\\" ? c.systemPrefix + text
                                                                     : c.systemPrefix + text.substr(2);
        EXPECT_EQ(expected, p->GetSystemText()) << c.length << " " << c.prefix;
    }
}

TEST(PathWinVolume, SameVolume)
{
    struct Case {
        const wchar_t* base;
        const wchar_t* other;
        bool same;
    };
    const Case cases[] = {
        {L"C:\\a", L"C:\\b", true},
        {L"\\\\SRV\\x", L"\\\\srv\\y", true},
        {L"C:\\a", L"\\\\srv\\x", false},
        {L"C:\\a", L"c:\\b", true},
        {L"C:\\a", L"D:\\a", false},
        {L"\\\\one\\x", L"\\\\two\\x", false},
        {L"C:\\a", L"a\\b", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.same, Path(c.base)->IsSameVolume(c.other)) << c.base << " " << c.other;
}

TEST(PathWinRelative, MakeRelative)
{
    struct Case {
        const wchar_t* base;
        bool baseIsFolder;
        const wchar_t* text;
        const wchar_t* relative;
    };
    const Case cases[] = {
        {L"c:\\a\\b", true, L"C:\\a\\c\\f.txt", L"..\\c\\f.txt"},
        {L"C:\\a\\b", true, L"C:\\a\\b\\x\\y.txt", L"x\\y.txt"},
        {L"C:\\a\\b", true, L"c:\\A\\B\\Z", L"Z"},
        {L"C:\\a\\b\\file.txt", false, L"C:\\a\\b\\sub\\y", L"sub\\y"},
        {L"C:\\a\\b", true, L"C:\\x", L"..\\..\\x"},
        // Names that share their first letters are still different names.
        {L"C:\\ab", true, L"C:\\ac\\f", L"..\\ac\\f"},
        {L"C:\\a\\b", true, L"C:\\a\\bc\\x", L"..\\bc\\x"},
        {L"\\\\srv\\share\\a", true, L"\\\\SRV\\share\\b", L"..\\b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::wstring(c.relative), Path(c.base)->MakeRelative(c.text, c.baseIsFolder)) << c.base << " " << c.text;

    Path base(L"C:\\a");
    const wchar_t* other = L"D:\\x";
    EXPECT_EQ(other, base->MakeRelative(other, true));
}

TEST(PathWinRelative, MakeAbsolute)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* absolute; // null: the text comes back unchanged
    };
    const Case cases[] = {
        {L"..\\x.txt", L"C:\\a\\x.txt"},
        {L"..\\..\\x", L"C:\\x"},
        {L"..\\..\\..\\x", nullptr},
        {L"sub\\x", L"C:\\a\\b\\sub\\x"},
        {L"../x", L"C:\\a\\x"},
        // Only leading ".." segments climb.
        {L"sub\\..\\x", L"C:\\a\\b\\sub\\..\\x"},
        {L"D:\\y", nullptr},
        {L"\\\\srv\\s", nullptr},
        {L"//srv/s", nullptr},
    };
    Path base(L"C:\\a\\b");
    for (const Case& c : cases) {
        const wchar_t* result = base->MakeAbsolute(c.text, true);
        if (c.absolute)
            EXPECT_EQ(std::wstring(c.absolute), result) << c.text;
        else
            EXPECT_EQ(c.text, result) << c.text;
    }
    Path file(L"C:\\a\\b\\file.txt");
    EXPECT_EQ(std::wstring(L"C:\\a\\x"), file->MakeAbsolute(L"..\\x", false));
}

TEST(PathWinCompare, ComparatorsAndFullPathSlots)
{
    Path a(L"C:\\a\\b.TXT"), b(L"c:\\A\\b.txt"), longer(L"C:\\a\\b.txt2"), other(L"C:\\a\\c.doc");
    EXPECT_EQ(0, PathWin::CompareByFullPath(a.get(), b.get()));
    EXPECT_EQ(-1, PathWin::CompareByFullPath(a.get(), longer.get()));
    EXPECT_EQ(1, PathWin::CompareByFullPath(longer.get(), a.get()));
    EXPECT_LT(PathWin::CompareByFullPath(a.get(), other.get()), 0);
    EXPECT_EQ(0, PathWin::CompareByExtension(a.get(), b.get()));
    EXPECT_GT(PathWin::CompareByExtension(a.get(), other.get()), 0);

    StrBuffer* text = StrBuffer::New();
    text->Assign(L"C:\\a\\b.TXT");
    EXPECT_TRUE(a->Equals(text));
    EXPECT_FALSE(b->Equals(text));
    EXPECT_TRUE(b->EqualsIgnoreCase(text));
    EXPECT_EQ(text->HashCode(), a->HashCode());
    text->ReleaseToPool();
    EXPECT_STREQ(L"s_file_win_PathWin", a->GetClassName());
}

class PathWinOnDisk : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(PathWinOnDisk, UniqueSiblings)
{
    TempFolder::WriteFileBytes(folder / L"b.txt", "x");
    TempFolder::WriteFileBytes(folder / L"b (1).txt", "x");
    Path file(folder / L"b.txt");
    EXPECT_EQ(folder / L"b (2).txt", TextOf(Path(file->GetUniqueSibling()).get()));
    EXPECT_EQ(folder / L"b1.txt", TextOf(Path(file->GetUniqueSiblingNumbered()).get()));

    Path missing(folder / L"new.txt");
    EXPECT_EQ(folder / L"new.txt", TextOf(Path(missing->GetUniqueSibling()).get()));

    CreateDirectoryW((folder / L"d.x").c_str(), nullptr);
    Path dir(folder / L"d.x");
    EXPECT_EQ(folder / L"d.x (1)", TextOf(Path(dir->GetUniqueSibling()).get()));
    EXPECT_EQ(folder / L"d.x_old", TextOf(Path(dir->WithNameSuffix(L"_old")).get()));
}

TEST_F(PathWinOnDisk, CreatesMissingParentsAndAnExistingFolderIsNotMadeAgain)
{
    Path deep(folder / L"a\\b\\c");
    EXPECT_FALSE(deep->Exists());
    EXPECT_TRUE(deep->CreateDirectory(false));
    EXPECT_TRUE(deep->Exists());
    EXPECT_TRUE(deep->IsDirectory());
    EXPECT_FALSE(deep->CreateDirectory(false));
    EXPECT_TRUE(TempFolder::Exists(folder / L"a\\b"));

    // An existing folder is taken as the base of a relative text without being told.
    Path base(folder / L"a\\b");
    const std::wstring target = folder / L"a\\x.txt";
    EXPECT_EQ(std::wstring(L"..\\x.txt"), base->MakeRelative(target.c_str(), false));
}

TEST_F(PathWinOnDisk, AttributesOfAMissingPath)
{
    Path missing(folder / L"none");
    EXPECT_FALSE(missing->Exists());
    EXPECT_EQ(0xFFFFFFFFu, missing->GetAttributes());
    TempFolder::WriteFileBytes(folder / L"f.bin", "1");
    Path file(folder / L"f.bin");
    EXPECT_TRUE(file->Exists());
    EXPECT_TRUE(file->IsFile());
    EXPECT_FALSE(file->IsDirectory());
}

// Paths derived from a path stay in its folder, whatever the folder's length; one that cannot
// be made is none, never a path elsewhere (the root of the drive).
TEST(PathWinParts, SiblingsStayInTheFolder)
{
    for (uint32_t folderLength : {777u, 778u, 779u}) {
        SCOPED_TRACE(folderLength);
        const std::wstring folder = L"\\" + std::wstring(folderLength - 2, L'd') + L"\\";
        Path path(L"C:" + folder + L"f.txt");
        ASSERT_TRUE(path->IsSet());
        EXPECT_EQ(L"C:" + folder, path->GetFolderText());
        EXPECT_EQ(L"C:" + folder + L"f.bak", TextOf(Path(path->WithExtension(L".bak")).get()));
        EXPECT_EQ(L"C:" + folder + L"f-old.txt", TextOf(Path(path->WithNameSuffix(L"-old")).get()));
        EXPECT_EQ(L"C:" + folder.substr(0, folder.size() - 1), TextOf(Path(path->GetParent()).get()));
    }
    struct Case {
        const wchar_t* given;
        const wchar_t* withExtension; // WithExtension(".bak")
    } cases[] = {
        {L"C:\\a\\b.txt", L"C:\\a\\b.bak"},
        {L"f.txt", L"f.bak"},
        {L"sub\\f.txt", L"sub\\f.bak"},
        {L"C:f.txt", L"C:f.bak"},
        {L"\\\\srv\\share\\f.txt", L"\\\\srv\\share\\f.bak"},
        {L"", L"<none>"},
    };
    for (const Case& c : cases) {
        Path path(c.given);
        EXPECT_EQ(c.withExtension, TextOf(Path(path->WithExtension(L".bak")).get())) << c.given;
    }
    // An extension beyond the split's bound makes no path at all.
    Path path(L"C:\\a\\b.txt");
    const std::wstring overlong = L"." + std::wstring(PathWin::kMaxPartLength, L'x');
    EXPECT_EQ(nullptr, Path(path->WithExtension(overlong.c_str())).get());
}

// A text already in the system's long form is passed on as it is: it names the same file.
TEST(PathWinLongForm, LongFormTextsStayAsTheyAre)
{
    const std::wstring name(300, L'n');
    const wchar_t* prefixes[] = {L"\\\\?\\C:\\", L"\\\\?\\UNC\\srv\\share\\", L"\\\\.\\C:\\"};
    for (const wchar_t* prefix : prefixes) {
        const std::wstring text = prefix + name;
        Path path(text);
        EXPECT_EQ(text, path->GetSystemText()) << prefix;
    }
}

TEST_F(PathWinOnDisk, FileNamedInTheLongFormIsFoundAndSaved)
{
    std::wstring text = L"\\\\?\\" + folder / L"";
    text += std::wstring(120, L'a') + L"\\" + std::wstring(120, L'b') + L".xml";
    const size_t longForm = PathWin::kLongFormLength;
    ASSERT_GE(text.size(), longForm);
    Path path(text);
    ASSERT_TRUE(path->IsSet());
    Path parent(path->GetParent());
    ASSERT_TRUE(parent->CreateDirectory(false));
    ArrayU08* bytes = ArrayU08::New();
    bytes->AppendRaw("<r></r>", 7, 0);
    EXPECT_TRUE(s::file::win::WholeFile::Replace(path.get(), bytes));
    bytes->ReleaseToPool();
    EXPECT_TRUE(path->Exists());
    EXPECT_TRUE(path->IsFile());
    EXPECT_EQ(7, path->GetSize(false, false, nullptr, nullptr, false));
    EXPECT_TRUE(path->Delete(false, false));
}

// The path text ends at its first NUL, as it does for the system: what the queries report is
// the file the operations reach.
TEST(PathWinSplit, TextEndsAtItsFirstNul)
{
    StrBuffer* text = StrBuffer::New();
    const wchar_t given[] = L"C:\\dir\\good.xml\0.evil";
    text->AppendChars(given, static_cast<uint32_t>(sizeof given / sizeof given[0] - 1));
    ASSERT_EQ(21u, text->GetLength());
    Path path(PathWin::New());
    path->SetFromStr(text);
    text->ReleaseToPool();
    EXPECT_STREQ(L"C:\\dir\\good.xml", path->GetText());
    EXPECT_EQ(15u, path->GetLength());
    EXPECT_STREQ(L".xml", path->GetExtension());
    EXPECT_TRUE(path->HasExtension(L".xml"));
    EXPECT_FALSE(path->HasExtension(L".evil"));
    EXPECT_STREQ(L"good.xml", path->GetFileNameText());

    StrBuffer* nulFirst = StrBuffer::New();
    nulFirst->AppendChars(L"\0x.txt", 6);
    Path empty(PathWin::New());
    empty->SetFromStr(nulFirst);
    nulFirst->ReleaseToPool();
    EXPECT_FALSE(empty->IsSet());
}
