// The progress dialog's life: pool, binding to its settings holder, reset and the stop of its
// refresh loop.
#include "windowing/dialogs/Progress.h"

#include "core/thread/Thread.h"
#include "core/time/Time.h"
#include "storage/lang/Localizer.h"
#include "windowing/IAppWindow.h"
#include "windowing/IAppWindowFactory.h"
#include "windowing/WaitAnsweringSends.h"
#include "windowing/Window.h"

namespace s {
namespace gui {
namespace dialogs {

namespace {

const wchar_t kDataOffsetUpdateName[] = L"DataOffsetUpdate";
const wchar_t kCurEntryIndexUpdateName[] = L"CurEntryIndexUpdate";
const wchar_t kModalName[] = L"Modal";
const wchar_t kHolderName[] = L"ProgressWindow";

int64_t SystemSeconds()
{
    return time::NowSeconds();
}

} // namespace

const gui::win::NamedEvent kDataOffsetUpdate(kDataOffsetUpdateName);
const gui::win::NamedEvent kCurEntryIndexUpdate(kCurEntryIndexUpdateName);
const gui::win::NamedEvent kModal(kModalName);

Progress::Progress()
    : owner_(nullptr), holder_(nullptr), settings_(nullptr), langPack_(nullptr), skinner_(nullptr), window_(nullptr),
      worker_(thread::win::Thread::New()), running_(0), stopRequested_(0), entryBar_(nullptr), nameLabel_(nullptr),
      entryPercentLabel_(nullptr), totalBar_(nullptr), elapsedLabel_(nullptr), remainingLabel_(nullptr),
      totalPercentLabel_(nullptr), pauseButton_(nullptr), cancelButton_(nullptr), minimizeButton_(nullptr),
      hideOwner_(1), app_(nullptr), clock_(&SystemSeconds)
{
}

Progress::~Progress()
{
    Reset();
    // Deleted, not given back: at process exit the thread pool may already be gone.
    delete worker_;
    worker_ = nullptr;
}

thread::EasyPooler* Progress::GetPool()
{
    return &thread::PoolOf<Progress, kPoolCapacity>();
}

Progress* Progress::New()
{
    return thread::TakeFromPool<Progress, kPoolCapacity>();
}

const wchar_t* Progress::GetClassName()
{
    return kClassName;
}

base::IObject* Progress::NewInstance()
{
    return New();
}

void Progress::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Progress::Reset()
{
    StopRefresh();
    ReleaseWindow();
    owner_ = nullptr;
    settings_ = nullptr;
    langPack_ = nullptr;
    hideOwner_ = 1;
    data_.Reset();
    ReleaseHolder();
    running_ = 0;
    stopRequested_ = 0;
    clock_ = &SystemSeconds;
}

void Progress::BindApplication(app::IAppWindowFactory* app)
{
    ReleaseHolder();
    if (!app)
        return;
    app_ = app;
    settings_ = app->GetSettings();
    holder_ = app->CreateAppWindow(kHolderName);
    if (holder_) {
        langPack_ = holder_->GetLangPack();
        skinner_ = holder_->GetSkinner();
    }
}

void Progress::ReleaseHolder()
{
    // The window reads its holder until it goes; it has gone before this.
    if (holder_ && app_)
        app_->ReleaseAppWindow(holder_);
    holder_ = nullptr;
    app_ = nullptr;
    skinner_ = nullptr;
}

void Progress::SetClock(SecondsClock clock)
{
    clock_ = clock ? clock : &SystemSeconds;
}

int64_t Progress::Now()
{
    return clock_.load()();
}

const wchar_t* Progress::TextOf(int32_t id)
{
    const wchar_t* text = langPack_ ? langPack_->GetText(id) : nullptr;
    return text ? text : L"";
}

bool Progress::StopRefresh()
{
    if (!worker_)
        return true;
    stopRequested_ = 1;
    // The loop may sit in a send to the dialog window, whose thread may be this one: waiting
    // without answering sends would hold both for ever.
    const bool stopped = gui::win::WaitAnsweringSends([this] { return worker_->IsIdle(); }, kStopBoundMillis);
    if (!stopped) {
        // A loop stuck beyond the bound (in a send to a window that no longer answers) is ended,
        // so that it touches nothing of this dialog any more; the run lock it held dies with it.
        worker_->ForceRestart(0);
        DeleteCriticalSection(&runLock_.lock);
        InitializeCriticalSection(&runLock_.lock);
        running_ = 0;
    }
    stopRequested_ = 0;
    return stopped;
}

void Progress::ReleaseWindow()
{
    if (window_) {
        // A dialog given up while open would leave its owner disabled for good.
        if (!window_->IsClosed() && HasLiveOwner())
            SetOwnerModal(false);
        // Released from its own thread the window goes only after the current message, and the
        // holder may go before that.
        window_->SetAppWindow(nullptr, false);
        window_->ReleaseToPool();
    }
    window_ = nullptr;
    ClearWidgets();
}

void Progress::ClearWidgets()
{
    // Children of the window, which gives them back to their pools.
    entryBar_ = nullptr;
    nameLabel_ = nullptr;
    entryPercentLabel_ = nullptr;
    totalBar_ = nullptr;
    elapsedLabel_ = nullptr;
    remainingLabel_ = nullptr;
    totalPercentLabel_ = nullptr;
    pauseButton_ = nullptr;
    cancelButton_ = nullptr;
    minimizeButton_ = nullptr;
}

Progress* CreateProgressWindow(app::IAppWindowFactory* app)
{
    Progress* dialog = Progress::New();
    if (dialog)
        dialog->BindApplication(app);
    return dialog;
}

} // namespace dialogs
} // namespace gui
} // namespace s
