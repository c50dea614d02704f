// The field customizer over the running monitor on the virtual display: the owner disabled while
// it is open, every kind of edit and Apply, Cancel and OK, the catalogue order and the default
// selection, what Apply does to the monitor and its settings file, the language of the column,
// a dialog without fields, and the monitor's close and refresh.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "HolderApp.h"
#include "MonitorSupport.h"
#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"
#include "app/dialogs/Customizer.h"
#include "app/monitor/MenuCommands.h"
#include "app/monitor/Monitor.h"
#include "app/monitor/MonitorBlock.h"
#include "core/col/ArrayP.h"
#include "lists/AsyncKeys.h"
#include "lists/IListBox2.h"
#include "lists/ListBox2.h"
#include "lists/ListBox2Event.h"
#include "lists/ListHeader.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"
#include "skins/Skinner.h"
#include "skins/drawer/IListBox.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/XmlMappedData.h"
#include "support/BoxRecorder.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/Messages.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/menu/PopupMenu.h"
#include "windowing/widgets/Button.h"

using s::gui::listbox2::Record;
using s::system::counter::MonitorBlock;
using s::system::gui::dialogs::monitor::Customizer;
using s::system::gui::dialogs::monitor::Monitor;
namespace command = s::system::gui::dialogs::monitor::command;
using monitor_testing::OnWindowThread;
using testing_support::WaitUntil;

namespace {

const wchar_t kSettingsName[] = L"pulsegrid-customizer-test.xml";
const wchar_t kClosingSettingsName[] = L"pulsegrid-customizer-close-test.xml";
const DWORD kBoundMillis = 10000;
const int32_t kChecked = 2;
const int32_t kClear = 1;

// The left button held while a drag says so.
std::atomic<bool> leftHeld(false);
SHORT HeldKeys(int key)
{
    return key == VK_LBUTTON && leftHeld.load() ? static_cast<SHORT>(0x8000) : 0;
}

class CustomizerTest : public monitor_testing::RunningMonitorTest {
protected:
    static void SetUpTestSuite()
    {
        PrepareMonitor(kSettingsName, true);
        StartMonitor();
    }
    static void TearDownTestSuite() { StopMonitor(); }
    void TearDown() override
    {
        leftHeld = false;
        s::gui::win::SetAsyncKeyReader(nullptr);
        if (Dialog() && !Dialog()->GetWindow()->IsClosed())
            Dialog()->GetWindow()->Close();
        Refresh();
        EnableWindow(Frame(), TRUE);
        EXPECT_TRUE(testing_support::BoxRecorder::Take().empty()) << "no box shown";
    }

    static Customizer* Dialog() { return monitor->GetCustomizer(); }
    static s::gui::IListBox2* List() { return Dialog()->GetList(); }
    static HWND ListNative() { return s::gui::win::NativeWindowOf(List()); }
    // One refresh of the monitor, on its thread, as the worker asks for it.
    static void Refresh()
    {
        OnWindowThread(monitor->GetWindow(), [] { monitor->ProcessStatusUpdate(); });
    }

    // "Customize..." from the menu, and the dialog shown.
    static Customizer* Open()
    {
        Choose(command::kCustomizeFields);
        Customizer* dialog = Dialog();
        if (!dialog || !dialog->GetWindow())
            return nullptr;
        HWND frame = dialog->GetWindow()->GetSafeHwnd();
        if (!WaitUntil([&] { return IsWindowVisible(frame) != FALSE; }, kBoundMillis))
            return nullptr;
        return dialog;
    }
    // A click on the button; false when the dialog's thread does not answer within the bound.
    static bool Click(s::gui::win::Button* button)
    {
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(s::gui::win::NativeWindowOf(button), BM_CLICK, 0, 0, SMTO_NORMAL, kBoundMillis,
                                   &result) != 0;
    }
    static bool IsOn(s::gui::win::Button* button) { return button->IsEnabled(); }
    static bool MonitorEnabled() { return IsWindowEnabled(Frame()) != FALSE; }

