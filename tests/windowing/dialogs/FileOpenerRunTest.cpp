// The file dialog front's run: what the system dialog is given, what comes back, the owner held
// meanwhile, the type list rewriting the name, and the real dialog under the display.
#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "windowing/dialogs/SystemDialogCloser.h"
#include "mfc/CommonDialogs.h"
#include "support/TestWindowClass.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
#include "windowing/ShownWindow.h"
#include "windowing/dialogs/FileOpener.h"

namespace {

using s::gui::dialogs::win::FileOpener;

// What the stand-in dialog was handed, and the owner as it stood meanwhile.
struct Seen {
    bool open = false;
    DWORD flags = 0;
    std::wstring filter;  // the NUL-separated list with each NUL written as "|"
    bool hasFilter = false;
    std::wstring name;
    DWORD capacity = 0;
    std::wstring initialFolder;
    std::wstring defaultExtension;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    bool ownerTopMost = false;
};
Seen seen;
std::function<BOOL(OPENFILENAMEW*)> answer;
s::gui::IWindow* watchedOwner = nullptr;

BOOL Record(bool open, OPENFILENAMEW* dialog)
{
    seen = Seen{};
    seen.open = open;
    seen.flags = dialog->Flags;
    seen.hasFilter = dialog->lpstrFilter != nullptr;
    for (const wchar_t* at = dialog->lpstrFilter; at && *at; at += wcslen(at) + 1)
        seen.filter += std::wstring(at) + L"|";
    seen.name = dialog->lpstrFile;
    seen.capacity = dialog->nMaxFile;
    seen.initialFolder = dialog->lpstrInitialDir ? dialog->lpstrInitialDir : L"(none)";
    seen.defaultExtension = dialog->lpstrDefExt ? dialog->lpstrDefExt : L"(none)";
    seen.owner = dialog->hwndOwner;
    if (watchedOwner) {
        HWND frame = dynamic_cast<CWnd*>(watchedOwner)->GetSafeHwnd();
        seen.ownerEnabled = IsWindowEnabled(frame) != FALSE;
        seen.ownerTopMost = watchedOwner->IsTopMost();
    }
    return answer ? answer(dialog) : FALSE;
}

BOOL WINAPI ScriptedOpen(OPENFILENAMEW* dialog)
{
    return Record(true, dialog);
}

BOOL WINAPI ScriptedSave(OPENFILENAMEW* dialog)
{
    return Record(false, dialog);
}

// Writes the strings, each closed by a NUL, and one more NUL.
std::function<BOOL(OPENFILENAMEW*)> Choose(const std::vector<std::wstring>& strings)
{
    return [strings](OPENFILENAMEW* dialog) {
        wchar_t* at = dialog->lpstrFile;
        for (const std::wstring& text : strings) {
            std::copy(text.begin(), text.end(), at);
            at += text.size();
            *at++ = L'\0';
        }
        *at = L'\0';
        dialog->nFileOffset = static_cast<WORD>(strings.size() == 1 ? strings[0].rfind(L'\\') + 1 : strings[0].size() + 1);
        return TRUE;
    };
}

std::vector<std::wstring> Paths(FileOpener* opener)
{
    std::vector<std::wstring> paths;
    s::str::strarray::StrArray* list = opener->GetPaths();
    for (uint32_t i = 0; i < list->GetCount(); ++i)
        paths.push_back(list->Get(i)->GetText());
    return paths;
}

class FileOpenerRunTest : public testing_support::ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        seen = Seen{};
        answer = nullptr;
        watchedOwner = nullptr;
        AfxCommonDialogFunctions functions = {};
        functions.getOpenFileName = &ScriptedOpen;
        functions.getSaveFileName = &ScriptedSave;
        previous_ = AfxSetCommonDialogFunctions(functions);
        opener_ = FileOpener::New();
    }
    void TearDown() override
    {
        opener_->ReleaseToPool();
        AfxSetCommonDialogFunctions(previous_);
        answer = nullptr;
        watchedOwner = nullptr;
    }

    AfxCommonDialogFunctions previous_ = {};
    FileOpener* opener_ = nullptr;
};

