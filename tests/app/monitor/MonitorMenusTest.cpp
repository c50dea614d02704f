// The monitor's menus: every command with its text in its submenu, the marks that show the
// settings, and the field and skin menus rebuilt.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/monitor/MonitorMenus.h"
#include "app/monitor/ViewSettingValues.h"
#include "core/str/StrBuffer.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "windowing/menu/MenuItem.h"
#include "windowing/menu/PopupMenu.h"

namespace {

using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;
using namespace s::system::gui::dialogs::monitor;

struct Found {
    PopupMenu* menu = nullptr;
    MenuItem* item = nullptr;
    int32_t position = -1;
};

// The item of a command anywhere in the tree, with the menu that holds it.
Found FindInTree(PopupMenu* menu, int32_t command)
{
    Found found;
    if (MenuItem* item = menu->FindItem(command)) {
        found.menu = menu;
        found.item = item;
        menu->IndexOfCommand(command, &found.position);
        return found;
    }
    for (uint32_t i = 0; i < menu->GetSubmenuCount(); ++i) {
        found = FindInTree(menu->GetSubmenuAt(i), command);
        if (found.item)
            return found;
    }
    return found;
}

bool NativeRadio(const Found& found)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfoW(found.menu->GetSafeHmenu(), static_cast<UINT>(found.position), TRUE, &info);
    return (info.fType & MFT_RADIOCHECK) && (info.fState & MFS_CHECKED);
}

s::lang::Localizer* TwoPacks()
{
    s::lang::Localizer* localizer = s::lang::Localizer::New();
    for (const wchar_t* name : {L"English", L"Deutsch"}) {
        s::lang::LangPack* pack = s::lang::LangPack::New();
        pack->GetTrueName()->Assign(name);
        pack->GetEngName()->Assign(name);
        localizer->AddPack(pack);
    }
    localizer->SelectLanguageAt(1);
    return localizer;
}

class MonitorMenusTest : public testing::Test {
protected:
    void SetUp() override { localizer_ = TwoPacks(); }
    void TearDown() override
    {
        menus_.Release();
        localizer_->ReleaseToPool();
    }

    s::lang::Localizer* localizer_ = nullptr;
    MonitorMenus menus_;
};

