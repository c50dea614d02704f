// What the monitor does after its start: the window's codes, the commands of the notification-
// area and context menus, and the named events of its dialogs. All on the window's thread.
#include "app/monitor/Monitor.h"

#include <cwchar>
#include <memory>

#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"
#include "app/dialogs/SkinSetChange.h"
#include "app/monitor/FieldOrder.h"
#include "app/monitor/IFieldChoiceList.h"
#include "app/monitor/MenuCommands.h"
#include "app/monitor/MonitorBlock.h"
#include "app/monitor/MonitorSettingKeys.h"
#include "app/monitor/ViewSettingValues.h"
#include "core/str/StrBuffer.h"
#include "skins/Skinner.h"
#include "storage/file/ShellServices.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/IMappedData.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/menu/PopupMenu.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
using counter::MonitorBlock;
namespace toolkit = ::s::gui;

// Shown by default, and shown by default where this machine has the reading.
const wchar_t* const kDefaultFields[] = {
    L"BOTTLENECK",      L"MAIN_VILLAIN",     L"CPU_USAGE_TOTAL", L"CPU_VILLAIN",      L"MEMORY_FREE_BYTES_TOTAL",
    L"DRIVE_FREE_BYTES_0", L"DISK_IO_TOTAL", L"DISK_SEEK_TOTAL", L"DISK_BUSY_TOTAL", L"HDD_VILLAIN",
    L"NETWORK_IO_TOTAL", L"NETWORK_GIP",     L"UPTIME_NORMAL",
};

const wchar_t* KeyOf(void* field)
{
    return static_cast<MonitorBlock*>(field)->GetKey();
}

bool IsFrom(base::IObject* source, base::IObject* object)
{
    return object && source == object;
}

// Moves the entry to the position, the entries between shifting back by one; false when it is
// there already or not in the list.
bool MoveEntry(void** slots, int32_t count, void* entry, int32_t position)
{
    if (position < 0 || position >= count || slots[position] == entry)
        return false;
    for (int32_t from = 0; from < count; ++from) {
        if (slots[from] != entry)
            continue;
        if (from > position) {
            for (int32_t i = from; i > position; --i)
                slots[i] = slots[i - 1];
        } else {
            for (int32_t i = from; i < position; ++i)
                slots[i] = slots[i + 1];
        }
        slots[position] = entry;
        return true;
    }
    return false;
}
} // namespace

void Monitor::OnEvent(base::IObject* source, int32_t code)
{
    if (!window_)
        return;
    base::IObject* window = window_;
    const bool fromWindow = IsFrom(source, window);
    if (fromWindow && code == toolkit::win::kEventClose) {
        OnClose();
    } else if (fromWindow && code == toolkit::win::kEventContextMenu) {
        RebuildSkinMenu();
    } else if (fromWindow && code == toolkit::win::kEventDoubleClick) {
        OnDoubleClick();
    } else if (fromWindow && code == toolkit::win::kEventLanguageChange) {
        OnLanguageChanged();
    } else if (IsFrom(source, menus_.GetMainMenu())) {
        OnMainCommand(menus_.GetMainMenu()->GetSelectedCommand());
    } else if (IsFrom(source, menus_.GetTrayMenu())) {
        OnTrayCommand(menus_.GetTrayMenu()->GetSelectedCommand());
    } else if (fromWindow && code == toolkit::win::kEventUser) {
        OnNamedEvent();
    }
}

void Monitor::OnTrayCommand(int32_t command)
{
    toolkit::win::PopupMenu* tray = menus_.GetTrayMenu();
    switch (command) {
    case command::kOpenWindow:
        if (window_->IsIconized())
            window_->Restore();
        else
            window_->Iconize();
        break;
    case command::kTrayKeepInScreen:
        SetKeepInScreen(!tray->IsChecked(command));
        break;
    case command::kTrayKeepOnTop:
        SetKeepOnTop(!tray->IsChecked(command));
        break;
    case command::kTrayAutoHide:
        SetAutoHide(!tray->IsChecked(command));
        break;
    case command::kTrayExit:
        window_->Close();
        break;
    case command::kTrayAutoHideShrink:
        SetAutoHideStyle(kAutoHideShrink);
        break;
    case command::kTrayAutoHideTransparent:
        SetAutoHideStyle(kAutoHideTransparent);
        break;
    default:
        OnSharedCommand(command);
        break;
    }
}

