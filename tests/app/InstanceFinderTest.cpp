// Finding and signalling another instance's window: tried on windows of the test program itself,
// and on a second process of the same executable that shows a toolkit window captioned as the
// gadget's frame, answering or hung.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppBase.h"
#include "app/AppTestSupport.h"
#include "app/InstanceFinder.h"
#include "mfc/WinApp.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "support/ChildRole.h"
#include "support/RecordingListener.h"
#include "support/Wait.h"
#include "support/WindowThread.h"
#include "windowing/Window.h"

namespace {

using s::app::win::AppBase;
using s::app::win::InstanceFinder;

const int32_t kBaseTextId = 500000;
const UINT kRestore = WM_USER + 3;
const UINT kNotify = WM_USER + 7;

std::map<HWND, std::map<UINT, int>> gReceived;

LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRestore || message == kNotify)
        ++gReceived[window][message];
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindow(const wchar_t* text)
{
    static ATOM registered = 0;
    if (!registered) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &Record;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"InstanceFinderTestWindow";
        registered = RegisterClassW(&windowClass);
    }
    return CreateWindowExW(0, L"InstanceFinderTestWindow", text, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// The test program's own two-language pack: "Pulsegrid Test" and "Pulsegrid Versuch".
struct TestPack {
    TestPack()
    {
        wchar_t own[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, own, MAX_PATH);
        path = s::file::win::PathWin::CreateFromText(own);
        archive = s::archive::dll::win::Archive::OpenModule(path);
        pack = s::lang::Localizer::CreateFromResource(archive, L"IDR_XML", 130);
    }
    ~TestPack()
    {
        if (pack)
            pack->ReleaseToPool();
        archive->ReleaseToPool();
        path->ReleaseToPool();
    }
    s::file::win::PathWin* path;
    s::archive::dll::win::Archive* archive;
    s::lang::Localizer* pack;
};

TEST(InstanceFinderTest, AWindowQualifiesWhenTheWantedTitleBeginsWithItsText)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* wanted;
        bool qualifies;
    };
    const Case cases[] = {
        {L"Pulsegrid", L"Pulsegrid", true},
        {L"PULSEGRID", L"pulsegrid 1.7", true},
        {L"Pulse", L"Pulsegrid", true},
        {L"Pulsegrid 2", L"Pulsegrid", false},
        {L"Other", L"Pulsegrid", false},
        // The hidden owner window has no text and ignores the restore request.
        {L"", L"Pulsegrid", false},
        {L"", nullptr, false},
        {L"Anything", nullptr, true},
        // Only A-Z fold.
        {L"\u00C4", L"\u00E4", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.qualifies, InstanceFinder::TitleMatches(c.text, c.wanted))
            << "text \"" << testing::PrintToString(std::wstring(c.text)) << "\"";
}

// With the pack, each language's title is tried: a window whose text both titles begin with is
// told once per language; a window without text and one of another title are never told.
TEST(InstanceFinderTest, TheProcessWindowIsToldOncePerLanguageWhoseTitleMatches)
{
    gReceived.clear();
    HWND owner = MakeWindow(L"");
    HWND other = MakeWindow(L"Another Program");
    HWND frame = MakeWindow(L"PULSEGRID");
    ASSERT_TRUE(owner && other && frame);
    TestPack test;
    s::lang::Localizer* pack = test.pack;
    ASSERT_NE(nullptr, pack);
    ASSERT_EQ(2u, pack->GetPackCount());

    InstanceFinder::SignalProcess(GetCurrentProcessId(), pack, kBaseTextId, true);
    EXPECT_EQ(2, gReceived[frame][kRestore]);
    EXPECT_EQ(2, gReceived[frame][kNotify]);
    EXPECT_EQ(0u, gReceived[owner].size());
    EXPECT_EQ(0u, gReceived[other].size());

    gReceived.clear();
    InstanceFinder::SignalProcess(GetCurrentProcessId(), pack, kBaseTextId, false);
    EXPECT_EQ(2, gReceived[frame][kRestore]);
    EXPECT_EQ(0, gReceived[frame][kNotify]);

    DestroyWindow(frame);
    DestroyWindow(other);
    DestroyWindow(owner);
}

// A pack of one language per title given; null: a language that lacks the title.
s::lang::Localizer* PackOfTitles(const std::vector<const wchar_t*>& titles)
{
    s::lang::Localizer* pack = s::lang::Localizer::New();
    for (const wchar_t* title : titles) {
        s::lang::LangPack* language = s::lang::LangPack::New();
        language->AddText(title ? kBaseTextId : kBaseTextId + 1, title ? title : L"Pulsegrid");
        pack->AddPack(language);
    }
    return pack;
}