TEST_F(MonitorMenusTest, EveryCommandStandsInItsSubmenuWithItsText)
{
    MenuMarks marks;
    marks.startThroughScheduler = true;
    ASSERT_TRUE(menus_.Build(localizer_, marks));
    PopupMenu* main = menus_.GetMainMenu();
    PopupMenu* tray = menus_.GetTrayMenu();
    EXPECT_STREQ(L"Iconized Popup Menu", tray->GetTitle());
    EXPECT_EQ(609000, main->GetTitleTextId());

    struct Case {
        bool inTray;
        int32_t command;
        int32_t textId;
        int32_t menuTitleId; // -1: the top menu itself
    };
    std::vector<Case> cases = {
        {true, 900, 750000, -1},     {true, 910, 609100, -1},      {true, 920, 729000, -1},
        {true, 1100, 731000, 730000}, {true, 1110, 732000, 730000}, {true, 905, 830000, -1},
        {true, 990, 751000, -1},     {true, 10000, 701100, 701000}, {true, 10100, 701200, 701000},
        {true, 10200, 701300, 701000}, {true, 10300, 109000, 701000}, {true, 10900, 107000, 701000},
        {true, 10950, 108100, 701000},
        {false, 2999, 801000, 800000}, {false, 2998, 803000, 800000}, {false, 2997, 802000, 800000},
        {false, 2996, 804000, 800000}, {false, 100, 609100, -1},      {false, 750, 729000, -1},
        {false, 700, 731000, 730000}, {false, 710, 732000, 730000},  {false, 810, 725100, 725000},
        {false, 812, 725200, 725000}, {false, 814, 725300, 725000},  {false, 816, 725400, 725000},
        {false, 818, 725500, 725000}, {false, 820, 725600, 725000},  {false, 1500, 810100, 811000},
        {false, 1501, 810200, 811000}, {false, 1600, 810100, 812000}, {false, 1601, 810200, 812000},
        {false, 1210, 725100, 723000}, {false, 1218, 725500, 723000}, {false, 131, 830100, 609000},
        {false, 130, 609400, 609000}, {false, 135, 830000, 609000},  {false, 1010, 891000, 890000},
        {false, 1030, 893000, 890000}, {false, 1040, 894000, 890000}, {false, 140, 609500, 609500},
        {false, 141, 609501, 609500}, {false, 2, 700001, 700000},    {false, 10000, 701100, 701000},
        {false, 10950, 108100, 701000}, {false, 10001, 2010002000, -1}, {false, 10002, 751000, -1},
    };
    for (int32_t i = 0; i <= 16; ++i)
        cases.push_back({false, 760 + i, 735000 + 100 * i, 730000});
    for (int32_t i = 0; i < 10; ++i) {
        cases.push_back({false, 600 + 10 * i, 715100 + 100 * i, 715000});
        cases.push_back({false, 1511 + i, 811001 + i, 811000});
        cases.push_back({false, 1611 + i, 812001 + i, 812000});
    }
    const int32_t refresh[] = {505, 510, 515, 520, 530, 540, 550, 560, 570, 580};
    const int32_t refreshText[] = {710050, 710100, 710150, 710200, 710300, 710400, 710500, 710600, 710700, 710800};
    for (int32_t i = 0; i < 10; ++i)
        cases.push_back({false, refresh[i], refreshText[i], 710000});
    const int32_t layouts[] = {850, 852, 854, 860, 862, 864, 870, 872, 874};
    for (int32_t i = 0; i < 9; ++i)
        cases.push_back({false, layouts[i], 720010 + 10 * i, 720000});

    for (const Case& c : cases) {
        PopupMenu* top = c.inTray ? tray : main;
        const Found found = FindInTree(top, c.command);
        ASSERT_NE(nullptr, found.item) << c.command;
        EXPECT_EQ(c.textId, found.item->GetTextId()) << c.command;
        if (c.menuTitleId < 0) {
            EXPECT_EQ(top, found.menu) << c.command;
        } else {
            EXPECT_EQ(c.menuTitleId, found.menu->GetTitleTextId()) << c.command;
        }
    }
    // The languages by their names, commands by their index.
    EXPECT_STREQ(L"English", menus_.GetLanguageMenu()->FindItem(0)->GetText());
    EXPECT_STREQ(L"Deutsch", menus_.GetLanguageMenu()->FindItem(1)->GetText());
    // Without the skin tools their commands are absent; with UAC off 140 stands alone.
    EXPECT_FALSE(main->ContainsCommand(29999));
    menus_.Release();
    marks.startThroughScheduler = false;
    marks.skinTools = true;
    ASSERT_TRUE(menus_.Build(localizer_, marks));
    EXPECT_NE(nullptr, menus_.GetMainMenu()->FindItem(140));
    EXPECT_FALSE(menus_.GetMainMenu()->ContainsCommand(141));
    EXPECT_NE(nullptr, menus_.GetMainMenu()->FindItem(29999));
    EXPECT_NE(nullptr, menus_.GetMainMenu()->FindItem(29998));
}