// The About submenu's commands, in both menus.
bool Monitor::OnSharedCommand(int32_t command)
{
    app::win::AppBase* app = GetApp();
    switch (command) {
    case command::kVersionInformation:
        OpenAbout();
        return true;
    case command::kErrorReport:
        SaveErrorReport();
        return true;
    case command::kSoftwarePage:
        OpenPage(app ? app->GetSoftwarePage() : nullptr);
        return true;
    case command::kTellDevelopers:
        OpenPage(app ? app->GetFeedbackPage() : nullptr);
        return true;
    case command::kSoftwareList:
        OpenPage(app ? app->GetSoftwareListPage() : nullptr);
        return true;
    case command::kWorkplace:
        OpenPage(app ? app->GetWorkplacePage() : nullptr);
        return true;
    default:
        return false;
    }
}

void Monitor::OnMainCommand(int32_t command)
{
    toolkit::win::PopupMenu* main = menus_.GetMainMenu();
    if (command < 0)
        return;
    if (command <= command::kLastLanguage) {
        OnLanguageCommand(command);
    } else if (command == command::kKeepOnTop) {
        SetKeepOnTop(!main->IsChecked(command));
    } else if (command == command::kTaskbarButton) {
        showTaskbarButton_ = !main->IsChecked(command);
        main->SetChecked(command, showTaskbarButton_);
        window_->SetTaskbarButton(showTaskbarButton_);
        StoreBool(key::kGroupView, key::kShowTaskBarButton, showTaskbarButton_);
    } else if (command == command::kWithBrackets) {
        withBracket_ = main->IsChecked(command) ? 0 : 1;
        main->SetChecked(command, withBracket_ != 0);
        StoreBool(key::kGroupView, key::kWithBracket, withBracket_ != 0);
        // Every name composed again.
        OnLanguageChanged();
    } else if (command == command::kKeepInScreen) {
        SetKeepInScreen(!main->IsChecked(command));
    } else if (command == command::kStartWithWindows) {
        OnStartWithWindowsCommand(main);
    } else if (command == command::kTaskScheduler) {
        OpenTaskScheduler();
    } else if (command >= command::kFirstRefresh && command <= command::kLastRefresh) {
        OnRefreshCommand(command);
    } else if (command >= command::kFirstOpacity && command <= command::kLastOpacity) {
        OnTransparencyCommand(command);
    } else if (command == command::kAutoHide) {
        const bool on = !main->IsChecked(command);
        if (on && autoHideStyle_ == kAutoHideTransparent && localizer_)
            window_->ShowInfoMessage(localizer_->GetText(kImportantAutoHideText));
        SetAutoHide(on);
    } else if (command >= command::kFirstAutoHide && command <= command::kLastAutoHide) {
        OnAutoHideCommand(command);
    } else if (command >= command::kFirstSize && command <= command::kLastSize) {
        OnSizeCommand(command);
    } else if (command >= command::kFirstLayout && command <= command::kLastLayout) {
        OnLayoutCommand(command);
    } else if (command >= command::kFirstMouse && command <= command::kLastMouse) {
        OnMouseCommand(command);
    } else if (command >= command::kFirstCellWidth && command <= command::kLastCellWidth) {
        OnCellWidthCommand(command);
    } else if (command >= command::kFirstFont && command <= command::kLastFont) {
        OnFontCommand(command);
    } else if (command >= command::kFirstField && command <= command::kSelectAllFields) {
        window_->ValidateLayout();
        OnFieldCommand(command);
    } else if (OnSharedCommand(command)) {
    } else if (command == command::kIconize) {
        window_->Iconize();
    } else if (command == command::kExit) {
        window_->Close();
    } else if (command >= command::kFirstSkinCommand && command <= command::kCustomizeSkin) {
        OnSkinCommand(command);
    }
}

void Monitor::OnLanguageCommand(int32_t command)
{
    const int32_t packs = localizer_ ? static_cast<int32_t>(localizer_->GetPackCount()) : 0;
    if (command == packs) {
        app::win::AppBase* app = GetApp();
        OpenPage(app ? app->GetTranslationPage() : nullptr);
        return;
    }
    if (command > packs)
        return;
    localizer_->SelectLanguageAt(static_cast<uint32_t>(command));
    lang::LangPack* pack = localizer_->GetCurrentPack();
    // Where the start reads the language from.
    if (settings_ && pack)
        settings_->SetString(key::kGroupLanguage, key::kLanguageName, pack->GetEngName()->GetText());
    menus_.MarkLanguage(command);
}

void Monitor::OnRefreshCommand(int32_t command)
{
    const int32_t position = RefreshPeriodCommandPosition(command);
    if (position < 0)
        return;
    const int32_t period = RefreshPeriods()[position].millis;
    cycle_.SetPeriod(period);
    cycle_.RequestWake();
    menus_.MarkRefreshPeriod(period);
    if (settings_)
        settings_->SetInt32(SectionPath(key::kGroupView).c_str(), key::kRefreshFrequency, period);
}

