// The controller's commands through its menus on the virtual display: each command's effect, the
// marks of every menu that carries it and the key written to the settings file at once; ids that
// mean nothing; the field commands and the customizer's list; the double click; the skin menu.
// One controller serves the whole suite: a start makes and destroys every row's windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakeSources.h"
#include "MonitorSupport.h"
#include "app/monitor/IFieldChoiceList.h"
#include "app/monitor/MenuCommands.h"
#include "app/monitor/Monitor.h"
#include "app/monitor/MonitorBlock.h"
#include "app/monitor/ViewSettingValues.h"
#include "skins/Skinner.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/XmlMappedData.h"
#include "storage/file/ShellServices.h"
#include "support/BoxRecorder.h"
#include "support/RecordingListener.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/menu/PopupMenu.h"
#include "windowing/widgets/Label.h"

using s::system::counter::MonitorBlock;
using s::system::gui::dialogs::monitor::IFieldChoiceList;
using s::system::gui::dialogs::monitor::Monitor;
namespace command = s::system::gui::dialogs::monitor::command;
namespace values = s::system::gui::dialogs::monitor;
using monitor_testing::OnWindowThread;

namespace {

const wchar_t kSettingsName[] = L"pulsegrid-monitor-commands-test.xml";
const int64_t kNow = 1760000000;

int64_t FixedNow()
{
    return kNow;
}

struct Mark {
    bool tray;
    int32_t command;
    bool checked;
};

class MonitorCommandsTest : public monitor_testing::RunningMonitorTest {
protected:
    static void SetUpTestSuite()
    {
        // Every change written at once, as the program's store does.
        PrepareMonitor(kSettingsName, true);
        Fake().processorTime[-1] = 40;
        previousClock = Monitor::SetSecondsClock(&FixedNow);
        StartMonitor();
    }
    static void TearDownTestSuite()
    {
        StopMonitor();
        Monitor::SetSecondsClock(previousClock);
    }
    void SetUp() override
    {
        RunningMonitorTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(monitor->GetWindow()->IsReady());
    }

    // Any id, also one no item carries, as the main menu would tell it.
    static void ChooseFromMain(int32_t id)
    {
        OnWindowThread(monitor->GetWindow(), [id] { monitor->GetMenus().GetMainMenu()->SelectCommand(id); });
    }
    static void SendWindowCode(int32_t code)
    {
        OnWindowThread(monitor->GetWindow(), [code] { monitor->OnEvent(monitor->GetWindow(), code); });
    }
    static bool IsMarked(bool tray, int32_t id)
    {
        s::gui::win::PopupMenu* menu = tray ? monitor->GetMenus().GetTrayMenu() : monitor->GetMenus().GetMainMenu();
        const UINT state = GetMenuState(menu->GetSafeHmenu(), static_cast<UINT>(id), MF_BYCOMMAND);
        return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
    }

