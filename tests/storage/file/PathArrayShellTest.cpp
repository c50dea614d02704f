#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "storage/file/PathArray.h"
#include "storage/file/PathListShell.h"

using namespace file_test;
using s::file::win::PathArray;
using s::file::win::PathListShell;

namespace {

typedef s::file::Pooled<PathArray> List;

const int kShellFailed = 0x7C;
HWND const kOwner = reinterpret_cast<HWND>(0x1234);

// The texts of a NUL-separated list that ends in two NULs.
std::vector<std::wstring> ListTexts(const wchar_t* list)
{
    std::vector<std::wstring> texts;
    if (!list)
        return texts;
    for (const wchar_t* p = list; *p; p += texts.back().size() + 1)
        texts.push_back(p);
    return texts;
}

struct FileCall {
    UINT function;
    std::vector<std::wstring> from;
    bool hasTarget;
    std::vector<std::wstring> to;
    FILEOP_FLAGS flags;
    HWND owner;
    bool abortedOnEntry;
    bool hasTitle;
    std::wstring title;
};

struct Note {
    LONG event;
    std::wstring path;
    bool operator==(const Note& o) const { return event == o.event && path == o.path; }
};

std::ostream& operator<<(std::ostream& out, const Note& n)
{
    return out << std::hex << n.event << " " << std::string(n.path.begin(), n.path.end());
}

// What the shell was asked, and how it answers. Notifications are only recorded: nothing the
// tests do reaches other programs.
struct ShellLog {
    std::vector<FileCall> fileCalls;
    std::vector<Note> notes;
    bool notesWellFormed = true;
    std::vector<SHELLEXECUTEINFOW> executed;
    std::vector<std::wstring> executedFiles;
    std::vector<std::vector<std::wstring>> propertyLists;

    int answer = 0;
    BOOL abort = FALSE;
    // The system's own file operation does the work (inside the test's folder only).
    bool realFileOperation = false;
    // Deletions are carried out here, for the Recycle Bin must stay untouched.
    bool carryOutDeletes = false;
    BOOL executeAnswer = TRUE;
    bool propertiesAnswer = true;
    PathListShell system = {};
};

ShellLog* gLog = nullptr;

int RecordFileOperation(SHFILEOPSTRUCTW* operation)
{
    FileCall call;
    call.function = operation->wFunc;
    call.from = ListTexts(operation->pFrom);
    call.hasTarget = operation->pTo != nullptr;
    call.to = ListTexts(operation->pTo);
    call.flags = operation->fFlags;
    call.owner = operation->hwnd;
    call.abortedOnEntry = operation->fAnyOperationsAborted != FALSE;
    call.hasTitle = operation->lpszProgressTitle != nullptr;
    call.title = call.hasTitle ? operation->lpszProgressTitle : L"";
    gLog->fileCalls.push_back(call);
    if (gLog->realFileOperation)
        return gLog->system.fileOperation(operation);
    if (gLog->carryOutDeletes && operation->wFunc == FO_DELETE) {
        for (const std::wstring& path : call.from) {
            if (!DeleteFileW(path.c_str()))
                RemoveDirectoryW(path.c_str());
        }
    }
    operation->fAnyOperationsAborted = gLog->abort;
    return gLog->answer;
}

void RecordChange(LONG event, UINT flags, const void* first, const void* second)
{
    if (flags != (SHCNF_PATHW | SHCNF_FLUSH) || !first || second)
        gLog->notesWellFormed = false;
    gLog->notes.push_back({event, first ? static_cast<const wchar_t*>(first) : L""});
}

BOOL RecordExecute(SHELLEXECUTEINFOW* info)
{
    gLog->executed.push_back(*info);
    gLog->executedFiles.push_back(info->lpFile ? info->lpFile : L"");
    return gLog->executeAnswer;
}

bool RecordProperties(uint32_t count, const wchar_t* const* texts)
{
    gLog->propertyLists.emplace_back(texts, texts + count);
    return gLog->propertiesAnswer;
}

class PathArrayShell : public ::testing::Test {
protected:
    void SetUp() override
    {
        gLog = &log;
        const PathListShell recorder = {&RecordFileOperation, &RecordChange, &RecordExecute, &RecordProperties};
        log.system = s::file::win::SetPathListShell(&recorder);
    }
    void TearDown() override
    {
        s::file::win::SetPathListShell(&log.system);
        gLog = nullptr;
    }

