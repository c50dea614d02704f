// The window's place: bound to its settings holder and placed from it, stored back, checked
// against the screen, kept inside it, easy drag's hit test, middle-click actions and following
// the cursor.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "support/BoxRecorder.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/DesktopRecorder.h"
#include "windowing/FakeAppWindow.h"
#include "windowing/Messages.h"
#include "windowing/MiddleClickActions.h"
#include "windowing/RecordedWindowTest.h"
#include "windowing/ShownWindow.h"
#include "windowing/TestWindowDrawer.h"
#include "windowing/Window.h"
#include "windowing/WorkArea.h"

namespace {

using s::gui::win::Window;
using testing_support::DesktopRecorder;
using testing_support::FakeAppWindow;
using testing_support::WaitUntil;
using testing_support::WindowPtr;
namespace win = s::gui::win;

const DWORD kBoundMillis = 10000;

RECT RectOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Where Center puts a window of that size: in the middle of the work area.
POINT CenteredAt(int32_t width, int32_t height)
{
    const RECT area = win::PrimaryWorkArea();
    return POINT{area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2};
}

// The holder outlives the window: the window goes in the base's tear-down.
class PlacementTest : public testing_support::RecordedWindowTest {
protected:

    void ExpectAt(int32_t x, int32_t y, int32_t width, int32_t height, const char* what)
    {
        const RECT rect = RectOf(frame_);
        EXPECT_EQ(x, rect.left) << what;
        EXPECT_EQ(y, rect.top) << what;
        EXPECT_EQ(width, rect.right - rect.left) << what;
        EXPECT_EQ(height, rect.bottom - rect.top) << what;
    }

