// The skinned header: its height rules, the last column stretched to the right edge with its
// click, cursor and double click, the copy held back while a column is dragged, and hover
// repaints that stop once the cursor rests.
#include <atomic>

#include "lists/AsyncKeys.h"
#include "lists/ListHeader.h"
#include "lists/ScrollStage.h"
#include "skins/drawer/IListHeader.h"
#include "support/RecordingListener.h"
#include "support/Screenshot.h"

namespace scrolltest {
namespace {

using s::gui::win::ListHeader;

std::atomic<bool> leftHeld(false);
SHORT HeldKeys(int key)
{
    return key == VK_LBUTTON && leftHeld.load() ? static_cast<SHORT>(0x8000) : 0;
}

class ListHeaderTest : public ScrollStage {
protected:
    void TearDown() override
    {
        leftHeld = false;
        s::gui::win::SetAsyncKeyReader(nullptr);
        ScrollStage::TearDown();
    }
    ListBoxEx* ThreeColumns()
    {
        ListBoxEx* listBox = AddListBox({60, 60, 60}, 5);
        return listBox;
    }
    static ListHeader* HeaderOf(ListBoxEx* listBox) { return ListOf(listBox)->GetHeader(); }
    static int32_t WindowHeight(HWND window)
    {
        RECT rect;
        ::GetWindowRect(window, &rect);
        return rect.bottom - rect.top;
    }
    static int32_t ColumnWidth(ListBox2* list, int32_t column)
    {
        return static_cast<int32_t>(::SendMessageW(list->GetSafeHwnd(), LVM_GETCOLUMNWIDTH, column, 0));
    }
};

TEST_F(ListHeaderTest, TheDrawerGivesTheHeightUntilOneIsFixedWhichSkinChangesKeep)
{
    ListBoxEx* listBox = ThreeColumns();
    ASSERT_NE(nullptr, listBox);
    ListHeader* header = HeaderOf(listBox);
    OnUi([&] {
        ASSERT_NE(nullptr, header->GetDrawer());
        EXPECT_EQ(header->GetDrawer()->GetHeight(), header->GetHeight());
        EXPECT_EQ(ListHeader::kDefaultHeight, header->GetHeight());
        EXPECT_EQ(header->GetHeight(), WindowHeight(header->GetControl()));
        header->SetHeight(20);
        EXPECT_EQ(20, WindowHeight(header->GetControl()));
    });
    skinner_->SelectSkinAt(1);
    OnUi([&] {
        EXPECT_EQ(skinner_->GetCurrentSkin()->GetListHeaderDrawer(), header->GetDrawer());
        EXPECT_EQ(20, header->GetHeight());
        EXPECT_EQ(20, WindowHeight(header->GetControl()));
        EXPECT_TRUE(header->IsHeightFixed());
    });
}

TEST_F(ListHeaderTest, AListGivenBackReturnsItsHeaderResetAndTheNextListAttachesIt)
{
    ListBoxEx* first = ThreeColumns();
    ASSERT_NE(nullptr, first);
    ListHeader* header = HeaderOf(first);
    ASSERT_NE(nullptr, header);
    OnUi([&] { header->SetHeight(20); });
    const uint32_t idle = ListHeader::GetPool()->GetIdleCount();
    box_->RemoveChild(first, true);
    EXPECT_EQ(idle + 1, ListHeader::GetPool()->GetIdleCount()) << "given back once";
    EXPECT_EQ(nullptr, header->GetControl());
    EXPECT_EQ(nullptr, header->GetDrawer());
    EXPECT_FALSE(header->IsHeightFixed());
    EXPECT_EQ(0u, header->GetColumnOrder()->GetCount());

    // The pool hands the last header given back to the next list, which owns it alone.
    ListBoxEx* second = AddListBox({80, 80}, 3);
    ASSERT_NE(nullptr, second);
    ListBoxEx* third = AddListBox({50}, 3);
    ASSERT_NE(nullptr, third);
    EXPECT_EQ(idle, ListHeader::GetPool()->GetIdleCount());
    ASSERT_EQ(header, HeaderOf(second));
    EXPECT_NE(header, HeaderOf(third));
    OnUi([&] {
        HWND control = reinterpret_cast<HWND>(::SendMessageW(ListOf(second)->GetSafeHwnd(), LVM_GETHEADER, 0, 0));
        EXPECT_EQ(control, header->GetControl());
        ASSERT_NE(nullptr, header->GetDrawer());
        EXPECT_EQ(header->GetDrawer()->GetHeight(), header->GetHeight());
        EXPECT_EQ(header->GetHeight(), WindowHeight(control));
        EXPECT_EQ(2u, header->GetColumnOrder()->GetCount());
    });
}

TEST_F(ListHeaderTest, TheLastColumnReachesTheRightEdgeAndAClickThereSortsByIt)
{
    ListBoxEx* listBox = ThreeColumns();
    ASSERT_NE(nullptr, listBox);
    ListBox2* list = ListOf(listBox);
    ListHeader* header = HeaderOf(listBox);
    testing_support::RecordingListener clicks;
    list->AddColumnClickListener(&clicks);
    HWND control = header->GetControl();
    RECT client;
    ::GetClientRect(control, &client);
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    OnUi([&] {
        ASSERT_EQ(3u, header->GetColumnWidths()->GetCount());
        EXPECT_EQ(client.right - 120, header->GetColumnWidths()->Get(2));
    });
    const LPARAM extension = MAKELPARAM(client.right - 10, client.bottom / 2);
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, extension);
    ::SendMessageW(control, WM_LBUTTONUP, 0, extension);
    EXPECT_EQ(1u, clicks.Count());
    EXPECT_EQ(2, list->GetLastClickedColumn());
    // A press elsewhere released there is no click on the extension.
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, client.bottom / 2));
    ::SendMessageW(control, WM_LBUTTONUP, 0, extension);
    EXPECT_EQ(1u, clicks.Count());
}