    static inline Monitor::SecondsClock previousClock = nullptr;
};

TEST_F(MonitorCommandsTest, EachCommandChangesItsSettingMarksEveryMenuAndStoresItAtOnce)
{
    const wchar_t* view = L"MainWindow\\View";
    const wchar_t* header = L"MainWindow\\View\\HeaderFont";
    const wchar_t* data = L"MainWindow\\View\\DataFont";
    const wchar_t* mouse = L"MainWindow\\Mouse";
    Monitor* m = monitor;
    struct Case {
        int32_t command;
        bool fromTray;
        std::function<bool()> effect;
        std::vector<Mark> marks;
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* stored;
    };
    const Case cases[] = {
        {505, false, [m] { return m->GetRefreshCycle().GetPeriod() == 500; }, {{false, 505, true}, {false, 510, false}},
         view, L"RefreshFrequency", L"500"},
        {580, false, [m] { return m->GetRefreshCycle().GetPeriod() == 300000; }, {{false, 580, true}, {false, 505, false}},
         view, L"RefreshFrequency", L"300000"},
        {620, false, [m] { return m->GetOpacity() == 80; }, {{false, 620, true}, {false, 600, false}}, view,
         L"Transparency", L"80"},
        {600, false, [m] { return m->GetOpacity() == 100; }, {{false, 600, true}, {false, 620, false}}, view,
         L"Transparency", L"100"},
        {750, false, [m] { return m->IsAutoHide(); }, {{false, 750, true}, {true, 920, true}}, view, L"AutoHide",
         L"1"},
        {920, true, [m] { return !m->IsAutoHide(); }, {{false, 750, false}, {true, 920, false}}, view, L"AutoHide",
         L"0"},
        {1110, true, [m] { return m->GetAutoHideStyle() == values::kAutoHideTransparent; },
         {{false, 710, true}, {false, 700, false}, {true, 1110, true}}, view, L"AutoHideStyle", L"AUTOHIDE_TYPE_TRANS"},
        {700, false, [m] { return m->GetAutoHideStyle() == values::kAutoHideShrink; },
         {{false, 700, true}, {true, 1100, true}, {true, 1110, false}}, view, L"AutoHideStyle", L"AUTOHIDE_TYPE_SHRINK"},
        {765, false, [m] { return m->GetAutoHideSeconds() == 5; }, {{false, 765, true}}, view, L"AutoHideSec", L"5"},
        {774, false, [m] { return m->GetAutoHideSeconds() == 60; }, {{false, 774, true}, {false, 765, false}}, view,
         L"AutoHideSec", L"60"},
        {860, false,
         [m] { return m->GetAlignment() == values::kAlignHorizontal && m->GetCellStyle() == values::kCellBox; },
         {{false, 860, true}, {false, 850, false}}, view, L"AlignType", L"ALIGN_TYPE_HORIZONTAL"},
        {874, false,
         [m] { return m->GetAlignment() == values::kAlignHorizontalFlow && m->GetCellStyle() == values::kCellFlatSlim; },
         {{false, 874, true}, {false, 860, false}}, view, L"CellStyle", L"CELL_TYPE_FLATSLIM"},
        {852, false, [m] { return m->GetAlignment() == values::kAlignVertical && m->GetCellStyle() == values::kCellFlat; },
         {{false, 852, true}}, view, L"CellStyle", L"CELL_TYPE_FLAT"},
        {850, false, [m] { return m->GetCellStyle() == values::kCellBox; }, {{false, 850, true}, {false, 852, false}},
         view, L"AlignType", L"ALIGN_TYPE_VERTICAL"},
        {816, false, [m] { return m->GetSizeType() == values::kSizeLarge && m->GetHeaderSize() == 10 && m->GetDataSize() == 13; },
         {{false, 816, true}, {false, 814, false}}, view, L"SizeType", L"SIZE_TYPE_LARGE"},
        {820, false, [m] { return m->GetSizeType() == values::kSizeCustom; }, {{false, 820, true}}, view, L"SizeType",
         L"SIZE_TYPE_CUSTOM"},
        {1500, false, [m] { return m->IsHeaderBold(); }, {{false, 1500, true}}, header, L"Bold", L"1"},
        {1601, false, [m] { return !m->IsDataOutline(); }, {{false, 1601, false}}, data, L"Outline", L"0"},
        {1515, false, [m] { return m->GetHeaderCustomSize() == 10 && m->GetHeaderSize() == 10; },
         {{false, 1515, true}, {false, 1513, false}}, header, L"SizeCustom", L"10"},
        {1620, false, [m] { return m->GetDataCustomSize() == 15 && m->GetDataSize() == 15; }, {{false, 1620, true}},
         data, L"Size", L"15"},
        // Leaving the custom size gives the fonts their default look back.
        {814, false,
         [m] { return !m->IsHeaderBold() && m->IsDataOutline() && m->GetHeaderSize() == 8 && m->GetDataSize() == 11; },
         {{false, 814, true}, {false, 1500, false}, {false, 1601, true}}, header, L"Bold", L"0"},
        {1216, false, [m] { return m->GetCellWidthType() == values::kSizeLarge; }, {{false, 1216, true}}, view,
         L"CellWidthType", L"SIZE_TYPE_LARGE"},
        {1214, false, [m] { return m->GetCellWidthType() == values::kSizeMedium; }, {{false, 1214, true}}, view,
         L"CellWidthType", L"SIZE_TYPE_MEDIUM"},
        {1010, false, [m] { return !m->DoubleClickShrinks(); }, {{false, 1010, false}}, mouse, L"LDblClickShrink",
         L"0"},
        {1010, false, [m] { return m->DoubleClickShrinks(); }, {{false, 1010, true}}, mouse, L"LDblClickShrink", L"1"},
        {1040, false, [m] { return !m->ShiftSuspendsAutoHide(); }, {{false, 1040, false}}, mouse,
         L"ShiftCancelAutoHide", L"0"},
        // The middle-click action is the holder's to store.
        {1030, false, [m] { return !m->MiddleClickIconizes(); }, {{false, 1030, false}}, nullptr, nullptr, nullptr},
        {130, false, [m] { return m->ShowsTaskbarButton(); }, {{false, 130, true}}, view, L"ShowTaskBarButton", L"1"},
        {130, false, [m] { return !m->ShowsTaskbarButton(); }, {{false, 130, false}}, view, L"ShowTaskBarButton",
         L"0"},
        {135, false, [m] { return !m->KeepsInScreen(); }, {{false, 135, false}, {true, 905, false}}, view,
         L"KeepInScreen", L"0"},
        {905, true, [m] { return m->KeepsInScreen(); }, {{false, 135, true}, {true, 905, true}}, view, L"KeepInScreen",
         L"1"},
        // Keep-on-top is the holder's to store.
        {100, false, [m] { return m->GetWindow()->IsTopMost(); }, {{false, 100, true}, {true, 910, true}}, nullptr,
         nullptr, nullptr},
        {910, true, [m] { return !m->GetWindow()->IsTopMost(); }, {{false, 100, false}, {true, 910, false}}, nullptr,
         nullptr, nullptr},
        {29292, false, [m] { return m->GetPeriodicSkinDays() == 1; }, {}, view, L"RandomSkinDay", L"1"},
    };
    // The skin menu's items exist once the context menu is about to open.
    SendWindowCode(s::gui::win::kEventContextMenu);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        Choose(c.command);
        EXPECT_TRUE(c.effect());
        for (const Mark& mark : c.marks)
            EXPECT_EQ(mark.checked, IsMarked(mark.tray, mark.command)) << "mark of " << mark.command;
        if (c.section) {
            EXPECT_EQ(std::wstring(c.stored), StoredText(c.section, c.key));
        }
    }
    // Nothing asked the user: the transparent style was chosen from the tray.
    EXPECT_TRUE(testing_support::BoxRecorder::Take().empty());
}

