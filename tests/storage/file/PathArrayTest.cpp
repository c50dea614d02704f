#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "storage/file/Extension.h"
#include "storage/file/PathArray.h"

using namespace file_test;
using s::file::Extension;
using s::file::win::PathArray;
using s::file::win::PathWin;

namespace {

typedef s::file::Pooled<PathArray> List;

// One group as its label and the file names of its members.
struct Group {
    std::wstring label;
    std::vector<std::wstring> names;
    bool operator==(const Group& o) const { return label == o.label && names == o.names; }
};

std::ostream& operator<<(std::ostream& out, const Group& g)
{
    out << std::string(g.label.begin(), g.label.end()) << ":";
    for (const std::wstring& n : g.names)
        out << " " << std::string(n.begin(), n.end());
    return out;
}

// The groups of a grouping result, which is given back (and with it the groups).
std::vector<Group> GroupsOf(s::col::_array::ArrayP* groups)
{
    std::vector<Group> result;
    if (!groups)
        return result;
    for (uint32_t i = 0; i < groups->GetCount(); ++i) {
        Extension* group = static_cast<Extension*>(groups->Get(i));
        Group g;
        g.label = group->GetLabel()->GetText();
        for (uint32_t m = 0; m < group->GetMemberCount(); ++m)
            g.names.push_back(group->GetMember(m)->GetFileNameText());
        result.push_back(g);
    }
    groups->ReleaseToPool();
    return result;
}

std::vector<std::wstring> NamesOf(PathArray* list)
{
    std::vector<std::wstring> names;
    for (uint32_t i = 0; i < list->GetCount(); ++i)
        names.push_back(list->GetAt(i)->GetFileNameText());
    return names;
}

PathArray* ListOf(std::initializer_list<const wchar_t*> texts)
{
    PathArray* list = PathArray::New();
    for (const wchar_t* text : texts)
        list->AddText(text);
    return list;
}

void WriteSized(const std::wstring& path, int64_t size)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER at;
    at.QuadPart = size;
    SetFilePointerEx(h, at, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
    CloseHandle(h);
}

} // namespace

TEST(PathArrayGrouping, BySizeClassBelowAndAtLeast)
{
    TempFolder folder;
    WriteSized(folder / L"small", 500);
    WriteSized(folder / L"medium", 5000);
    WriteSized(folder / L"large", 2000000);
    List list(PathArray::New());
    for (const wchar_t* name : {L"small", L"medium", L"large"})
        list->AddText((folder / name).c_str());

    const std::vector<Group> below = {
        {L"10485760", {L"large", L"medium", L"small"}},
        {L"10240", {L"medium", L"small"}},
        {L"1024", {L"small"}},
    };
    EXPECT_EQ(below, GroupsOf(list->GroupBySizeClass()));
    const std::vector<Group> atLeast = {
        {L"1048576", {L"large"}},
        {L"1024", {L"medium", L"large"}},
    };
    EXPECT_EQ(atLeast, GroupsOf(list->GroupBySizeClassAtLeast()));
    // The groups borrowed the paths: the list still holds all three.
    EXPECT_EQ(3u, list->GetCount());
}

TEST(PathArrayGrouping, ByExtension)
{
    List list(ListOf({L"C:\\x\\b.TXT", L"C:\\x\\a.txt", L"C:\\x\\c.doc", L"C:\\x\\d"}));
    const std::vector<Group> expected = {
        {L"", {L"d"}},
        {L".doc", {L"c.doc"}},
        {L".TXT", {L"b.TXT", L"a.txt"}},
    };
    EXPECT_EQ(expected, GroupsOf(list->GroupByExtension()));
    EXPECT_EQ((std::vector<std::wstring>{L"d", L"c.doc", L"b.TXT", L"a.txt"}), NamesOf(list.get()));
}

TEST(PathArrayGrouping, ByWordsOfTheNames)
{
    List photos(ListOf({L"C:\\p\\holiday photo.jpg", L"C:\\p\\photo album.png", L"C:\\p\\notes.txt"}));
    const std::vector<Group> byKey = {{L"photo", {L"holiday photo.jpg", L"photo album.png"}}};
    EXPECT_EQ(byKey, GroupsOf(photos->GroupByKey(false)));

    List pictures(ListOf({L"C:\\p\\a.jpg", L"C:\\p\\b.jpg"}));
    const std::vector<Group> withExtension = {{L"jpg", {L"a.jpg", L"b.jpg"}}};
    EXPECT_EQ(withExtension, GroupsOf(pictures->GroupByKeyAndExtension(false)));
    EXPECT_TRUE(GroupsOf(pictures->GroupByKey(false)).empty());

    // The biggest group first; a word twice in one name counts once.
    List many(ListOf({L"C:\\p\\red red car.png", L"C:\\p\\red bike.png", L"C:\\p\\blue car.png", L"C:\\p\\red.png"}));
    const std::vector<Group> ranked = {
        {L"red", {L"red red car.png", L"red bike.png", L"red.png"}},
        {L"car", {L"red red car.png", L"blue car.png"}},
    };
    EXPECT_EQ(ranked, GroupsOf(many->GroupByKey(false)));
}

