// The top-level window on its own user-interface thread: start, frame, events from other
// threads, the message table, and teardown within its bound.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "mfc/AppMessageBox.h"
#include "storage/TestFiles.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "support/BoxRecorder.h"
#include "support/RecordingListener.h"
#include "support/Screenshot.h"
#include "support/TestWindowClass.h"
#include "support/Wait.h"
#include "windowing/Messages.h"
#include "windowing/NamedEvent.h"
#include "windowing/ToolkitWindowClass.h"
#include "windowing/UIThread.h"
#include "windowing/Window.h"

namespace {

using s::gui::win::NamedEvent;
using s::gui::win::Window;
using testing_support::BoxRecorder;
using testing_support::RecordingListener;
using testing_support::WaitUntil;

const DWORD kBoundMillis = 10000;
// The longest a release may take: the 5 s stop bound, up to 5 s more to freeze a hung thread
// outside the system's code, and room for a slow machine.
const ULONGLONG kReleaseBoundMillis = 15000;

const wchar_t kUpdateText[] = L"ProcessStatusUpdate";
const wchar_t kLookalikeText[] = L"ProcessStatusUpdate";
const NamedEvent kUpdate(kUpdateText);
const NamedEvent kLookalike(kLookalikeText);

struct Releaser {
    void operator()(Window* window) const
    {
        if (window)
            window->ReleaseToPool();
    }
};
using WindowPtr = std::unique_ptr<Window, Releaser>;

DWORD ThreadOf(HWND window)
{
    return GetWindowThreadProcessId(window, nullptr);
}

HANDLE DuplicateThreadHandle(Window* window)
{
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), window->GetUIThread()->m_hThread, GetCurrentProcess(), &copy,
                    SYNCHRONIZE | THREAD_SUSPEND_RESUME, FALSE, 0);
    return copy;
}

class WindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        BoxRecorder::Take();
        BoxRecorder::SetAnswer(0);
        window_.reset(Window::New());
        ASSERT_NE(nullptr, window_);
        ASSERT_TRUE(window_->IsReady());
        frame_ = window_->GetSafeHwnd();
    }
    void TearDown() override { BoxRecorder::SetAnswer(0); }

    WindowPtr window_;
    HWND frame_ = nullptr;
};

TEST_F(WindowTest, TwoWindowsRunEachOnItsOwnThread)
{
    WindowPtr second(Window::New());
    ASSERT_NE(nullptr, second);
    ASSERT_TRUE(second->IsReady());
    const DWORD firstThread = ThreadOf(frame_);
    const DWORD secondThread = ThreadOf(second->GetSafeHwnd());
    EXPECT_NE(GetCurrentThreadId(), firstThread);
    EXPECT_NE(GetCurrentThreadId(), secondThread);
    EXPECT_NE(firstThread, secondThread);
    EXPECT_EQ(window_->GetUIThread()->m_nThreadID, firstThread);
    EXPECT_EQ(second->GetUIThread()->m_nThreadID, secondThread);
    EXPECT_NE(window_.get(), second.get());
    EXPECT_TRUE(BoxRecorder::Take().empty());
}

