// The list box and the scroll box: the wheel over each bar and over the content, a row drag
// scrolling the list's bar, a wheel listener, hand-mode dragging and click-to-centre, the
// border, dialog keys, and how both look.
#include <atomic>

#include "lists/AsyncKeys.h"
#include "lists/ScrollStage.h"
#include "support/RecordingListener.h"
#include "support/Screenshot.h"
#include "support/Wait.h"

namespace scrolltest {
namespace {

std::atomic<bool> leftHeld(false);
SHORT HeldKeys(int key)
{
    return key == VK_LBUTTON && leftHeld.load() ? static_cast<SHORT>(0x8000) : 0;
}

class ScrollContainersTest : public ScrollStage {
protected:
    void TearDown() override
    {
        leftHeld = false;
        s::gui::win::SetAsyncKeyReader(nullptr);
        ScrollStage::TearDown();
    }
    static POINT CentreOf(HWND window)
    {
        RECT rect;
        ::GetWindowRect(window, &rect);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    static POINT ScreenPartPoint(ScrollBar* bar, int32_t part)
    {
        return ToScreen(bar->GetSafeHwnd(), PartPoint(bar, part));
    }
};

TEST_F(ScrollContainersTest, TheWheelScrollsTheBarUnderItElseTheVerticalOne)
{
    ListBoxEx* listBox = AddListBox({150, 150, 150, 150}, 100);
    ASSERT_NE(nullptr, listBox);
    ScrollBar* vertical = listBox->GetVerticalBar();
    ScrollBar* horizontal = listBox->GetHorizontalBar();
    HWND container = listBox->GetSafeHwnd();
    HWND list = ListOf(listBox)->GetSafeHwnd();
    ASSERT_TRUE(vertical->IsShown());
    ASSERT_TRUE(horizontal->IsShown());
    const int32_t line = LineHeight(vertical);
    ASSERT_GT(line, 0);
    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int32_t step = 15 * static_cast<int32_t>(lines);

    struct Case {
        const char* where;
        HWND target;
        POINT point;
        ScrollBar* moved;
        int32_t expected;
    };
    const Case cases[] = {
        {"content, through the container", container, CentreOf(list), vertical, step / line * line},
        {"vertical bar", container, ScreenPartPoint(vertical, ScrollBar::kPageAfter), vertical, step / line * line},
        {"horizontal bar, vertical shown", container, ScreenPartPoint(horizontal, ScrollBar::kPageAfter), horizontal,
         step},
        {"content, through the list itself", list, CentreOf(list), vertical, step / line * line},
    };
    for (const Case& c : cases) {
        OnUi([&] {
            vertical->ScrollBy(-100000);
            horizontal->ScrollBy(-100000);
        });
        Wheel(c.target, c.point, false);
        ScrollBar* other = c.moved == vertical ? horizontal : vertical;
        EXPECT_EQ(c.expected, Position(c.moved)) << c.where;
        EXPECT_EQ(0, Position(other)) << c.where;
        Wheel(c.target, c.point, true);
        EXPECT_EQ(0, Position(c.moved)) << c.where << ", turned back";
    }
    // Outside the container nothing scrolls.
    Wheel(container, POINT{-30000, -30000}, false);
    EXPECT_EQ(0, Position(vertical));
}

TEST_F(ScrollContainersTest, RowsThatFitLeaveTheWheelToTheHorizontalBar)
{
    ListBoxEx* listBox = AddListBox({150, 150, 150, 150}, 3);
    ASSERT_NE(nullptr, listBox);
    ASSERT_FALSE(listBox->GetVerticalBar()->IsShown());
    ASSERT_TRUE(listBox->GetHorizontalBar()->IsShown());
    Wheel(listBox->GetSafeHwnd(), CentreOf(ListOf(listBox)->GetSafeHwnd()), false);
    EXPECT_GT(Position(listBox->GetHorizontalBar()), 0);
}

TEST_F(ScrollContainersTest, ARowDraggedBelowTheListScrollsItsBarDown)
{
    ListBoxEx* listBox = AddListBox({80, 80, 80, 80}, 100);
    ASSERT_NE(nullptr, listBox);
    ListBox2* list = ListOf(listBox);
    ScrollBar* vertical = listBox->GetVerticalBar();
    list->SetRowDrag(true);
    s::gui::win::SetAsyncKeyReader(&HeldKeys);
    HWND native = list->GetSafeHwnd();
    OnUi([&] { list->SelectRow(list->GetRowAt(1), list->GetRowAt(1)->id); });
    POINT start = CentreOf(native);
    PlaceCursor(start.x, start.y);
    leftHeld = true;
    NMLISTVIEW begin = {};
    begin.hdr.hwndFrom = native;
    begin.hdr.code = LVN_BEGINDRAG;
    begin.iItem = 1;
    ::SendMessageW(native, s::gui::msg::kReflectBeginDrag, 0, reinterpret_cast<LPARAM>(&begin));
    RECT rect;
    ::GetWindowRect(native, &rect);
    PlaceCursor(start.x, rect.bottom + 5);
    const int32_t line = LineHeight(vertical);
    EXPECT_TRUE(testing_support::WaitUntil([&] { return Position(vertical) >= 2 * line; }, 5000));
    EXPECT_EQ(0, Position(vertical) % line) << "whole rows";
    leftHeld = false;
    ::SendMessageW(native, WM_LBUTTONUP, 0, 0);
    const int32_t stopped = Position(vertical);
    ::Sleep(200);
    EXPECT_EQ(stopped, Position(vertical));
}

TEST_F(ScrollContainersTest, AWheelListenerTakesTheTurnInsteadOfTheSheet)
{
    ScrollBox* scrollBox = AddScrollBox(600, 600);
    ASSERT_NE(nullptr, scrollBox);
    testing_support::RecordingListener listener;
    scrollBox->AddWheelListener(&listener);
    const POINT middle = CentreOf(scrollBox->GetContentBox() ? static_cast<Box*>(scrollBox->GetContentBox())->GetSafeHwnd()
                                                              : nullptr);
    Wheel(scrollBox->GetSafeHwnd(), middle, false);
    const auto heard = listener.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(s::gui::IScrollBox::kEventWheel, heard[0].code);
    EXPECT_EQ(static_cast<s::base::IObject*>(scrollBox), heard[0].source);
    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(-static_cast<int32_t>(lines), scrollBox->GetWheelLines());
    EXPECT_EQ(0, Position(scrollBox->GetVerticalBar()));
    // Over a bar the bar still scrolls.
    Wheel(scrollBox->GetSafeHwnd(), ScreenPartPoint(scrollBox->GetVerticalBar(), ScrollBar::kPageAfter), false);
    EXPECT_GT(Position(scrollBox->GetVerticalBar()), 0);
    EXPECT_EQ(0u, listener.Count());
}

TEST_F(ScrollContainersTest, InHandModeTheSheetFollowsADragAndAClickCentres)
{
    ScrollBox* scrollBox = AddScrollBox(800, 800);
    ASSERT_NE(nullptr, scrollBox);
    scrollBox->SetHandMode(true);
    HWND box = scrollBox->GetSafeHwnd();
    const POINT centre = CentreOf(box);
    EXPECT_EQ(HTCLIENT, ::SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)));
    OnUi([&] { scrollBox->ScrollBy(200, 200); });
    // The sheet follows the mouse: moved up and left, it scrolls down and right.
    POINT client = centre;
    ::ScreenToClient(box, &client);
    ::SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    EXPECT_TRUE(scrollBox->IsDragging());
    ::SendMessageW(box, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x - 30, client.y - 50));
    ::SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(client.x - 30, client.y - 50));
    EXPECT_FALSE(scrollBox->IsDragging());
    EXPECT_EQ(230, Position(scrollBox->GetHorizontalBar()));
    EXPECT_EQ(250, Position(scrollBox->GetVerticalBar()));

    // A click without movement brings its point to the middle of the view.
    IComponent* content = scrollBox->GetContentBox();
    const POINT click = {content->GetScreenX() + 20, content->GetScreenY() + 30};
    POINT clickClient = click;
    ::ScreenToClient(box, &clickClient);
    ::SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(clickClient.x, clickClient.y));
    ::SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(clickClient.x, clickClient.y));
    EXPECT_EQ(230 + 20 - content->GetClientWidth() / 2, Position(scrollBox->GetHorizontalBar()));
    EXPECT_EQ(250 + 30 - content->GetClientHeight() / 2, Position(scrollBox->GetVerticalBar()));

    scrollBox->SetHandMode(false);
    EXPECT_EQ(HTTRANSPARENT, ::SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)));
}

