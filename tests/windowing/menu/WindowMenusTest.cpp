// A window's menus: chosen commands go to the first menu that holds them; a right click opens
// the context menu at the cursor, on the virtual display.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/RecordingListener.h"
#include "support/Screenshot.h"
#include "support/Cursor.h"
#include "support/Wait.h"
#include "windowing/ShownWindow.h"
#include "windowing/menu/MenuFixture.h"

namespace {

using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;
using testing_support::RecordingListener;
using testing_support::WaitUntil;

const wchar_t kMenuClass[] = L"#32768";

struct MenuReleaser {
    void operator()(PopupMenu* menu) const
    {
        if (menu)
            menu->ReleaseToPool();
    }
};
using MenuPtr = std::unique_ptr<PopupMenu, MenuReleaser>;

MenuPtr MenuWith(std::initializer_list<int32_t> commands)
{
    MenuPtr menu(PopupMenu::New());
    for (int32_t command : commands)
        menu->AddItem(MenuItem::CreateWithText(L"item", command, false));
    return menu;
}

std::vector<HWND> ShownMenuWindows()
{
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, kMenuClass, nullptr)) != nullptr) {
        if (IsWindowVisible(window))
            found.push_back(window);
    }
    return found;
}

class WindowMenusTest : public testing_support::ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        localizer_ = menutest::MakeLocalizer();
    }
    void TearDown() override
    {
        // The window lets go of its menus before they go back to their pool.
        window_.reset();
        localizer_->ReleaseToPool();
    }

    void Command(WPARAM wParam, LPARAM lParam = 0) { SendMessageW(frame_, WM_COMMAND, wParam, lParam); }

    s::lang::Localizer* localizer_ = nullptr;
};

TEST_F(WindowMenusTest, ACommandGoesToTheFirstMenuThatHoldsIt)
{
    MenuPtr bar = MenuWith({1, 2});
    MenuPtr tray = MenuWith({2, 3});
    MenuPtr context = MenuWith({3, 4});
    PopupMenu* nested = PopupMenu::New();
    nested->SetTitle(L"nested");
    PopupMenu* deeper = PopupMenu::New();
    deeper->SetTitle(L"deeper");
    deeper->AddItem(MenuItem::CreateWithText(L"deep", 5, false));
    nested->AddSubmenu(deeper);
    context->AddSubmenu(nested);
    RecordingListener barHeard, trayHeard, contextHeard, nestedHeard;
    bar->AddListener(&barHeard);
    tray->AddListener(&trayHeard);
    context->AddListener(&contextHeard);
    nested->AddListener(&nestedHeard);
    window_->SetMenuBar(bar.get());
    window_->SetTrayMenu(tray.get());
    window_->SetContextMenu(context.get(), true);
    EXPECT_EQ(bar->GetSafeHmenu(), GetMenu(frame_));

    struct Case {
        int32_t command;
        PopupMenu* menu;
        RecordingListener* heard;
    };
    const Case cases[] = {
        {1, bar.get(), &barHeard}, {2, bar.get(), &barHeard}, {3, tray.get(), &trayHeard},
        {4, context.get(), &contextHeard},
        // A command of a submenu's submenu is reported by the menu the window holds.
        {5, context.get(), &contextHeard},
    };
    for (const Case& c : cases) {
        Command(MAKEWPARAM(c.command, 0));
        const auto heard = c.heard->Take();
        ASSERT_EQ(1u, heard.size()) << c.command;
        EXPECT_EQ(0, heard[0].code);
        EXPECT_EQ(static_cast<s::base::IObject*>(c.menu), heard[0].source);
        EXPECT_EQ(c.command, c.menu->GetSelectedCommand());
        EXPECT_EQ(0u, barHeard.Count() + trayHeard.Count() + contextHeard.Count()) << c.command;
    }
    EXPECT_EQ(0u, nestedHeard.Count());

    // Accelerators, control notifications and unknown ids reach no menu.
    Command(MAKEWPARAM(1, 1));
    Command(MAKEWPARAM(4, 1));
    Command(MAKEWPARAM(1, 0), reinterpret_cast<LPARAM>(frame_));
    Command(MAKEWPARAM(77, 0));
    EXPECT_EQ(0u, barHeard.Count() + trayHeard.Count() + contextHeard.Count());

    window_->SetMenuBar(nullptr);
    EXPECT_EQ(nullptr, GetMenu(frame_));
}

TEST_F(WindowMenusTest, ARightPressWithoutAnEnabledContextMenuOnlyTellsItsListeners)
{
    RecordingListener heard;
    window_->AddRightButtonDownListener(&heard);
    window_->AddContextMenuListener(&heard);
    SendMessageW(frame_, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    MenuPtr context = MenuWith({1});
    window_->SetContextMenu(context.get(), false);
    SendMessageW(frame_, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    const auto events = heard.Take();
    ASSERT_EQ(2u, events.size());
    EXPECT_EQ(3, events[0].code);
    EXPECT_EQ(3, events[1].code);
    EXPECT_TRUE(ShownMenuWindows().empty());
}

// Opens the context menu with a right press at the cursor, opens its first submenu with the
// keyboard, captures what the display shows and closes the menu again.
bool OpenCaptureAndClose(HWND frame, const wchar_t* name, testing_support::ScreenImage* image)
{
    RECT frameRect;
    GetWindowRect(frame, &frameRect);
    testing_support::PlaceCursor(frameRect.left + 60, frameRect.top + 60);
    PostMessageW(frame, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 30));
    if (!WaitUntil([] { return ShownMenuWindows().size() == 1; }, 5000))
        return false;
    HWND popup = ShownMenuWindows()[0];
    PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(popup, WM_KEYDOWN, VK_RIGHT, 0);
    const bool opened = WaitUntil([] { return ShownMenuWindows().size() == 2; }, 5000);
    Sleep(300);
    const bool captured = opened && testing_support::CaptureScreenArea(frameRect, image);
    if (captured)
        testing_support::SaveScreenshot(*image, name);
    for (HWND window : ShownMenuWindows())
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(frame, WM_CANCELMODE, 0, 0);
    WaitUntil([] { return ShownMenuWindows().empty(); }, 5000);
    return captured;
}

TEST_F(WindowMenusTest, ARightClickOpensTheContextMenuInTheCurrentLanguage)
{
    MenuPtr context(PopupMenu::New());
    context->SetLocalizer(localizer_);
    PopupMenu* periods = menutest::MakePeriodMenu(localizer_);
    periods->CheckRadioCommand(102);
    context->AddSubmenu(periods);
    context->AddItem(MenuItem::CreateSeparator());
    context->AddItem(MenuItem::CreateWithText(L"Exit", 999, false));
    RecordingListener heard;
    window_->AddRightButtonDownListener(&heard);
    window_->AddContextMenuListener(&heard);
    window_->SetContextMenu(context.get(), true);
    Show();

    testing_support::ScreenImage english;
    ASSERT_TRUE(OpenCaptureAndClose(frame_, L"ContextMenuEnglish", &english));
    const auto events = heard.Take();
    ASSERT_EQ(2u, events.size());
    EXPECT_EQ(3, events[0].code);
    EXPECT_EQ(19, events[1].code);
    EXPECT_TRUE(ShownMenuWindows().empty());

    localizer_->SelectLanguageAt(1);
    testing_support::ScreenImage german;
    ASSERT_TRUE(OpenCaptureAndClose(frame_, L"ContextMenuGerman", &german));
    // The German texts are longer: the two menus differ on the display.
    EXPECT_NE(english.pixels, german.pixels);
}

} // namespace