    FakeAppWindow holder_;
};

TEST_F(PlacementTest, BindingTakesPlaceSizeAndBehaviourFromTheHolder)
{
    holder_.SetX(120);
    holder_.SetY(90);
    holder_.SetWidth(300);
    holder_.SetHeight(200);
    holder_.SetKeepOnTop(true);
    holder_.middleClick = win::kMiddleClickIconize;
    holder_.TakeWrites();
    window_->SetAppWindow(&holder_, false);
    EXPECT_EQ(&holder_, window_->GetAppWindow());
    ExpectAt(120, 90, 300, 200, "stored place");
    EXPECT_TRUE(window_->IsTopMost());
    EXPECT_NE(nullptr, reinterpret_cast<HICON>(SendMessageW(frame_, WM_GETICON, ICON_SMALL, 0)));
    EXPECT_NE(nullptr, reinterpret_cast<HICON>(SendMessageW(frame_, WM_GETICON, ICON_BIG, 0)));
    EXPECT_TRUE(holder_.TakeWrites().empty()) << "binding writes nothing back";

    // Without a stored place only the size is taken.
    FakeAppWindow fresh;
    window_->SetBounds(40, 50, 100, 100);
    window_->SetAppWindow(&fresh, false);
    ExpectAt(40, 50, 200, 150, "default size");
}

TEST_F(PlacementTest, BindingWithCaptionIdCaptionsTheWindowWithTheTitle)
{
    s::lang::Localizer* localizer = s::lang::Localizer::New();
    s::lang::LangPack* pack = s::lang::LangPack::New();
    pack->GetEngName()->Assign(L"English");
    pack->AddText(500000, L"Pulsegrid");
    pack->AddText(500010, L"1.76");
    localizer->AddPack(pack);
    localizer->SelectLanguageAt(0);
    holder_.langPack = localizer;

    window_->SetAppWindow(&holder_, false);
    wchar_t caption[64] = {};
    GetWindowTextW(frame_, caption, 64);
    EXPECT_STREQ(L"Window", caption);
    window_->SetAppWindow(&holder_, true);
    GetWindowTextW(frame_, caption, 64);
    EXPECT_STREQ(L"Pulsegrid", caption) << "the title alone, as a second start looks for it";
    EXPECT_EQ(localizer, window_->GetLocalizer());

    window_->SetLocalizer(nullptr);
    localizer->ReleaseToPool();
}

// Stored values that no screen shows or sizes out of range end centred at the default size.
TEST_F(PlacementTest, AbsurdStoredPlacesEndCentredAtTheDefaultSize)
{
    struct Case {
        int32_t x, y, width, height;
    };
    const Case cases[] = {
        {2000000000, 100, 300, 200}, {100, -100000, 300, 200}, {-2147483647, -2147483647, 300, 200},
        {100, 100, 5, 200},          {100, 100, 300, 9},        {100, 100, 999999, 200},
        {100, 100, -300, 200},       {5000, 5000, 300, 200},
    };
    const POINT centre = CenteredAt(holder_.defaultWidth, holder_.defaultHeight);
    for (const Case& c : cases) {
        FakeAppWindow holder;
        holder.SetX(c.x);
        holder.SetY(c.y);
        holder.SetWidth(c.width);
        holder.SetHeight(c.height);
        window_->SetBounds(10, 10, 100, 100);
        window_->SetAppWindow(&holder, false);
        ExpectAt(centre.x, centre.y, holder.defaultWidth, holder.defaultHeight,
                 (std::to_string(c.x) + "," + std::to_string(c.y) + " " + std::to_string(c.width) + "x" +
                  std::to_string(c.height))
                     .c_str());
        window_->SetAppWindow(nullptr, false);
    }
}

// Also with the placement check off (as the monitor has it): a window that lies on no monitor
// when it is shown comes to the centre; one on a monitor stays where it is.
TEST_F(PlacementTest, WindowOnNoMonitorIsCentredWhenShownWithTheCheckOnAndOff)
{
    struct Case {
        bool check;
        POINT at;
        bool centred;
    };
    const Case cases[] = {
        {true, {-3000, 200}, true},
        {false, {-3000, 200}, true},
        {false, {1275, 200}, false}, // mostly off, yet on a monitor: the check's business
        {true, {1275, 200}, true},
        {false, {100, 120}, false},
    };
    const POINT centre = CenteredAt(300, 200);
    for (const Case& c : cases) {
        holder_.SetX(100);
        holder_.SetY(120);
        holder_.SetWidth(300);
        holder_.SetHeight(200);
        window_->SetScreenClampEnabled(c.check);
        window_->SetAppWindow(&holder_, false);
        // The monitor it was stored on is gone since.
        SetWindowPos(frame_, nullptr, c.at.x, c.at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        window_->SetVisible(true);
        const POINT expected = c.centred ? centre : c.at;
        ExpectAt(expected.x, expected.y, 300, 200, c.check ? "check on" : "check off");
        window_->SetVisible(false);
    }
}

TEST_F(PlacementTest, InsideScreenFollowsThePlacementCheck)
{
    struct Case {
        RECT bounds;
        bool inside;
    };
    const Case cases[] = {
        {{100, 100, 300, 200}, true},  {{-295, 100, 300, 200}, false}, {{-290, 100, 300, 200}, true},
        {{100, 100, 10, 200}, false},  {{100, 100, 300, 10}, false},   {{5000, 5000, 300, 200}, false},
    };
    // Without caption and sizing border nothing holds the window above the smallest sizes.
    window_->SetCaptionBar(false);
    window_->SetSizingBorder(false);
    for (const Case& c : cases) {
        SetWindowPos(frame_, nullptr, c.bounds.left, c.bounds.top, c.bounds.right, c.bounds.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        window_->SetScreenClampEnabled(true);
        EXPECT_EQ(c.inside, window_->IsInsideScreen()) << c.bounds.left << "," << c.bounds.top;
        window_->SetScreenClampEnabled(false);
        EXPECT_TRUE(window_->IsInsideScreen());
    }
}

TEST_F(PlacementTest, MoveInsideScreenMovesOnlyAWindowOutside)
{
    struct Case {
        POINT from;
        POINT to;
    };
    const RECT screen = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                         GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                         GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const Case cases[] = {
        {{100, 100}, {100, 100}},
        {{screen.right - 100, screen.bottom - 50}, {screen.right - 200, screen.bottom - 150}},
        {{screen.left - 50, screen.top - 30}, {screen.left, screen.top}},
        {{screen.right + 500, screen.top - 500}, {screen.right - 200, screen.top}},
    };
    for (const Case& c : cases) {
        SetWindowPos(frame_, nullptr, c.from.x, c.from.y, 200, 150, SWP_NOZORDER | SWP_NOACTIVATE);
        window_->MoveInsideScreen();
        ExpectAt(c.to.x, c.to.y, 200, 150, "moved inside");
    }
}

TEST_F(PlacementTest, KeepInsideScreenClampsEveryMoveAndGrowth)
{
    const RECT area = win::PrimaryWorkArea();
    window_->SetBounds(100, 100, 260, 180);
    window_->SetVisible(true);
    window_->SetPosition(area.right - 100, 100);
    ExpectAt(area.right - 100, 100, 260, 180, "not kept");

    window_->SetKeepInsideScreen(true);
    ExpectAt(area.right - 260, 100, 260, 180, "clamped at once");
    window_->SetPosition(area.left - 50, area.bottom - 20);
    ExpectAt(area.left, area.bottom - 180, 260, 180, "a move is clamped");
    window_->SetPosition(area.right - 300, area.top + 10);
    window_->SetSize(400, 180);
    ExpectAt(area.right - 400, area.top + 10, 400, 180, "a growth past the edge moves the window back");
    window_->SetKeepInsideScreen(false);
}

// A window dragged partly off the screen (its moves are the drag's) comes back inside.
TEST_F(PlacementTest, ScreenshotOfAWindowDraggedOffTheScreenAndClampedBack)
{
    const RECT area = win::PrimaryWorkArea();
    const COLORREF marker = RGB(230, 120, 20);
    window_->SetBackgroundColor(GetRValue(marker), GetGValue(marker), GetBValue(marker), false);
    window_->SetBounds(area.right - 400, area.bottom - 300, 260, 180);
    window_->SetKeepInsideScreen(true);
    window_->SetVisible(true);
    for (int step = 1; step <= 4; ++step)
        window_->SetPosition(area.right - 400 + step * 80, area.bottom - 300 + step * 50);
    ExpectAt(area.right - 260, area.bottom - 180, 260, 180, "clamped into the corner");
    window_->Redraw();
    const RECT corner = {area.right - 400, area.bottom - 300, area.right, area.bottom};
    testing_support::ScreenImage image;
    ASSERT_TRUE(WaitUntil(
        [&] { return testing_support::CaptureScreenArea(corner, &image) && image.At(390, 290) == marker; },
        kBoundMillis));
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"window_clamped_into_the_screen").empty());
}

TEST_F(PlacementTest, StorePlacementWritesOnlyChangedValuesAndNothingWhileAnimating)
{
    holder_.SetX(100);
    holder_.SetY(110);
    holder_.SetWidth(260);
    holder_.SetHeight(180);
    window_->SetAppWindow(&holder_, false);
    holder_.TakeWrites();
    window_->StorePlacement();
    EXPECT_TRUE(holder_.TakeWrites().empty()) << "hidden: nothing";

    window_->SetVisible(true);
    window_->StorePlacement();
    EXPECT_TRUE(holder_.TakeWrites().empty()) << "nothing changed";

    window_->SetPosition(130, 110);
    window_->StorePlacement();
    EXPECT_EQ(std::vector<std::string>{"X"}, holder_.TakeWrites());
    window_->SetSize(270, 180);
    window_->StorePlacement();
    EXPECT_EQ(std::vector<std::string>{"Width"}, holder_.TakeWrites());

    // Half faded, the window is not as the user left it.
    window_->SetHoverHide(true, 0, false, 1, -1, -1, false);
    SendMessageW(frame_, WM_MOUSEMOVE, 0, 0);
    SendMessageW(frame_, WM_TIMER, s::gui::msg::kTimerFadeOut, 0);
    ASSERT_TRUE(window_->IsAnimating());
    window_->SetPosition(150, 150);
    window_->StorePlacement();
    EXPECT_TRUE(holder_.TakeWrites().empty());
    window_->SetHoverHide(false, 0, false, 1, -1, -1, false);

    // Hiding stores.
    window_->SetVisible(false);
    EXPECT_EQ((std::vector<std::string>{"X", "Y"}), holder_.TakeWrites());
    EXPECT_EQ(150, holder_.GetX());
}

TEST_F(PlacementTest, MiddleClickActionsAreComparedByAddress)
{
    window_->SetAppWindow(&holder_, false);
    window_->SetVisible(true);
    const std::wstring closeCopy = win::kMiddleClickClose;
    window_->SetMiddleClickAction(closeCopy.c_str());
    EXPECT_EQ(win::kMiddleClickDoNothing, holder_.GetMiddleClickAction()) << "a look-alike text is no action";
    SendMessageW(frame_, WM_MBUTTONDOWN, 0, 0);
    EXPECT_FALSE(window_->IsIconized());
    EXPECT_FALSE(window_->IsClosed());

    window_->SetMiddleClickAction(win::kMiddleClickIconize);
    EXPECT_EQ(win::kMiddleClickIconize, holder_.GetMiddleClickAction());
    SendMessageW(frame_, WM_NCMBUTTONDOWN, HTCAPTION, 0);
    EXPECT_TRUE(window_->IsIconized());
    EXPECT_FALSE(window_->IsClosed());

    window_->Restore();
    window_->SetMiddleClickAction(win::kMiddleClickClose);
    SendMessageW(frame_, WM_MBUTTONDOWN, 0, 0);
    EXPECT_TRUE(window_->IsClosed());
}

TEST_F(PlacementTest, HitTestZonesOfEasyDragAndSkinnedEdges)
{
    const int32_t left = 100, top = 100, width = 300, height = 200;
    window_->SetBounds(left, top, width, height);
    window_->SetCaptionBar(false);
    window_->SetClientEdge(false);
    testing_support::TestWindowDrawer drawer(RGB(20, 20, 20));
    struct Case {
        bool drawer;
        bool sizing;
        bool easyDrag;
        POINT at; // relative to the window's top-left corner
        LRESULT hit;
    };
    const Case cases[] = {
        {false, false, false, {150, 100}, HTCLIENT},
        {false, false, true, {150, 100}, HTCAPTION},
        {true, true, true, {150, 100}, HTCAPTION},
        {true, true, false, {150, 100}, HTCLIENT},
        {true, true, true, {297, 190}, HTBOTTOMRIGHT},
        {true, true, true, {297, 100}, HTRIGHT},
        {true, true, true, {297, 10}, HTTOPRIGHT},
        {true, true, true, {150, 197}, HTBOTTOM},
        {true, true, true, {10, 197}, HTBOTTOMLEFT},
        {true, true, true, {2, 100}, HTLEFT},
        {true, true, true, {2, 2}, HTTOPLEFT},
        {true, true, true, {150, 2}, HTTOP},
        {true, false, true, {297, 100}, HTCAPTION}, // no sizing border: no sizing edges
        {true, false, false, {297, 100}, HTCLIENT},
    };
    for (const Case& c : cases) {
        window_->SetDrawer(c.drawer ? &drawer : nullptr);
        window_->SetSizingBorder(c.sizing);
        window_->SetEasyDrag(c.easyDrag);
        window_->SetBounds(left, top, width, height);
        const LRESULT hit = SendMessageW(frame_, WM_NCHITTEST, 0, MAKELPARAM(left + c.at.x, top + c.at.y));
        EXPECT_EQ(c.hit, hit) << c.drawer << c.sizing << c.easyDrag << " at " << c.at.x << "," << c.at.y;
    }
    window_->SetDrawer(nullptr);
}

TEST_F(PlacementTest, EasyDragIsStoredInTheHolder)
{
    window_->SetAppWindow(&holder_, false);
    holder_.TakeWrites();
    window_->SetEasyDrag(false);
    EXPECT_FALSE(holder_.GetEasyDrag());
    EXPECT_EQ(std::vector<std::string>{"EasyDrag"}, holder_.TakeWrites());
}

TEST_F(PlacementTest, FollowingTheCursorCentresTheShownWindowOnIt)
{
    window_->SetBounds(100, 100, 200, 120);
    DesktopRecorder::TakeTimers();
    window_->SetFollowCursor(true);
    const auto calls = DesktopRecorder::TakeTimers();
    ASSERT_EQ(1u, calls.size());
    EXPECT_TRUE(calls[0].set);
    EXPECT_EQ(s::gui::msg::kTimerFollowCursor, calls[0].id);
    EXPECT_EQ(100u, calls[0].period);

    DesktopRecorder::SetCursor(500, 400);
    SendMessageW(frame_, WM_TIMER, s::gui::msg::kTimerFollowCursor, 0);
    ExpectAt(100, 100, 200, 120, "hidden: stays");
    window_->SetVisible(true);
    ExpectAt(400, 340, 200, 120, "shown on the cursor");
    DesktopRecorder::SetCursor(600, 450);
    SendMessageW(frame_, WM_TIMER, s::gui::msg::kTimerFollowCursor, 0);
    ExpectAt(500, 390, 200, 120, "follows");
    window_->SetFollowCursor(false);
    EXPECT_FALSE(DesktopRecorder::TakeTimers()[0].set);
}

} // namespace