TEST_F(ListHeaderTest, TheExtensionKeepsTheArrowAndSwallowsTheDoubleClick)
{
    ListBoxEx* listBox = ThreeColumns();
    ASSERT_NE(nullptr, listBox);
    ListBox2* list = ListOf(listBox);
    HWND control = HeaderOf(listBox)->GetControl();
    RECT client;
    ::GetClientRect(control, &client);
    POINT over = {client.right - 10, client.bottom / 2};
    ::ClientToScreen(control, &over);
    PlaceCursor(over.x, over.y);
    ::SendMessageW(control, WM_NCHITTEST, 0, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(1, ::SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    // On the last column's own divider a double click would size it to its content.
    const int32_t before = ColumnWidth(list, 2);
    ::SendMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(179, client.bottom / 2));
    EXPECT_EQ(before, ColumnWidth(list, 2));
}

TEST_F(ListHeaderTest, DraggingAColumnHoldsBackTheOffScreenCopy)
{
    ListBoxEx* listBox = ThreeColumns();
    ASSERT_NE(nullptr, listBox);
    ListHeader* header = HeaderOf(listBox);
    HWND list = ListOf(listBox)->GetSafeHwnd();
    NMHEADERW drag = {};
    drag.hdr.hwndFrom = header->GetControl();
    drag.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(header->GetControl()));
    drag.hdr.code = HDN_BEGINDRAG;
    drag.iItem = 0;
    ::SendMessageW(list, WM_NOTIFY, drag.hdr.idFrom, reinterpret_cast<LPARAM>(&drag));
    EXPECT_TRUE(header->IsScreenCopySuspended());
    drag.hdr.code = HDN_ENDDRAG;
    ::SendMessageW(list, WM_NOTIFY, drag.hdr.idFrom, reinterpret_cast<LPARAM>(&drag));
    EXPECT_FALSE(header->IsScreenCopySuspended());
}

TEST_F(ListHeaderTest, HoverRepaintsOnMovesButNotWhileTheCursorRests)
{
    ListBoxEx* listBox = ThreeColumns();
    ASSERT_NE(nullptr, listBox);
    ListHeader* header = HeaderOf(listBox);
    HWND control = header->GetControl();
    RECT client;
    ::GetClientRect(control, &client);
    POINT over = {90, client.bottom / 2};
    POINT screen = over;
    ::ClientToScreen(control, &screen);
    PlaceCursor(screen.x, screen.y);
    // In one go on the header's thread: the cursor's own arrival, posted, may not come between.
    OnUi([&] {
        ::SendMessageW(control, WM_MOUSELEAVE, 0, 0);
        ::UpdateWindow(control);
        ::SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
        EXPECT_EQ(1, header->GetHotItem());
        EXPECT_TRUE(::GetUpdateRect(control, nullptr, FALSE)) << "the new hot item is painted";
        ::UpdateWindow(control);
        EXPECT_FALSE(::GetUpdateRect(control, nullptr, FALSE)) << "a paint asks for no other";
    });
    ::SendMessageW(control, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(-1, header->GetHotItem());
}

// The item under the cursor looks pressed while the left button is down and hot while it is up;
// the others look the same either way.
TEST_F(ListHeaderTest, TheItemUnderTheCursorLooksPressedWhileTheButtonIsDown)
{
    ListBoxEx* listBox = ThreeColumns();
    ASSERT_NE(nullptr, listBox);
    HWND control = HeaderOf(listBox)->GetControl();
    RECT first;
    RECT second;
    ASSERT_TRUE(Header_GetItemRect(control, 0, &first));
    ASSERT_TRUE(Header_GetItemRect(control, 1, &second));
    POINT over = {(second.left + second.right) / 2, (second.top + second.bottom) / 2};
    ::ClientToScreen(control, &over);
    ASSERT_TRUE(PlaceCursor(over));
    s::gui::win::SetAsyncKeyReader(&HeldKeys);
    const auto look = [&](bool held) {
        leftHeld = held;
        OnUi([&] {
            ::InvalidateRect(control, nullptr, FALSE);
            ::UpdateWindow(control);
        });
        testing_support::ScreenImage image;
        EXPECT_TRUE(testing_support::CaptureWindow(control, &image));
        return image;
    };
    const testing_support::ScreenImage hot = look(false);
    const testing_support::ScreenImage pressed = look(true);
    ASSERT_EQ(hot.width, pressed.width);
    ASSERT_EQ(hot.height, pressed.height);
    const auto differ = [&](const RECT& item) {
        int32_t count = 0;
        for (int32_t y = item.top; y < item.bottom && y < hot.height; ++y) {
            for (int32_t x = item.left; x < item.right && x < hot.width; ++x)
                count += hot.At(x, y) != pressed.At(x, y) ? 1 : 0;
        }
        return count;
    };
    EXPECT_GT(differ(second), 0) << "the pressed look";
    EXPECT_EQ(0, differ(first));
}

} // namespace
} // namespace scrolltest