TEST_F(MonitorCommandsTest, BracketsAndLanguageComposeTheNamesAndMenusAgain)
{
    MonitorBlock* cpu = monitor->FindField(L"CPU_USAGE_TOTAL");
    ASSERT_NE(nullptr, cpu);
    const std::wstring english = cpu->GetNameLabel()->GetText();
    EXPECT_EQ(L'[', english.front());
    Choose(command::kWithBrackets);
    EXPECT_EQ(english.substr(1, english.size() - 2), std::wstring(cpu->GetNameLabel()->GetText()));
    EXPECT_EQ(std::wstring(L"0"), StoredText(L"MainWindow\\View", L"WithBracket"));
    Choose(command::kWithBrackets);
    EXPECT_EQ(english, std::wstring(cpu->GetNameLabel()->GetText()));

    // Another language: names, fields menu and context menu in it, its name stored where the
    // start reads it, and its mark in the language menu.
    const int32_t english_index = [] {
        for (uint32_t i = 0; i < localizer->GetPackCount(); ++i) {
            if (localizer->GetPack(i) == localizer->GetCurrentPack())
                return static_cast<int32_t>(i);
        }
        return -1;
    }();
    ASSERT_GE(english_index, 0);
    int32_t german = -1;
    for (uint32_t i = 0; i < localizer->GetPackCount(); ++i) {
        if (std::wstring(localizer->GetPack(i)->GetEngName()->GetText()) == L"German")
            german = static_cast<int32_t>(i);
    }
    ASSERT_GE(german, 0);
    Choose(german);
    EXPECT_EQ(std::wstring(L"German"), StoredText(L"Language", L""));
    EXPECT_TRUE(IsMarked(false, german));
    EXPECT_FALSE(IsMarked(false, english_index));
    EXPECT_EQ(std::wstring(L"[") + localizer->GetText(1013000) + L"]",
              std::wstring(monitor->FindField(L"UPTIME_NORMAL")->GetNameLabel()->GetText()));
    EXPECT_NE(std::wstring(L"[Up Time]"), std::wstring(monitor->FindField(L"UPTIME_NORMAL")->GetNameLabel()->GetText()));
    wchar_t text[128] = {};
    GetMenuStringW(monitor->GetMenus().GetFieldsMenu()->GetSafeHmenu(), command::kSelectAllFields, text, 128,
                   MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(localizer->GetText(801000)), text);
    Choose(english_index);
    EXPECT_EQ(english, std::wstring(cpu->GetNameLabel()->GetText()));
    EXPECT_EQ(std::wstring(L"English"), StoredText(L"Language", L""));
}