void Monitor::SetKeepOnTop(bool on)
{
    // The window keeps it in the holder.
    window_->SetTopMost(on);
    if (menus_.GetMainMenu())
        menus_.GetMainMenu()->SetChecked(command::kKeepOnTop, on);
    if (menus_.GetTrayMenu())
        menus_.GetTrayMenu()->SetChecked(command::kTrayKeepOnTop, on);
}

void Monitor::SetKeepInScreen(bool on)
{
    keepInScreen_ = on;
    if (menus_.GetMainMenu())
        menus_.GetMainMenu()->SetChecked(command::kKeepInScreen, on);
    if (menus_.GetTrayMenu())
        menus_.GetTrayMenu()->SetChecked(command::kTrayKeepInScreen, on);
    window_->SetKeepInsideScreen(on);
    StoreBool(key::kGroupView, key::kKeepInScreen, on);
}

app::win::AppBase* Monitor::GetApp()
{
    return holder_ ? holder_->GetApp() : nullptr;
}

app::win::AppWindow* Monitor::NewDialogHolder(const app::win::AppWindowDefaults& defaults,
                                              toolkit::drawer::Skinner* skinner)
{
    app::win::AppBase* app = GetApp();
    if (!app)
        return nullptr;
    app::win::AppWindow* holder = app::win::AppWindow::New();
    if (holder && !app::win::AppWindow::Create(holder, app, defaults.name, app->GetSoftwareType(), defaults.width,
                                               defaults.height, defaults.keepOnTop, defaults.middleClickAction,
                                               skinner, defaults.defaultSkinName, defaults.skinSetType,
                                               defaults.skinSetId))
        GiveBack(holder);
    return holder;
}

void Monitor::OpenPage(const wchar_t* page)
{
    if (page && page[0])
        system::win::ShellOpen(page);
}

void Monitor::SwitchField(MonitorBlock* field, bool on)
{
    field->SetEnabled(on);
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        if (GetField(i) == field && menus_.GetFieldsMenu())
            menus_.GetFieldsMenu()->SetChecked(command::kFieldBase + i, on);
    }
    StoreBool(key::kGroupField, field->GetKey(), on);
}

void Monitor::OnFieldCommand(int32_t command)
{
    switch (command) {
    case command::kSelectAllFields:
        for (int32_t i = 0; i < GetFieldCount(); ++i) {
            if (!GetField(i)->IsEnabled())
                SwitchField(GetField(i), true);
        }
        break;
    case command::kDeselectAllFields:
        // One field always stays.
        for (int32_t i = 0; i < GetFieldCount(); ++i) {
            if (GetField(i)->IsEnabled() != (i == 0))
                SwitchField(GetField(i), i == 0);
        }
        break;
    case command::kRestoreDefaultFields:
        for (int32_t i = 0; i < GetFieldCount(); ++i) {
            const bool shown = IsDefaultField(GetField(i));
            if (GetField(i)->IsEnabled() != shown)
                SwitchField(GetField(i), shown);
        }
        break;
    case command::kCustomizeFields:
        OpenCustomizer();
        return;
    default: {
        MonitorBlock* field = GetField(command - command::kFieldBase);
        if (!field || !menus_.GetFieldsMenu())
            return;
        SwitchField(field, !menus_.GetFieldsMenu()->IsChecked(command));
        break;
    }
    }
    RelayoutFields();
    ApplyLayout(true);
}

bool Monitor::IsDefaultField(MonitorBlock* field)
{
    const wchar_t* key = field ? field->GetKey() : nullptr;
    if (!key)
        return false;
    for (const wchar_t* candidate : kDefaultFields) {
        if (std::wcscmp(candidate, key) == 0)
            return true;
    }
    struct Available {
        const wchar_t* key;
        bool readable;
    };
    const Available available[] = {
        {L"CPU_TEMP_C_TOTAL", catalogue_.cpuTemperatureReadable}, {L"GPU_USAGE_TOTAL", catalogue_.gpuUsageReadable},
        {L"GPU_TEMP_C_1", catalogue_.gpuTemperatureReadable},     {L"HDD_TEMP_C_0", catalogue_.diskTemperatureReadable},
        {L"BATTERY_LEFT_TOTAL", catalogue_.onBattery},
    };
    for (const Available& entry : available) {
        if (std::wcscmp(entry.key, key) == 0)
            return entry.readable;
    }
    return false;
}

