// The image widget's animation: frames stepped on timer 1, each shown for its own delay, late
// ticks taken off the next delay.
#include <algorithm>

#include "images/win/BufferedImageSet.h"
#include "windowing/widgets/Image.h"

namespace s {
namespace gui {
namespace win {

namespace {

const DWORD kTickWaitMillis = 10;

// Sets the flag for the length of a frame step.
class TickFlag {
public:
    explicit TickFlag(volatile LONG* flag) : flag_(flag) { ::InterlockedExchange(flag_, 1); }
    ~TickFlag() { ::InterlockedExchange(flag_, 0); }

private:
    TickFlag(const TickFlag&) = delete;
    TickFlag& operator=(const TickFlag&) = delete;
    volatile LONG* flag_;
};

} // namespace

void Image::StartAnimation()
{
    StopAnimation(true);
    {
        thread::ScopedLock hold(lock_);
        if (!set_ || set_->GetCount() <= 1 || !set_->IsAnimated())
            return;
        // Each frame shows for its own delay: the codecs keep frame i's delay at index i.
        nextDelay_ = set_->GetDelay(currentFrame_);
        lastFrameTime_ = Now();
    }
    SetFrameTimer(true);
}

void Image::StopAnimation(bool rewind)
{
    PauseAnimation(false);
    SetFrameTimer(false);
    if (rewind) {
        thread::ScopedLock hold(lock_);
        if (set_ && set_->GetCount() > 1 && set_->IsAnimated())
            currentFrame_ = 0;
        currentCombineMode_ = 0;
    }
    ::InterlockedExchange(&paused_, 0);
}

void Image::PauseAnimation(bool suspendPainting)
{
    if (suspendPainting)
        SetPaintingSuspended(true);
    ::InterlockedExchange(&paused_, 1);
    // A step runs on the widget's own thread, which cannot wait for itself.
    if (IsOwnThread())
        return;
    while (inTimerTick_)
        ::Sleep(kTickWaitMillis);
}

void Image::ResumeAnimation(bool resumePainting)
{
    ::InterlockedExchange(&paused_, 0);
    if (resumePainting)
        SetPaintingSuspended(false);
}

bool Image::StepFrame(int64_t now)
{
    TickFlag tick(&inTimerTick_);
    if (paused_)
        return false;
    {
        thread::ScopedLock hold(lock_);
        const int32_t count = set_ ? set_->GetCount() : 0;
        if (count <= 0 || now - lastFrameTime_ < nextDelay_)
            return false;
        const int64_t lateness = now - lastFrameTime_ - nextDelay_;
        currentCombineMode_ = set_->GetCombineMode(currentFrame_);
        currentFrame_ = currentFrame_ + 1 >= count ? 0 : currentFrame_ + 1;
        const int64_t delay = set_->GetDelay(currentFrame_) - lateness;
        nextDelay_ = static_cast<int32_t>(std::max<int64_t>(0, delay));
        lastFrameTime_ = now;
    }
    Redraw();
    return true;
}

void Image::SetFrameTimer(bool on)
{
    if (!m_hWnd)
        return;
    // A window's timer is set and killed on the window's own thread.
    ::SendMessageW(m_hWnd, on ? msg::kSetUserTimer : msg::kKillUserTimer, kFrameTimer, kFrameTimerMillis);
}

} // namespace win
} // namespace gui
} // namespace s