TEST_F(MonitorCommandsTest, IdsWithoutAMeaningChangeNothing)
{
    const int32_t packs = static_cast<int32_t>(localizer->GetPackCount());
    const int32_t ids[] = {packs + 1, 99,    590,   611,   699,   701,   777,  811,   849,   851,   899,   900,
                           1011,  1100,  1249,  1502,  1510,  1521,  1700, 2000 + monitor->GetFieldCount(), 2995,
                           3000,  28200 + static_cast<int32_t>(skinner->GetSkinCount()), 29289, 29299, 10001 + 2};
    // The translation page (id = number of packs) has no address without the application base.
    const std::string before = StoredBytes();
    const int32_t shown = monitor->CountEnabledFields();
    const int32_t skin = skinner->GetCurrentSkinIndex();
    for (int32_t id : ids) {
        SCOPED_TRACE(id);
        ChooseFromMain(id);
        EXPECT_EQ(before, StoredBytes());
        EXPECT_EQ(shown, monitor->CountEnabledFields());
        EXPECT_EQ(skin, skinner->GetCurrentSkinIndex());
        EXPECT_FALSE(monitor->GetWindow()->IsClosed());
    }
}

TEST_F(MonitorCommandsTest, FieldCommandsKeepOneFieldAndRestoreTheDefaults)
{
    const wchar_t* fieldSection = L"MainWindow\\Field";
    Choose(command::kDeselectAllFields);
    EXPECT_EQ(1, monitor->CountEnabledFields());
    EXPECT_TRUE(monitor->GetField(0)->IsEnabled());
    EXPECT_TRUE(IsMarked(false, command::kFieldBase));
    EXPECT_FALSE(IsMarked(false, command::kFieldBase + 1));
    EXPECT_EQ(std::wstring(L"1"), StoredText(fieldSection, monitor->GetField(0)->GetKey()));
    EXPECT_EQ(std::wstring(L"0"), StoredText(fieldSection, L"CPU_USAGE_TOTAL"));
    // The one field left, switched off from the menu, and "Deselect All" again: it comes back.
    Choose(command::kFieldBase);
    EXPECT_EQ(0, monitor->CountEnabledFields());
    Choose(command::kDeselectAllFields);
    EXPECT_EQ(1, monitor->CountEnabledFields());
    EXPECT_TRUE(monitor->GetField(0)->IsEnabled());

    Choose(command::kRestoreDefaultFields);
    for (int32_t i = 0; i < monitor->GetFieldCount(); ++i) {
        MonitorBlock* field = monitor->GetField(i);
        EXPECT_EQ(monitor->IsDefaultField(field), field->IsEnabled()) << field->GetKey();
        EXPECT_EQ(field->IsEnabled(), IsMarked(false, command::kFieldBase + i)) << field->GetKey();
    }
    // The fake has no temperature reading: its default field stays off.
    EXPECT_FALSE(monitor->IsDefaultField(monitor->FindField(L"CPU_TEMP_C_TOTAL")));
    EXPECT_TRUE(monitor->FindField(L"UPTIME_NORMAL")->IsEnabled());
    EXPECT_EQ(std::wstring(L"1"), StoredText(fieldSection, L"UPTIME_NORMAL"));

    Choose(command::kSelectAllFields);
    EXPECT_EQ(monitor->GetFieldCount(), monitor->CountEnabledFields());
    Choose(command::kRestoreDefaultFields);
}

// The customizer's list as the monitor reads it; a null field is a record the monitor does not
// know.
class FakeChoiceList : public IFieldChoiceList {
public:
    struct Record {
        MonitorBlock* field;
        bool checked;
    };
    std::vector<Record> records;
    int32_t GetRecordCount() override { return static_cast<int32_t>(records.size()); }
    MonitorBlock* GetFieldAt(int32_t index) override { return records[static_cast<size_t>(index)].field; }
    bool IsCheckedAt(int32_t index) override { return records[static_cast<size_t>(index)].checked; }
    void SetCheckedAt(int32_t index, bool checked) override { records[static_cast<size_t>(index)].checked = checked; }
};

