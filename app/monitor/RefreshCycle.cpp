#include "app/monitor/RefreshCycle.h"

#include <windows.h>

namespace s {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
const int64_t kUnixEpochInFileTime = 116444736000000000LL;
const int64_t kFileTimePerMillisecond = 10000;

void SystemSleep(uint32_t milliseconds)
{
    Sleep(milliseconds);
}
} // namespace

RefreshCycle::RefreshCycle()
    : period_(kDefaultPeriod), wake_(false), closing_(false), running_(false), clock_(SystemMilliseconds),
      sleeper_(SystemSleep)
{
}

int64_t RefreshCycle::SystemMilliseconds()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const int64_t units = (static_cast<int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return (units - kUnixEpochInFileTime) / kFileTimePerMillisecond;
}

void RefreshCycle::SetClock(Clock clock, Sleeper sleeper)
{
    clock_ = clock ? clock : SystemMilliseconds;
    sleeper_ = sleeper ? sleeper : SystemSleep;
}

void RefreshCycle::Run(IRefreshTarget* target)
{
    running_ = true;
    target->PrepareRefresh();
    while (!closing_) {
        const int64_t start = clock_();
        target->SendStatusUpdate();
        wake_ = false;
        int32_t period = period_;
        if (target->IsIconized() && period < kIconizedPeriod)
            period = kIconizedPeriod;
        Wait(start, period);
    }
    running_ = false;
}

void RefreshCycle::Wait(int64_t start, int32_t period)
{
    // The period counts from the start of the cycle, so the update's own time is part of it. The
    // closing flag is seen at every step: a release never waits out a long period.
    int64_t now = clock_();
    while (!wake_ && !closing_ && now >= start && now < start + period) {
        sleeper_(kWaitStep);
        now = clock_();
    }
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace s