TEST_F(ScrollContainersTest, TheBorderFramesTheListOnePixelIn)
{
    ListBoxEx* listBox = AddListBox({80, 80, 80, 80}, 5);
    ASSERT_NE(nullptr, listBox);
    OnUi([&] { listBox->SetBorder(true); });
    HWND list = ListOf(listBox)->GetSafeHwnd();
    RECT outer;
    RECT inner;
    ::GetWindowRect(listBox->GetSafeHwnd(), &outer);
    ::GetWindowRect(list, &inner);
    EXPECT_EQ(outer.left + 1, inner.left);
    EXPECT_EQ(outer.top + 1, inner.top);
    EXPECT_EQ(listBox->GetWidth() - 2, listBox->GetClientWidth());
    OnUi([&] {
        HWND frame = listBox->GetSafeHwnd();
        HDC dc = ::GetDC(frame);
        const int32_t width = listBox->GetWidth();
        const int32_t height = listBox->GetHeight();
        EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(dc, 0, 0));
        EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(dc, width - 1, height / 2));
        EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(dc, width / 2, height - 1));
        ::ReleaseDC(frame, dc);
    });

    OnUi([&] { listBox->SetBorder(false); });
    ::GetWindowRect(list, &inner);
    EXPECT_EQ(outer.left, inner.left) << "the list goes back to the corner";
}

