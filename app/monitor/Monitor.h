#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/monitor/FieldCatalogue.h"
#include "app/monitor/IFieldRow.h"
#include "app/monitor/MonitorMenus.h"
#include "app/monitor/RefreshCycle.h"
#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ITask.h"
#include "storage/events/IEventListener.h"
#include "windowing/NamedEvent.h"

namespace s {
namespace app {
namespace win {
class AppBase;
class AppWindow;
struct AppWindowDefaults;
} // namespace win
} // namespace app
namespace lang {
class Localizer;
}
namespace map {
class IMappedData;
}
namespace gui {
class IPopupMenu;
namespace drawer {
class Skinner;
}
namespace win {
class Box;
class Window;
} // namespace win
namespace dialogs {
class About3;
class SkinCustomizer;
} // namespace dialogs
} // namespace gui
namespace thread {
namespace win {
class Thread;
}
} // namespace thread

namespace system {
namespace counter {
class MonitorBlock;
}

namespace gui {
namespace dialogs {
namespace monitor {

class Customizer;
class IFieldChoiceList;

// The event the worker sends the window on every refresh.
extern const ::s::gui::win::NamedEvent kProcessStatusUpdate;
// The events of the field customizer (first argument its IFieldChoiceList) and of the skin
// colour editor (no arguments).
extern const ::s::gui::win::NamedEvent kUpdateFieldsByListBox;
extern const ::s::gui::win::NamedEvent kLoadDefaultSelection;
extern const ::s::gui::win::NamedEvent kUpdateSkinColors;
extern const ::s::gui::win::NamedEvent kSaveSkinColors;

// The gadget itself: the monitor window with a row per field, refreshed by a worker that only
// keeps time. Start-up gives it the main window's settings holder, calls Init, waits until the
// window is closed and gives the controller back to its pool.
class Monitor : public ::s::gui::events::IEventListener,
                public base::IObject,
                public thread::IPoolable,
                public thread::ITask,
                private ::s::gui::dialogs::monitor::IRefreshTarget {
public:
    static constexpr const wchar_t* kClassName = L"s_system_gui_dialogs_monitor_Monitor";
    static const int32_t kPoolCapacity = 1000;
    // How long a release waits for the worker to leave its wait before ending it.
    static const int32_t kWorkerReleaseMillis = 3000;

    Monitor();
    ~Monitor() override;

    static thread::EasyPooler* GetPool();
    static Monitor* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // The main window's holder and what start-up asks it for: its language packs, the
    // application's settings store and the skin manager.
    void SetAppWindow(app::win::AppWindow* holder);
    // The same services without a holder (its sections are then "MainWindow\\<group>").
    void SetServices(lang::Localizer* localizer, map::IMappedData* settings, ::s::gui::drawer::Skinner* skinner);
    // Makes the window with its rows, lays it out, starts the worker and shows the window.
    void Init();
    // The window's codes (close, context menu, double click, language, named events) and the
    // commands of the tray and context menus; on the window's thread.
    void OnEvent(base::IObject* source, int32_t code) override;
    // The worker's loop (ITask), until the closing flag is set.
    void Run() override;

    // One refresh on the window's thread: every enabled field read and painted, the container
    // kept inside the window, the working set trimmed on its schedule.
    void ProcessStatusUpdate();

    // Lays the rows out in the current form; with force also when the container already has
    // the alignment's kind.
    void ApplyLayout(bool force);
    // Sizes the window for every row's widest value, then gives the rows their texts back.
    void RelayoutFields();
    // The fonts of every row from the font settings, then the rows sized anew.
    void ApplyFonts();
    void SetAutoHide(bool on);
    void SetTransparency(int32_t opacity);
    // The double click's small form (the first row's size) and the way back.
    void Shrink();
    void Unshrink();
    // The fields menu's items anew: one per field in display order, checked while shown.
    void RebuildFieldMenu();
    // The stored skin, then the periodic change when it is due (from Init).
    void InitSkin();
    // The skin menu anew, before every opening of the context menu.
    void RebuildSkinMenu();
    // The fields "Restore All Default" shows: the default keys, those of readings this machine
    // has only when it has them.
    bool IsDefaultField(counter::MonitorBlock* field);

    ::s::gui::win::Window* GetWindow() { return window_; }
    ::s::gui::win::Box* GetFieldContainer() { return container_; }
    MonitorMenus& GetMenus() { return menus_; }
    // The rows in display order (owned) and in catalogue order.
    int32_t GetFieldCount();
    counter::MonitorBlock* GetField(int32_t position);
    counter::MonitorBlock* GetCreatedField(int32_t index);
    counter::MonitorBlock* FindField(const wchar_t* key);
    int32_t CountEnabledFields();
    const counter::FieldCatalogue& GetCatalogue() const { return catalogue_; }
    ::s::gui::dialogs::monitor::RefreshCycle& GetRefreshCycle() { return cycle_; }
    bool IsWorkerRunning() const { return cycle_.IsRunning(); }
    bool IsClosing() const { return cycle_.IsClosing(); }
    thread::win::Thread* GetWorker() { return worker_; }
    int32_t GetFirstFieldHeight() const { return firstFieldHeight_; }
    int32_t GetFirstFieldWidth() const { return firstFieldWidth_; }
    bool WithBrackets() const { return withBracket_ != 0; }

    // The version box over the window (command "Version Information"), made on first use and
    // built anew each time (MonitorAbout.cpp).
    void OpenAbout();
    ::s::gui::dialogs::About3* GetAbout() { return about_; }
    // The field customizer over the window (command "Customize..."), given both field lists on
    // every opening (MonitorCustomizer.cpp); null once a refresh gave a closed one back.
    void OpenCustomizer();
    Customizer* GetCustomizer() { return customizer_; }

    // The skin colour editor ("Customize Skin..."), made on first use with the "SkinCustomizer"
    // holder and kept; each opening builds its window anew (MonitorSkinEditor.cpp).
    void OpenSkinCustomizer();
    ::s::gui::dialogs::SkinCustomizer* GetSkinCustomizer() { return skinEditor_; }
    // The context menu's skin tools, added to the built menu when switched on; no command of the
    // program switches them on.
    void SetSkinTools(bool on);

    // The view settings as the controller holds them.
    int32_t GetOpacity() const { return opacity_; }
    int32_t GetAlignment() const { return alignment_; }
    int32_t GetSizeType() const { return sizeType_; }
    int32_t GetCellStyle() const { return cellStyle_; }
    int32_t GetCellWidthType() const { return cellWidthType_; }
    bool IsAutoHide() const { return autoHide_; }
    int32_t GetAutoHideStyle() const { return autoHideStyle_; }
    int32_t GetAutoHideSeconds() const { return autoHideSeconds_; }
    bool IsHeaderBold() const { return headerBold_; }
    bool IsHeaderOutline() const { return headerOutline_; }
    int32_t GetHeaderSize() const { return headerSize_; }
    int32_t GetHeaderCustomSize() const { return headerCustomSize_; }
    bool IsDataBold() const { return dataBold_; }
    bool IsDataOutline() const { return dataOutline_; }
    int32_t GetDataSize() const { return dataSize_; }
    int32_t GetDataCustomSize() const { return dataCustomSize_; }
    bool DoubleClickShrinks() const { return doubleClickShrinks_; }
    bool MiddleClickIconizes() const { return middleClickIconizes_; }
    bool ShiftSuspendsAutoHide() const { return shiftSuspendsAutoHide_; }
    bool KeepsInScreen() const { return keepInScreen_; }
    bool ShowsTaskbarButton() const { return showTaskbarButton_; }
    bool IsShrunk() const { return shrunk_; }
    int32_t GetPeriodicSkinDays() const { return periodicSkinDays_; }

    // The clock of the periodic skin change, seconds since 1970 (replaceable for tests); null
    // puts the real one back. Returns the one it replaces.
    typedef int64_t (*SecondsClock)();
    static SecondsClock SetSecondsClock(SecondsClock clock);

    // The settings section of the main window's group.
    std::wstring SectionPath(const wchar_t* group);

private:
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    // Told before the transparent auto-hide goes on: how to get the window back.
    static const int32_t kImportantAutoHideText = 609601;

    // IRefreshTarget (the worker's side).
    void PrepareRefresh() override;
    void SendStatusUpdate() override;
    bool IsIconized() override;

    // A part the controller holds (worker, window, dialog, holder) back to its pool, and the
    // member cleared so that a second release finds nothing.
    template <class Part>
    static void GiveBack(Part*& part)
    {
        if (part) {
            part->ReleaseToPool();
            part = nullptr;
        }
    }
    void ResetMembers();
    void BuildFields();
    // The window's look and behaviour before it shows: frame, holder, settings of its own.
    void SetUpWindow();
    void ShowWindow();
    void BuildMenus();
    void ApplyHoverHide();
    void ApplyBoxCellStyle(bool flat);
    void ApplyFlatCellStyle(bool slim);
    void TakeFirstFieldSize();
    void LayoutWindow(int32_t times);
    void ShrinkWindow();
    void StoreLastVisible();
    void SaveErrorReport();

    // Settings (MonitorViewSettings.cpp).
    void LoadViewSettings();
    void LoadAutoHideSettings();
    void LoadLayoutSettings();
    void LoadFontSettings();
    void SaveAutoHideSettings();
    void SaveLayoutSettings();
    void SaveFontSettings();
    void SaveMouseSettings();
    void OnAutoHideCommand(int32_t command);
    void OnTransparencyCommand(int32_t command);
    void OnSizeCommand(int32_t command);
    void OnLayoutCommand(int32_t command);
    void OnCellWidthCommand(int32_t command);
    void OnMouseCommand(int32_t command);
    void OnFontCommand(int32_t command);
    void SetAutoHideStyle(int32_t style);
    void SetSizeType(int32_t sizeType);
    void SetFontSizes(int32_t header, int32_t data);
    void StoreBool(const wchar_t* group, const wchar_t* key, bool value);
    int64_t ReadNumber(const wchar_t* group, const wchar_t* name, int64_t fallback);
    int32_t ReadInt(const wchar_t* group, const wchar_t* name, int32_t fallback);

    // Commands and window codes (MonitorCommands.cpp).
    void OnTrayCommand(int32_t command);
    void OnMainCommand(int32_t command);
    bool OnSharedCommand(int32_t command);
    void OnLanguageCommand(int32_t command);
    void OnRefreshCommand(int32_t command);
    void OnFieldCommand(int32_t command);
    void SwitchField(counter::MonitorBlock* field, bool on);
    void OnClose();
    void OnDoubleClick();
    void OnLanguageChanged();
    void OnNamedEvent();
    void UpdateFieldsByList(IFieldChoiceList* list);
    void LoadDefaultSelection(IFieldChoiceList* list);
    void SetKeepOnTop(bool on);
    void SetKeepInScreen(bool on);
    void OpenPage(const wchar_t* page);
    app::win::AppBase* GetApp();
    // A settings holder of the application for one of the dialogs, with exactly the skin manager
    // given (none: the dialog paints with the system's colours); null without an application or
    // when none could be made.
    app::win::AppWindow* NewDialogHolder(const app::win::AppWindowDefaults& defaults,
                                         ::s::gui::drawer::Skinner* skinner);

    // Start with Windows (MonitorAutostart.cpp).
    void ReadStartWithWindows(bool* throughScheduler, bool* registered);
    void OnStartWithWindowsCommand(::s::gui::IPopupMenu* menu);
    void OpenTaskScheduler();

    void ReleaseAbout();
    void CloseCustomizer();
    void ReturnClosedCustomizer();
    void ReleaseCustomizer();
    // The editor's part of the close: closed unasked, and the skin set stored once it was used.
    void CloseSkinCustomizer();
    void StoreEditedSkinSet();
    // The skin set under "SkinSet" of the main window's section.
    void StoreSkinSet();
    void ReleaseSkinCustomizer();

    // Skins (MonitorSkin.cpp).
    void OnSkinCommand(int32_t command);
    void StoreLastSkinChange(int64_t now);
    void StoreSkinName();
    void CreateSkinImages();

    app::win::AppWindow* holder_;
    map::IMappedData* settings_;
    lang::Localizer* localizer_;
    ::s::gui::drawer::Skinner* skinner_;
    ::s::gui::win::Window* window_;
    ::s::gui::win::Box* container_;
    ::s::gui::dialogs::monitor::RefreshCycle cycle_;
    thread::win::Thread* worker_;
    // Owning, in display order; and the same fields in catalogue order.
    col::_array::ArrayP displayOrder_;
    col::_array::ArrayP creationOrder_;
    // The rows as the refresh reads them, kept to spare an allocation per refresh.
    std::vector<counter::IFieldRow*> refreshRows_;
    counter::FieldCatalogue catalogue_;
    int32_t firstFieldHeight_;
    int32_t firstFieldWidth_;
    // View settings; the fields hold the bracket flag's address.
    uint8_t withBracket_;
    int32_t opacity_;
    bool opacityOnlyOnTop_;
    int32_t alignment_;
    int32_t sizeType_;
    int32_t cellStyle_;
    int32_t cellWidthType_;
    bool autoHide_;
    bool autoHideOnlyOnTop_;
    int32_t autoHideSeconds_;
    int32_t autoHideStyle_;
    bool headerBold_;
    bool headerOutline_;
    int32_t headerSize_;
    bool dataBold_;
    bool dataOutline_;
    int32_t dataSize_;
    bool doubleClickShrinks_;
    bool middleClickIconizes_;
    bool shiftSuspendsAutoHide_;
    bool keepInScreen_;
    bool showTaskbarButton_;
    int32_t headerCustomSize_;
    int32_t dataCustomSize_;
    bool shrunk_;
    int32_t savedWidth_;
    int32_t savedHeight_;
    int32_t periodicSkinDays_;
    // Adds the skin colour editor's items; no command sets it.
    bool skinTools_;
    MonitorMenus menus_;
    // The names the fields menu and the skin menu are built from, kept to spare allocations.
    std::vector<const wchar_t*> menuNames_;
    // The version box with its settings holder and its own skin manager (the holder's once it
    // has one).
    ::s::gui::dialogs::About3* about_;
    app::win::AppWindow* aboutHolder_;
    ::s::gui::drawer::Skinner* aboutSkinner_;
    // The field customizer while it is held, and its settings holder, kept once made.
    Customizer* customizer_;
    app::win::AppWindow* customizerHolder_;
    ::s::gui::dialogs::SkinCustomizer* skinEditor_ = nullptr;
    app::win::AppWindow* skinEditorHolder_ = nullptr;
};

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
