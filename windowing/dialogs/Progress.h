#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ITask.h"
#include "core/thread/ObjLocker.h"
#include "storage/archive/ProgressData.h"
#include "storage/events/IEventListener.h"
#include "windowing/NamedEvent.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace lang {
class Localizer;
}
namespace map {
class IMappedData;
}
namespace thread {
namespace win {
class Thread;
}
} // namespace thread
namespace app {
class IAppWindow;
class IAppWindowFactory;
} // namespace app
namespace gui {
namespace drawer {
class Skinner;
}
namespace win {
class Button;
class Label;
class ProgressBar;
class Window;
} // namespace win

namespace dialogs {

// The named events of the progress dialog's window: the bars' new places (first argument points
// to the size, second to the amount done, both 64-bit), and "Modal", which a producer sends to
// disable the owner window.
extern const gui::win::NamedEvent kDataOffsetUpdate;
extern const gui::win::NamedEvent kCurEntryIndexUpdate;
extern const gui::win::NamedEvent kModal;

// The text ids of the dialog in its language pack.
enum ProgressTextId : int32_t {
    kProgressTitleText = 901001,
    kProgressPreparingText = 901005,
    kProgressEntryGroupText = 901030,
    kProgressTotalGroupText = 901040,
    kProgressElapsedText = 901050,
    kProgressRemainingText = 901060,
    kProgressPauseText = 901070,
    kProgressResumeText = 901071,
    kProgressCancelText = 901080,
    kProgressMinimizeText = 901090,
    kProgressCancelQuestionText = 901095,
};

// A window of its own that follows a long copy: the current entry's name and progress, the
// progress over all entries, elapsed and remaining time, and pause, cancel and minimize. The
// producer writes the embedded progress data and reads its state flags back; a worker turns the
// counters into label texts every 150 ms and hands the bars' places to the window's own thread
// as named events.
class Progress : public events::IEventListener,
                 public base::IObject,
                 public thread::IPoolable,
                 public thread::ITask {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_dialogs_Progress";
    static constexpr int32_t kPoolCapacity = 1000;
    static constexpr DWORD kRefreshMillis = 150;
    // Both bars run from 0 to this.
    static constexpr int32_t kBarRange = 200;
    // How long Build and Reset give a running refresh loop to end.
    static constexpr DWORD kStopBoundMillis = 3000;

    // Seconds since 1970; replaceable so that tests need not wait for hours.
    using SecondsClock = int64_t (*)();

    Progress();
    ~Progress() override;

    static thread::EasyPooler* GetPool();
    static Progress* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // Builds and shows a new dialog window for the owner (a native window, or null), titled by
    // the text or, when null, by the pack's default title, disables the owner and starts the
    // refresh loop. An earlier window and loop are ended first.
    void Build(HWND owner, const wchar_t* title);
    // The refresh loop, on the dialog's worker.
    void Run() override;
    // The dialog window's close, restore and named events and the three buttons' clicks.
    void OnEvent(base::IObject* source, int32_t code) override;
    // On the dialog window's thread.
    void Pause();
    void Resume();

    archive::ProgressData* GetProgressData() { return &data_; }
    gui::win::Window* GetWindow() { return window_; }
    HWND GetOwner() { return owner_; }
    bool IsRunning() { return running_ != 0; }
    // Minimizing also hides the owner, restoring shows it; on after reset.
    void SetHideOwner(bool hide) { hideOwner_ = hide ? 1 : 0; }
    // Null puts the system clock back.
    void SetClock(SecondsClock clock);

    // What the dialog is made of, for whoever drives it.
    gui::win::ProgressBar* GetEntryBar() { return entryBar_; }
    gui::win::ProgressBar* GetTotalBar() { return totalBar_; }
    gui::win::Label* GetNameLabel() { return nameLabel_; }
    gui::win::Label* GetEntryPercentLabel() { return entryPercentLabel_; }
    gui::win::Label* GetElapsedLabel() { return elapsedLabel_; }
    gui::win::Label* GetRemainingLabel() { return remainingLabel_; }
    gui::win::Label* GetTotalPercentLabel() { return totalPercentLabel_; }
    gui::win::Button* GetPauseButton() { return pauseButton_; }
    gui::win::Button* GetCancelButton() { return cancelButton_; }
    gui::win::Button* GetMinimizeButton() { return minimizeButton_; }

    // Binds the dialog to a new "ProgressWindow" holder of the application and keeps the
    // holder's language pack and skin manager and the application's settings store.
    void BindApplication(app::IAppWindowFactory* app);

private:
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Asks a running loop to stop and waits, answering sends, until it has; then clears the
    // request. False when the loop did not end within the bound.
    bool StopRefresh();
    void ReleaseWindow();
    void ReleaseHolder();
    void ClearWidgets();
    void CreateWidgets();
    void LayOut();
    void Listen();
    const wchar_t* TextOf(int32_t id);
    int64_t Now();

    // Refresh steps of the loop, on the worker.
    void ShowEntryProgress(str::strbuffer::StrBuffer* text);
    void ShowEntryName(str::strbuffer::StrBuffer* text);
    void ShowTotalProgress(str::strbuffer::StrBuffer* text);

    // Event handling, on the window's thread.
    void HandleClose();
    void HandleRestore();
    void HandleNamedEvent();
    void HandleCancelClick();
    void HandleMinimizeClick();
    // Asks whether to cancel, with the work paused meanwhile; true when the work is to stop.
    bool ConfirmCancel();
    bool HasLiveOwner();
    void SetOwnerModal(bool on);

    HWND owner_;
    app::IAppWindow* holder_;
    map::IMappedData* settings_;
    lang::Localizer* langPack_;
    drawer::Skinner* skinner_;
    gui::win::Window* window_;
    thread::win::Thread* worker_;
    thread::ObjLocker runLock_;
    std::atomic<uint8_t> running_;
    std::atomic<uint8_t> stopRequested_;
    archive::ProgressData data_;
    gui::win::ProgressBar* entryBar_;
    gui::win::Label* nameLabel_;
    gui::win::Label* entryPercentLabel_;
    gui::win::ProgressBar* totalBar_;
    gui::win::Label* elapsedLabel_;
    gui::win::Label* remainingLabel_;
    gui::win::Label* totalPercentLabel_;
    gui::win::Button* pauseButton_;
    gui::win::Button* cancelButton_;
    gui::win::Button* minimizeButton_;
    std::atomic<uint8_t> hideOwner_;
    // The application whose holder this is, to give it back.
    app::IAppWindowFactory* app_;
    std::atomic<SecondsClock> clock_;
};

// A dialog from the pool bound to a new "ProgressWindow" settings holder of the application
// (without one, its texts are empty); give it back with ReleaseToPool.
Progress* CreateProgressWindow(app::IAppWindowFactory* app);

} // namespace dialogs
} // namespace gui
} // namespace s