// Where the two bars meet, the horizontal bar leaves a square of its thickness free, under the
// vertical bar's column: a press there is on no part. Without the vertical bar the square holds
// the horizontal bar's second arrow again.
TEST_F(ScrollContainersTest, TheCornerWhereBothBarsMeetIsNoPartOfTheHorizontalBar)
{
    struct Case {
        int32_t rows;
        bool corner;
    };
    const Case cases[] = {{100, true}, {2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        window_->RemoveChild(box_, true);
        box_ = Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
        window_->AddChild(box_);
        ListBoxEx* listBox = AddListBox({200, 200, 200, 200}, c.rows);
        ASSERT_NE(nullptr, listBox);
        ScrollBar* horizontal = listBox->GetHorizontalBar();
        ScrollBar* vertical = listBox->GetVerticalBar();
        ASSERT_TRUE(horizontal->IsShown());
        ASSERT_EQ(c.corner, vertical->IsShown());
        HWND bar = horizontal->GetSafeHwnd();
        RECT client;
        ::GetClientRect(bar, &client);
        const int32_t thickness = client.bottom;
        if (c.corner) {
            RECT across;
            RECT column;
            ::GetWindowRect(bar, &across);
            ::GetWindowRect(vertical->GetSafeHwnd(), &column);
            EXPECT_EQ(across.right - thickness, column.left) << "the square lies under the vertical bar";
        }
        const POINT farEnd = {client.right - thickness / 2, thickness / 2};
        const POINT beside = {client.right - thickness - thickness / 2, thickness / 2};
        const auto press = [&](POINT point) {
            OnUi([&] {
                ::SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, ClientParam(point));
                ::SendMessageW(bar, WM_LBUTTONUP, 0, ClientParam(point));
            });
        };
        press(farEnd);
        EXPECT_EQ(c.corner ? 0 : ScrollInfo::kLineStep, Position(horizontal));
        EXPECT_FALSE(horizontal->IsPressed());
        if (c.corner) {
            // The second arrow ends where the square begins.
            press(beside);
            EXPECT_EQ(ScrollInfo::kLineStep, Position(horizontal));
        }
    }
}

TEST_F(ScrollContainersTest, DialogKeysInsideAListBoxAreTakenByTheListBox)
{
    ListBoxEx* listBox = AddListBox({80, 80, 80, 80}, 5);
    ASSERT_NE(nullptr, listBox);
    MSG tab = {};
    tab.hwnd = ListOf(listBox)->GetSafeHwnd();
    tab.message = WM_KEYDOWN;
    tab.wParam = VK_TAB;
    BOOL taken = FALSE;
    OnUi([&] { taken = listBox->PreTranslateMessage(&tab); });
    EXPECT_TRUE(taken);
}

TEST_F(ScrollContainersTest, Screenshots)
{
    ListBoxEx* listBox = AddListBox({110, 90, 90, 90}, 100);
    ASSERT_NE(nullptr, listBox);
    OnUi([&] { listBox->GetVerticalBar()->ScrollBy(LineHeight(listBox->GetVerticalBar()) * 10); });
    ::Sleep(100);
    testing_support::ScreenImage image;
    ASSERT_TRUE(testing_support::CaptureWindow(window_->GetSafeHwnd(), &image));
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"list-box-skinned-header-both-bars").empty());
    window_->RemoveChild(box_, true);
    box_ = Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
    window_->AddChild(box_);

    ScrollBox* scrollBox = AddScrollBox(720, 720);
    ASSERT_NE(nullptr, scrollBox);
    OnUi([&] {
        ScrollBar* vertical = scrollBox->GetVerticalBar();
        ScrollBar* horizontal = scrollBox->GetHorizontalBar();
        scrollBox->ScrollBy(Largest(horizontal) / 2, Largest(vertical) / 2);
    });
    ::Sleep(100);
    ASSERT_TRUE(testing_support::CaptureWindow(window_->GetSafeHwnd(), &image));
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"scroll-box-halfway").empty());
}

} // namespace
} // namespace scrolltest