TEST_F(FileOpenerRunTest, DialogGetsTheFilterTextsAndFlagsOfEachMode)
{
    const DWORD always = OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    struct Case {
        const char* mode;
        std::function<void(FileOpener*)> set;
        bool open;
        DWORD flags;
        DWORD capacity;
        const wchar_t* name;
    };
    const Case cases[] = {
        {"save", [](FileOpener* o) { o->SetSaveMode(); }, false, always, MAX_PATH, L"report.txt"},
        {"open one", [](FileOpener* o) { o->SetOpenMode(false, true); }, true, always, MAX_PATH, L"report.txt"},
        {"open several", [](FileOpener* o) { o->SetOpenMode(true, true); }, true, always | OFN_ALLOWMULTISELECT,
         FileOpener::kMultiSelectCapacity, L""},
        {"open, links as files", [](FileOpener* o) { o->SetOpenMode(false, false); }, true,
         always | OFN_NODEREFERENCELINKS, MAX_PATH, L"report.txt"},
        // Several files are an open dialog's choice only.
        {"save after several", [](FileOpener* o) { o->SetOpenMode(true, false); o->SetSaveMode(); }, false,
         always | OFN_NODEREFERENCELINKS, MAX_PATH, L"report.txt"},
    };
    opener_->AddFilter(L"Skin set", L"*.xml");
    opener_->AddFilter(L"All files", L"*.*");
    opener_->SetFileName(L"report.txt");
    opener_->SetDefaultExtension(L"xml");
    opener_->SetInitialFolder(L"C:\\skins");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        c.set(opener_);
        EXPECT_FALSE(opener_->Run(nullptr));
        EXPECT_EQ(c.open, seen.open);
        EXPECT_EQ(c.flags, seen.flags & ~static_cast<DWORD>(OFN_EXPLORER | OFN_ENABLEHOOK));
        EXPECT_EQ(c.capacity, seen.capacity);
        EXPECT_EQ(c.name, seen.name);
        EXPECT_EQ(L"Skin set|*.xml|All files|*.*|", seen.filter);
        EXPECT_EQ(L"C:\\skins", seen.initialFolder);
        EXPECT_EQ(L"xml", seen.defaultExtension);
        EXPECT_EQ(nullptr, seen.owner);
    }

    // Nothing set: no filter, no folder, no extension, an empty name.
    opener_->ReleaseToPool();
    opener_ = FileOpener::New();
    opener_->SetFileName(nullptr);
    opener_->SetDefaultExtension(nullptr);
    opener_->SetInitialFolder(nullptr);
    EXPECT_FALSE(opener_->Run(nullptr));
    EXPECT_FALSE(seen.hasFilter);
    EXPECT_EQ(L"(none)", seen.initialFolder);
    EXPECT_EQ(L"(none)", seen.defaultExtension);
    EXPECT_EQ(L"", seen.name);
}