TEST_F(WindowTest, NewFrameIsHiddenSizedAndCaptioned)
{
    EXPECT_FALSE(IsWindowVisible(frame_));
    EXPECT_FALSE(window_->IsShown());
    RECT bounds;
    ASSERT_TRUE(GetWindowRect(frame_, &bounds));
    EXPECT_EQ(240, bounds.right - bounds.left);
    EXPECT_EQ(120, bounds.bottom - bounds.top);
    wchar_t text[32] = {};
    GetWindowTextW(frame_, text, 32);
    EXPECT_STREQ(L"Window", text);
    EXPECT_TRUE(GetWindowLongPtrW(frame_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(static_cast<LONG_PTR>(WS_OVERLAPPEDWINDOW),
              GetWindowLongPtrW(frame_, GWL_STYLE) & static_cast<LONG_PTR>(WS_OVERLAPPEDWINDOW));
    wchar_t className[64] = {};
    GetClassNameW(frame_, className, 64);
    EXPECT_STREQ(L"KevrelWindowClass", className);
    EXPECT_STREQ(L"s_gui_win_Window", window_->GetClassName());

    // The owner is the thread's invisible window, kept off the taskbar.
    HWND owner = GetWindow(frame_, GW_OWNER);
    ASSERT_NE(nullptr, owner);
    EXPECT_EQ(window_->GetInvisibleWindow()->m_hWnd, owner);
    EXPECT_EQ(ThreadOf(frame_), ThreadOf(owner));
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_TRUE(GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(WindowTest, SendEventReturnsAfterTheListenersRanOnTheWindowThread)
{
    RecordingListener first, second;
    std::atomic<bool> firstDone{false};
    std::atomic<bool> sawUpdate{false}, sawLookalike{true};
    INT_PTR args[3] = {};
    first.action = [&](int32_t) {
        sawUpdate = kUpdate.Is(window_->GetEventData());
        sawLookalike = kLookalike.Is(window_->GetEventData());
        args[0] = window_->GetEventArg1();
        args[1] = window_->GetEventArg2();
        args[2] = window_->GetEventArg3();
        Sleep(100);
        firstDone = true;
    };
    second.action = [&](int32_t) { window_->SetEventResult(firstDone ? 42 : -1); };
    window_->AddUserEventListener(&first);
    window_->AddUserEventListener(&second);

    INT_PTR result = 0;
    bool doneWhenReturned = false;
    DWORD workerThread = 0;
    std::thread worker([&] {
        workerThread = GetCurrentThreadId();
        result = window_->SendEvent(kUpdate, 7, 8, 9);
        doneWhenReturned = firstDone;
    });
    worker.join();

    EXPECT_EQ(42, result);
    EXPECT_TRUE(doneWhenReturned);
    EXPECT_TRUE(sawUpdate);
    EXPECT_FALSE(sawLookalike);
    EXPECT_EQ(7, args[0]);
    EXPECT_EQ(8, args[1]);
    EXPECT_EQ(9, args[2]);
    const auto heard = first.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(s::gui::win::kEventUser, heard[0].code);
    EXPECT_EQ(ThreadOf(frame_), heard[0].threadId);
    EXPECT_NE(workerThread, heard[0].threadId);
    EXPECT_EQ(static_cast<s::base::IObject*>(window_.get()), heard[0].source);

    // The result word stays until a listener sets another.
    second.action = nullptr;
    EXPECT_EQ(42, window_->SendEvent(kLookalike.GetData(), 0, 0, 0));
}

TEST_F(WindowTest, PostedEventArrivesWithoutTheSenderWaiting)
{
    RecordingListener listener;
    std::atomic<INT_PTR> arg3{0};
    listener.action = [&](int32_t) { arg3 = window_->GetEventArg3(); };
    window_->AddUserEventListener(&listener);
    {
        // The record given to PostEvent may go away at once.
        INT_PTR words[4] = {kUpdate.GetData(), 1, 2, 33};
        EXPECT_TRUE(window_->PostEvent(words[0], words[1], words[2], words[3]));
    }
    EXPECT_TRUE(WaitUntil([&] { return listener.Count() == 1; }, kBoundMillis));
    EXPECT_EQ(33, arg3.load());
}

TEST_F(WindowTest, MessagesReachTheListenersOfTheirKind)
{
    struct Case {
        UINT message;
        WPARAM wParam;
        std::vector<int32_t> codes;
    };
    const Case cases[] = {
        {WM_LBUTTONDOWN, 0, {5}},
        {WM_NCLBUTTONDOWN, HTCAPTION, {5}},
        {WM_LBUTTONUP, 0, {25}},
        {WM_RBUTTONDOWN, 0, {3}},
        {WM_RBUTTONUP, 0, {24}},
        {WM_MBUTTONDOWN, 0, {9}},
        {WM_LBUTTONDBLCLK, 0, {16}},
        {WM_MOUSEMOVE, 0, {13}},
        {WM_KEYDOWN, 'A', {12}},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), {14}},
        {s::gui::msg::kNotifyInstance, 0, {15}},
        {WM_SIZE, SIZE_RESTORED, {21, 4}},
        {WM_SIZE, SIZE_MINIMIZED, {4}},
        {WM_SIZE, SIZE_MAXIMIZED, {4}},
        {WM_ACTIVATE, WA_INACTIVE, {7}},
    };
    RecordingListener listener;
    window_->AddLeftButtonDownListener(&listener);
    window_->AddLeftButtonUpListener(&listener);
    window_->AddRightButtonDownListener(&listener);
    window_->AddRightButtonUpListener(&listener);
    window_->AddMiddleButtonListener(&listener);
    window_->AddDoubleClickListener(&listener);
    window_->AddMouseMoveListener(&listener);
    window_->AddKeyDownListener(&listener);
    window_->AddMouseWheelListener(&listener);
    window_->AddNotifyListener(&listener);
    window_->AddRestoreListener(&listener);
    window_->AddResizeListener(&listener);
    window_->AddDeactivateListener(&listener);
    for (const Case& c : cases) {
        listener.Take();
        SendMessageW(frame_, c.message, c.wParam, 0);
        std::vector<int32_t> codes;
        for (const auto& heard : listener.Take()) {
            codes.push_back(heard.code);
            EXPECT_EQ(ThreadOf(frame_), heard.threadId);
        }
        EXPECT_EQ(c.codes, codes) << "message " << c.message << " " << c.wParam;
    }
    EXPECT_EQ('A', window_->GetLastKey());
    EXPECT_GT(0, window_->GetWheelLines()); // a turn towards the user
    EXPECT_TRUE(SendMessageW(frame_, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
}

TEST_F(WindowTest, SessionEndClosesTheWindow)
{
    RecordingListener listener;
    window_->AddCloseListener(&listener);
    window_->SetVisible(true);
    SendMessageW(frame_, WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(window_->IsSessionEnding());
    EXPECT_FALSE(window_->IsClosed());
    SendMessageW(frame_, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(window_->IsSessionEnding());
    EXPECT_TRUE(window_->IsClosed());
    EXPECT_EQ(1u, listener.Count());
}

TEST_F(WindowTest, CloseListenerMayKeepTheWindowOpen)
{
    RecordingListener listener;
    bool refuse = true;
    listener.action = [&](int32_t) {
        if (refuse)
            window_->CancelClose();
    };
    window_->AddCloseListener(&listener);
    window_->SetVisible(true);
    ASSERT_TRUE(window_->IsShown());

    window_->Close();
    EXPECT_EQ(1u, listener.Take().size());
    EXPECT_TRUE(window_->IsShown());
    EXPECT_FALSE(window_->IsClosed());

    refuse = false;
    window_->Close();
    EXPECT_EQ(1u, listener.Take().size());
    EXPECT_FALSE(window_->IsShown());
    EXPECT_TRUE(window_->IsClosed());
    EXPECT_TRUE(IsWindow(frame_)); // closed is not destroyed

    // A closed window ignores further close requests.
    window_->Close();
    EXPECT_TRUE(listener.Take().empty());
}

TEST_F(WindowTest, WaitUntilClosedReturnsOnceAVetoedCloseIsLetThrough)
{
    RecordingListener listener;
    std::atomic<int> closes{0};
    listener.action = [&](int32_t) {
        if (++closes == 1)
            window_->CancelClose();
    };
    window_->AddCloseListener(&listener);
    window_->SetVisible(true);
    std::thread user([this] {
        PostMessageW(frame_, WM_CLOSE, 0, 0);
        Sleep(100);
        PostMessageW(frame_, WM_CLOSE, 0, 0);
    });
    window_->WaitUntilClosed();
    EXPECT_TRUE(window_->IsClosed());
    EXPECT_EQ(2, closes.load());
    user.join();
    // A closed window is waited for no longer.
    window_->WaitUntilClosed();
}

TEST_F(WindowTest, SizingTallerThanTheWorkAreaMovesTheTopEdgeDown)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(frame_, MONITOR_DEFAULTTONEAREST), &monitor));
    const LONG workHeight = monitor.rcWork.bottom - monitor.rcWork.top;

    RecordingListener listener;
    bool sawTop = false;
    listener.action = [&](int32_t) {
        sawTop = window_->IsSizingTop() && !window_->IsSizingBottom();
        window_->SetSizingLeft(window_->GetSizingLeft() + 4);
    };
    window_->AddSizingListener(&listener);
    RECT proposed = {10, -150, 300, workHeight + 100};
    SendMessageW(frame_, WM_SIZING, WMSZ_TOP, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_TRUE(sawTop);
    EXPECT_EQ(workHeight + 100, proposed.bottom);
    EXPECT_EQ(100, proposed.top);
    EXPECT_EQ(14, proposed.left);

    listener.action = nullptr;
    RECT fromBottom = {10, 0, 300, workHeight + 250};
    SendMessageW(frame_, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&fromBottom));
    EXPECT_TRUE(window_->IsSizingBottomRight());
    EXPECT_EQ(0, fromBottom.top);
    EXPECT_EQ(workHeight, fromBottom.bottom);
}

TEST_F(WindowTest, SuspendFlagFollowsPowerBroadcasts)
{
    struct Case {
        WPARAM event;
        bool suspending;
    };
    const Case cases[] = {
        {PBT_APMSUSPEND, true}, {PBT_APMPOWERSTATUSCHANGE, true}, {PBT_APMRESUMEAUTOMATIC, false},
        {PBT_APMSUSPEND, true}, {PBT_APMRESUMESUSPEND, false},
    };
    EXPECT_FALSE(window_->IsSystemSuspending());
    for (const Case& c : cases) {
        SendMessageW(frame_, WM_POWERBROADCAST, c.event, 0);
        EXPECT_EQ(c.suspending, window_->IsSystemSuspending()) << c.event;
    }
}

TEST_F(WindowTest, UserTimerTicksOnTheWindowThreadUntilKilled)
{
    RecordingListener listener;
    std::atomic<UINT_PTR> id{0};
    listener.action = [&](int32_t) {
        id = window_->GetCurrentUserTimerId();
        window_->SetTimerHandled();
    };
    window_->AddTimerListener(&listener);
    ASSERT_TRUE(window_->SetUserTimer(3, 20));
    EXPECT_TRUE(WaitUntil([&] { return listener.Count() >= 2; }, kBoundMillis));
    EXPECT_EQ(3u, id.load());
    window_->KillUserTimer(3);
    SendMessageW(frame_, WM_NULL, 0, 0);
    const size_t afterKill = listener.Count();
    Sleep(150);
    EXPECT_EQ(afterKill, listener.Count());
    EXPECT_EQ(s::gui::win::kEventTimer, listener.Take()[0].code);
}

TEST_F(WindowTest, SecondInstanceRestoresAMinimizedWindow)
{
    window_->SetVisible(true);
    ShowWindow(frame_, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(frame_) != FALSE; }, kBoundMillis));
    DWORD_PTR answer = 0;
    EXPECT_NE(0, SendMessageTimeoutW(frame_, WM_USER + 3, 0, 0, SMTO_NORMAL, 3000, &answer));
    EXPECT_FALSE(IsIconic(frame_));
    EXPECT_TRUE(IsWindowVisible(frame_));
}

TEST_F(WindowTest, BoxesAskedByOtherThreadsAreShownByTheWindowThread)
{
    AfxSetAppName(L"Pulsegrid");
    window_->ShowInfoMessage(L"note");
    window_->ShowErrorMessage(L"broken");
    BoxRecorder::SetAnswer(IDYES);
    EXPECT_TRUE(window_->AskYesNo(L"sure?"));
    BoxRecorder::SetAnswer(IDNO);
    EXPECT_FALSE(window_->AskYesNo(L"sure?"));
    const auto boxes = BoxRecorder::Take();
    ASSERT_EQ(4u, boxes.size());
    const UINT types[] = {MB_ICONINFORMATION, MB_ICONERROR, MB_ICONQUESTION | MB_YESNO, MB_ICONQUESTION | MB_YESNO};
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(types[i], boxes[i].type) << i;
        EXPECT_EQ(ThreadOf(frame_), boxes[i].threadId) << i;
        EXPECT_EQ(L"Pulsegrid", boxes[i].caption);
    }
    EXPECT_EQ(L"broken", boxes[1].text);
}

