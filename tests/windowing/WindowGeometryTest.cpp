// The window as a component: its size limits from children, fixed and minimum sizes and the
// work area, centring, the size operations, the minimum kept while sizing, its children on its
// own thread, and the capture, cursor, double-click and focus operations.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "support/RecordingListener.h"
#include "support/Wait.h"
#include "windowing/ShownWindow.h"
#include "windowing/box/Box.h"
#include "windowing/WorkArea.h"

namespace {

using s::gui::win::Box;
using s::gui::win::Window;
using testing_support::RecordingListener;
using testing_support::ShownWindowTest;

RECT WorkArea()
{
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

// A Box of a fixed size, to give the window children with known minimum sizes.
Box* FixedBox(int32_t width, int32_t height)
{
    Box* box = Box::Create(1, -1, -1, 0, 0, 0, 0, 0, 0);
    box->SetWidthPixels(width, false);
    box->SetHeightPixels(height, false);
    return box;
}

class WindowGeometryTest : public ShownWindowTest {};

TEST_F(WindowGeometryTest, WithoutChildrenTheMinimumIsZeroUnlessFixedOrSet)
{
    EXPECT_EQ(0, window_->GetMinWidth());
    EXPECT_EQ(0, window_->GetMinHeight());
    window_->SetFixedWidth(300);
    EXPECT_EQ(300, window_->GetWidth());
    EXPECT_EQ(300, window_->GetMinWidth());
    EXPECT_EQ(300, window_->GetMaxWidth());
    EXPECT_EQ(300 - window_->GetFrameWidth(), window_->GetMinClientWidth());
    window_->SetMinWidth(120);
    EXPECT_EQ(120, window_->GetMinWidth()) << "an explicit minimum comes before the fixed width";
    window_->SetMinWidth(-1);
    window_->SetFixedWidth(-1);
    EXPECT_EQ(0, window_->GetMinWidth());
    window_->SetMinHeight(90);
    EXPECT_EQ(90, window_->GetMinHeight());
}

TEST_F(WindowGeometryTest, ChildrenGiveTheMinimumAndTheWorkAreaTheMaximum)
{
    window_->AddChild(FixedBox(150, 40));
    window_->AddChild(FixedBox(90, 30));
    EXPECT_EQ(150, window_->GetMinClientWidth());
    EXPECT_EQ(70, window_->GetMinClientHeight());
    EXPECT_EQ(150 + window_->GetFrameWidth(), window_->GetMinWidth());
    EXPECT_EQ(70 + window_->GetFrameHeight(), window_->GetMinHeight());

    const RECT area = WorkArea();
    EXPECT_EQ(area.right - area.left, window_->GetMaxWidth());
    EXPECT_EQ(area.bottom - area.top, window_->GetMaxHeight());
    EXPECT_EQ(area.right - area.left - window_->GetFrameWidth(), window_->GetMaxClientWidth());

    window_->ShrinkToMinimumSize();
    EXPECT_EQ(window_->GetMinWidth(), window_->GetWidth());
    EXPECT_EQ(window_->GetMinHeight(), window_->GetHeight());
    window_->GrowToMaximumSize();
    EXPECT_EQ(area.right - area.left, window_->GetWidth());
    EXPECT_EQ(area.bottom - area.top, window_->GetHeight());
    window_->SetSize(100, 60);
    window_->EnsureMinimumSize();
    EXPECT_EQ(window_->GetMinWidth(), window_->GetWidth());
    EXPECT_EQ(window_->GetMinHeight(), window_->GetHeight());
    window_->SetSize(400, 400);
    window_->ShrinkHeightToMinimum();
    EXPECT_EQ(400, window_->GetWidth());
    EXPECT_EQ(window_->GetMinHeight(), window_->GetHeight());
}

TEST_F(WindowGeometryTest, TheWorkAreaNearARectangleFallsBackToThePrimaryOne)
{
    const RECT area = WorkArea();
    const RECT nowhere = {-90000, -90000, -89000, -89000};
    const RECT found = s::gui::win::WorkAreaNear(nowhere);
    EXPECT_EQ(area.right - area.left, found.right - found.left);
    EXPECT_EQ(area.bottom - area.top, found.bottom - found.top);
}

TEST_F(WindowGeometryTest, CentresInTheWorkArea)
{
    window_->SetSize(400, 300);
    window_->Center();
    const RECT area = WorkArea();
    EXPECT_EQ(area.left + (area.right - area.left - 400) / 2, window_->GetX());
    EXPECT_EQ(area.top + (area.bottom - area.top - 300) / 2, window_->GetY());
    // Larger than the work area: it starts at the work area's corner, not before it.
    window_->SetSize(area.right - area.left + 200, area.bottom - area.top + 100);
    window_->Center();
    EXPECT_EQ(area.left, window_->GetX());
    EXPECT_EQ(area.top, window_->GetY());
}

// Shown once for all that needs it: a shown window takes seconds to go under Wine.
TEST_F(WindowGeometryTest, ClientSizesFrameAndWhatOnlyAShownWindowDoes)
{
    window_->SetClientWidth(301);
    window_->SetClientHeight(211);
    EXPECT_EQ(301, window_->GetClientWidth());
    EXPECT_EQ(211, window_->GetClientHeight());
    EXPECT_EQ(window_->GetWidth() - 301, window_->GetFrameWidth());
    EXPECT_EQ(window_->GetHeight() - 211, window_->GetFrameHeight());
    window_->SetPosition(70, 80);
    EXPECT_FALSE(window_->ContainsScreenPoint(100, 100)) << "hidden";
    Show();
    EXPECT_EQ(70, window_->GetX());
    EXPECT_EQ(80, window_->GetScreenY());
    EXPECT_TRUE(window_->ContainsScreenPoint(70, 80));
    EXPECT_FALSE(window_->ContainsScreenPoint(69, 80));
    const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    window_->SetHideCursor(true);
    EXPECT_EQ(TRUE, SendMessageW(frame_, WM_SETCURSOR, reinterpret_cast<WPARAM>(frame_), overClient));
    window_->SetHideCursor(false);
    EXPECT_EQ(0, SendMessageW(frame_, WM_SETCURSOR, reinterpret_cast<WPARAM>(frame_), overClient))
        << "the toolkit class sets the arrow";
    window_->SetVisible(false);
    EXPECT_FALSE(window_->ContainsScreenPoint(100, 100));
}

TEST_F(WindowGeometryTest, NegativeSizesGiveNoNegativeWindow)
{
    window_->SetSize(-50, -7);
    EXPECT_GE(window_->GetWidth(), 0);
    EXPECT_GE(window_->GetHeight(), 0);
    window_->SetFixedWidth(-30);
    EXPECT_EQ(0, window_->GetMinWidth());
}

struct EnforceCase {
    const char* name;
    UINT edge;
    RECT proposed;
    RECT expected;
};

TEST_F(WindowGeometryTest, SizingKeepsTheMinimumTheDraggedSideGivingWay)
{
    window_->SetMinWidth(200);
    window_->SetMinHeight(150);
    window_->SetEnforceMinSize(true);
    const EnforceCase cases[] = {
        {"right edge", WMSZ_RIGHT, {100, 100, 150, 400}, {100, 100, 300, 400}},
        {"left edge", WMSZ_LEFT, {100, 100, 150, 400}, {-50, 100, 150, 400}},
        {"bottom edge", WMSZ_BOTTOM, {100, 100, 400, 120}, {100, 100, 400, 250}},
        {"top edge", WMSZ_TOP, {100, 100, 400, 120}, {100, -30, 400, 120}},
        {"top-left corner", WMSZ_TOPLEFT, {100, 100, 110, 120}, {-90, -30, 110, 120}},
        {"large enough", WMSZ_BOTTOMRIGHT, {100, 100, 400, 400}, {100, 100, 400, 400}},
    };
    for (const EnforceCase& c : cases) {
        RECT rect = c.proposed;
        SendMessageW(frame_, WM_SIZING, c.edge, reinterpret_cast<LPARAM>(&rect));
        EXPECT_EQ(c.expected.left, rect.left) << c.name;
        EXPECT_EQ(c.expected.top, rect.top) << c.name;
        EXPECT_EQ(c.expected.right, rect.right) << c.name;
        EXPECT_EQ(c.expected.bottom, rect.bottom) << c.name;
    }
    window_->SetEnforceMinSizeHV(false, true);
    RECT rect = {100, 100, 150, 120};
    SendMessageW(frame_, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(150, rect.right) << "the width is free";
    EXPECT_EQ(250, rect.bottom);
}

TEST_F(WindowGeometryTest, ChildrenAreMadeOnTheWindowThreadAndStackedInAColumn)
{
    Box* first = FixedBox(150, 40);
    Box* second = FixedBox(90, 30);
    window_->AddChild(first);
    window_->AddChild(second);
    ASSERT_NE(nullptr, first->m_hWnd);
    EXPECT_EQ(GetWindowThreadProcessId(frame_, nullptr), GetWindowThreadProcessId(first->m_hWnd, nullptr));
    EXPECT_EQ(frame_, GetParent(first->m_hWnd));
    EXPECT_EQ(window_.get(), first->GetWindow());
    EXPECT_EQ(window_.get(), first->GetParent());
    EXPECT_EQ(2, window_->GetChildCount());
    EXPECT_EQ(second, window_->GetChildAt(1));

    RECT rect;
    GetWindowRect(second->m_hWnd, &rect);
    MapWindowPoints(nullptr, frame_, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(40, rect.top);
    EXPECT_EQ(90, rect.right - rect.left);
    EXPECT_TRUE(GetWindowLongPtrW(second->m_hWnd, GWL_STYLE) & WS_VISIBLE) << "placing a child shows it";

    // Removing a child that is not there only lays out again.
    Box* stranger = FixedBox(10, 10);
    window_->RemoveChild(stranger, true);
    EXPECT_EQ(2, window_->GetChildCount());
    stranger->ReleaseToPool();

    HWND firstWindow = first->m_hWnd;
    window_->RemoveChild(first, true);
    EXPECT_FALSE(IsWindow(firstWindow));
    EXPECT_EQ(1, window_->GetChildCount());
    GetWindowRect(second->m_hWnd, &rect);
    MapWindowPoints(nullptr, frame_, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(0, rect.top) << "the column closed up";
    HWND secondWindow = second->m_hWnd;
    window_->RemoveAllChildren(true);
    EXPECT_FALSE(IsWindow(secondWindow));
    EXPECT_EQ(0, window_->GetChildCount());
}

TEST_F(WindowGeometryTest, LosingTheCaptureTellsTheCaptureListenersOnlyAfterCaptureMouse)
{
    RecordingListener capture;
    window_->AddCaptureChangedListener(&capture);
    RecordingListener worker;
    // The capture belongs to the window's thread: the work runs in a user-event listener there.
    worker.action = [&](int32_t) {
        if (window_->GetEventArg1() == 1)
            window_->CaptureMouse();
        else
            ReleaseCapture();
    };
    window_->AddUserEventListener(&worker);

    window_->SendEvent(0, 2, 0, 0);
    EXPECT_EQ(0u, capture.Count()) << "a capture the window did not ask for";
    window_->SendEvent(0, 1, 0, 0);
    window_->SendEvent(0, 2, 0, 0);
    std::vector<RecordingListener::Heard> heard = capture.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(17, heard[0].code);
    EXPECT_EQ(GetWindowThreadProcessId(frame_, nullptr), heard[0].threadId);
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, window_->GetCapturePoint().x);
    window_->SendEvent(0, 2, 0, 0);
    EXPECT_EQ(0u, capture.Count());
}

TEST_F(WindowGeometryTest, DoubleClickAndFocusOperations)
{
    RecordingListener doubleClick;
    window_->AddDoubleClickListener(&doubleClick);
    SendMessageW(frame_, WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    window_->SetDefaultDoubleClick(true);
    SendMessageW(frame_, WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(2u, doubleClick.Count());

    RecordingListener keys;
    window_->AddKeyDownListener(&keys);
    window_->FocusNextControl();
    ASSERT_EQ(1u, keys.Count());
    EXPECT_EQ(VK_TAB, window_->GetLastKey());
}

} // namespace
