// What the progress dialog does on its window's thread: close and cancel (asked once), pause,
// minimize with its owner, and the bars' places handed over by the refresh loop.
#include <cstdint>

#include "mfc/Wnd.h"
#include "storage/archive/ProgressData.h"
#include "windowing/IWindow.h"
#include "windowing/MessageBoxW.h"
#include "windowing/Window.h"
#include "windowing/dialogs/Progress.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/ProgressBar.h"

namespace s {
namespace gui {
namespace dialogs {

namespace {

// The bar's place for done of size, or -1 when size has no share to show.
int32_t BarPosition(INT_PTR size, INT_PTR done)
{
    if (!size || !done)
        return -1;
    const int64_t share = archive::ProgressData::ShareOf(*reinterpret_cast<const int64_t*>(done),
                                                         *reinterpret_cast<const int64_t*>(size), Progress::kBarRange);
    return static_cast<int32_t>(share);
}

} // namespace

void Progress::OnEvent(base::IObject* source, int32_t code)
{
    if (!source)
        return;
    if (window_ && source == static_cast<base::IObject*>(static_cast<IWindow*>(window_))) {
        switch (code) {
        case gui::win::kEventClose:
            HandleClose();
            break;
        case gui::win::kEventRestore:
            HandleRestore();
            break;
        case gui::win::kEventUser:
            HandleNamedEvent();
            break;
        default:
            break;
        }
        return;
    }
    if (code != IButton::kEventClick)
        return;
    if (pauseButton_ && source == static_cast<base::IObject*>(static_cast<IButton*>(pauseButton_))) {
        if (data_.paused)
            Resume();
        else
            Pause();
    } else if (cancelButton_ && source == static_cast<base::IObject*>(static_cast<IButton*>(cancelButton_))) {
        HandleCancelClick();
    } else if (minimizeButton_ && source == static_cast<base::IObject*>(static_cast<IButton*>(minimizeButton_))) {
        HandleMinimizeClick();
    }
}

void Progress::Pause()
{
    if (minimizeButton_)
        minimizeButton_->SetEnabled(false);
    if (pauseButton_)
        pauseButton_->SetCaptionTextId(kProgressResumeText);
    data_.paused = 1;
}

void Progress::Resume()
{
    if (!data_.paused)
        return;
    if (pauseButton_)
        pauseButton_->SetCaptionTextId(kProgressPauseText);
    if (minimizeButton_)
        minimizeButton_->SetEnabled(true);
    data_.paused = 0;
}

bool Progress::ConfirmCancel()
{
    const bool wasPaused = data_.paused != 0;
    if (!wasPaused)
        Pause();
    // The producer may finish while the question is open; then there is nothing to cancel.
    const bool confirmed = !data_.finished && gui::win::AskYesNo(TextOf(kProgressCancelQuestionText));
    if (data_.finished || !confirmed) {
        if (!wasPaused)
            Resume();
        return false;
    }
    data_.cancelled = 1;
    Resume();
    return true;
}

void Progress::HandleClose()
{
    if (!data_.finished && !data_.cancelled && !ConfirmCancel()) {
        window_->CancelClose();
        return;
    }
    if (HasLiveOwner())
        SetOwnerModal(false);
}

void Progress::HandleCancelClick()
{
    if (data_.finished || data_.cancelled || ConfirmCancel())
        window_->Close();
}

void Progress::HandleMinimizeClick()
{
    Pause();
    if (!data_.finished) {
        data_.minimized = 1;
        if (hideOwner_ && HasLiveOwner())
            ::ShowWindow(owner_, SW_HIDE);
        window_->Iconize();
    }
    Resume();
}

void Progress::HandleRestore()
{
    // Every restored size reaches here; only a minimize of the dialog hid the owner.
    if (!data_.minimized)
        return;
    if (hideOwner_ && HasLiveOwner())
        ::ShowWindow(owner_, SW_SHOW);
    data_.minimized = 0;
}

void Progress::HandleNamedEvent()
{
    const INT_PTR event = window_->GetEventData();
    if (kModal.Is(event)) {
        if (HasLiveOwner())
            SetOwnerModal(true);
        return;
    }
    gui::win::ProgressBar* bar = nullptr;
    if (kDataOffsetUpdate.Is(event))
        bar = entryBar_;
    else if (kCurEntryIndexUpdate.Is(event))
        bar = totalBar_;
    if (!bar || stopRequested_)
        return;
    const int32_t position = BarPosition(window_->GetEventArg1(), window_->GetEventArg2());
    if (position >= 0)
        bar->SetPosition(position);
}

bool Progress::HasLiveOwner()
{
    return owner_ && ::IsWindow(owner_);
}

void Progress::SetOwnerModal(bool on)
{
    // A toolkit window keeps its own modal state; any other window is only disabled.
    IWindow* window = dynamic_cast<IWindow*>(CWnd::FromHandlePermanent(owner_));
    if (window)
        window->SetModalState(on);
    else
        ::EnableWindow(owner_, on ? FALSE : TRUE);
}

} // namespace dialogs
} // namespace gui
} // namespace s