void PutTextOnClipboard(const wchar_t* text)
{
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    const size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory) {
        std::memcpy(GlobalLock(memory), text, bytes);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

// Waits until the window's thread has handled everything posted to it so far; the marker is
// one of the window's user-event listeners.
bool DrainPosted(Window* window, RecordingListener* marker)
{
    const size_t before = marker->Count();
    return window->PostEvent(0, 0, 0, 0) && WaitUntil([&] { return marker->Count() > before; }, kBoundMillis);
}

TEST_F(WindowTest, ClipboardChangesReachEveryViewerInTheChainUntilItLeaves)
{
    WindowPtr second(Window::New());
    ASSERT_TRUE(second->IsReady());
    RecordingListener first, later, firstMarker, laterMarker;
    window_->AddClipboardChangeListener(&first);
    second->AddClipboardChangeListener(&later);
    window_->AddUserEventListener(&firstMarker);
    second->AddUserEventListener(&laterMarker);
    window_->SetClipboardViewer(true);
    second->SetClipboardViewer(true);

    // The newer viewer hears first and passes the change on to the older one.
    PutTextOnClipboard(L"one");
    EXPECT_TRUE(WaitUntil([&] { return first.Count() >= 1 && later.Count() >= 1; }, kBoundMillis));
    ASSERT_TRUE(DrainPosted(second.get(), &laterMarker));
    ASSERT_TRUE(DrainPosted(window_.get(), &firstMarker));
    EXPECT_EQ(s::gui::win::kEventClipboardChange, first.Take().at(0).code);
    later.Take();

    // The older one leaves: the newer is told whom to pass changes to now, and the one that
    // left hears nothing more.
    window_->SetClipboardViewer(false);
    PutTextOnClipboard(L"two");
    EXPECT_TRUE(WaitUntil([&] { return later.Count() >= 1; }, kBoundMillis));
    ASSERT_TRUE(DrainPosted(second.get(), &laterMarker));
    ASSERT_TRUE(DrainPosted(window_.get(), &firstMarker));
    EXPECT_EQ(0u, first.Count());
    // The windows go before their listeners: a late change must find nobody to tell.
    second.reset();
    window_.reset();
}

TEST_F(WindowTest, FrameDestroyedWithoutACloseRequestIsClosedAndLetsGoOfWhatIsShared)
{
    // A close request to the hidden owner (a tool that closes every top-level window of the
    // process) takes the frame down with it, without a close request of its own.
    WindowPtr second(Window::New());
    ASSERT_TRUE(second->IsReady());
    HWND secondFrame = second->GetSafeHwnd();
    RecordingListener first, firstMarker;
    window_->AddClipboardChangeListener(&first);
    window_->AddUserEventListener(&firstMarker);
    window_->SetClipboardViewer(true);
    second->SetClipboardViewer(true);
    second->SetVisible(true);
    ASSERT_FALSE(second->IsClosed());
    const wchar_t kHotKeyName[] = L"PulsegridDestroyedFrameHotKey";
    ASSERT_TRUE(second->RegisterHotKey(true, true, false, false, VK_F7, kHotKeyName, false));

    SendMessageW(GetWindow(secondFrame, GW_OWNER), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(secondFrame));
    EXPECT_FALSE(second->IsReady());
    // Whoever waits for the window to close must see it closed.
    EXPECT_TRUE(second->IsClosed());
    // Global atoms outlive the process: the hot key's name must not stay behind.
    EXPECT_EQ(0, GlobalFindAtomW(kHotKeyName));
    // The viewer that went must not cut the ones after it off the chain.
    ASSERT_TRUE(DrainPosted(window_.get(), &firstMarker));
    first.Take();
    PutTextOnClipboard(L"after");
    EXPECT_TRUE(WaitUntil([&] { return first.Count() >= 1; }, kBoundMillis));
    ASSERT_TRUE(DrainPosted(window_.get(), &firstMarker));
    window_->SetClipboardViewer(false);
}

TEST_F(WindowTest, HotKeyBelongsToOneWindowAndIsKnownByItsName)
{
    BoxRecorder::Take();
    RecordingListener listener;
    window_->AddHotKeyListener(&listener);
    const wchar_t kName[] = L"PulsegridTestHotKey";
    ASSERT_TRUE(window_->RegisterHotKey(true, true, false, false, VK_F9, kName, true));
    // Registering the same name again replaces the key.
    ASSERT_TRUE(window_->RegisterHotKey(true, true, true, false, VK_F9, kName, true));

    // Another window cannot take a key that is held: the failure is told with its number.
    WindowPtr second(Window::New());
    ASSERT_TRUE(second->IsReady());
    EXPECT_FALSE(second->RegisterHotKey(true, true, true, false, VK_F9, L"PulsegridTestHotKey2", true));
    const auto boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), boxes[0].type);
    EXPECT_EQ(L'(', boxes[0].text[0]);
    EXPECT_NE(std::wstring::npos,
              boxes[0].text.find(L") HotKey Alt+Ctrl+Shift+120 has been occupied by another application."));
    EXPECT_FALSE(second->RegisterHotKey(true, true, true, false, VK_F9, L"PulsegridTestHotKey2", false));
    EXPECT_TRUE(BoxRecorder::Take().empty());

    // The press arrives as WM_HOTKEY with the name's atom.
    const ATOM atom = GlobalFindAtomW(kName);
    ASSERT_NE(0, atom);
    SendMessageW(frame_, WM_HOTKEY, atom, 0);
    EXPECT_EQ(s::gui::win::kEventHotKey, listener.Take().at(0).code);
    EXPECT_TRUE(window_->IsHotKeyAtom(kName));
    EXPECT_FALSE(window_->IsHotKeyAtom(L"PulsegridTestHotKey2"));

    // Once given up, the key is free for the other window.
    window_->UnregisterHotKey(kName);
    EXPECT_TRUE(second->RegisterHotKey(true, true, true, false, VK_F9, L"PulsegridTestHotKey2", true));
    second->UnregisterAllHotKeys();
    EXPECT_TRUE(window_->RegisterHotKey(true, true, true, false, VK_F9, kName, true));
}

