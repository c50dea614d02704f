// The window in the notification area: the icon's record, clicks as the shell posts them,
// iconize and restore, close-to-tray, "always", a missing notification area, the working-set
// trims of showing and hiding, the icons, keep-on-top and the frame switches.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/BoxRecorder.h"
#include "support/RecordingListener.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/DesktopCalls.h"
#include "windowing/DesktopRecorder.h"
#include "windowing/FakeAppWindow.h"
#include "windowing/Messages.h"
#include "windowing/RecordedWindowTest.h"
#include "windowing/ShownWindow.h"
#include "windowing/Window.h"

namespace {

using s::gui::win::Window;
using testing_support::DesktopRecorder;
using testing_support::FakeAppWindow;
using testing_support::RecordingListener;
using testing_support::TrayRecord;
using testing_support::WaitUntil;
using testing_support::WindowPtr;

const DWORD kBoundMillis = 10000;
const UINT kTrayCallback = WM_USER + 2;

std::vector<DWORD> MessagesOf(const std::vector<TrayRecord>& records)
{
    std::vector<DWORD> messages;
    for (const TrayRecord& record : records)
        messages.push_back(record.message);
    return messages;
}

class WindowTrayTest : public testing_support::RecordedWindowTest {
protected:
    void SetUp() override
    {
        RecordedWindowTest::SetUp();
        window_->SetBounds(60, 60, 260, 180);
        window_->SetCaption(L"Pulsegrid");
    }

    // As the shell posts a click on the icon; sent, so that it is handled on return.
    void ClickIcon(UINT mouseMessage) { SendMessageW(frame_, kTrayCallback, 0, mouseMessage); }
};

TEST_F(WindowTrayTest, IconRecordCarriesTheWindowItsCallbackAndTheCaptionAsTip)
{
    window_->SetTrayIcon(true);
    auto records = DesktopRecorder::TakeTray();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), records[0].message);
    EXPECT_EQ(968u, records[0].size);
    EXPECT_EQ(frame_, records[0].window);
    EXPECT_EQ(0u, records[0].id);
    EXPECT_EQ(7u, records[0].flags);
    EXPECT_EQ(1026u, records[0].callback);
    EXPECT_NE(nullptr, records[0].icon) << "never an empty place in the notification area";
    EXPECT_EQ(L"Pulsegrid", records[0].tip);
    EXPECT_TRUE(window_->IsTrayIconShown());

    // The tip follows the caption; a tip longer than its room is cut and ended.
    window_->SetCaption(L"Pulsegrid v1.76");
    const std::wstring longCaption(300, L'x');
    window_->SetCaption(longCaption.c_str());
    records = DesktopRecorder::TakeTray();
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_MODIFY), records[0].message);
    EXPECT_EQ(static_cast<UINT>(NIF_TIP), records[0].flags);
    EXPECT_EQ(L"Pulsegrid v1.76", records[0].tip);
    EXPECT_EQ(std::wstring(127, L'x'), records[1].tip);

    window_->UpdateTrayIcon();
    records = DesktopRecorder::TakeTray();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_MODIFY), records[0].message);
    EXPECT_EQ(7u, records[0].flags);

    window_->SetTrayIcon(false);
    window_->SetTrayIcon(false);
    window_->UpdateTrayIcon();
    window_->SetCaption(L"no icon, no tip");
    EXPECT_EQ(std::vector<DWORD>{NIM_DELETE}, MessagesOf(DesktopRecorder::TakeTray()));
    EXPECT_FALSE(window_->IsTrayIconShown());
}

TEST_F(WindowTrayTest, ClickOnTheIconOfTheActiveWindowIconizesAndTheNextRestores)
{
    RecordingListener clicks;
    window_->AddTrayClickListener(&clicks);
    window_->SetVisible(true);
    ASSERT_TRUE(window_->IsShown());
    DesktopRecorder::TakeTray();

    ClickIcon(WM_LBUTTONDOWN);
    EXPECT_TRUE(window_->IsIconized());
    EXPECT_FALSE(IsWindowVisible(frame_));
    EXPECT_TRUE(window_->IsTrayIconShown());
    EXPECT_EQ(std::vector<DWORD>{NIM_ADD}, MessagesOf(DesktopRecorder::TakeTray()));

    ClickIcon(WM_LBUTTONDOWN);
    EXPECT_FALSE(window_->IsIconized());
    EXPECT_TRUE(IsWindowVisible(frame_));
    EXPECT_FALSE(IsIconic(frame_));
    EXPECT_FALSE(window_->IsTrayIconShown());
    EXPECT_EQ(std::vector<DWORD>{NIM_DELETE}, MessagesOf(DesktopRecorder::TakeTray()));

    const auto heard = clicks.Take();
    ASSERT_EQ(2u, heard.size());
    EXPECT_EQ(s::gui::win::kEventTrayClick, heard[0].code);
}

