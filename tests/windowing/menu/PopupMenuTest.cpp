// Popup menus against the native menu they keep: texts, marks, positions, searches, language
// changes and the pools their pieces go back to.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/RecordingListener.h"
#include "windowing/menu/MenuFixture.h"

namespace {

using menutest::EntryChecked;
using menutest::EntryRadio;
using menutest::EntryState;
using menutest::EntryText;
using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;

class PopupMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        localizer_ = menutest::MakeLocalizer();
        menu_ = PopupMenu::New();
        ASSERT_NE(nullptr, menu_);
        menu_->SetLocalizer(localizer_);
    }
    void TearDown() override
    {
        menu_->ReleaseToPool();
        localizer_->ReleaseToPool();
    }

    HMENU Native() { return menu_->GetSafeHmenu(); }
    MenuItem* Literal(const wchar_t* text, int32_t id, bool checked = false)
    {
        return MenuItem::CreateWithText(text, id, checked);
    }

    s::lang::Localizer* localizer_ = nullptr;
    PopupMenu* menu_ = nullptr;
};

TEST_F(PopupMenuTest, ItemsShowTheirTextsChecksAndSeparators)
{
    menu_->AddItem(MenuItem::Create(710100, localizer_, 1, true));
    menu_->AddItem(MenuItem::CreateSeparator());
    menu_->AddItem(Literal(L"Exit", 2));
    ASSERT_NE(nullptr, Native());
    ASSERT_EQ(3, GetMenuItemCount(Native()));
    EXPECT_EQ(3, menu_->GetEntryCount());
    EXPECT_EQ(L"1 Second", EntryText(Native(), 0));
    EXPECT_TRUE(EntryChecked(Native(), 0));
    EXPECT_EQ(1u, GetMenuItemID(Native(), 0));
    EXPECT_NE(0u, EntryState(Native(), 1) & MF_SEPARATOR);
    EXPECT_EQ(L"", EntryText(Native(), 1));
    EXPECT_EQ(L"Exit", EntryText(Native(), 2));
    EXPECT_FALSE(EntryChecked(Native(), 2));
    EXPECT_TRUE(menu_->IsChecked(1));
    EXPECT_FALSE(menu_->IsChecked(2));
    EXPECT_FALSE(menu_->IsChecked(99));
}

TEST_F(PopupMenuTest, InsertingPlacesTheItemAtItsPositionAndOutsideChangesNothing)
{
    menu_->AddItem(Literal(L"a", 1));
    menu_->AddItem(Literal(L"c", 3));
    EXPECT_TRUE(menu_->InsertItem(1, Literal(L"b", 2)));
    // At the entry count the item is appended.
    EXPECT_TRUE(menu_->InsertItem(3, Literal(L"d", 4)));
    EXPECT_TRUE(menu_->InsertItem(0, MenuItem::CreateSeparator()));
    MenuItem* before = Literal(L"x", 8);
    MenuItem* after = Literal(L"y", 9);
    const uint32_t idleBefore = MenuItem::GetPool()->GetIdleCount();
    EXPECT_FALSE(menu_->InsertItem(-1, before));
    EXPECT_FALSE(menu_->InsertItem(6, after));
    // Refused items go back to their pool rather than being lost.
    EXPECT_EQ(idleBefore + 2, MenuItem::GetPool()->GetIdleCount());

    const wchar_t* expected[] = {L"", L"a", L"b", L"c", L"d"};
    ASSERT_EQ(5, GetMenuItemCount(Native()));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(expected[i], EntryText(Native(), i)) << i;
        if (i > 0) {
            EXPECT_STREQ(expected[i], menu_->GetItemAt(static_cast<uint32_t>(i))->GetText()) << i;
        }
    }
    EXPECT_NE(0u, EntryState(Native(), 0) & MF_SEPARATOR);
}