// The layout of the window's own hot-key request, as a sender without the process's key would
// build it.
struct LookalikeHotKeyRequest {
    UINT modifiers;
    UINT virtualKey;
    const wchar_t* name;
    bool report;
    const wchar_t* text;
};

TEST_F(WindowTest, PrivateMessagesWithAddressesAreIgnoredWithoutTheProcessKey)
{
    const wchar_t kHeldName[] = L"PulsegridHeldHotKey";
    const wchar_t kLookalikeName[] = L"PulsegridLookalikeHotKey";
    ASSERT_TRUE(window_->RegisterHotKey(true, true, false, false, VK_F6, kHeldName, false));
    RecordingListener events;
    window_->AddUserEventListener(&events);
    BoxRecorder::SetAnswer(IDYES);
    BoxRecorder::Take();

    // Real addresses as well as foreign numbers: a handler that read them would tell a listener,
    // show a box, take or give up a hot key, or crash.
    INT_PTR record[4] = {kUpdate.GetData(), 1, 2, 3};
    const wchar_t text[] = L"from elsewhere";
    LookalikeHotKeyRequest request = {MOD_ALT | MOD_CONTROL | MOD_SHIFT, VK_F6, kLookalikeName, true, text};
    struct Case {
        UINT message;
        WPARAM wParam;
    };
    const Case cases[] = {
        {s::gui::msg::kEvent, reinterpret_cast<WPARAM>(record)},
        {s::gui::msg::kEvent, 0x10},
        {s::gui::msg::kEvent, 0xDEADBEEF},
        {s::gui::msg::kShowInfo, reinterpret_cast<WPARAM>(text)},
        {s::gui::msg::kShowInfo, 0xDEADBEEF},
        {s::gui::msg::kShowError, reinterpret_cast<WPARAM>(text)},
        {s::gui::msg::kShowError, 0x10},
        {s::gui::msg::kAskYesNo, reinterpret_cast<WPARAM>(text)},
        {s::gui::msg::kAskYesNo, 0xDEADBEEF},
        {s::gui::msg::kRegisterHotKey, reinterpret_cast<WPARAM>(&request)},
        {s::gui::msg::kRegisterHotKey, 0x10},
        {s::gui::msg::kUnregisterHotKey, reinterpret_cast<WPARAM>(kHeldName)},
        {s::gui::msg::kUnregisterHotKey, 0xDEADBEEF},
    };
    // 1 was once the mark of a posted record that the window frees.
    const LPARAM wrongKeys[] = {0, 1, 0xDEADBEEF, -1};
    for (const Case& c : cases) {
        for (LPARAM key : wrongKeys) {
            EXPECT_EQ(0, SendMessageW(frame_, c.message, c.wParam, key)) << c.message << " " << c.wParam;
            EXPECT_TRUE(PostMessageW(frame_, c.message, c.wParam, key));
        }
    }
    ASSERT_TRUE(DrainPosted(window_.get(), &events));

    const auto heard = events.Take();
    ASSERT_EQ(1u, heard.size()); // only the drain's own event
    EXPECT_TRUE(BoxRecorder::Take().empty());
    EXPECT_NE(0, GlobalFindAtomW(kHeldName));
    EXPECT_EQ(0, GlobalFindAtomW(kLookalikeName));

    // The window's own senders still reach it.
    events.action = [&](int32_t) { window_->SetEventResult(window_->GetEventArg1() + 1); };
    EXPECT_EQ(8, window_->SendEvent(kUpdate, 7, 0, 0));
    EXPECT_TRUE(window_->PostEvent(kUpdate.GetData(), 40, 0, 0));
    EXPECT_TRUE(WaitUntil([&] { return events.Count() == 2; }, kBoundMillis));
    EXPECT_TRUE(window_->AskYesNo(L"sure?"));
    window_->ShowErrorMessage(L"broken");
    EXPECT_EQ(2u, BoxRecorder::Take().size());
    window_->UnregisterHotKey(kHeldName);
    EXPECT_EQ(0, GlobalFindAtomW(kHeldName));
    EXPECT_TRUE(window_->RegisterHotKey(true, true, false, false, VK_F6, kLookalikeName, false));
    EXPECT_NE(0, GlobalFindAtomW(kLookalikeName));
}