TEST_F(FileOpenerRunTest, ChoiceComesBackInTheDialogsOrder)
{
    struct Case {
        const char* what;
        bool multiple;
        std::vector<std::wstring> written;
        std::vector<std::wstring> paths;
    };
    const Case cases[] = {
        {"three files", true, {L"C:\\skins", L"b.xml", L"a.xml", L"c.xml"},
         {L"C:\\skins\\b.xml", L"C:\\skins\\a.xml", L"C:\\skins\\c.xml"}},
        {"drive root", true, {L"D:\\", L"x.xml", L"y.xml"}, {L"D:\\x.xml", L"D:\\y.xml"}},
        {"one of several", true, {L"C:\\skins\\only.xml"}, {L"C:\\skins\\only.xml"}},
        {"single", false, {L"C:\\Users\\me\\Desktop\\Error Report.txt"}, {L"C:\\Users\\me\\Desktop\\Error Report.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        opener_->SetOpenMode(c.multiple, true);
        answer = Choose(c.written);
        EXPECT_TRUE(opener_->Run(nullptr));
        EXPECT_EQ(c.paths, Paths(opener_));
        EXPECT_EQ(c.paths.front(), opener_->GetPath());
    }
}

TEST_F(FileOpenerRunTest, FailedRunLeavesNoPaths)
{
    struct Case {
        const char* what;
        bool multiple;
        std::function<BOOL(OPENFILENAMEW*)> dialog;
    };
    const Case cases[] = {
        {"cancelled", false, [](OPENFILENAMEW*) { return FALSE; }},
        {"cancelled after writing", true, [](OPENFILENAMEW* d) { Choose({L"C:\\a", L"b"})(d); return FALSE; }},
        // More files than the buffer holds: the system fails the dialog and leaves the size it
        // would need in the buffer.
        {"buffer too small", true,
         [](OPENFILENAMEW* d) { d->lpstrFile[0] = 0x1234; d->lpstrFile[1] = 0x0002; return FALSE; }},
        // A dialog that claims success over a list without its end never yields part of it.
        {"list past the buffer", true,
         [](OPENFILENAMEW* d) {
             for (DWORD i = 0; i < d->nMaxFile; ++i)
                 d->lpstrFile[i] = (i % 7 == 6) ? L'\0' : L'n';
             return TRUE;
         }},
        {"name past the buffer", false,
         [](OPENFILENAMEW* d) {
             for (DWORD i = 0; i < d->nMaxFile; ++i)
                 d->lpstrFile[i] = L'n';
             return TRUE;
         }},
        {"empty choice", false, [](OPENFILENAMEW* d) { d->lpstrFile[0] = L'\0'; return TRUE; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        opener_->SetOpenMode(c.multiple, true);
        answer = Choose({L"C:\\earlier.xml"});
        ASSERT_TRUE(opener_->Run(nullptr));
        answer = c.dialog;
        EXPECT_FALSE(opener_->Run(nullptr));
        EXPECT_TRUE(Paths(opener_).empty());
        EXPECT_STREQ(L"", opener_->GetPath());
    }
}

TEST_F(FileOpenerRunTest, OwnerIsHeldDuringTheRunAndRestoredAfterIt)
{
    watchedOwner = window_.get();
    struct Case {
        bool topMost;
        bool confirm;
    };
    const Case cases[] = {{true, true}, {true, false}, {false, true}, {false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "topmost " << c.topMost << ", confirmed " << c.confirm);
        window_->SetTopMost(c.topMost);
        answer = c.confirm ? Choose({L"C:\\a.xml"}) : std::function<BOOL(OPENFILENAMEW*)>();
        EXPECT_EQ(c.confirm, opener_->Run(window_.get()));
        EXPECT_EQ(frame_, seen.owner);
        EXPECT_FALSE(seen.ownerEnabled);
        EXPECT_FALSE(seen.ownerTopMost);
        EXPECT_TRUE(IsWindowEnabled(frame_));
        EXPECT_EQ(c.topMost, window_->IsTopMost());
        // Wine keeps the native style once set, so only its return is seen on the frame.
        if (c.topMost) {
            EXPECT_TRUE(GetWindowLongPtrW(frame_, GWL_EXSTYLE) & WS_EX_TOPMOST);
        }
    }
    window_->SetTopMost(false);
}

TEST_F(FileOpenerRunTest, OwnerWhoseFrameIsGoneLeavesTheDialogWithoutOne)
{
    const std::function<void()> destroy = [this]() { DestroyWindow(frame_); };
    SendMessageW(frame_, s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&destroy),
                 s::gui::win::ProcessKey());
    ASSERT_FALSE(IsWindow(frame_));
    window_->SetTopMost(true);
    answer = Choose({L"C:\\a.xml"});
    EXPECT_TRUE(opener_->Run(window_.get()));
    EXPECT_EQ(nullptr, seen.owner);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\a.xml"}, Paths(opener_));
    EXPECT_TRUE(window_->IsTopMost());
}

// The dialog box and its hook child as the system makes them: the box answers the name in its
// name box and notes the texts its controls are given.
struct FakeDialogBox {
    static std::wstring nameBox;
    static std::vector<std::pair<int, std::wstring>> written;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == CDM_GETSPEC) {
            lstrcpynW(reinterpret_cast<wchar_t*>(lParam), nameBox.c_str(), static_cast<int>(wParam));
            return static_cast<LRESULT>(nameBox.size() + 1);
        }
        if (message == CDM_SETCONTROLTEXT) {
            written.emplace_back(static_cast<int>(wParam), reinterpret_cast<const wchar_t*>(lParam));
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};
std::wstring FakeDialogBox::nameBox;
std::vector<std::pair<int, std::wstring>> FakeDialogBox::written;

TEST_F(FileOpenerRunTest, ChosenTypeRewritesTheExtensionOfTheNameInASaveDialog)
{
    ASSERT_TRUE(testing_support::RegisterTestWindowClass(L"PulsegridFakeFileDialog", &FakeDialogBox::Procedure));
    struct Case {
        bool save;
        const wchar_t* nameBox;
        DWORD typeIndex;
        const wchar_t* written;  // null: the box is left alone
    };
    const Case cases[] = {
        {true, L"report.txt", 2, L"report.xml"},
        {true, L"report", 1, L"report.txt"},
        {true, L"my.skins.txt", 2, L"my.skins.xml"},
        {true, L"photo.txt", 5, L"photo.png"},
        {true, L"", 2, nullptr},
        {true, L"report.txt", 3, nullptr},  // *
        {true, L"report.txt", 4, nullptr},  // *.*
        {true, L"report.txt", 0, nullptr},
        {true, L"report.txt", 6, nullptr},
        {false, L"report.txt", 2, nullptr},
    };
    opener_->AddFilter(L"Text", L"*.txt");
    opener_->AddFilter(L"Skin set", L"*.xml");
    opener_->AddFilter(L"Everything", L"*");
    opener_->AddFilter(L"All files", L"*.*");
    opener_->AddFilter(L"Pictures", L"*.png;*.jpg");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.save ? "save " : "open ") << c.typeIndex);
        FakeDialogBox::nameBox = c.nameBox;
        FakeDialogBox::written.clear();
        answer = [&c](OPENFILENAMEW* dialog) {
            HWND box = CreateWindowExW(0, L"PulsegridFakeFileDialog", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr);
            HWND hook = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, box, nullptr, nullptr, nullptr);
            dialog->lpfnHook(hook, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(dialog));
            dialog->nFilterIndex = c.typeIndex;
            OFNOTIFYW notice = {};
            notice.hdr.hwndFrom = box;
            notice.hdr.code = CDN_TYPECHANGE;
            notice.lpOFN = dialog;
            dialog->lpfnHook(hook, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
            dialog->lpfnHook(hook, WM_DESTROY, 0, 0);
            DestroyWindow(box);
            return FALSE;
        };
        if (c.save)
            opener_->SetSaveMode();
        else
            opener_->SetOpenMode(false, true);
        EXPECT_FALSE(opener_->Run(nullptr));
        if (!c.written) {
            EXPECT_TRUE(FakeDialogBox::written.empty());
            continue;
        }
        ASSERT_EQ(1u, FakeDialogBox::written.size());
        EXPECT_EQ(cmb13, FakeDialogBox::written[0].first);
        EXPECT_EQ(c.written, FakeDialogBox::written[0].second);
    }
}