// The click reaches the window after the taskbar took the activation: just deactivated counts
// as active, a window left long ago is brought to the front instead.
TEST_F(WindowTrayTest, ClickSoonAfterLosingActivationIconizesOneLongAfterBringsToFront)
{
    window_->SetVisible(true);
    window_->BringToFront(false);
    ClickIcon(WM_LBUTTONDOWN);
    EXPECT_TRUE(window_->IsIconized());

    ClickIcon(WM_LBUTTONDOWN);
    ASSERT_FALSE(window_->IsIconized());
    window_->BringToFront(false);
    Sleep(400);
    ClickIcon(WM_LBUTTONDOWN);
    EXPECT_FALSE(window_->IsIconized());
    EXPECT_TRUE(IsWindowVisible(frame_));
    EXPECT_EQ(frame_, GetForegroundWindow());
}

TEST_F(WindowTrayTest, WithoutTogglingAClickNeverIconizesButStillBringsBack)
{
    window_->SetTrayClickToggles(false);
    window_->SetVisible(true);
    ClickIcon(WM_LBUTTONDOWN);
    EXPECT_FALSE(window_->IsIconized());
    EXPECT_TRUE(IsWindowVisible(frame_));

    window_->Iconize();
    ASSERT_TRUE(window_->IsIconized());
    ClickIcon(WM_LBUTTONDOWN);
    EXPECT_FALSE(window_->IsIconized());
    EXPECT_TRUE(IsWindowVisible(frame_));
}

TEST_F(WindowTrayTest, AlwaysShownIconStaysThroughIconizeAndRestore)
{
    window_->SetVisible(true);
    window_->SetAlwaysShowTrayIcon(true);
    window_->SetAlwaysShowTrayIcon(true);
    EXPECT_EQ(std::vector<DWORD>{NIM_ADD}, MessagesOf(DesktopRecorder::TakeTray()));

    window_->Iconize();
    EXPECT_TRUE(window_->IsIconized());
    window_->Restore();
    EXPECT_FALSE(window_->IsIconized());
    window_->SetTrayIcon(false);
    EXPECT_TRUE(MessagesOf(DesktopRecorder::TakeTray()).empty()) << "no second icon, no removal";
    EXPECT_TRUE(window_->IsTrayIconShown());

    window_->SetAlwaysShowTrayIcon(false);
    EXPECT_EQ(std::vector<DWORD>{NIM_DELETE}, MessagesOf(DesktopRecorder::TakeTray()));
}

TEST_F(WindowTrayTest, IconWhileShownStaysAfterRestoreAndGoesWhenSwitchedOff)
{
    window_->SetTrayIconEnabled(true);
    EXPECT_TRUE(window_->IsTrayIconShown());
    window_->Iconize();
    window_->Restore();
    EXPECT_TRUE(window_->IsTrayIconShown());
    window_->SetTrayIconEnabled(false);
    EXPECT_FALSE(window_->IsTrayIconShown());
    EXPECT_EQ((std::vector<DWORD>{NIM_ADD, NIM_DELETE}), MessagesOf(DesktopRecorder::TakeTray()));
}