// Searched with it, a language without a title would tell any window of the process that has a
// text.
TEST(InstanceFinderTest, ALanguageWithAnEmptyOrNoTitleIsSkipped)
{
    gReceived.clear();
    HWND other = MakeWindow(L"Another Program");
    ASSERT_NE(nullptr, other);
    s::lang::Localizer* pack = PackOfTitles({L"", nullptr});
    ASSERT_EQ(2u, pack->GetPackCount());
    InstanceFinder::SignalProcess(GetCurrentProcessId(), pack, kBaseTextId, true);
    EXPECT_EQ(0u, gReceived[other].size());
    pack->ReleaseToPool();
    DestroyWindow(other);
}

// Cut where the read ends, a longer text would qualify for a title that begins with the part read.
TEST(InstanceFinderTest, AWindowTextLongerThanTheReadBufferNeverQualifies)
{
    gReceived.clear();
    const std::wstring fitting(255, L'P');
    HWND longer = MakeWindow((fitting + L"ulsegrid").c_str());
    ASSERT_NE(nullptr, longer);
    s::lang::Localizer* pack = PackOfTitles({fitting.c_str()});
    InstanceFinder::SignalProcess(GetCurrentProcessId(), pack, kBaseTextId, false);
    EXPECT_EQ(0u, gReceived[longer].size());
    // The longest text that fits still qualifies.
    HWND fits = MakeWindow(fitting.c_str());
    ASSERT_NE(nullptr, fits);
    InstanceFinder::SignalProcess(GetCurrentProcessId(), pack, kBaseTextId, false);
    EXPECT_EQ(1, gReceived[fits][kRestore]);
    EXPECT_EQ(0u, gReceived[longer].size());
    pack->ReleaseToPool();
    DestroyWindow(fits);
    DestroyWindow(longer);
}

TEST(InstanceFinderTest, TheProgramItselfIsNoOtherInstance)
{
    wchar_t own[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    wchar_t read[MAX_PATH] = {};
    InstanceFinder::GetProcessPath(GetCurrentProcessId(), read, MAX_PATH);
    EXPECT_EQ(0, _wcsicmp(own, read));
    // A process that cannot be read has no path.
    InstanceFinder::GetProcessPath(0xFFFFFFF0u, read, MAX_PATH);
    EXPECT_STREQ(L"", read);
    DWORD found = 0;
    EXPECT_FALSE(InstanceFinder::FindProcess(&found));
    EXPECT_FALSE(InstanceFinder::HasOtherOnDesktop());
}

// The second process.
const wchar_t kReceiverRole[] = L"instance-receiver";
const wchar_t kAnswering[] = L"answering";
const wchar_t kHung[] = L"hung";
// The receiver lives long after every send has ended; the test ends it before.
const DWORD kLifeMillis = 60000;
const int kBadArguments = 100;
const int kNoWindow = 101;
const DWORD kStartBoundMillis = 30000;
const DWORD kEndBoundMillis = 10000;
const LONG kMostNotifications = 100;

// The other instance as the running gadget shows itself: a toolkit window captioned with the
// program's title. Each notification it hears is counted on the semaphore the test named; hung,
// its window thread stops taking messages once the window shows, and counts once as it stops.
// The test ends it.
int ReceiveAsOtherInstance(const std::vector<std::wstring>& arguments)
{
    if (arguments.size() != 3)
        return kBadArguments;
    HANDLE heard = OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, arguments[2].c_str());
    if (!heard)
        return kBadArguments;
    s::gui::win::Window* window = s::gui::win::Window::New();
    if (!window || !window->IsReady())
        return kNoWindow;
    testing_support::RecordingListener notes;
    notes.action = [heard](int32_t) { ReleaseSemaphore(heard, 1, nullptr); };
    window->AddNotifyListener(&notes);
    window->SetCaption(arguments[0].c_str());
    window->SetSize(240, 120);
    window->SetVisible(true);
    if (arguments[1] == kHung)
        testing_support::RunOnWindowThread(window->GetSafeHwnd(), [heard] {
            ReleaseSemaphore(heard, 1, nullptr);
            Sleep(kLifeMillis);
        });
    else
        Sleep(kLifeMillis);
    return 0;
}

const testing_support::ChildRoleRegistration receiverRole(kReceiverRole, &ReceiveAsOtherInstance);