TEST(PathArrayList, InsertTakeRemoveAndSearch)
{
    List list(ListOf({L"C:\\b", L"C:\\c"}));
    list->InsertTextAt(0, L"C:\\a");
    list->InsertTextAt(3, L"C:\\d");
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"b", L"c", L"d"}), NamesOf(list.get()));
    uint32_t index = 99;
    EXPECT_TRUE(list->IndexOfText(L"c:/C", &index));
    EXPECT_EQ(2u, index);
    Path exact(MakePath(L"c:\\C"));
    EXPECT_FALSE(list->IndexOf(exact.get(), &index));
    EXPECT_EQ(2u, index);
    EXPECT_TRUE(list->IndexOfIgnoreCase(exact.get(), nullptr));
    Path taken(list->TakeAt(1));
    EXPECT_EQ(std::wstring(L"C:\\b"), taken->GetText());
    list->RemoveAt(0);
    list->RemoveLast();
    EXPECT_EQ((std::vector<std::wstring>{L"c"}), NamesOf(list.get()));
    list->RemoveLast();
    list->RemoveLast(); // nothing left: nothing happens
    EXPECT_EQ(0u, list->GetCount());

    List sorted(ListOf({L"C:\\b.txt", L"C:\\A.doc", L"C:\\a.txt"}));
    sorted->SortByPath();
    EXPECT_EQ((std::vector<std::wstring>{L"A.doc", L"a.txt", L"b.txt"}), NamesOf(sorted.get()));
}

TEST(PathArrayList, NulSeparatedForTheShell)
{
    List list(ListOf({L"C:\\a", L"C:\\b"}));
    s::str::strbuffer::StrBuffer* joined = list->JoinNulSeparated(nullptr, false);
    EXPECT_EQ(std::wstring(L"C:\\a\0C:\\b\0", 10), std::wstring(joined->GetText(), joined->GetLength()));
    EXPECT_EQ(0, joined->GetText()[10]);
    joined->ReleaseToPool();
    const wchar_t* text = list->GetNulSeparated();
    EXPECT_EQ(std::wstring(L"C:\\b"), text + 5);
    List empty(PathArray::New());
    EXPECT_EQ(0, empty->GetNulSeparated()[0]);
    EXPECT_EQ(0, empty->GetNulSeparated()[1]);
}

TEST(PathArrayList, FoldersExpandedFlaggedAndTaken)
{
    TempFolder folder;
    MakeFolder(folder / L"d1");
    MakeFolder(folder / L"d2");
    MakeFolder(folder / L"d1\\inner");
    TempFolder::WriteFileBytes(folder / L"d1\\x.txt", "x");
    TempFolder::WriteFileBytes(folder / L"d1\\inner\\y.txt", "y");
    TempFolder::WriteFileBytes(folder / L"f", "f");

    List one(PathArray::New());
    one->AddText((folder / L"d1").c_str());
    one->ExpandFolders(false);
    EXPECT_EQ(3u, one->GetCount());
    EXPECT_EQ(folder / L"d1", std::wstring(one->GetAt(0)->GetText()));
    List deep(PathArray::New());
    deep->AddText((folder / L"d1").c_str());
    deep->ExpandFolders(true);
    EXPECT_EQ(4u, deep->GetCount());

    List list(PathArray::New());
    for (const wchar_t* name : {L"d1", L"f", L"d2"})
        list->AddText((folder / name).c_str());
    EXPECT_FALSE(list->WasDirectory(0));
    list->RecordDirectoryFlags();
    EXPECT_TRUE(list->WasDirectory(0));
    EXPECT_FALSE(list->WasDirectory(1));
    EXPECT_TRUE(list->WasDirectory(2));
    EXPECT_FALSE(list->WasDirectory(3));

    List relocated(list->RelocateTo(L"D:\\x"));
    EXPECT_EQ(std::wstring(L"D:\\x\\f"), relocated->GetAt(1)->GetText());
    EXPECT_TRUE(relocated->WasDirectory(2));
    EXPECT_FALSE(relocated->WasDirectory(1));

    List directories(list->TakeDirectories(nullptr));
    EXPECT_EQ((std::vector<std::wstring>{L"f"}), NamesOf(list.get()));
    EXPECT_EQ((std::vector<std::wstring>{L"d2", L"d1"}), NamesOf(directories.get()));
}

TEST(PathArrayList, DerivedNamesAndUniqueNames)
{
    TempFolder folder;
    TempFolder::WriteFileBytes(folder / L"a.txt", "a");
    TempFolder::WriteFileBytes(folder / L"a (1).txt", "a");
    List list(PathArray::New());
    list->AddText((folder / L"a.txt").c_str());
    list->AddText((folder / L"b.txt").c_str());
    list->AddText(L"D:");
    List links(list->GetShortcutPathsIn(L"E:\\links"));
    EXPECT_EQ(std::wstring(L"E:\\links\\a.txt.lnk"), links->GetAt(0)->GetText());
    EXPECT_EQ(std::wstring(L"E:\\links\\D.lnk"), links->GetAt(2)->GetText());
    EXPECT_FALSE(links->WasDirectory(0));

    EXPECT_EQ((std::vector<std::wstring>{L"a.txt", L"b.txt", L""}), TextsOf(list->GetFileNames()));

    list->MakeNamesUnique();
    EXPECT_EQ(folder / L"a (2).txt", std::wstring(list->GetAt(0)->GetText()));
    EXPECT_EQ(folder / L"b.txt", std::wstring(list->GetAt(1)->GetText()));

    const wchar_t* texts[] = {L"C:\\one", L"C:\\two"};
    list->AssignTexts(2, texts);
    EXPECT_EQ((std::vector<std::wstring>{L"one", L"two"}), NamesOf(list.get()));
}