// The gadget's skin menu holds its "Change Periodically" submenu before the skins: positions
// count that entry, the item list does not.
TEST_F(PopupMenuTest, PositionsCountSubmenusBeforeTheItems)
{
    PopupMenu* periodic = PopupMenu::New();
    periodic->SetTitle(L"Change Periodically");
    periodic->AddItem(Literal(L"Never", 50));
    menu_->AddSubmenu(periodic);
    menu_->AddItem(MenuItem::CreateSeparator());
    const wchar_t* skins[] = {L"Black Black", L"Blue Ice", L"Green Leaf", L"Red Dust"};
    for (int32_t i = 0; i < 4; ++i) {
        MenuItem* item = Literal(skins[i], 100 + i);
        item->SetTag(1000 + i);
        menu_->AddItem(item);
    }
    ASSERT_EQ(6, GetMenuItemCount(Native()));

    int32_t position = -1;
    ASSERT_TRUE(menu_->IndexOfCommand(102, &position));
    EXPECT_EQ(4, position);
    ASSERT_TRUE(menu_->IndexOfTag(1003, &position));
    EXPECT_EQ(5, position);
    EXPECT_TRUE(menu_->IndexOfCommand(101, nullptr));
    EXPECT_FALSE(menu_->IndexOfCommand(50, &position));

    ASSERT_TRUE(menu_->CheckRadioCommand(102));
    EXPECT_TRUE(menu_->FindItem(102)->IsRadioChecked());
    EXPECT_FALSE(menu_->FindItem(101)->IsRadioChecked());
    EXPECT_TRUE(EntryRadio(Native(), 4));
    EXPECT_FALSE(EntryRadio(Native(), 3));

    // Positions outside the menu, and the submenu's own entry, change nothing.
    struct Case {
        const char* what;
        bool result;
    };
    const Case cases[] = {
        {"radio past the end", menu_->CheckRadioAt(6)},
        {"radio on the submenu", menu_->CheckRadioAt(0)},
        {"range past the end", menu_->CheckRadioRange(5, 2, 6)},
        {"range with the mark outside", menu_->CheckRadioRange(1, 2, 5)},
        {"remove the submenu", menu_->RemoveAt(0)},
        {"remove past the end", menu_->RemoveAt(6)},
        {"remove before the start", menu_->RemoveAt(-1)},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(c.result) << c.what;
    EXPECT_EQ(6, GetMenuItemCount(Native()));
    EXPECT_TRUE(EntryRadio(Native(), 4));
    EXPECT_TRUE(menu_->FindItem(102)->IsRadioChecked());

    ASSERT_TRUE(menu_->CheckRadioRange(3, 2, 5));
    EXPECT_TRUE(menu_->FindItem(101)->IsRadioChecked());
    EXPECT_FALSE(menu_->FindItem(102)->IsRadioChecked());
    EXPECT_TRUE(EntryRadio(Native(), 3));

    // Removing by position takes the skin shown there.
    ASSERT_TRUE(menu_->RemoveAt(5));
    EXPECT_EQ(nullptr, menu_->FindItem(103));
    ASSERT_TRUE(menu_->RemoveTag(1000));
    EXPECT_EQ(nullptr, menu_->FindItem(100));
    ASSERT_TRUE(menu_->RemoveCommand(101));
    ASSERT_EQ(3, GetMenuItemCount(Native()));
    EXPECT_EQ(L"Change Periodically", EntryText(Native(), 0));
    EXPECT_EQ(L"Green Leaf", EntryText(Native(), 2));
    EXPECT_EQ(2u, menu_->GetItemCount());
}

// Commands searched in submenus reach a submenu's submenu; the own-item searches stay home.
TEST_F(PopupMenuTest, SearchesReachANestedSubmenuOnlyWhereMeantTo)
{
    PopupMenu* middle = PopupMenu::New();
    middle->SetTitle(L"Middle");
    PopupMenu* inner = PopupMenu::New();
    inner->SetTitle(L"Inner");
    inner->AddItem(Literal(L"deep", 500));
    inner->AddItem(MenuItem::Create(710200, localizer_, 501, false));
    middle->AddSubmenu(inner);
    menu_->AddItem(Literal(L"top", 1));
    menu_->AddSubmenu(middle);
    HMENU deep = inner->GetSafeHmenu();

    EXPECT_TRUE(menu_->ContainsCommand(500));
    EXPECT_FALSE(menu_->ContainsCommand(502));
    EXPECT_EQ(nullptr, menu_->FindItem(500));
    EXPECT_FALSE(menu_->IndexOfCommand(500, nullptr));

    EXPECT_TRUE(menu_->EnableCommand(500, false));
    EXPECT_NE(0u, EntryState(deep, 0) & MF_GRAYED);
    EXPECT_TRUE(menu_->SetChecked(500, true));
    EXPECT_TRUE(menu_->IsChecked(500));
    EXPECT_TRUE(EntryChecked(deep, 0));
    EXPECT_TRUE(menu_->SetItemText(500, L"deeper"));
    EXPECT_EQ(L"deeper", EntryText(deep, 0));
    // A new text keeps the entry's marks and greying.
    EXPECT_TRUE(EntryChecked(deep, 0));
    EXPECT_NE(0u, EntryState(deep, 0) & MF_GRAYED);
    EXPECT_TRUE(menu_->SetItemTextId(501, 710300));
    EXPECT_EQ(L"3 Seconds", EntryText(deep, 1));

    EXPECT_FALSE(menu_->EnableCommand(502, true));
    EXPECT_FALSE(menu_->SetChecked(502, true));
    EXPECT_FALSE(menu_->SetItemText(502, L"none"));
    EXPECT_FALSE(menu_->SetItemTextId(502, 710300));

    EXPECT_TRUE(menu_->EnableSubmenu(middle, false));
    EXPECT_NE(0u, EntryState(Native(), 1) & MF_GRAYED);
    EXPECT_EQ(L"Middle", EntryText(Native(), 1));
    EXPECT_EQ(deep, GetSubMenu(GetSubMenu(Native(), 1), 0));
    EXPECT_FALSE(menu_->EnableSubmenu(inner, true));
}

TEST_F(PopupMenuTest, AnItemWithATextIdKeepsShowingThatText)
{
    menu_->AddItem(MenuItem::Create(710100, localizer_, 1, false));
    menu_->AddItem(Literal(L"plain", 2));
    EXPECT_TRUE(menu_->SetItemText(1, L"something else"));
    EXPECT_TRUE(menu_->SetItemText(2, L"changed"));
    EXPECT_EQ(L"1 Second", EntryText(Native(), 0));
    EXPECT_EQ(L"changed", EntryText(Native(), 1));
}

TEST_F(PopupMenuTest, CheckingToTheStoredValueMakesNoNativeCall)
{
    menu_->AddItem(Literal(L"a", 1, true));
    // The native mark taken off behind the menu's back shows whether the menu touches it.
    CheckMenuItem(Native(), 1, MF_BYCOMMAND | MF_UNCHECKED);
    EXPECT_TRUE(menu_->SetChecked(1, true));
    EXPECT_FALSE(EntryChecked(Native(), 0));
    EXPECT_TRUE(menu_->SetChecked(1, false));
    EXPECT_TRUE(menu_->SetChecked(1, true));
    EXPECT_TRUE(EntryChecked(Native(), 0));
}

TEST_F(PopupMenuTest, ALanguageChangeTranslatesEveryEntryAndKeepsTheMarks)
{
    menu_->AddItem(MenuItem::Create(710100, localizer_, 1, true));
    menu_->AddItem(MenuItem::Create(710200, localizer_, 2, false));
    PopupMenu* periods = menutest::MakePeriodMenu(localizer_);
    menu_->AddSubmenu(periods);
    ASSERT_TRUE(periods->CheckRadioCommand(104));
    ASSERT_TRUE(menu_->EnableCommand(2, false));

    localizer_->SelectLanguageAt(1);
    EXPECT_EQ(L"1 Sekunde", EntryText(Native(), 0));
    EXPECT_EQ(L"2 Sekunden", EntryText(Native(), 1));
    EXPECT_EQ(L"Aktualisierungsintervall", EntryText(Native(), 2));
    EXPECT_TRUE(EntryChecked(Native(), 0));
    EXPECT_FALSE(EntryChecked(Native(), 1));
    EXPECT_NE(0u, EntryState(Native(), 1) & MF_GRAYED);
    HMENU sub = periods->GetSafeHmenu();
    EXPECT_EQ(sub, GetSubMenu(Native(), 2));
    for (int32_t i = 0; i < menutest::kPeriodCount; ++i) {
        EXPECT_EQ(menutest::kPeriodTexts[menutest::kFirstPeriod + i].german, EntryText(sub, i)) << i;
        EXPECT_EQ(i == 3, EntryRadio(sub, i)) << i;
    }
    EXPECT_TRUE(periods->FindItem(104)->IsRadioChecked());

    // Events from anyone but the menu's localizer change nothing.
    s::lang::Localizer* other = menutest::MakeLocalizer();
    menu_->OnEvent(other, 0);
    EXPECT_EQ(L"1 Sekunde", EntryText(Native(), 0));
    other->ReleaseToPool();
}

TEST_F(PopupMenuTest, RadioMarkAtMinusOneTakesEveryMarkOff)
{
    PopupMenu* periods = menutest::MakePeriodMenu(localizer_);
    menu_->AddSubmenu(periods);
    ASSERT_TRUE(periods->CheckRadioAt(2));
    EXPECT_TRUE(EntryRadio(periods->GetSafeHmenu(), 2));
    EXPECT_TRUE(periods->CheckRadioAt(-1));
    for (uint32_t i = 0; i < periods->GetItemCount(); ++i) {
        EXPECT_FALSE(periods->GetItemAt(i)->IsRadioChecked()) << i;
        EXPECT_FALSE(EntryRadio(periods->GetSafeHmenu(), static_cast<int>(i))) << i;
    }
}

TEST_F(PopupMenuTest, RemoveAllGivesItemsAndSubmenusBackToTheirPools)
{
    menu_->AddItem(Literal(L"a", 1));
    menu_->AddItem(MenuItem::CreateSeparator());
    PopupMenu* periods = menutest::MakePeriodMenu(localizer_);
    PopupMenu* inner = PopupMenu::New();
    inner->SetTitle(L"inner");
    inner->AddItem(Literal(L"b", 2));
    periods->AddSubmenu(inner);
    menu_->AddSubmenu(periods);
    const uint32_t listeners = localizer_->GetListenerCount();
    const uint32_t itemsIdle = MenuItem::GetPool()->GetIdleCount();
    const uint32_t menusIdle = PopupMenu::GetPool()->GetIdleCount();

    menu_->RemoveAll();
    EXPECT_EQ(0, GetMenuItemCount(Native()));
    EXPECT_EQ(0, menu_->GetEntryCount());
    // Two own items, ten periods and the inner one; the periods menu and the inner menu.
    EXPECT_EQ(itemsIdle + 13, MenuItem::GetPool()->GetIdleCount());
    EXPECT_EQ(menusIdle + 2, PopupMenu::GetPool()->GetIdleCount());
    // The periods menu left the localizer when it went back.
    EXPECT_EQ(listeners - 1, localizer_->GetListenerCount());
    // The menu is still usable.
    menu_->AddItem(Literal(L"again", 3));
    EXPECT_EQ(L"again", EntryText(Native(), 0));
}

TEST_F(PopupMenuTest, AMenuBackFromThePoolStartsEmpty)
{
    menu_->SetTitleTextId(710000);
    menu_->AddItem(Literal(L"a", 1));
    menu_->SelectCommand(1);
    EXPECT_STREQ(L"Refresh Frequency", menu_->GetTitle());
    const uint32_t listeners = localizer_->GetListenerCount();
    menu_->ReleaseToPool();
    EXPECT_EQ(listeners - 1, localizer_->GetListenerCount());
    menu_ = PopupMenu::New();
    EXPECT_EQ(nullptr, menu_->GetSafeHmenu());
    EXPECT_STREQ(L"", menu_->GetTitle());
    EXPECT_EQ(-1, menu_->GetTitleTextId());
    EXPECT_EQ(-1, menu_->GetSelectedCommand());
    EXPECT_EQ(0, menu_->GetEntryCount());
}

TEST_F(PopupMenuTest, AChosenCommandIsToldToTheListenersInOrder)
{
    testing_support::RecordingListener first;
    testing_support::RecordingListener second;
    menu_->AddListener(&first);
    menu_->AddListener(&second);
    menu_->SelectCommand(42);
    EXPECT_EQ(42, menu_->GetSelectedCommand());
    const auto heardFirst = first.Take();
    ASSERT_EQ(1u, heardFirst.size());
    EXPECT_EQ(static_cast<s::base::IObject*>(menu_), heardFirst[0].source);
    EXPECT_EQ(0, heardFirst[0].code);
    EXPECT_EQ(1u, second.Take().size());
}

} // namespace