// This program started once more from its own path in the receiver's role; ended at the latest
// when the object goes.
class OtherInstance {
public:
    OtherInstance(const std::wstring& title, const wchar_t* mode)
    {
        const std::wstring name = L"pulsegrid-instance-notes-" + std::to_wstring(GetCurrentProcessId());
        heard_ = CreateSemaphoreW(nullptr, 0, kMostNotifications, name.c_str());
        if (!heard_ || !testing_support::StartChildRole(kReceiverRole, {title, mode, name}, &process_))
            return;
        testing_support::WaitUntil(
            [&] {
                for (HWND shown : app_testing::ShownToolkitWindows(process_.dwProcessId)) {
                    if (app_testing::WindowText(shown) == title)
                        window_ = shown;
                }
                return window_ != nullptr || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
            },
            kStartBoundMillis);
        // Signalled only once its window thread has stopped.
        if (window_ && mode == std::wstring(kHung) && WaitForSingleObject(heard_, kStartBoundMillis) != WAIT_OBJECT_0)
            window_ = nullptr;
    }
    ~OtherInstance()
    {
        End();
        if (heard_)
            CloseHandle(heard_);
    }

    HWND Window() const { return window_; }
    DWORD Id() const { return process_.dwProcessId; }

    // The notifications heard since the last call.
    int TakeNotifications()
    {
        int count = 0;
        while (WaitForSingleObject(heard_, 0) == WAIT_OBJECT_0)
            ++count;
        return count;
    }

    // Gone for good, its handles closed, so that no search can meet it any more.
    void End()
    {
        if (!process_.hProcess)
            return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, kEndBoundMillis);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        process_ = PROCESS_INFORMATION{};
    }

private:
    HANDLE heard_ = nullptr;
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

// Found by process and among the desktop's windows, restored and told by the English title
// alone (the German one names no window of it); once it has ended, no search meets it.
TEST(SecondInstanceTest, AnotherProcessOfThisProgramIsFoundToldAndRestoredUntilItEnds)
{
    TestPack test;
    ASSERT_NE(nullptr, test.pack);
    const std::wstring title = test.pack->GetEnglishText(kBaseTextId);
    OtherInstance other(title, kAnswering);
    ASSERT_NE(nullptr, other.Window()) << "the second process showed no window";
    DWORD found = 0;
    EXPECT_TRUE(InstanceFinder::FindProcess(&found));
    EXPECT_EQ(other.Id(), found);
    EXPECT_TRUE(InstanceFinder::HasOtherOnDesktop());

    ShowWindow(other.Window(), SW_MINIMIZE);
    ASSERT_TRUE(testing_support::WaitUntil([&] { return IsIconic(other.Window()) != FALSE; }, kEndBoundMillis));
    HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
    EXPECT_TRUE(InstanceFinder::FindOnDesktop(desktop, test.pack, kBaseTextId, true));
    EXPECT_TRUE(testing_support::WaitUntil(
        [&] { return !IsIconic(other.Window()) && IsWindowVisible(other.Window()); }, kEndBoundMillis))
        << "the other instance was not restored";
    EXPECT_EQ(1, other.TakeNotifications());
    other.End();

    EXPECT_FALSE(InstanceFinder::FindProcess(&found));
    EXPECT_FALSE(InstanceFinder::HasOtherOnDesktop());
    EXPECT_FALSE(InstanceFinder::FindOnDesktop(desktop, test.pack, kBaseTextId, true));
}

// A second start facing an instance whose window no longer takes messages: the start-up's call
// comes back within the Part's bounds (each window search may wait for the other process to be
// idle, the one send may time out) and still answers that another instance runs.
TEST(SecondInstanceTest, AHungInstanceCostsAtMostTheBoundsAndTheStartStillEnds)
{
    ASSERT_TRUE(app_testing::RemoveFolder(app_testing::SettingsFolder()));
    CWinApp app;
    app.m_lpCmdLine = L"-startup";
    AppBase* base = AppBase::Create(&app);
    ASSERT_NE(nullptr, base);
    ASSERT_NE(nullptr, base->GetLangPack());
    ASSERT_EQ(2u, base->GetLangPack()->GetPackCount());
    OtherInstance other(base->GetEnglishTitle(), kHung);
    ASSERT_NE(nullptr, other.Window()) << "the second process showed no window";

    const ULONGLONG started = GetTickCount64();
    EXPECT_TRUE(base->SignalOtherInstance(true, false, true));
    const ULONGLONG spent = GetTickCount64() - started;
    const ULONGLONG searches = base->GetLangPack()->GetPackCount();
    const ULONGLONG sends = 1;
    const ULONGLONG slack = 2000;
    EXPECT_LE(spent, searches * InstanceFinder::kIdleWaitMillis + sends * InstanceFinder::kSendTimeoutMillis + slack);
    std::printf("signalling the hung instance took %llu ms\n", spent);
    other.End();
    base->ReleaseToPool();
    app_testing::TakeOpenedPages();
    app_testing::RemoveFolder(app_testing::SettingsFolder());
}

} // namespace