// Runs the foreign sender against the window; its exit code, or -1 when it could not run.
int RunForeignSender(HWND window)
{
    const std::wstring program = testfiles::BesideTestProgram(L"ForeignSender.exe");
    std::wstring commandLine = L"\"" + program + L"\" " +
                               std::to_wstring(static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    CloseHandle(process.hThread);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 6 * kBoundMillis) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.hProcess, &code)) {
        TerminateProcess(process.hProcess, 1);
        code = static_cast<DWORD>(-1);
    }
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

TEST_F(WindowTest, AnotherProcessIsHeardOnlyWithTheSecondInstanceRequests)
{
    RecordingListener events, notes;
    window_->AddUserEventListener(&events);
    window_->AddNotifyListener(&notes);
    window_->SetVisible(true);
    ShowWindow(frame_, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(frame_) != FALSE; }, kBoundMillis));
    BoxRecorder::SetAnswer(IDYES);
    BoxRecorder::Take();

    EXPECT_EQ(0, RunForeignSender(frame_));
    ASSERT_TRUE(DrainPosted(window_.get(), &events));

    EXPECT_EQ(1u, events.Count()); // only the drain's own event
    EXPECT_TRUE(BoxRecorder::Take().empty());
    EXPECT_EQ(1u, notes.Count());
    EXPECT_FALSE(IsIconic(frame_));
    EXPECT_TRUE(IsWindowVisible(frame_));
}

