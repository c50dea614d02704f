#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/monitor/FieldCatalogue.h"
#include "app/monitor/IFieldRow.h"
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
class AppWindow;
}
} // namespace app
namespace lang {
class Localizer;
}
namespace map {
class IMappedData;
}
namespace gui {
namespace drawer {
class Skinner;
}
namespace win {
class Box;
class Window;
} // namespace win
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

// The event the worker sends the window on every refresh.
extern const ::s::gui::win::NamedEvent kProcessStatusUpdate;

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

    // The alignments and cell styles of the view settings.
    static const int32_t kAlignHorizontal = 0;
    static const int32_t kAlignFlow = 1;
    static const int32_t kAlignVertical = 2;
    static const int32_t kCellBox = 0;
    static const int32_t kCellBoxFlat = 1;
    static const int32_t kCellFlat = 2;
    static const int32_t kCellFlatSlim = 3;

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
    // The window's close and the refresh event (on the window's thread).
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

    ::s::gui::win::Window* GetWindow() { return window_; }
    ::s::gui::win::Box* GetFieldContainer() { return container_; }
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

    // The refresh periods the menu offers; any other stored value reads as the default.
    static bool IsRefreshPeriod(int32_t milliseconds);
    // The settings section of the main window's group.
    std::wstring SectionPath(const wchar_t* group);

private:
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    // IRefreshTarget (the worker's side).
    void PrepareRefresh() override;
    void SendStatusUpdate() override;
    bool IsIconized() override;

    void ResetMembers();
    void ReadSettings();
    void BuildFields();
    // The window bound to the main holder: language, caption, skin, stored place and icons.
    void BindToHolder();
    void StoreWindowPlace();
    // The current skin's drawers handed to every row's labels and graph.
    void ApplySkinDrawers();
    void ApplyBoxCellStyle(bool flat);
    void ApplyFlatCellStyle(bool slim);
    void TakeFirstFieldSize();
    void LayoutWindow(int32_t times);
    void ShrinkWindow();
    void StoreLastVisible();
    void SaveErrorReport();
    void ReleaseIcons();

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
    HICON smallIcon_;
    HICON bigIcon_;
};

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
