// A right press on a list with a selection tells the listeners and opens the list's context
// menu at the cursor, once the list-view's own right-button handling has run.
//
// The list-view takes a right press into a loop of its own that waits for the button to come
// up (Windows documents the same: the click is notified when the button is released), so the
// test posts the press and the release together, as the system queues them for a real click,
// instead of sending the press alone, which would never return.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "lists/ListBox2Event.h"
#include "lists/ListStage.h"
#include "support/Wait.h"
#include "windowing/menu/MenuItem.h"
#include "windowing/menu/PopupMenu.h"

using namespace listtest;
using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;
using testing_support::RecordingListener;
using testing_support::WaitUntil;
namespace event = s::gui::ListBox2Event;

namespace {

std::vector<HWND> ShownMenuWindows()
{
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, L"#32768", nullptr)) != nullptr) {
        if (::IsWindowVisible(window))
            found.push_back(window);
    }
    return found;
}

struct MenuReleaser {
    void operator()(PopupMenu* menu) const
    {
        if (menu)
            menu->ReleaseToPool();
    }
};

class ListRightClickTest : public ListStage {
protected:
    void SetUp() override
    {
        ListStage::SetUp();
        menu_.reset(PopupMenu::New());
        ASSERT_NE(nullptr, menu_);
        menu_->AddItem(MenuItem::CreateWithText(L"Remove", 41, false));
        list_->AddColumn(L"Name", 140, 0, false, nullptr, true, false, false, false, false);
        for (int i = 0; i < 4; ++i)
            list_->AddRow(NumberRow({i}));
        list_->SetContextMenu(menu_.get());
        list_->AddContextMenuListener(&heard_);
    }
    void TearDown() override
    {
        if (list_)
            list_->SetContextMenu(nullptr);
        ListStage::TearDown();
        menu_.reset();
    }

    // A right click on the row as the system queues one: press and release.
    void RightClickRow(int32_t row)
    {
        const RECT rect = SubItemRect(row, 0);
        POINT client = {rect.left + 20, (rect.top + rect.bottom) / 2};
        POINT screen = client;
        ::ClientToScreen(Native(), &screen);
        PlaceCursor(screen.x, screen.y);
        ::PostMessageW(Native(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
        ::PostMessageW(Native(), WM_RBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    }
    void CloseMenus()
    {
        for (HWND window : ShownMenuWindows())
            ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
        ::PostMessageW(Native(), WM_CANCELMODE, 0, 0);
        EXPECT_TRUE(WaitUntil([] { return ShownMenuWindows().empty(); }, 5000));
        // The list's thread is back from the menu.
        OnListThread([] {});
    }

    std::unique_ptr<PopupMenu, MenuReleaser> menu_;
    RecordingListener heard_;
};

TEST_F(ListRightClickTest, APressOnASelectedRowTellsTheListenersAndOpensTheMenu)
{
    Show();
    SelectOnly(2);
    RightClickRow(2);
    ASSERT_TRUE(WaitUntil([] { return ShownMenuWindows().size() == 1; }, 5000));
    const auto heard = heard_.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(event::ContextMenuRequested, heard[0].code);
    EXPECT_EQ(static_cast<s::base::IObject*>(list_), heard[0].source);
    // At the cursor.
    RECT shown;
    ::GetWindowRect(ShownMenuWindows()[0], &shown);
    POINT cursor;
    ::GetCursorPos(&cursor);
    EXPECT_LE(std::abs(shown.left - cursor.x), 2);
    EXPECT_LE(std::abs(shown.top - cursor.y), 2);
    CloseMenus();
    // The press went through the list-view as well: the row stays the selection.
    EXPECT_EQ(1u, list_->GetSelectedCount());
}

TEST_F(ListRightClickTest, WithoutASelectionOrAMenuNothingOpens)
{
    Show();
    // Below the last row: the list-view clears the selection, so nothing is asked for.
    RECT below = SubItemRect(3, 0);
    POINT client = {below.left + 20, below.bottom + 30};
    ::PostMessageW(Native(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
    ::PostMessageW(Native(), WM_RBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    OnListThread([] {});
    ::Sleep(200);
    EXPECT_TRUE(ShownMenuWindows().empty());
    EXPECT_EQ(0u, heard_.Count());

    // A selection but no menu: no listener is told either.
    list_->SetContextMenu(nullptr);
    SelectOnly(1);
    RightClickRow(1);
    OnListThread([] {});
    ::Sleep(200);
    EXPECT_TRUE(ShownMenuWindows().empty());
    EXPECT_EQ(0u, heard_.Count());
    CloseMenus();
}

} // namespace