// The system's own dialog under the virtual display, closed by a second thread; before OK the
// person picks the second file type, which gives the typed name its extension.
TEST(FileOpenerSystemDialogTest, RealDialogClosesWithOkAndCancel)
{
    testing_support::SystemDialogs systemDialogs;
    wchar_t folder[MAX_PATH] = {};
    ASSERT_NE(0u, GetTempPathW(MAX_PATH, folder));
    const std::wstring stem = L"pulsegrid-file-dialog-" + std::to_wstring(GetCurrentProcessId());
    DeleteFileW((std::wstring(folder) + stem + L".xml").c_str());

    FileOpener* opener = FileOpener::New();
    opener->SetSaveMode();
    opener->SetInitialFolder(folder);
    opener->SetFileName((stem + L".txt").c_str());
    opener->AddFilter(L"Text files (*.txt)", L"*.txt");
    opener->AddFilter(L"Skin set", L"*.xml");
    {
        testing_support::SystemDialogCloser closer(GetCurrentThreadId(), [](HWND dialog) {
            testing_support::SystemDialogCloser::Press(dialog, IDCANCEL);
        });
        EXPECT_FALSE(opener->Run(nullptr));
        EXPECT_TRUE(closer.Found());
        EXPECT_EQ(0u, opener->GetPaths()->GetCount());
    }
    {
        testing_support::SystemDialogCloser closer(GetCurrentThreadId(), [](HWND dialog) {
            HWND types = GetDlgItem(dialog, cmb1);
            SendMessageW(types, CB_SETCURSEL, 1, 0);
            // What a choice in the list tells the dialog: Windows acts on the first, Wine on the second.
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(types));
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
            testing_support::SystemDialogCloser::Press(dialog, IDOK);
        });
        EXPECT_TRUE(opener->Run(nullptr));
        EXPECT_TRUE(closer.Found());
        ASSERT_EQ(1u, opener->GetPaths()->GetCount());
        const std::wstring path = opener->GetPath();
        const std::wstring expected = std::wstring(folder) + stem + L".xml";
        EXPECT_EQ(0, lstrcmpiW(expected.c_str(), path.c_str())) << path;
    }
    opener->ReleaseToPool();
}

} // namespace