    std::wstring File(const std::wstring& name, const std::string& bytes = "x")
    {
        TempFolder::WriteFileBytes(folder / name, bytes);
        return folder / name;
    }
    std::wstring Folder(const std::wstring& name)
    {
        MakeFolder(folder / name);
        return folder / name;
    }
    PathArray* ListOf(std::initializer_list<std::wstring> texts)
    {
        PathArray* list = PathArray::New();
        for (const std::wstring& text : texts)
            list->AddText(text.c_str());
        return list;
    }

    TempFolder folder;
    ShellLog log;
};

TEST_F(PathArrayShell, NotificationsFollowTheRecordedFlagsInListOrder)
{
    const std::wstring file = File(L"a.txt");
    const std::wstring sub = Folder(L"sub");
    const std::wstring never = folder / L"never.txt";
    List list(ListOf({file, sub, never}));

    list->NotifyCreated();
    list->NotifyDeleted();
    EXPECT_TRUE(log.notes.empty()) << "flags never recorded";

    list->RecordDirectoryFlags();
    list->NotifyCreated();
    EXPECT_EQ((std::vector<Note>{{SHCNE_CREATE, file}, {SHCNE_MKDIR, sub}}), log.notes);

    log.notes.clear();
    DeleteFileW(file.c_str());
    RemoveDirectoryW(sub.c_str());
    list->NotifyDeleted();
    EXPECT_EQ((std::vector<Note>{{SHCNE_DELETE, file}, {SHCNE_RMDIR, sub}, {SHCNE_DELETE, never}}), log.notes);
    EXPECT_TRUE(log.notesWellFormed);

    List empty(PathArray::New());
    empty->RecordDirectoryFlags();
    empty->NotifyCreated();
    EXPECT_EQ(3u, log.notes.size());
}

TEST_F(PathArrayShell, CopyAndMoveNameTheTargetByTheCountOfPaths)
{
    const std::wstring a = File(L"a.txt");
    const std::wstring b = File(L"b.txt");
    const std::wstring into = Folder(L"into");
    struct Case {
        const char* what;
        bool move;
        std::vector<std::wstring> paths;
        std::wstring target;
    };
    const Case cases[] = {
        {"copy of one file", false, {a}, into + L"\\a.txt"},
        {"copy of two files", false, {a, b}, into + L"\\"},
        {"move of one file", true, {b}, into + L"\\b.txt"},
        {"move of two files", true, {b, a}, into + L"\\"},
    };
    for (const Case& c : cases) {
        log.fileCalls.clear();
        List list(PathArray::New());
        for (const std::wstring& path : c.paths)
            list->AddText(path.c_str());
        log.abort = TRUE;
        const int32_t result = c.move ? list->ShellMoveTo(into.c_str(), false, true, kOwner)
                                      : list->ShellCopyTo(into.c_str(), false, true, kOwner);
        EXPECT_EQ(1, result) << c.what;
        ASSERT_EQ(1u, log.fileCalls.size()) << c.what;
        const FileCall& call = log.fileCalls[0];
        EXPECT_EQ(c.move ? UINT(FO_MOVE) : UINT(FO_COPY), call.function) << c.what;
        EXPECT_EQ(c.paths, call.from) << c.what;
        EXPECT_EQ(std::vector<std::wstring>{c.target}, call.to) << c.what;
        EXPECT_EQ(FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR, call.flags) << c.what;
        EXPECT_EQ(kOwner, call.owner) << c.what;
        EXPECT_FALSE(call.abortedOnEntry) << c.what;
        EXPECT_TRUE(call.hasTitle && call.title.empty()) << c.what;
    }
    EXPECT_TRUE(log.notes.empty());
}

TEST_F(PathArrayShell, CopyAndMoveResultsFromTheShellsAnswer)
{
    const std::wstring into = Folder(L"into");
    List list(ListOf({File(L"a.txt"), File(L"b.txt")}));
    struct Case {
        int answer;
        BOOL abort;
        int32_t result;
    };
    const Case cases[] = {{0, FALSE, 2}, {0, TRUE, 1}, {kShellFailed, FALSE, 0}, {kShellFailed, TRUE, 0}};
    for (const Case& c : cases) {
        log.answer = c.answer;
        log.abort = c.abort;
        EXPECT_EQ(c.result, list->ShellCopyTo(into.c_str(), false, true, nullptr)) << c.answer << " " << c.abort;
        EXPECT_EQ(c.result, list->ShellMoveTo(into.c_str(), false, true, nullptr)) << c.answer << " " << c.abort;
    }
}

TEST_F(PathArrayShell, NothingToDoAsksNoShell)
{
    const std::wstring into = Folder(L"into");
    List empty(PathArray::New());
    EXPECT_EQ(0, empty->ShellCopyTo(into.c_str(), true, true, nullptr));
    EXPECT_EQ(0, empty->ShellMoveTo(into.c_str(), true, true, nullptr));
    EXPECT_FALSE(empty->ShellDelete(true, false, nullptr));
    EXPECT_FALSE(empty->ShowProperties());

    List list(ListOf({File(L"a.txt"), Folder(L"sub")}));
    EXPECT_EQ(0, list->ShellCopyTo(L"", true, true, nullptr));
    EXPECT_FALSE(list->WasDirectory(1)) << "no destination, no flags";

    // Without perform only the flags are recorded.
    EXPECT_EQ(0, list->ShellCopyTo(into.c_str(), true, false, nullptr));
    EXPECT_EQ(0, list->ShellMoveTo(into.c_str(), true, false, nullptr));
    EXPECT_FALSE(list->WasDirectory(0));
    EXPECT_TRUE(list->WasDirectory(1));

    EXPECT_TRUE(log.fileCalls.empty());
    EXPECT_TRUE(log.notes.empty());
    EXPECT_TRUE(log.executed.empty());
    EXPECT_TRUE(log.propertyLists.empty());
}

TEST_F(PathArrayShell, AFolderShortcutStandsForItsTarget)
{
    const std::wstring real = Folder(L"real");
    Folder(L"alias");
    Path realPath(MakePath(real));
    ASSERT_TRUE(realPath->CreateShortcut((folder / L"alias\\target.lnk").c_str(), false, nullptr));
    List list(ListOf({File(L"a.txt")}));
    EXPECT_EQ(2, list->ShellCopyTo((folder / L"alias").c_str(), false, true, nullptr));
    ASSERT_EQ(1u, log.fileCalls.size());
    EXPECT_EQ(std::vector<std::wstring>{real + L"\\a.txt"}, log.fileCalls[0].to);
}

TEST_F(PathArrayShell, ACopyThroughTheShellAnnouncesTheCopies)
{
    log.realFileOperation = true;
    const std::wstring into = Folder(L"into");
    const std::wstring a = File(L"a.txt", "alpha");
    const std::wstring sub = Folder(L"sub");
    File(L"sub\\inner.txt", "inner");
    List list(ListOf({a, sub}));

    EXPECT_EQ(2, list->ShellCopyTo(into.c_str(), true, true, nullptr));
    EXPECT_EQ("alpha", TempFolder::ReadFileBytes(into + L"\\a.txt"));
    EXPECT_EQ("inner", TempFolder::ReadFileBytes(into + L"\\sub\\inner.txt"));
    EXPECT_EQ("alpha", TempFolder::ReadFileBytes(a));
    EXPECT_EQ((std::vector<Note>{{SHCNE_CREATE, into + L"\\a.txt"}, {SHCNE_MKDIR, into + L"\\sub"}}), log.notes);
    EXPECT_TRUE(log.notesWellFormed);
}

TEST_F(PathArrayShell, AMoveAnnouncesTheSourcesGoneBeforeTheCopiesMade)
{
    log.realFileOperation = true;
    const std::wstring into = Folder(L"into");
    const std::wstring a = File(L"a.txt", "alpha");
    const std::wstring sub = Folder(L"sub");
    List list(ListOf({a, sub}));

    EXPECT_EQ(2, list->ShellMoveTo(into.c_str(), true, true, nullptr));
    EXPECT_FALSE(TempFolder::Exists(a));
    EXPECT_EQ("alpha", TempFolder::ReadFileBytes(into + L"\\a.txt"));
    EXPECT_EQ((std::vector<Note>{{SHCNE_DELETE, a},
                                 {SHCNE_RMDIR, sub},
                                 {SHCNE_CREATE, into + L"\\a.txt"},
                                 {SHCNE_MKDIR, into + L"\\sub"}}),
              log.notes);
}

TEST_F(PathArrayShell, ShortcutsForTheSourcesThatStillExist)
{
    const std::wstring links = Folder(L"links");
    const std::wstring a = File(L"a.txt");
    const std::wstring b = File(L"b.txt");
    const std::wstring c = File(L"c.txt");
    List list(ListOf({a, b, c}));
    DeleteFileW(b.c_str());

    PathArray* out = nullptr;
    EXPECT_EQ(1, list->CreateShortcutsIn(links.c_str(), false, false, true, false, &out));
    ASSERT_NE(nullptr, out);
    List made(out);
    const std::vector<std::wstring> expected = {links + L"\\a.txt.lnk", links + L"\\b.txt.lnk", links + L"\\c.txt.lnk"};
    std::vector<std::wstring> texts;
    for (uint32_t i = 0; i < made->GetCount(); ++i)
        texts.push_back(made->GetAt(i)->GetText());
    EXPECT_EQ(expected, texts);
    EXPECT_TRUE(TempFolder::Exists(expected[0]));
    EXPECT_FALSE(TempFolder::Exists(expected[1]));
    EXPECT_TRUE(TempFolder::Exists(expected[2]));
    EXPECT_EQ((std::vector<Note>{{SHCNE_CREATE, expected[0]}, {SHCNE_CREATE, expected[2]}}), log.notes);

    // Every source again: the two links there are in the way without overwrite.
    File(L"b.txt");
    log.notes.clear();
    EXPECT_EQ(1, list->CreateShortcutsIn(links.c_str(), false, false, false, false, nullptr));
    EXPECT_EQ(2, list->CreateShortcutsIn(links.c_str(), true, false, false, false, nullptr));
    EXPECT_TRUE(log.notes.empty());

    DeleteFileW(a.c_str());
    DeleteFileW(b.c_str());
    DeleteFileW(c.c_str());
    EXPECT_EQ(0, list->CreateShortcutsIn(links.c_str(), true, false, true, false, nullptr));
    EXPECT_TRUE(log.notes.empty());
}

TEST_F(PathArrayShell, UniqueNamesLeaveExistingLinksAlone)
{
    const std::wstring links = Folder(L"links");
    const std::wstring a = File(L"a.txt");
    const std::wstring existing = File(L"links\\a.txt.lnk", "someone else's");
    List list(ListOf({a}));

    PathArray* out = nullptr;
    // Overwrite is ignored for unique names.
    EXPECT_EQ(2, list->CreateShortcutsIn(links.c_str(), true, true, false, false, &out));
    List made(out);
    ASSERT_EQ(1u, made->GetCount());
    EXPECT_NE(existing, std::wstring(made->GetAt(0)->GetText()));
    EXPECT_TRUE(made->GetAt(0)->IsShortcut());
    EXPECT_EQ("someone else's", TempFolder::ReadFileBytes(existing));
}

TEST_F(PathArrayShell, AListOfLinksOnlyMakesNone)
{
    const std::wstring links = Folder(L"links");
    List list(ListOf({File(L"a.txt"), Folder(L"sub")}));
    PathArray* out = nullptr;
    EXPECT_EQ(0, list->CreateShortcutsIn(links.c_str(), false, false, true, true, &out));
    ASSERT_NE(nullptr, out);
    List made(out);
    ASSERT_EQ(2u, made->GetCount());
    EXPECT_EQ(links + L"\\a.txt.lnk", std::wstring(made->GetAt(0)->GetText()));
    EXPECT_EQ(links + L"\\sub.lnk", std::wstring(made->GetAt(1)->GetText()));
    EXPECT_FALSE(TempFolder::Exists(links + L"\\a.txt.lnk"));
    EXPECT_FALSE(TempFolder::Exists(links + L"\\sub.lnk"));
    EXPECT_TRUE(log.notes.empty());

    List empty(PathArray::New());
    out = reinterpret_cast<PathArray*>(1);
    EXPECT_EQ(0, empty->CreateShortcutsIn(links.c_str(), false, false, false, true, &out));
    EXPECT_EQ(nullptr, out);
}

TEST_F(PathArrayShell, DeleteSendsToTheRecycleBinQuietlyOrAsking)
{
    const std::wstring a = File(L"a.txt");
    const std::wstring sub = Folder(L"sub");
    struct Case {
        bool interactive;
        int answer;
        BOOL abort;
        bool result;
    };
    const Case cases[] = {
        {false, 0, FALSE, true},           {true, 0, FALSE, true},  {false, 0, TRUE, false},
        {true, kShellFailed, FALSE, false}, {false, kShellFailed, TRUE, false},
    };
    List list(ListOf({a, sub}));
    for (const Case& c : cases) {
        log.fileCalls.clear();
        log.answer = c.answer;
        log.abort = c.abort;
        EXPECT_EQ(c.result, list->ShellDelete(false, c.interactive, kOwner));
        ASSERT_EQ(1u, log.fileCalls.size());
        const FileCall& call = log.fileCalls[0];
        EXPECT_EQ(UINT(FO_DELETE), call.function);
        EXPECT_EQ((std::vector<std::wstring>{a, sub}), call.from);
        EXPECT_FALSE(call.hasTarget);
        EXPECT_EQ(c.interactive ? FOF_ALLOWUNDO : FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT, call.flags);
        EXPECT_EQ(kOwner, call.owner);
        EXPECT_FALSE(call.abortedOnEntry);
        EXPECT_FALSE(call.hasTitle);
    }
    EXPECT_TRUE(log.notes.empty());
}

TEST_F(PathArrayShell, DeletionsAreAnnouncedOnlyForRecordedFlags)
{
    log.carryOutDeletes = true;
    const std::wstring a = File(L"a.txt");
    const std::wstring sub = Folder(L"sub");
    List unrecorded(ListOf({a, sub}));
    EXPECT_TRUE(unrecorded->ShellDelete(true, false, nullptr));
    EXPECT_FALSE(TempFolder::Exists(a));
    EXPECT_FALSE(TempFolder::Exists(sub));
    EXPECT_TRUE(log.notes.empty());

    File(L"a.txt");
    Folder(L"sub");
    List recorded(ListOf({a, sub}));
    recorded->RecordDirectoryFlags();
    EXPECT_TRUE(recorded->ShellDelete(true, false, nullptr));
    EXPECT_EQ((std::vector<Note>{{SHCNE_DELETE, a}, {SHCNE_RMDIR, sub}}), log.notes);

    // A refused deletion announces nothing.
    log.notes.clear();
    log.answer = kShellFailed;
    EXPECT_FALSE(recorded->ShellDelete(true, false, nullptr));
    EXPECT_TRUE(log.notes.empty());
}

TEST_F(PathArrayShell, PropertiesOfOnePathOrOfSeveral)
{
    const std::wstring a = File(L"a.txt");
    const std::wstring sub = Folder(L"sub");

    List one(ListOf({a}));
    EXPECT_TRUE(one->ShowProperties());
    ASSERT_EQ(1u, log.executed.size());
    const SHELLEXECUTEINFOW& info = log.executed[0];
    EXPECT_EQ(112u, info.cbSize);
    EXPECT_EQ(ULONG(SEE_MASK_INVOKEIDLIST), info.fMask);
    EXPECT_EQ(nullptr, info.hwnd);
    EXPECT_STREQ(L"properties", info.lpVerb);
    EXPECT_EQ(a, log.executedFiles[0]);
    EXPECT_STREQ(L"", info.lpParameters);
    EXPECT_EQ(nullptr, info.lpDirectory);
    EXPECT_EQ(SW_SHOW, info.nShow);

    // A dialog the shell could not show is not reported as shown.
    log.executeAnswer = FALSE;
    EXPECT_FALSE(one->ShowProperties());

    List several(ListOf({sub, a}));
    EXPECT_TRUE(several->ShowProperties());
    log.propertiesAnswer = false;
    EXPECT_FALSE(several->ShowProperties());
    ASSERT_EQ(2u, log.propertyLists.size());
    EXPECT_EQ((std::vector<std::wstring>{sub, a}), log.propertyLists[0]);
    EXPECT_EQ(2u, log.executed.size());
}

TEST(PathListShellTable, NullCallsStandForTheSystems)
{
    const PathListShell system = s::file::win::SetPathListShell(nullptr);
    const PathListShell partial = {nullptr, nullptr, nullptr, &RecordProperties};
    s::file::win::SetPathListShell(&partial);
    const PathListShell& inUse = s::file::win::GetPathListShell();
    EXPECT_EQ(system.fileOperation, inUse.fileOperation);
    EXPECT_EQ(system.changeNotify, inUse.changeNotify);
    EXPECT_EQ(system.executeEx, inUse.executeEx);
    EXPECT_EQ(&RecordProperties, inUse.showProperties);
    s::file::win::SetPathListShell(&system);
    EXPECT_NE(&RecordProperties, s::file::win::GetPathListShell().showProperties);
}

} // namespace