// Two packs: the caption text 100 and the version text 200 in English and French.
s::lang::Localizer* MakeCaptionLocalizer()
{
    struct PackTexts {
        const wchar_t* engName;
        const wchar_t* caption;
        const wchar_t* version;
    };
    const PackTexts packs[] = {{L"English", L"Monitor", L"1.0"}, {L"French", L"Moniteur", L"1.0 fr"}};
    s::lang::Localizer* localizer = s::lang::Localizer::New();
    for (const PackTexts& texts : packs) {
        s::lang::LangPack* pack = s::lang::LangPack::New();
        pack->GetEngName()->Assign(texts.engName);
        pack->AddText(100, texts.caption);
        pack->AddText(200, texts.version);
        localizer->AddPack(pack);
    }
    localizer->SelectLanguageAt(0);
    return localizer;
}

std::wstring CaptionOf(HWND window)
{
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

TEST_F(WindowTest, CaptionFollowsTheLanguage)
{
    s::lang::Localizer* localizer = MakeCaptionLocalizer();
    RecordingListener listener;
    window_->AddLanguageChangeListener(&listener);
    window_->SetCaptionTextId(100, 200);
    EXPECT_EQ(L"Window", CaptionOf(frame_)); // no texts without a language manager
    window_->SetLocalizer(localizer);
    EXPECT_TRUE(window_->HasLocalizer());
    EXPECT_EQ(localizer, window_->GetLocalizer());
    EXPECT_EQ(L"Monitor v1.0", CaptionOf(frame_));
    EXPECT_EQ(0u, listener.Count());

    localizer->SelectLanguageAt(1);
    EXPECT_EQ(L"Moniteur v1.0 fr", CaptionOf(frame_));
    const auto heard = listener.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(s::gui::win::kEventLanguageChange, heard[0].code);
    EXPECT_EQ(static_cast<s::base::IObject*>(window_.get()), heard[0].source);

    window_->SetCaptionTextId(100, -1);
    EXPECT_EQ(L"Moniteur", CaptionOf(frame_));
    window_->SetCaptionTextId(-1, 200);
    EXPECT_EQ(L"Moniteur", CaptionOf(frame_));

    // Given back, the window leaves the language manager's listeners.
    EXPECT_EQ(1u, localizer->GetListenerCount());
    window_.reset();
    EXPECT_EQ(0u, localizer->GetListenerCount());
    localizer->ReleaseToPool();
}

TEST_F(WindowTest, ShownFramePaintsItsBackground)
{
    SetWindowPos(frame_, HWND_TOPMOST, 600, 500, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(window_->SetCaption(L"Pulsegrid test"));
    window_->SetVisible(true);
    RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);

    POINT origin = {0, 0};
    ClientToScreen(frame_, &origin);
    RECT client;
    GetClientRect(frame_, &client);
    const RECT area = {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    testing_support::ScreenImage image;
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return testing_support::CaptureScreenArea(area, &image) &&
                   image.At(client.right / 2, client.bottom / 2) == background;
        },
        kBoundMillis));

    testing_support::ScreenImage shot;
    ASSERT_TRUE(testing_support::CaptureWindow(frame_, &shot));
    EXPECT_FALSE(testing_support::SaveScreenshot(shot, L"window-frame").empty());
    ASSERT_TRUE(testing_support::CaptureScreen(&shot));
    EXPECT_FALSE(testing_support::SaveScreenshot(shot, L"window-display").empty());
}

TEST_F(WindowTest, ReleaseDestroysTheWindowsAndEndsTheThreadWithinTheBound)
{
    HANDLE thread = DuplicateThreadHandle(window_.get());
    ASSERT_NE(nullptr, thread);
    HWND owner = GetWindow(frame_, GW_OWNER);
    RecordingListener listener;
    window_->AddCloseListener(&listener);

    const ULONGLONG start = GetTickCount64();
    window_.reset();
    EXPECT_LT(GetTickCount64() - start, kReleaseBoundMillis);
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(thread, 0));
    EXPECT_FALSE(IsWindow(frame_));
    EXPECT_FALSE(IsWindow(owner));
    EXPECT_EQ(1u, listener.Count()); // the release closes the window first
    CloseHandle(thread);
}

TEST_F(WindowTest, ReleaseAfterTheThreadEndedWaitsOnlyForItsHandle)
{
    HANDLE thread = DuplicateThreadHandle(window_.get());
    ASSERT_NE(nullptr, thread);
    ASSERT_TRUE(PostThreadMessageW(window_->GetUIThread()->m_nThreadID, WM_QUIT, 0, 0));
    ASSERT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(thread, kBoundMillis));
    EXPECT_FALSE(window_->GetUIThread()->IsReady());

    const ULONGLONG start = GetTickCount64();
    window_.reset();
    // No quit request can succeed on an ended thread; a release that tried would spend its
    // whole 5 s bound.
    EXPECT_LT(GetTickCount64() - start, 4000u);
    CloseHandle(thread);
}

// A test process whose toolkit class is taken by a class of its own, so that the toolkit's
// registration fails and creation meets the class's procedure. Run in a child process: the
// toolkit registers its class once for the life of a process.
const wchar_t kFrameTitle[] = L"Window";

