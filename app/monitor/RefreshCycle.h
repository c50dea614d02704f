#pragma once
#include <atomic>
#include <cstdint>

namespace s {
namespace gui {
namespace dialogs {
namespace monitor {

// What the refresh worker drives: the monitor window.
class IRefreshTarget {
public:
    virtual ~IRefreshTarget() {}
    // Once on the worker before its first refresh (the counter set-up and its notice).
    virtual void PrepareRefresh() = 0;
    // Sends "ProcessStatusUpdate" and returns when the window's thread has handled it.
    virtual void SendStatusUpdate() = 0;
    virtual bool IsIconized() = 0;
};

// The monitor's worker loop. It only keeps time: every reading happens on the window's thread
// inside the update it sends. The period, the wake request and the closing flag are single
// words written by the window's thread and read here without a lock.
class RefreshCycle {
public:
    static const int32_t kDefaultPeriod = 1000;
    // The least period while the window is iconized to the notification area.
    static const int32_t kIconizedPeriod = 3000;
    // The wait's step: how soon a wake request, a clock going back or a release is seen.
    static const uint32_t kWaitStep = 100;

    typedef int64_t (*Clock)();
    typedef void (*Sleeper)(uint32_t milliseconds);

    RefreshCycle();

    // The system's wall clock in milliseconds since 1970 and Sleep, unless replaced.
    void SetClock(Clock clock, Sleeper sleeper);
    // Loops until the closing flag is set, then leaves with the running flag cleared.
    void Run(IRefreshTarget* target);

    void SetPeriod(int32_t milliseconds) { period_ = milliseconds; }
    int32_t GetPeriod() const { return period_; }
    // Ends the current wait, so a new period applies from the next cycle.
    void RequestWake() { wake_ = true; }
    void SetClosing(bool closing) { closing_ = closing; }
    bool IsClosing() const { return closing_; }
    bool IsRunning() const { return running_; }

    static int64_t SystemMilliseconds();

private:
    void Wait(int64_t start, int32_t period);

    std::atomic<int32_t> period_;
    std::atomic<bool> wake_;
    std::atomic<bool> closing_;
    std::atomic<bool> running_;
    Clock clock_;
    Sleeper sleeper_;
};

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace s