    static MonitorBlock* FieldOfRow(uint32_t row)
    {
        Record* record = List()->GetRowAt(row);
        return record ? static_cast<MonitorBlock*>(record->userData) : nullptr;
    }
    static int32_t CheckOfRow(uint32_t row) { return List()->GetRowAt(row)->GetCell(0)->checkState; }
    static std::vector<MonitorBlock*> RowFields()
    {
        std::vector<MonitorBlock*> fields;
        for (uint32_t i = 0; i < List()->GetRowCount(); ++i)
            fields.push_back(FieldOfRow(i));
        return fields;
    }
    static std::vector<MonitorBlock*> MonitorOrder()
    {
        std::vector<MonitorBlock*> fields;
        for (int32_t i = 0; i < monitor->GetFieldCount(); ++i)
            fields.push_back(monitor->GetField(i));
        return fields;
    }
    static std::vector<bool> MonitorShown()
    {
        std::vector<bool> shown;
        for (int32_t i = 0; i < monitor->GetFieldCount(); ++i)
            shown.push_back(monitor->GetField(i)->IsEnabled());
        return shown;
    }

    // Selects the row alone, as a click on it does.
    static void SelectOnly(int32_t row)
    {
        LVITEMW none = {};
        none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(ListNative(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(ListNative(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    static RECT RowRect(int32_t row)
    {
        RECT rect = {LVIR_BOUNDS, 0, 0, 0};
        SendMessageW(ListNative(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    // A click on the row's check box, found through the drawer's own hit test.
    static bool ClickCheckBox(int32_t row)
    {
        const RECT cell = RowRect(row);
        s::gui::win::ListBox2* list = dynamic_cast<s::gui::win::ListBox2*>(List());
        s::gui::drawer::IListBox* drawer = list ? list->GetDrawer() : nullptr;
        if (!drawer)
            return false;
        const int32_t y = (cell.bottom - cell.top) / 2;
        for (int32_t x = 0; x < 60; ++x) {
            if (!drawer->HitCheckBox(x, y, 0, 0))
                continue;
            const LPARAM at = MAKELPARAM(cell.left + x, cell.top + y);
            SendMessageW(ListNative(), WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(ListNative(), WM_LBUTTONUP, 0, at);
            return true;
        }
        return false;
    }
    // A double click on the row's name, away from its check box.
    static void DoubleClickRow(int32_t row)
    {
        const RECT cell = RowRect(row);
        SendMessageW(ListNative(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                     MAKELPARAM(cell.left + 120, (cell.top + cell.bottom) / 2));
    }
    // The row dragged with the held button onto the lower half of the target row.
    static void DragRow(int32_t from, int32_t onto)
    {
        s::gui::win::SetAsyncKeyReader(&HeldKeys);
        SelectOnly(from);
        const RECT start = RowRect(from);
        POINT screen = {start.left + 120, (start.top + start.bottom) / 2};
        ClientToScreen(ListNative(), &screen);
        MoveCursor(screen);
        leftHeld = true;
        NMLISTVIEW begin = {};
        begin.hdr.hwndFrom = ListNative();
        begin.hdr.code = LVN_BEGINDRAG;
        begin.iItem = from;
        SendMessageW(ListNative(), s::gui::msg::kReflectBeginDrag, 0, reinterpret_cast<LPARAM>(&begin));
        const RECT target = RowRect(onto);
        POINT drop = {target.left + 120, target.bottom - 2};
        const POINT client = drop;
        ClientToScreen(ListNative(), &drop);
        MoveCursor(drop);
        SendMessageW(ListNative(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
        leftHeld = false;
        SendMessageW(ListNative(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    }
    // The cursor where the drag reads it, once the system reports it there.
    static void MoveCursor(POINT screen)
    {
        SetCursorPos(screen.x, screen.y);
        WaitUntil(
            [&] {
                POINT now = {};
                return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
            },
            kBoundMillis);
    }
    static std::wstring ColumnCaption()
    {
        wchar_t text[128] = {};
        HDITEMW item = {};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(List()->GetHeader()->GetControl(), HDM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return text;
    }
};

TEST_F(CustomizerTest, OpeningDisablesTheMonitorAndEveryWayOfClosingEnablesItAndTheRefreshGivesItBack)
{
    struct Way {
        const char* name;
        std::function<void(Customizer*)> close;
    };
    const std::vector<Way> ways = {
        {"Cancel", [](Customizer* dialog) { Click(dialog->GetCancelButton()); }},
        {"OK", [](Customizer* dialog) { Click(dialog->GetOkButton()); }},
        {"close box",
         [](Customizer* dialog) { SendMessageW(dialog->GetWindow()->GetSafeHwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    bool first = true;
    for (const Way& way : ways) {
        Customizer* dialog = Open();
        ASSERT_NE(nullptr, dialog) << way.name;
        HWND frame = dialog->GetWindow()->GetSafeHwnd();
        EXPECT_FALSE(MonitorEnabled()) << way.name;
        // One row per field in the monitor's order, each checked as the field shows.
        ASSERT_EQ(MonitorOrder(), RowFields()) << way.name;
        for (int32_t i = 0; i < monitor->GetFieldCount(); ++i) {
            EXPECT_EQ(monitor->GetField(i)->IsEnabled() ? kChecked : kClear, CheckOfRow(static_cast<uint32_t>(i)));
            EXPECT_STREQ(monitor->GetField(i)->GetShownLabel(),
                         List()->GetRowAt(static_cast<uint32_t>(i))->GetCell(0)->GetDisplayText()->GetText());
        }
        EXPECT_FALSE(IsOn(dialog->GetUpButton()));
        EXPECT_FALSE(IsOn(dialog->GetDownButton()));
        EXPECT_FALSE(IsOn(dialog->GetApplyButton()));
        EXPECT_TRUE(IsOn(dialog->GetOrderButton()));
        EXPECT_TRUE(IsOn(dialog->GetSelectionButton()));
        EXPECT_TRUE(IsOn(dialog->GetOkButton()));
        if (first) {
            first = false;
            // Inside the screen, over the monitor.
            RECT place = {};
            GetWindowRect(frame, &place);
            EXPECT_GE(place.left, 0);
            EXPECT_GE(place.top, 0);
            EXPECT_LE(place.right, GetSystemMetrics(SM_CXVIRTUALSCREEN));
            EXPECT_LE(place.bottom, GetSystemMetrics(SM_CYVIRTUALSCREEN));
            SelectOnly(1);
            Sleep(1000);
            testing_support::ScreenImage screen;
            ASSERT_TRUE(testing_support::CaptureScreen(&screen));
            testing_support::SaveScreenshot(screen, L"CustomizerOverMonitor");
        }
        way.close(dialog);
        EXPECT_TRUE(WaitUntil([] { return MonitorEnabled(); }, kBoundMillis)) << way.name;
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(frame) == FALSE; }, kBoundMillis)) << way.name;
        EXPECT_EQ(dialog, Dialog()) << "kept until the next refresh";
        Refresh();
        EXPECT_EQ(nullptr, Dialog()) << way.name << ": a closed dialog goes back with the refresh";
    }
}

TEST_F(CustomizerTest, EachKindOfEditEnablesApplyAndApplyDisablesIt)
{
    struct Edit {
        const char* name;
        std::function<void(Customizer*)> run;
    };
    const std::vector<Edit> edits = {
        {"tick", [](Customizer*) { EXPECT_TRUE(ClickCheckBox(2)); }},
        {"double click",
         [](Customizer*) {
             SelectOnly(3);
             const int32_t before = CheckOfRow(3);
             DoubleClickRow(3);
             EXPECT_NE(before, CheckOfRow(3));
         }},
        {"Up",
         [](Customizer* dialog) {
             SelectOnly(2);
             Click(dialog->GetUpButton());
         }},
        {"Down",
         [](Customizer* dialog) {
             SelectOnly(2);
             Click(dialog->GetDownButton());
         }},
        {"drag",
         [](Customizer*) {
             MonitorBlock* moved = FieldOfRow(0);
             DragRow(0, 2);
             EXPECT_EQ(moved, FieldOfRow(2));
         }},
        {"Order", [](Customizer* dialog) { Click(dialog->GetOrderButton()); }},
        {"Selection", [](Customizer* dialog) { Click(dialog->GetSelectionButton()); }},
    };
    Customizer* dialog = Open();
    ASSERT_NE(nullptr, dialog);
    // Selecting alone is no edit, and lets the rows move.
    SelectOnly(1);
    EXPECT_TRUE(IsOn(dialog->GetUpButton()));
    EXPECT_TRUE(IsOn(dialog->GetDownButton()));
    EXPECT_FALSE(IsOn(dialog->GetApplyButton()));
    for (const Edit& edit : edits) {
        ASSERT_FALSE(IsOn(dialog->GetApplyButton())) << edit.name;
        edit.run(dialog);
        EXPECT_TRUE(IsOn(dialog->GetApplyButton())) << edit.name;
        ASSERT_TRUE(Click(dialog->GetApplyButton())) << edit.name;
        EXPECT_FALSE(IsOn(dialog->GetApplyButton())) << edit.name;
        // The monitor took the list as it stands.
        EXPECT_EQ(RowFields(), MonitorOrder()) << edit.name;
    }
    EXPECT_FALSE(MonitorEnabled()) << "Apply leaves the dialog open";

    // Up on the top row and Down on the bottom row stay enabled and leave the order.
    const std::vector<MonitorBlock*> before = RowFields();
    SelectOnly(0);
    Click(dialog->GetUpButton());
    EXPECT_TRUE(IsOn(dialog->GetUpButton()));
    SelectOnly(static_cast<int32_t>(List()->GetRowCount()) - 1);
    Click(dialog->GetDownButton());
    EXPECT_TRUE(IsOn(dialog->GetDownButton()));
    EXPECT_EQ(before, RowFields());
    // A row moves with its check, and only in the list until Apply.
    const int32_t check = CheckOfRow(1);
    SelectOnly(1);
    Click(dialog->GetUpButton());
    EXPECT_EQ(before[1], FieldOfRow(0));
    EXPECT_EQ(check, CheckOfRow(0));
    EXPECT_EQ(before, MonitorOrder());
    Click(dialog->GetCancelButton());
    Choose(command::kRestoreDefaultFields);
}

TEST_F(CustomizerTest, CancelAndAnOkWithoutChangesSendNothing)
{
    const std::vector<MonitorBlock*> order = MonitorOrder();
    const std::vector<bool> shown = MonitorShown();
    const std::string stored = StoredBytes();
    Customizer* dialog = Open();
    ASSERT_NE(nullptr, dialog);
    SelectOnly(1);
    Click(dialog->GetUpButton());
    ASSERT_TRUE(ClickCheckBox(0));
    Click(dialog->GetCancelButton());
    ASSERT_TRUE(WaitUntil([] { return MonitorEnabled(); }, kBoundMillis));
    EXPECT_EQ(order, MonitorOrder());
    EXPECT_EQ(shown, MonitorShown());
    EXPECT_EQ(stored, StoredBytes());

    // Opened again, the dialog shows the monitor's unchanged order and checks; OK sends nothing.
    dialog = Open();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(order, RowFields());
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i] ? kChecked : kClear, CheckOfRow(static_cast<uint32_t>(i))) << i;
    Click(dialog->GetOkButton());
    ASSERT_TRUE(WaitUntil([] { return MonitorEnabled(); }, kBoundMillis));
    EXPECT_EQ(order, MonitorOrder());
    EXPECT_EQ(stored, StoredBytes());
}

TEST_F(CustomizerTest, OrderRestoresTheCatalogueOrderKeepingEveryCheck)
{
    Customizer* dialog = Open();
    ASSERT_NE(nullptr, dialog);
    // The first rows pushed down, two of them with their checks changed.
    for (int32_t step = 0; step < 3; ++step) {
        SelectOnly(0);
        Click(dialog->GetDownButton());
        SelectOnly(1);
        Click(dialog->GetDownButton());
    }
    ASSERT_TRUE(ClickCheckBox(0));
    ASSERT_TRUE(ClickCheckBox(3));
    std::vector<std::pair<MonitorBlock*, int32_t>> checks;
    for (uint32_t i = 0; i < List()->GetRowCount(); ++i)
        checks.push_back({FieldOfRow(i), CheckOfRow(i)});
    Click(dialog->GetApplyButton());
    Click(dialog->GetOrderButton());
    EXPECT_TRUE(IsOn(dialog->GetApplyButton()));
    ASSERT_EQ(static_cast<uint32_t>(monitor->GetFieldCount()), List()->GetRowCount());
    for (uint32_t i = 0; i < List()->GetRowCount(); ++i) {
        EXPECT_EQ(monitor->GetCreatedField(static_cast<int32_t>(i)), FieldOfRow(i)) << i;
        for (const auto& check : checks) {
            if (check.first == FieldOfRow(i)) {
                EXPECT_EQ(check.second, CheckOfRow(i)) << i;
            }
        }
    }
    Click(dialog->GetOkButton());
    ASSERT_TRUE(WaitUntil([] { return MonitorEnabled(); }, kBoundMillis));
    for (int32_t i = 0; i < monitor->GetFieldCount(); ++i)
        EXPECT_EQ(monitor->GetCreatedField(i), monitor->GetField(i)) << i;
    Choose(command::kRestoreDefaultFields);
}

// The monitor marks the rows through the list, whose thread waits in its send meanwhile.
TEST_F(CustomizerTest, SelectionTicksTheDefaultFieldsInTheListOnly)
{
    Choose(command::kSelectAllFields);
    const std::vector<bool> shown = MonitorShown();
    Customizer* dialog = Open();
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(Click(dialog->GetSelectionButton())) << "the dialog's thread answers";
    for (uint32_t i = 0; i < List()->GetRowCount(); ++i)
        EXPECT_EQ(monitor->IsDefaultField(FieldOfRow(i)) ? kChecked : kClear, CheckOfRow(i)) << FieldOfRow(i)->GetKey();
    EXPECT_EQ(shown, MonitorShown()) << "the monitor changes only at Apply";
    EXPECT_TRUE(IsOn(dialog->GetApplyButton()));
    Click(dialog->GetOkButton());
    ASSERT_TRUE(WaitUntil([] { return MonitorEnabled(); }, kBoundMillis));
    for (int32_t i = 0; i < monitor->GetFieldCount(); ++i)
        EXPECT_EQ(monitor->IsDefaultField(monitor->GetField(i)), monitor->GetField(i)->IsEnabled()) << i;
}

TEST_F(CustomizerTest, ApplyReordersTheRowsAndTheFieldsMenuStoresFieldsAndOrderAndKeepsOneField)
{
    Choose(command::kRestoreDefaultFields);
    Customizer* dialog = Open();
    ASSERT_NE(nullptr, dialog);
    // The third row to the top and checked; another row's check flipped.
    MonitorBlock* moved = FieldOfRow(2);
    SelectOnly(2);
    Click(dialog->GetUpButton());
    Click(dialog->GetUpButton());
    ASSERT_EQ(moved, FieldOfRow(0));
    if (CheckOfRow(0) == kClear) {
        ASSERT_TRUE(ClickCheckBox(0));
    }
    // A row the list shows, as a click needs it.
    const uint32_t flippedRow = 4;
    MonitorBlock* flipped = FieldOfRow(flippedRow);
    const bool wasShown = flipped->IsEnabled();
    ASSERT_TRUE(ClickCheckBox(static_cast<int32_t>(flippedRow)));
    ASSERT_TRUE(Click(dialog->GetApplyButton()));

    EXPECT_EQ(moved, monitor->GetField(0));
    EXPECT_TRUE(moved->IsEnabled());
    EXPECT_EQ(!wasShown, flipped->IsEnabled());
    EXPECT_EQ(moved->GetRow(), monitor->GetFieldContainer()->GetChildAt(0));
    wchar_t item[256] = {};
    GetMenuStringW(monitor->GetMenus().GetFieldsMenu()->GetSafeHmenu(), command::kFieldBase, item, 256, MF_BYCOMMAND);
    EXPECT_STREQ(moved->GetShownLabel(), item) << "the fields menu follows the order";
    EXPECT_EQ(std::to_wstring(monitor->GetFieldCount()), StoredText(L"MainWindow\\FieldOrder", L"count"));
    for (int32_t i = 0; i < monitor->GetFieldCount(); ++i) {
        const std::wstring key = L"_" + std::to_wstring(i);
        EXPECT_EQ(std::wstring(monitor->GetField(i)->GetKey()), StoredText(L"MainWindow\\FieldOrder", key.c_str()));
    }
    EXPECT_EQ(std::wstring(L"1"), StoredText(L"MainWindow\\Field", moved->GetKey()));
    EXPECT_EQ(std::wstring(wasShown ? L"0" : L"1"), StoredText(L"MainWindow\\Field", flipped->GetKey()));
    EXPECT_TRUE(settings->GetAutoSave());

    // Every row cleared: the first keeps its field shown, and the list shows it checked.
    OnWindowThread(dialog->GetWindow(), [] {
        for (uint32_t i = 0; i < List()->GetRowCount(); ++i) {
            Record* record = List()->GetRowAt(i);
            List()->SetCellCheckState(record, record->id, 0, kClear, true);
        }
    });
    ASSERT_TRUE(Click(dialog->GetApplyButton()));
    EXPECT_EQ(1, monitor->CountEnabledFields());
    EXPECT_TRUE(moved->IsEnabled());
    EXPECT_EQ(kChecked, CheckOfRow(0));
    Click(dialog->GetCancelButton());
    Choose(command::kRestoreDefaultFields);
}

TEST_F(CustomizerTest, TheColumnCaptionFollowsTheLanguage)
{
    Customizer* dialog = Open();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(L"Fields", ColumnCaption());
    OnWindowThread(monitor->GetWindow(), [] { localizer->SelectLanguage(L"German"); });
    const std::wstring german = localizer->GetText(Customizer::kFieldsColumnText);
    EXPECT_NE(L"Fields", german);
    EXPECT_TRUE(WaitUntil([&] { return ColumnCaption() == german; }, kBoundMillis)) << ColumnCaption();
    OnWindowThread(monitor->GetWindow(), [] { localizer->SelectLanguage(L"English"); });
    EXPECT_TRUE(WaitUntil([&] { return ColumnCaption() == L"Fields"; }, kBoundMillis));
}

// Without fields the dialog is empty and its buttons do nothing visible; it still frees the owner.
TEST_F(CustomizerTest, ADialogWithoutFieldsIsEmptyAndQuiet)
{
    s::col::_array::ArrayP none;
    for (s::col::_array::ArrayP* fields : {static_cast<s::col::_array::ArrayP*>(nullptr), &none}) {
        const std::vector<MonitorBlock*> order = MonitorOrder();
        const std::string stored = StoredBytes();
        Customizer* dialog = Customizer::New();
        dialog->SetLocalizer(localizer);
        dialog->SetFields(fields, fields);
        OnWindowThread(monitor->GetWindow(), [dialog] { dialog->Show(monitor->GetWindow()); });
        ASSERT_NE(nullptr, dialog->GetWindow());
        EXPECT_EQ(0u, dialog->GetList()->GetRowCount());
        EXPECT_FALSE(MonitorEnabled());
        Click(dialog->GetOrderButton());
        Click(dialog->GetSelectionButton());
        Click(dialog->GetApplyButton());
        DWORD_PTR result = 0;
        SendMessageTimeoutW(dialog->GetWindow()->GetSafeHwnd(), WM_LBUTTONDBLCLK, 0, 0, SMTO_NORMAL, kBoundMillis,
                            &result);
        Click(dialog->GetOkButton());
        EXPECT_TRUE(WaitUntil([] { return MonitorEnabled(); }, kBoundMillis));
        EXPECT_EQ(order, MonitorOrder());
        EXPECT_EQ(stored, StoredBytes());
        dialog->ReleaseToPool();
    }
}

// A monitor of its own on the program's holders: the dialog gets a "CustomizerWindow" holder of
// its own without skins, and the monitor's close takes the open dialog with it.
TEST_F(CustomizerTest, OnTheProgramsHoldersTheMonitorsCloseClosesTheDialog)
{
    s::xml::MappedData* own = monitor_testing::OpenStillSettings(kClosingSettingsName);
    monitor_testing::HolderApp app(localizer, own);
    s::app::win::AppWindow* main =
        s::app::win::CreateAppWindow(&app, s::app::win::kMainWindowDefaults, monitor_testing::NewProgramSkinner());
    ASSERT_NE(nullptr, main);
    Monitor* closing = Monitor::New();
    closing->SetAppWindow(main);
    closing->Init();
    ASSERT_NE(nullptr, closing->GetWindow());
    HWND frame = closing->GetWindow()->GetSafeHwnd();
    SendMessageW(frame, WM_COMMAND, command::kCustomizeFields, 0);
    ASSERT_NE(nullptr, closing->GetCustomizer());
    s::gui::win::Window* dialog = closing->GetCustomizer()->GetWindow();
    ASSERT_NE(nullptr, dialog);
    s::app::win::AppWindow* holder = dynamic_cast<s::app::win::AppWindow*>(dialog->GetAppWindow());
    ASSERT_NE(nullptr, holder);
    EXPECT_STREQ(L"CustomizerWindow", holder->GetName());
    EXPECT_FALSE(dialog->HasSkinner()) << "the system's colours";
    EXPECT_EQ(closing->GetField(0), static_cast<MonitorBlock*>(closing->GetCustomizer()->GetList()->GetRowAt(0)->userData));
    RECT place = {};
    GetWindowRect(dialog->GetSafeHwnd(), &place);
    EXPECT_EQ(320, place.right - place.left);
    EXPECT_EQ(450, place.bottom - place.top);
    EXPECT_FALSE(IsWindowEnabled(frame));

    closing->GetWindow()->Close();
    EXPECT_TRUE(WaitUntil([&] { return closing->GetWindow()->IsClosed(); }, kBoundMillis));
    EXPECT_TRUE(dialog->IsClosed());
    closing->ReleaseToPool();
    main->ReleaseToPool();
    // The second monitor's counter set-up may report the locale once: not this test's matter.
    testing_support::BoxRecorder::Take();
    own->ReleaseToPool();
    DeleteFileW(monitor_testing::TempSettingsPath(kClosingSettingsName).c_str());
}

} // namespace