LRESULT CALLBACK RefuseEverything(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return FALSE;
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK RefuseTheFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const CREATESTRUCTW* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (create->lpszName && std::wcscmp(create->lpszName, kFrameTitle) == 0)
            return FALSE;
    }
    return s::gui::win::ToolkitWindowProc(window, message, wParam, lParam);
}

int failures = 0;

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "failed: %s\n", what);
        ++failures;
    }
}

bool SawBox(const std::vector<testing_support::RecordedBox>& boxes, const wchar_t* text)
{
    for (const auto& box : boxes) {
        if (box.text == text && box.caption == L"Error!" && box.type == MB_ICONWARNING)
            return true;
    }
    return false;
}

void StartWithTakenClass(WNDPROC procedure, bool threadStays)
{
    // A creator that waits for ever must still end this child.
    std::thread([] {
        Sleep(2 * kBoundMillis);
        std::fprintf(stderr, "failed: the window start did not return\n");
        std::fflush(stderr);
        std::_Exit(99);
    }).detach();
    Check(testing_support::RegisterTestWindowClass(L"KevrelWindowClass", procedure, CS_GLOBALCLASS),
          "the test takes the class name");
    BoxRecorder::Take();

    const ULONGLONG start = GetTickCount64();
    Window* window = Window::New();
    Check(GetTickCount64() - start < kBoundMillis, "the creator does not wait for ever");
    Check(window != nullptr, "a window is returned");
    if (!window)
        std::_Exit(100);
    Check(!window->IsReady(), "the window is not ready");
    Check(window->GetUIThread() && window->GetUIThread()->IsReady() == threadStays, "the thread's state");
    const auto boxes = BoxRecorder::Take();
    Check(SawBox(boxes, L"Window Registration Failed!"), "registration failure is told");
    Check(SawBox(boxes, L"Window Creation Failed!"), "creation failure is told");

    RecordingListener listener;
    window->AddUserEventListener(&listener);
    Check(window->SendEvent(kUpdate, 1, 2, 3) == 0, "an event without frame gives 0");
    Check(!window->PostEvent(kUpdate.GetData(), 1, 2, 3), "an event without frame is not posted");
    Check(listener.Count() == 0, "no listener runs without frame");

    const ULONGLONG releaseStart = GetTickCount64();
    window->ReleaseToPool();
    Check(GetTickCount64() - releaseStart < kReleaseBoundMillis, "the release ends within its bound");
    std::fflush(stderr);
    std::_Exit(failures);
}

// The release of a window whose thread hangs in a listener. Run in a child process: the thread
// stays suspended with its windows, and nothing else may ever send them a message.
void ReleaseWhileTheThreadHangs()
{
    Window* window = Window::New();
    Check(window && window->IsReady(), "the window starts");
    if (!window)
        std::_Exit(100);
    HANDLE thread = DuplicateThreadHandle(window);
    s::lang::Localizer* localizer = MakeCaptionLocalizer();
    window->SetLocalizer(localizer);
    HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    RecordingListener stuck;
    stuck.action = [&](int32_t) { WaitForSingleObject(never, INFINITE); };
    window->AddUserEventListener(&stuck);
    Check(window->PostEvent(kUpdate.GetData(), 0, 0, 0), "the event is posted");
    Check(WaitUntil([&] { return stuck.Count() == 1; }, kBoundMillis), "the listener hangs");

    const ULONGLONG start = GetTickCount64();
    window->ReleaseToPool();
    Check(GetTickCount64() - start < kReleaseBoundMillis, "the release ends within its bound");
    // The thread was suspended where it hung, never to run the rest of the listener.
    Check(WaitForSingleObject(thread, 0) == WAIT_TIMEOUT, "the thread has not ended");
    Check(SuspendThread(thread) == 1, "the thread is suspended");
    // The language manager outlives the window: a later change of language must not reach it.
    Check(localizer->GetListenerCount() == 0, "the window left the language manager's listeners");
    localizer->SelectLanguageAt(1);
    std::fflush(stderr);
    std::_Exit(failures);
}

// The release of a window whose thread is late, waiting inside the system past the stop bound
// but not for ever: it is not frozen there, where it could hold a lock of the system's, and it
// ends on its own. Run in a child process: a thread frozen in the wait stays so.
void ReleaseWhileTheThreadIsLateInTheSystem()
{
    Window* window = Window::New();
    Check(window && window->IsReady(), "the window starts");
    if (!window)
        std::_Exit(100);
    HANDLE thread = DuplicateThreadHandle(window);
    HANDLE later = CreateWaitableTimerW(nullptr, TRUE, nullptr);
    LARGE_INTEGER due = {};
    due.QuadPart = -7 * 10000000LL;
    std::atomic<bool> waited{false};
    RecordingListener late;
    late.action = [&](int32_t) {
        WaitForSingleObject(later, INFINITE);
        waited = true;
    };
    window->AddUserEventListener(&late);
    Check(SetWaitableTimer(later, &due, 0, nullptr, nullptr, FALSE) != FALSE, "the timer runs");
    Check(window->PostEvent(kUpdate.GetData(), 0, 0, 0), "the event is posted");
    Check(WaitUntil([&] { return late.Count() == 1; }, kBoundMillis), "the listener waits");

    const ULONGLONG start = GetTickCount64();
    window->ReleaseToPool();
    Check(GetTickCount64() - start < kReleaseBoundMillis, "the release ends within its bound");
    Check(WaitForSingleObject(thread, kBoundMillis) == WAIT_OBJECT_0, "the thread has ended");
    Check(waited, "the listener's wait ended");
    std::fflush(stderr);
    std::_Exit(failures);
}