TEST_F(MonitorCommandsTest, ACustomizerListReordersSwitchesAndStoresTheOrderOnce)
{
    s::gui::win::Window* window = monitor->GetWindow();
    // The defaults checked in the customizer's list; the fields themselves stay.
    FakeChoiceList list;
    list.records.push_back({nullptr, true});
    for (int32_t i = 0; i < monitor->GetFieldCount(); ++i)
        list.records.push_back({monitor->GetField(i), false});
    const int32_t shown = monitor->CountEnabledFields();
    window->SendEvent(s::system::gui::dialogs::monitor::kLoadDefaultSelection, reinterpret_cast<INT_PTR>(&list), 0, 0);
    for (size_t i = 1; i < list.records.size(); ++i)
        EXPECT_EQ(monitor->IsDefaultField(list.records[i].field), list.records[i].checked);
    EXPECT_TRUE(list.records[0].checked) << "a record without a field is left alone";
    EXPECT_EQ(shown, monitor->CountEnabledFields());

    // The last two fields swapped to the front, only they checked; the unknown record skipped.
    MonitorBlock* last = monitor->GetField(monitor->GetFieldCount() - 1);
    MonitorBlock* beforeLast = monitor->GetField(monitor->GetFieldCount() - 2);
    FakeChoiceList order;
    order.records.push_back({last, true});
    order.records.push_back({nullptr, true});
    order.records.push_back({beforeLast, true});
    for (int32_t i = 0; i < monitor->GetFieldCount() - 2; ++i)
        order.records.push_back({monitor->GetField(i), false});
    window->SendEvent(s::system::gui::dialogs::monitor::kUpdateFieldsByListBox, reinterpret_cast<INT_PTR>(&order), 0, 0);
    EXPECT_EQ(last, monitor->GetField(0));
    EXPECT_EQ(beforeLast, monitor->GetField(1));
    EXPECT_EQ(2, monitor->CountEnabledFields());
    for (int32_t i = 0; i < monitor->GetFieldCount(); ++i)
        EXPECT_EQ(monitor->GetField(i)->GetRow(), monitor->GetFieldContainer()->GetChildAt(i)) << i;
    EXPECT_TRUE(settings->GetAutoSave()) << "auto-save is back on";
    EXPECT_EQ(std::to_wstring(monitor->GetFieldCount()), StoredText(L"MainWindow\\FieldOrder", L"count"));
    EXPECT_EQ(std::wstring(last->GetKey()), StoredText(L"MainWindow\\FieldOrder", L"_0"));
    EXPECT_EQ(std::wstring(beforeLast->GetKey()), StoredText(L"MainWindow\\FieldOrder", L"_1"));
    EXPECT_EQ(std::wstring(L"0"), StoredText(L"MainWindow\\Field", monitor->GetField(2)->GetKey()));

    // Every record unchecked: the first keeps its field shown.
    for (FakeChoiceList::Record& record : order.records)
        record.checked = false;
    window->SendEvent(s::system::gui::dialogs::monitor::kUpdateFieldsByListBox, reinterpret_cast<INT_PTR>(&order), 0, 0);
    EXPECT_EQ(1, monitor->CountEnabledFields());
    EXPECT_TRUE(last->IsEnabled());
    EXPECT_TRUE(order.records[0].checked);
    Choose(command::kRestoreDefaultFields);
}