void Monitor::RebuildFieldMenu()
{
    const int32_t count = GetFieldCount();
    menuNames_.resize(static_cast<size_t>(count));
    std::unique_ptr<bool[]> shown(new bool[static_cast<size_t>(count) + 1]);
    for (int32_t i = 0; i < count; ++i) {
        menuNames_[static_cast<size_t>(i)] = GetField(i)->GetShownLabel();
        shown[static_cast<size_t>(i)] = GetField(i)->IsEnabled();
    }
    menus_.RebuildFieldMenu(menuNames_.data(), shown.get(), count);
}

// The window leaves it; nothing here keeps it open.
void Monitor::OnClose()
{
    CloseCustomizer();
    CloseSkinCustomizer();
    Unshrink();
    cycle_.SetClosing(true);
    StoreEditedSkinSet();
}

void Monitor::OnDoubleClick()
{
    if (!doubleClickShrinks_)
        return;
    if (shrunk_) {
        Unshrink();
        return;
    }
    const bool autoHide = autoHide_;
    Shrink();
    // With auto-hide on, the click ends at full size with auto-hide off.
    if (autoHide)
        Unshrink();
}

void Monitor::OnLanguageChanged()
{
    catalogue_.RefillDateNames(localizer_);
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        GetField(i)->RefreshLabel();
    RebuildFieldMenu();
    LayoutWindow(2);
    if (container_ && container_->GetLayoutKind() == toolkit::IBox::kFlow)
        window_->ShrinkHeightToMinimum();
    else
        window_->ShrinkToMinimumSize();
}

void Monitor::OnNamedEvent()
{
    const INT_PTR name = window_->GetEventData();
    if (kProcessStatusUpdate.Is(name)) {
        ProcessStatusUpdate();
    } else if (kUpdateFieldsByListBox.Is(name)) {
        UpdateFieldsByList(reinterpret_cast<IFieldChoiceList*>(window_->GetEventArg1()));
    } else if (kLoadDefaultSelection.Is(name)) {
        LoadDefaultSelection(reinterpret_cast<IFieldChoiceList*>(window_->GetEventArg1()));
    } else if (kUpdateSkinColors.Is(name)) {
        if (skinner_)
            skinner_->NotifyListeners();
    } else if (kSaveSkinColors.Is(name)) {
        StoreSkinSet();
    } else if (toolkit::dialogs::kChangeSkinSet.Is(name)) {
        if (auto* change = reinterpret_cast<toolkit::dialogs::ISkinSetChange*>(window_->GetEventArg1()))
            change->Run();
    }
}

// The customizer's arrangement: its records in order, each field at its record's place and shown
// as checked. Records naming no known field are skipped.
void Monitor::UpdateFieldsByList(IFieldChoiceList* list)
{
    if (!list || !container_)
        return;
    window_->ValidateLayout();
    bool orderChanged = false;
    int32_t firstRecord = -1;
    bool anyChecked = false;
    int32_t position = 0;
    for (int32_t record = 0; record < list->GetRecordCount(); ++record) {
        MonitorBlock* field = list->GetFieldAt(record);
        if (!field || !GetField(0))
            continue;
        col::_array::ArrayP* rows = container_->GetChildren();
        if (rows && MoveEntry(rows->GetSlots(), static_cast<int32_t>(rows->GetCount()), field->GetRow(), position))
            orderChanged = true;
        if (MoveEntry(displayOrder_.GetSlots(), GetFieldCount(), field, position))
            orderChanged = true;
        ++position;
        if (firstRecord < 0)
            firstRecord = record;
        const bool checked = list->IsCheckedAt(record);
        anyChecked = anyChecked || checked;
        if (checked != field->IsEnabled())
            SwitchField(field, checked);
    }
    if (!anyChecked && firstRecord >= 0) {
        list->SetCheckedAt(firstRecord, true);
        SwitchField(list->GetFieldAt(firstRecord), true);
    }
    if (orderChanged)
        counter::StoreFieldOrder(settings_, SectionPath(key::kGroupFieldOrder).c_str(), displayOrder_.GetSlots(),
                                 GetFieldCount(), KeyOf);
    RebuildFieldMenu();
    RelayoutFields();
    ApplyLayout(true);
}

void Monitor::LoadDefaultSelection(IFieldChoiceList* list)
{
    if (!list)
        return;
    for (int32_t record = 0; record < list->GetRecordCount(); ++record) {
        if (MonitorBlock* field = list->GetFieldAt(record))
            list->SetCheckedAt(record, IsDefaultField(field));
    }
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