TEST_F(WindowTrayTest, SystemCloseIconizesWhileCloseToTrayButCloseStillCloses)
{
    RecordingListener closes;
    window_->AddCloseListener(&closes);
    window_->SetVisible(true);
    window_->SetCloseToTray(true);

    SendMessageW(frame_, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(window_->IsIconized());
    EXPECT_FALSE(window_->IsClosed());
    EXPECT_EQ(0u, closes.Count());
    EXPECT_EQ(std::vector<DWORD>{NIM_ADD}, MessagesOf(DesktopRecorder::TakeTray()));

    window_->SetAlwaysShowTrayIcon(true);
    window_->Close();
    EXPECT_TRUE(window_->IsClosed());
    EXPECT_EQ(1u, closes.Count());
    EXPECT_FALSE(window_->IsTrayIconShown()) << "a closing window takes its icon along, always or not";
    EXPECT_EQ(std::vector<DWORD>{NIM_DELETE}, MessagesOf(DesktopRecorder::TakeTray()));
}

TEST_F(WindowTrayTest, CloseOfAShownWindowWithCloseToTrayClosesAtOnce)
{
    window_->SetCloseToTray(true);
    window_->SetVisible(true);
    window_->Close();
    EXPECT_TRUE(window_->IsClosed());
    EXPECT_FALSE(IsWindowVisible(frame_));
    EXPECT_TRUE(DesktopRecorder::TakeTray().empty());
}

// Without a notification area an iconized window would be hidden with nothing to bring it
// back: it is only minimized.
TEST_F(WindowTrayTest, WithoutANotificationAreaIconizeOnlyMinimizes)
{
    DesktopRecorder::SetTrayAnswer(FALSE);
    window_->SetVisible(true);
    window_->Iconize();
    EXPECT_FALSE(window_->IsIconized());
    EXPECT_FALSE(window_->IsTrayIconShown());
    EXPECT_TRUE(IsWindowVisible(frame_));
    EXPECT_TRUE(IsIconic(frame_));
}

TEST_F(WindowTrayTest, ShownIconIsAddedAgainWhenTheTaskbarComesBack)
{
    const UINT taskbarCreated = s::gui::win::TaskbarCreatedMessage();
    ASSERT_NE(0u, taskbarCreated);
    SendMessageW(frame_, taskbarCreated, 0, 0);
    EXPECT_TRUE(DesktopRecorder::TakeTray().empty());

    window_->SetTrayIcon(true);
    DesktopRecorder::TakeTray();
    SendMessageW(frame_, taskbarCreated, 0, 0);
    const auto records = DesktopRecorder::TakeTray();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), records[0].message);
    EXPECT_EQ(1026u, records[0].callback);
}

// The menu's listeners are told only when there is a menu to open.
TEST_F(WindowTrayTest, RightClickWithoutATrayMenuOpensNothingAndTellsNobody)
{
    RecordingListener menu;
    RecordingListener clicks;
    window_->AddTrayMenuListener(&menu);
    window_->AddTrayClickListener(&clicks);
    ClickIcon(WM_RBUTTONDOWN);
    ClickIcon(WM_MOUSEMOVE);
    EXPECT_EQ(0u, menu.Count());
    EXPECT_EQ(0u, clicks.Count());
    EXPECT_FALSE(window_->IsIconized());
}

TEST_F(WindowTrayTest, SecondInstanceBringsAnIconizedWindowBack)
{
    window_->SetVisible(true);
    window_->Iconize();
    ASSERT_TRUE(window_->IsIconized());
    DWORD_PTR answer = 0;
    EXPECT_NE(0, SendMessageTimeoutW(frame_, s::gui::msg::kRestoreInstance, 0, 0, SMTO_NORMAL, 3000, &answer));
    EXPECT_FALSE(window_->IsIconized());
    EXPECT_TRUE(IsWindowVisible(frame_));
    EXPECT_FALSE(IsIconic(frame_));
}

TEST_F(WindowTrayTest, EachRealShowAndHideTrimsTheWorkingSetOnce)
{
    struct Step {
        bool show;
        int trims;
    };
    const Step steps[] = {{false, 0}, {true, 1}, {true, 0}, {false, 1}, {false, 0}};
    for (const Step& step : steps) {
        window_->SetVisible(step.show);
        EXPECT_EQ(step.show, window_->IsShown());
        EXPECT_EQ(step.trims, DesktopRecorder::TakeTrims()) << (step.show ? "show" : "hide");
    }
}

