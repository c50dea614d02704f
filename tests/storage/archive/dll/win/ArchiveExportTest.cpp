// The resource archive's dumps and exports over the fixture library: golden texts, icon, cursor
// and bitmap files, and the folder tree ExportAll writes, file by file.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "core/col/Arrays.h"
#include "storage/TestFiles.h"
#include "storage/archive/ResourceTypeCode.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/archive/dll/win/MeteredStream.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "storage/file/TempFolder.h"

namespace {

using s::archive::dll::win::Archive;
using s::col::_array::ArrayU08;
using s::file::Pooled;
using s::file::win::PathWin;
using testfiles::BesideTestProgram;
using Export = bool (Archive::*)(uint32_t, s::io::IOutputStream*);

const char kStrings[] = "\"First string\"\r\n\r\n\"Third, \"quoted\" & long\"\r\n"
                        "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                        "\"Last\"\r\n";
const char kAccelerators[] = "Key: Alt + Ctrl + Shift + F1 key\r\nAction ID: 100\r\n\r\n"
                             "Key: A key\r\nAction ID: 101\r\n\r\n"
                             "Key: Ctrl + DEL key\r\nAction ID: 102\r\n\r\n"
                             "Key: q key\r\nAction ID: 103\r\n\r\n";
const char kMenu[] = "&File\r\n"
                     "\t&Open\r\n\t(ID: 200)\r\n"
                     "\t---------------\r\n"
                     "\tRecent\r\n"
                     "\t\tOne\r\n\t\t(ID: 201)\r\n"
                     "\t\tTwo\r\n\t\t(ID: 202)\r\n"
                     "&Help\r\n"
                     "\tAbout\r\n\t(ID: 210)\r\n";
const char kVersion[] = "CompanyName: Pulsegrid test fixtures\r\n"
                        "FileDescription: Resources for the archive tests\r\n"
                        "FileVersion: 1.2.3.4\r\n"
                        "ProductName: ResourceFixture\r\n";

std::string Contents(ArrayU08* array)
{
    return std::string(static_cast<const char*>(array->GetData()), array->GetCount());
}

// A file the test tree's image script made.
std::string FixtureImage(const wchar_t* name)
{
    return TempFolder::ReadFileBytes(BesideTestProgram((std::wstring(L"icon-fixture\\") + name).c_str()));
}

// Every file below the folder, as "sub\name", and every folder with a trailing "\".
void ListTree(const std::wstring& folder, const std::wstring& prefix, std::set<std::wstring>* found)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            found->insert(prefix + name + L"\\");
            ListTree(folder + L"\\" + name, prefix + name + L"\\", found);
        } else {
            found->insert(prefix + name);
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

class ResourceExport : public ::testing::Test {
protected:
    void SetUp() override { Open(BesideTestProgram(L"ResourceFixture.dll")); }

    void Open(const std::wstring& module)
    {
        Pooled<PathWin> path(PathWin::CreateFromText(module.c_str()));
        archive.reset(Archive::OpenModule(path.get()));
        ASSERT_TRUE(archive->IsOpen());
    }

    uint32_t IndexOf(uint32_t typeCode, uint32_t id)
    {
        uint32_t index = 0;
        EXPECT_TRUE(archive->FindByTypeAndId(typeCode, id, &index)) << typeCode << " " << id;
        return index;
    }

    // What the export wrote, or "<failed>".
    std::string Exported(Export operation, uint32_t index)
    {
        Pooled<ArrayU08> out;
        return (archive.get()->*operation)(index, out.get()) ? Contents(out.get()) : "<failed>";
    }

    struct Holder {
        Archive* a = nullptr;
        ~Holder() { reset(nullptr); }
        void reset(Archive* next)
        {
            if (a)
                a->ReleaseToPool();
            a = next;
        }
        Archive* get() { return a; }
        Archive* operator->() { return a; }
    } archive;
};

TEST_F(ResourceExport, TextDumpsOfTheFixturesResources)
{
    struct Case {
        const char* what;
        Export operation;
        uint32_t type;
        uint32_t id;
        std::string text;
    };
    const Case cases[] = {
        {"string table", &Archive::StringTableToText, s::archive::kTypeString, 3, kStrings},
        {"accelerators", &Archive::AcceleratorsToText, s::archive::kTypeAccelerator, 303, kAccelerators},
        {"menu", &Archive::MenuToText, s::archive::kTypeMenu, 304, kMenu},
        {"version", &Archive::VersionToText, s::archive::kTypeVersion, 305, kVersion},
        // A resource of another kind gives what its bytes allow: here nothing.
        {"a menu of text bytes", &Archive::MenuToText, s::archive::kTypeRcData, 7, ""},
        {"a version of text bytes", &Archive::VersionToText, s::archive::kTypeRcData, 7, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, Exported(c.operation, IndexOf(c.type, c.id))) << c.what;
}

TEST_F(ResourceExport, GroupsAndBitmapsBecomeTheFilesTheyCameFrom)
{
    const std::string icon = Exported(&Archive::ExportIconGroup, IndexOf(s::archive::kTypeGroupIcon, 300));
    EXPECT_EQ(FixtureImage(L"pair.ico"), icon);
    EXPECT_EQ(FixtureImage(L"bitmap4.bmp"), Exported(&Archive::ExportBitmap, IndexOf(s::archive::kTypeBitmap, 302)));

    // The cursor file's record gains the group's height word in its colour-count byte.
    std::string cursor = FixtureImage(L"cursor32.cur");
    ASSERT_EQ(326u, cursor.size());
    cursor[6 + 2] = 64;
    EXPECT_EQ(cursor, Exported(&Archive::ExportCursorGroup, IndexOf(s::archive::kTypeGroupCursor, 301)));
}

TEST_F(ResourceExport, ExportsFailWithoutWritingWhenTheyCannot)
{
    const uint32_t iconGroup = IndexOf(s::archive::kTypeGroupIcon, 300);
    const uint32_t rcData = IndexOf(s::archive::kTypeRcData, 7);
    struct Case {
        const char* what;
        Export operation;
        uint32_t index;
    };
    const Case cases[] = {
        {"an icon group of another entry", &Archive::ExportIconGroup, rcData},
        {"a cursor group of an icon group", &Archive::ExportCursorGroup, iconGroup},
        {"a bitmap of text bytes", &Archive::ExportBitmap, rcData},
        {"an index past the entries", &Archive::ExportIconGroup, archive->GetEntryCount()},
        {"a bitmap past the entries", &Archive::ExportBitmap, 0xFFFFFFFFu},
        {"a string table past the entries", &Archive::StringTableToText, archive->GetEntryCount()},
    };
    for (const Case& c : cases) {
        MeteredStream out(1000, 100000);
        EXPECT_FALSE((archive.get()->*c.operation)(c.index, &out)) << c.what;
        EXPECT_EQ("", out.taken) << c.what;
    }
    // A stream that stops taking bytes is a failed export.
    const Case refused[] = {
        {"icon", &Archive::ExportIconGroup, iconGroup},
        {"cursor", &Archive::ExportCursorGroup, IndexOf(s::archive::kTypeGroupCursor, 301)},
        {"bitmap", &Archive::ExportBitmap, IndexOf(s::archive::kTypeBitmap, 302)},
        {"menu", &Archive::MenuToText, IndexOf(s::archive::kTypeMenu, 304)},
    };
    for (const Case& c : refused) {
        MeteredStream out(7, 40);
        EXPECT_FALSE((archive.get()->*c.operation)(c.index, &out)) << c.what;
        EXPECT_EQ(40u, out.taken.size()) << c.what;
    }
}

TEST_F(ResourceExport, ExportAllWritesOneFolderPerTypeFileByFile)
{
    TempFolder temp;
    const std::wstring folder = temp / L"new\\exported";
    CreateDirectoryW((temp / L"new").c_str(), nullptr);
    Pooled<PathWin> path(PathWin::CreateFromText(folder.c_str()));
    archive->ExportAll(path.get());

    std::set<std::wstring> tree;
    ListTree(folder, L"", &tree);
    const std::set<std::wstring> expected = {
        L"240\\", L"240\\1",
        L"ACCELERATOR\\", L"ACCELERATOR\\303.txt",
        L"BITMAP\\", L"BITMAP\\302.bmp",
        L"CURSOR\\", L"CURSOR\\301.cur",
        L"ICON\\", L"ICON\\300.ico",
        L"IDR_XML\\", L"IDR_XML\\130", L"IDR_XML\\131",
        L"MANIFEST\\", L"MANIFEST\\1.xml",
        L"MENU\\", L"MENU\\304.txt",
        L"MESSAGETABLE\\", L"MESSAGETABLE\\1",
        L"RCDATA\\", L"RCDATA\\7", L"RCDATA\\65535", L"RCDATA\\SAMPLE",
        L"STRING\\", L"STRING\\1.txt", L"STRING\\3.txt",
        L"TEXTDATA\\", L"TEXTDATA\\5", L"TEXTDATA\\GREETING",
        L"VERSION.txt",
    };
    EXPECT_EQ(expected, tree);

    const std::wstring root = folder + L"\\";
    EXPECT_EQ("sample", TempFolder::ReadFileBytes(root + L"RCDATA\\SAMPLE"));
    EXPECT_EQ("type 240", TempFolder::ReadFileBytes(root + L"240\\1"));
    EXPECT_EQ("thirteen", TempFolder::ReadFileBytes(root + L"MANIFEST\\1.xml"));
    EXPECT_EQ(kVersion, TempFolder::ReadFileBytes(root + L"VERSION.txt"));
    EXPECT_EQ(kMenu, TempFolder::ReadFileBytes(root + L"MENU\\304.txt"));
    EXPECT_EQ(kStrings, TempFolder::ReadFileBytes(root + L"STRING\\3.txt"));
    EXPECT_EQ(kAccelerators, TempFolder::ReadFileBytes(root + L"ACCELERATOR\\303.txt"));
    EXPECT_EQ(FixtureImage(L"pair.ico"), TempFolder::ReadFileBytes(root + L"ICON\\300.ico"));
    EXPECT_EQ(FixtureImage(L"bitmap4.bmp"), TempFolder::ReadFileBytes(root + L"BITMAP\\302.bmp"));
    // A string table of other bytes: its first count reaches past them.
    EXPECT_EQ("\r\n", TempFolder::ReadFileBytes(root + L"STRING\\1.txt"));

    // A second export leaves what is there as it is.
    TempFolder::WriteFileBytes(root + L"MENU\\304.txt", "kept");
    archive->ExportAll(path.get());
    EXPECT_EQ("kept", TempFolder::ReadFileBytes(root + L"MENU\\304.txt"));
    std::set<std::wstring> again;
    ListTree(folder, L"", &again);
    EXPECT_EQ(expected, again);
}

// Resources no compiler of ours would make, written into a copy of the fixture.
TEST_F(ResourceExport, HostileResourcesExportCleanlyInsideTheFolder)
{
    testfiles::TempCopy copy(BesideTestProgram(L"ResourceFixture.dll"));
    ASSERT_TRUE(copy.Ok());
    const WORD language = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    const std::string notABitmap = "no bitmap at all";
    // A group naming an image the module lacks.
    const uint8_t group[] = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 0x39, 0x30};
    struct Resource {
        const wchar_t* type;
        const wchar_t* name;
        const void* data;
        DWORD size;
    };
    const Resource resources[] = {
        {RT_BITMAP, MAKEINTRESOURCEW(900), notABitmap.data(), static_cast<DWORD>(notABitmap.size())},
        {RT_GROUP_ICON, MAKEINTRESOURCEW(901), group, sizeof group},
        {RT_RCDATA, L"..\\..\\OUT", "escape", 6},
        {L"A:B", L"NUL", "device", 6},
    };
    HANDLE update = BeginUpdateResourceW(copy.Path(), FALSE);
    ASSERT_NE(nullptr, update);
    for (const Resource& r : resources)
        ASSERT_TRUE(UpdateResourceW(update, r.type, r.name, language, const_cast<void*>(r.data), r.size));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
    Open(copy.Path());

    TempFolder temp;
    const std::wstring folder = temp / L"deep";
    CreateDirectoryW(folder.c_str(), nullptr);
    Pooled<PathWin> path(PathWin::CreateFromText(folder.c_str()));
    archive->ExportAll(path.get());
    std::set<std::wstring> tree;
    ListTree(temp.Path(), L"", &tree);
    EXPECT_EQ(0u, tree.count(L"deep\\BITMAP\\900.bmp")) << "a bitmap that could not be written is deleted";
    EXPECT_EQ(1u, tree.count(L"deep\\BITMAP\\302.bmp"));
    EXPECT_EQ(std::string({0, 0, 1, 0, 0, 0}), TempFolder::ReadFileBytes(folder + L"\\ICON\\901.ico"));
    EXPECT_EQ("escape", TempFolder::ReadFileBytes(folder + L"\\RCDATA\\.._.._OUT"));
    EXPECT_EQ("device", TempFolder::ReadFileBytes(folder + L"\\A_B\\_NUL"));
    for (const std::wstring& name : tree)
        EXPECT_EQ(0u, name.find(L"deep\\")) << "outside the folder: " << std::string(name.begin(), name.end());
}

} // namespace