TEST_F(MonitorMenusTest, TheMarksShowTheSettingsInEveryMenuThatCarriesThem)
{
    MenuMarks marks;
    marks.keepOnTop = true;
    marks.autoHide = true;
    marks.autoHideStyle = kAutoHideTransparent;
    marks.autoHideSeconds = 30;
    marks.keepInScreen = false;
    marks.refreshPeriod = 12345;  // not offered: 1 second
    marks.opacity = 70;
    marks.alignment = kAlignHorizontalFlow;
    marks.cellStyle = kCellBoxFlat;
    marks.sizeType = kSizeCustom;
    marks.cellWidthType = kSizeLarge;
    marks.headerCustomSize = 12;
    marks.dataCustomSize = 6;
    ASSERT_TRUE(menus_.Build(localizer_, marks));
    PopupMenu* main = menus_.GetMainMenu();
    PopupMenu* tray = menus_.GetTrayMenu();

    for (int32_t command : {100, 750})
        EXPECT_TRUE(main->IsChecked(command)) << command;
    for (int32_t command : {910, 920})
        EXPECT_TRUE(tray->IsChecked(command)) << command;
    EXPECT_FALSE(main->IsChecked(135));
    EXPECT_FALSE(tray->IsChecked(905));
    EXPECT_TRUE(main->IsChecked(131));
    EXPECT_TRUE(main->IsChecked(1010));

    // The radio-marked command of each range, and its neighbour without the mark.
    struct Case {
        PopupMenu* top;
        int32_t marked;
        int32_t other;
    };
    const Case cases[] = {
        {main, 710, 700},   {tray, 1110, 1100}, {main, 773, 772}, {main, 510, 505},   {main, 630, 600},
        {main, 872, 870},   {main, 820, 814},   {main, 1216, 1214}, {main, 1517, 1513}, {main, 1611, 1616},
        {main, 1, 0},
    };
    for (const Case& c : cases) {
        const Found marked = FindInTree(c.top, c.marked);
        const Found other = FindInTree(c.top, c.other);
        ASSERT_NE(nullptr, marked.item) << c.marked;
        EXPECT_TRUE(marked.item->IsRadioChecked()) << c.marked;
        EXPECT_TRUE(NativeRadio(marked)) << c.marked;
        EXPECT_FALSE(other.item->IsRadioChecked()) << c.other;
        EXPECT_FALSE(NativeRadio(other)) << c.other;
    }
    // Two ranges in one submenu keep their own marks; the bold and outline checks stay too.
    EXPECT_TRUE(FindInTree(main, 710).item->IsRadioChecked());
    EXPECT_TRUE(main->IsChecked(1501));
    EXPECT_TRUE(main->IsChecked(1600));

    // Under the custom size the font submenus are enabled; under another size greyed.
    HMENU size = menus_.GetSizeMenu()->GetSafeHmenu();
    EXPECT_EQ(0u, GetMenuState(size, 7, MF_BYPOSITION) & MF_GRAYED);
    menus_.MarkSize(kSizeLarge);
    EXPECT_NE(0u, GetMenuState(size, 7, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_NE(0u, GetMenuState(size, 8, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(FindInTree(main, 816).item->IsRadioChecked());

    // A layout no preset shows has no mark.
    menus_.MarkLayout(kAlignVertical, kCellBoxFlat);
    for (int32_t command : {850, 852, 854, 860, 862, 864, 870, 872, 874})
        EXPECT_FALSE(NativeRadio(FindInTree(main, command))) << command;
}

TEST_F(MonitorMenusTest, TheFieldMenuKeepsItsFixedEntriesAndListsTheFields)
{
    ASSERT_TRUE(menus_.Build(localizer_, MenuMarks()));
    PopupMenu* fields = menus_.GetFieldsMenu();
    const wchar_t* names[] = {L"[CPU]", L"[Memory]", L"[Uptime]"};
    const bool shown[] = {true, false, true};
    menus_.RebuildFieldMenu(names, shown, 3);
    menus_.RebuildFieldMenu(names, shown, 2);
    ASSERT_EQ(8, fields->GetEntryCount());
    EXPECT_EQ(8, GetMenuItemCount(fields->GetSafeHmenu()));
    EXPECT_TRUE(fields->IsChecked(2000));
    EXPECT_FALSE(fields->IsChecked(2001));
    EXPECT_STREQ(L"[Memory]", fields->FindItem(2001)->GetText());
    EXPECT_FALSE(fields->ContainsCommand(2002));
    EXPECT_TRUE(fields->ContainsCommand(2996));
}

// The skin menu holds its periodic submenu before the skins: the mark goes on the skin's item.
TEST_F(MonitorMenusTest, TheSkinMenuMarksTheCurrentSkinAndThePeriod)
{
    ASSERT_TRUE(menus_.Build(localizer_, MenuMarks()));
    const wchar_t* skins[] = {L"Black Black", L"Blue Ice", L"Classic LG", L"Red Dust"};
    menus_.RebuildSkinMenu(skins, 4, 2, 7);
    PopupMenu* skin = menus_.GetSkinMenu();
    ASSERT_EQ(8, GetMenuItemCount(skin->GetSafeHmenu()));
    EXPECT_TRUE(skin->FindItem(28202)->IsRadioChecked());
    EXPECT_FALSE(skin->FindItem(28203)->IsRadioChecked());
    EXPECT_TRUE(NativeRadio(FindInTree(skin, 28202)));
    EXPECT_TRUE(menus_.GetPeriodicSkinMenu()->FindItem(29296)->IsRadioChecked());
    EXPECT_EQ(8105000, menus_.GetPeriodicSkinMenu()->GetTitleTextId());

    // Rebuilt before each opening: the last skin chosen, an unknown period on "Don't Change".
    menus_.RebuildSkinMenu(skins, 4, 3, 4);
    EXPECT_EQ(8, GetMenuItemCount(skin->GetSafeHmenu()));
    EXPECT_TRUE(skin->FindItem(28203)->IsRadioChecked());
    EXPECT_TRUE(menus_.GetPeriodicSkinMenu()->FindItem(29290)->IsRadioChecked());
    menus_.RebuildSkinMenu(skins, 4, -1, -1);
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_FALSE(skin->FindItem(28200 + i)->IsRadioChecked()) << i;
    menus_.MarkSkin(0);
    EXPECT_TRUE(skin->FindItem(28200)->IsRadioChecked());
}

} // namespace