TEST_F(MonitorCommandsTest, DoubleClickShrinksAndRestoresAndEndsAutoHideAtFullSize)
{
    s::gui::win::Window* window = monitor->GetWindow();
    const int32_t width = window->GetWidth();
    const int32_t height = window->GetHeight();
    SendWindowCode(s::gui::win::kEventDoubleClick);
    EXPECT_TRUE(monitor->IsShrunk());
    EXPECT_EQ(monitor->GetFirstFieldWidth() + 8, window->GetWidth());
    EXPECT_EQ(monitor->GetFirstFieldHeight() + 8, window->GetHeight());
    SendWindowCode(s::gui::win::kEventDoubleClick);
    EXPECT_FALSE(monitor->IsShrunk());
    EXPECT_EQ(width, window->GetWidth());
    EXPECT_EQ(height, window->GetHeight());

    Choose(command::kAutoHide);
    ASSERT_TRUE(monitor->IsAutoHide());
    SendWindowCode(s::gui::win::kEventDoubleClick);
    EXPECT_FALSE(monitor->IsShrunk());
    EXPECT_FALSE(monitor->IsAutoHide());
    EXPECT_FALSE(IsMarked(true, command::kTrayAutoHide));
    EXPECT_EQ(std::wstring(L"0"), StoredText(L"MainWindow\\View", L"AutoHide"));
    EXPECT_EQ(width, window->GetWidth());
    EXPECT_EQ(height, window->GetHeight());

    // Without double-click shrinking the click does nothing.
    Choose(command::kDoubleClickShrinks);
    SendWindowCode(s::gui::win::kEventDoubleClick);
    EXPECT_FALSE(monitor->IsShrunk());
    Choose(command::kDoubleClickShrinks);
}

TEST_F(MonitorCommandsTest, TheSkinMenuIsRebuiltBeforeOpeningAndAChosenSkinPostponesTheChange)
{
    SendWindowCode(s::gui::win::kEventContextMenu);
    s::gui::win::PopupMenu* skins = monitor->GetMenus().GetSkinMenu();
    const int32_t count = static_cast<int32_t>(skinner->GetSkinCount());
    ASSERT_GT(count, 2);
    EXPECT_EQ(count + 4, GetMenuItemCount(skins->GetSafeHmenu()));
    const auto markedAt = [&](int32_t position) {
        return (GetMenuState(skins->GetSafeHmenu(), static_cast<UINT>(position), MF_BYPOSITION) & MF_CHECKED) != 0;
    };
    EXPECT_TRUE(markedAt(4 + skinner->GetCurrentSkinIndex()));
    wchar_t name[128] = {};
    GetMenuStringW(skins->GetSafeHmenu(), command::kSkinBase + 2, name, 128, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(skinner->GetSkinNameAt(2)->GetText()), name);

    settings->SetInt64(L"MainWindow\\View", L"RandomSkinLastChange", 5);
    Choose(command::kSkinBase + 2);
    EXPECT_EQ(2, skinner->GetCurrentSkinIndex());
    EXPECT_TRUE(markedAt(4 + 2));
    EXPECT_FALSE(markedAt(4));
    EXPECT_EQ(std::to_wstring(kNow), StoredText(L"MainWindow\\View", L"RandomSkinLastChange"));

    // The periodic submenu marks the stored choice at the next opening.
    Choose(29296);
    SendWindowCode(s::gui::win::kEventContextMenu);
    EXPECT_EQ(7, monitor->GetPeriodicSkinDays());
    EXPECT_EQ(std::wstring(L"7"), StoredText(L"MainWindow\\View", L"RandomSkinDay"));
    const UINT weekly = GetMenuState(monitor->GetMenus().GetPeriodicSkinMenu()->GetSafeHmenu(), 29296, MF_BYCOMMAND);
    EXPECT_NE(0u, weekly & MF_CHECKED);
    Choose(29290);

    // "Create Skin Images...": every skin is shown in turn for its picture, in a folder on the
    // desktop that is made when missing, and the skin shown before comes back.
    testing_support::RecordingListener told;
    skinner->AddListener(&told);
    ChooseFromMain(command::kCreateSkinImages);
    skinner->RemoveListener(&told);
    EXPECT_EQ(2, skinner->GetCurrentSkinIndex());
    EXPECT_GE(static_cast<int32_t>(told.Count()), count - 1);
    const std::wstring folder = std::wstring(s::system::win::GetCachedSpecialFolder()) + L"\\Zorv Skin Images";
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    EXPECT_NE(0u, attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(MonitorCommandsTest, IconizeAndOpenWindowFromTheTrayMenu)
{
    Choose(command::kIconize);
    EXPECT_TRUE(monitor->GetWindow()->IsIconized());
    Choose(command::kOpenWindow);
    EXPECT_FALSE(monitor->GetWindow()->IsIconized());
    EXPECT_TRUE(monitor->GetWindow()->IsShown());
}

} // namespace