// The release by a thread that has windows of its own, while the window's thread waits in a send
// to one of them: the releaser answers that send, and the window is not taken for hung. Run in a
// child process: a window taken for hung stays suspended with its windows.
void ReleaseWhileTheThreadSendsToTheReleaser()
{
    Check(testing_support::RegisterTestWindowClass(L"PulsegridReleaserWindow", &DefWindowProcW),
          "the test registers its class");
    HWND mine = CreateWindowExW(0, L"PulsegridReleaserWindow", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    Check(mine != nullptr, "the releasing thread has a window");
    Window* window = Window::New();
    Check(window && window->IsReady(), "the window starts");
    if (!window || !mine)
        std::_Exit(100);
    HWND frame = window->GetSafeHwnd();
    HANDLE thread = DuplicateThreadHandle(window);
    std::atomic<bool> sending{false}, answered{false};
    RecordingListener sender;
    sender.action = [&](int32_t) {
        sending = true;
        SendMessageW(mine, WM_NULL, 0, 0);
        answered = true;
    };
    window->AddUserEventListener(&sender);
    Check(window->PostEvent(kUpdate.GetData(), 0, 0, 0), "the event is posted");
    Check(WaitUntil([&] { return sending.load(); }, kBoundMillis), "the listener sends");
    Sleep(100);

    const ULONGLONG start = GetTickCount64();
    window->ReleaseToPool();
    Check(GetTickCount64() - start < 4000, "the release does not wait out its stop bound");
    Check(answered, "the window thread's send was answered");
    Check(WaitForSingleObject(thread, 0) == WAIT_OBJECT_0, "the thread has ended");
    Check(!IsWindow(frame), "the frame is gone");
    std::fflush(stderr);
    std::_Exit(failures);
}

TEST(WindowStopFailure, ReleaseByAThreadTheWindowWaitsOnDoesNotTakeItForHung)
{
    EXPECT_EXIT(ReleaseWhileTheThreadSendsToTheReleaser(), testing::ExitedWithCode(0), "");
}

// A window released by one of its own listeners, on its own thread; with nestedLoop the listener
// then runs a loop of its own, as a modal box does, which drops the thread's own messages. Run in
// a child process: a thread that waited for itself would stay suspended with its windows.
void ReleaseFromTheWindowsOwnThread(bool nestedLoop)
{
    Window* window = Window::New();
    Check(window && window->IsReady(), "the window starts");
    if (!window)
        std::_Exit(100);
    HWND frame = window->GetSafeHwnd();
    HWND owner = GetWindow(frame, GW_OWNER);
    HANDLE thread = DuplicateThreadHandle(window);
    RecordingListener releaser;
    std::atomic<bool> released{false};
    releaser.action = [&](int32_t) {
        window->ReleaseToPool();
        const ULONGLONG end = GetTickCount64() + (nestedLoop ? 200 : 0);
        MSG message;
        while (GetTickCount64() < end) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            Sleep(10);
        }
        released = true;
    };
    window->AddUserEventListener(&releaser);
    Check(window->PostEvent(kUpdate.GetData(), 0, 0, 0), "the event is posted");
    Check(WaitUntil([&] { return released.load(); }, kBoundMillis), "the listener returns");
    // Any later message of the loop will do once its own was dropped.
    if (nestedLoop)
        PostMessageW(frame, WM_NULL, 0, 0);
    Check(WaitForSingleObject(thread, kBoundMillis) == WAIT_OBJECT_0, "the thread ends by itself");
    Check(releaser.Count() == 1, "the listener ran once");
    Check(!IsWindow(frame), "the frame is gone");
    Check(!IsWindow(owner), "the owner is gone");
    std::fflush(stderr);
    std::_Exit(failures);
}

TEST(WindowStopFailure, ReleaseByTheWindowsOwnThreadEndsThatThread)
{
    EXPECT_EXIT(ReleaseFromTheWindowsOwnThread(false), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(ReleaseFromTheWindowsOwnThread(true), testing::ExitedWithCode(0), "");
}

TEST(WindowStopFailure, ReleaseOfAWindowWhoseThreadHangsEndsWithinTheBound)
{
    EXPECT_EXIT(ReleaseWhileTheThreadHangs(), testing::ExitedWithCode(0), "");
}

TEST(WindowStopFailure, AThreadLateInsideTheSystemIsNotFrozenThereAndEnds)
{
    EXPECT_EXIT(ReleaseWhileTheThreadIsLateInTheSystem(), testing::ExitedWithCode(0), "");
}

TEST(WindowStartFailure, ThreadThatCannotMakeItsWindowsGivesAWindowThatIsNotReady)
{
    EXPECT_EXIT(StartWithTakenClass(&RefuseEverything, false), testing::ExitedWithCode(0), "");
}

TEST(WindowStartFailure, FrameThatCannotBeMadeLeavesTheThreadRunningWithoutFrame)
{
    EXPECT_EXIT(StartWithTakenClass(&RefuseTheFrame, true), testing::ExitedWithCode(0), "");
}

} // namespace

TEST_F(WindowTest, ModalStateDisablesTheFrameUntilItEnds)
{
    ASSERT_TRUE(IsWindowEnabled(frame_));
    window_->SetModalState(true);
    EXPECT_FALSE(IsWindowEnabled(frame_));
    window_->SetModalState(false);
    EXPECT_TRUE(IsWindowEnabled(frame_));
    window_->DisableInput(true);
    EXPECT_FALSE(IsWindowEnabled(frame_));
    window_->DisableInput(false);
    EXPECT_TRUE(IsWindowEnabled(frame_));
}