TEST_F(WindowTrayTest, OwnedIconReplacedIsDestroyedAndTheIconFollowsTheSmallIcon)
{
    HICON first = CopyIcon(LoadIconW(nullptr, IDI_APPLICATION));
    HICON second = CopyIcon(LoadIconW(nullptr, IDI_INFORMATION));
    HICON shared = LoadIconW(nullptr, IDI_WARNING);
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    window_->SetSmallIcon(first, true);
    EXPECT_EQ(first, reinterpret_cast<HICON>(SendMessageW(frame_, WM_GETICON, ICON_SMALL, 0)));
    window_->SetTrayIcon(true);
    window_->SetSmallIcon(second, true);
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(first, &info)) << "the replaced owned icon is destroyed";
    auto records = DesktopRecorder::TakeTray();
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ(first, records[0].icon);
    EXPECT_EQ(second, records[1].icon);

    window_->SetBigIcon(shared, false);
    window_->SetBigIcon(nullptr, false);
    EXPECT_TRUE(GetIconInfo(shared, &info)) << "an icon not owned is left alone";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(WindowTrayTest, TopMostIsAppliedAndStoredInTheHolder)
{
    FakeAppWindow holder;
    window_->SetAppWindow(&holder, false);
    holder.TakeWrites();
    window_->SetTopMost(true);
    EXPECT_TRUE(window_->IsTopMost());
    EXPECT_TRUE(GetWindowLongPtrW(frame_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(holder.GetKeepOnTop());
    // Wine keeps the topmost style of a window whose owner has once been shown (the owner shows
    // when the window is activated), so only the window's own word is read back here.
    window_->SetTopMost(false);
    EXPECT_FALSE(window_->IsTopMost());
    EXPECT_FALSE(holder.GetKeepOnTop());
    window_->SetAppWindow(nullptr, false);
}

TEST_F(WindowTrayTest, FrameSwitchesSetAndClearTheirStyleBits)
{
    struct Case {
        void (Window::*set)(bool);
        int index;
        LONG_PTR bit;
    };
    const Case cases[] = {
        {&Window::SetMaximizeBox, GWL_STYLE, WS_MAXIMIZEBOX}, {&Window::SetMinimizeBox, GWL_STYLE, WS_MINIMIZEBOX},
        {&Window::SetSystemMenu, GWL_STYLE, WS_SYSMENU},      {&Window::SetCaptionBar, GWL_STYLE, WS_CAPTION},
        {&Window::SetSizingBorder, GWL_STYLE, WS_THICKFRAME}, {&Window::SetToolWindow, GWL_EXSTYLE, WS_EX_TOOLWINDOW},
        {&Window::SetClientEdge, GWL_EXSTYLE, WS_EX_CLIENTEDGE}, {&Window::SetTaskbarButton, GWL_EXSTYLE, WS_EX_APPWINDOW},
    };
    for (const Case& c : cases) {
        (window_.get()->*c.set)(false);
        EXPECT_EQ(0, GetWindowLongPtrW(frame_, c.index) & c.bit) << std::hex << c.bit;
        (window_.get()->*c.set)(true);
        EXPECT_EQ(c.bit, GetWindowLongPtrW(frame_, c.index) & c.bit) << std::hex << c.bit;
    }

    // A popup frame and back; the boxes keep what their own switches set.
    window_->SetMinimizeBox(false);
    window_->SetOverlappedFrame(false);
    LONG_PTR style = GetWindowLongPtrW(frame_, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_MAXIMIZEBOX);
    window_->SetOverlappedFrame(true);
    style = GetWindowLongPtrW(frame_, GWL_STYLE);
    EXPECT_FALSE(style & WS_POPUP);
    EXPECT_EQ(static_cast<LONG_PTR>(WS_CAPTION | WS_SYSMENU), style & (WS_CAPTION | WS_SYSMENU));
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(GetWindowLongPtrW(frame_, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

// The display after iconizing: the window's place shows what lies beneath it again.
TEST_F(WindowTrayTest, ScreenshotAfterIconizing)
{
    const COLORREF marker = RGB(200, 30, 160);
    window_->SetBackgroundColor(GetRValue(marker), GetGValue(marker), GetBValue(marker), false);
    window_->SetVisible(true);
    window_->Redraw();
    const RECT area = {60, 60, 320, 240};
    testing_support::ScreenImage before;
    ASSERT_TRUE(WaitUntil(
        [&] { return testing_support::CaptureScreenArea(area, &before) && before.At(130, 90) == marker; },
        kBoundMillis));
    window_->Iconize();
    ASSERT_TRUE(window_->IsIconized());
    testing_support::ScreenImage after;
    ASSERT_TRUE(WaitUntil(
        [&] { return testing_support::CaptureScreenArea(area, &after) && after.At(130, 90) != marker; },
        kBoundMillis));
    testing_support::ScreenImage screen;
    ASSERT_TRUE(testing_support::CaptureScreen(&screen));
    EXPECT_FALSE(testing_support::SaveScreenshot(screen, L"window_iconized").empty());
}

// The shell's own call: under a bare X server there may be no notification area at all; the
// window neither waits for it nor fails.
TEST(WindowTrayRealCall, NotificationAreaCallNeitherHangsNorFailsTheWindow)
{
    s::gui::win::ResetDesktopCalls();
    WindowPtr window(Window::New());
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(window->IsReady());
    const ULONGLONG start = GetTickCount64();
    window->SetTrayIcon(true);
    window->SetCaption(L"tip");
    window->SetTrayIcon(false);
    EXPECT_LT(GetTickCount64() - start, 5000u);
    RecordingListener listener;
    window->AddUserEventListener(&listener);
    window->SetEventResult(5);
    EXPECT_EQ(5, window->SendEvent(1, 0, 0, 0));
    EXPECT_EQ(1u, listener.Count());
}

} // namespace
