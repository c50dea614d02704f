#include "app/monitor/TrimSchedule.h"

#include "measurement/win/WorkingSet.h"

namespace s {
namespace gui {
namespace dialogs {
namespace monitor {

TrimSchedule::TrimSchedule()
    : earlyEnabled_(true), shownUpdates_(0), earlyTrims_(0), periodic_(kPeriodicStart),
      trimmer_(system::win::TrimWorkingSet)
{
}

void TrimSchedule::SetTrimmer(Trimmer trimmer)
{
    trimmer_ = trimmer ? trimmer : system::win::TrimWorkingSet;
}

void TrimSchedule::OnUpdate(bool windowShown)
{
    if (earlyEnabled_) {
        if (windowShown && ++shownUpdates_ >= kShownUpdatesPerEarlyTrim) {
            trimmer_();
            shownUpdates_ = 0;
            ++earlyTrims_;
        }
        if (earlyTrims_ >= kEarlyTrims)
            earlyEnabled_ = false;
    }
    const int32_t turn = periodic_++;
    if (turn >= kPeriodicTrimAt) {
        trimmer_();
        periodic_ = 0;
    }
}

TrimSchedule& GetTrimSchedule()
{
    static TrimSchedule schedule;
    return schedule;
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace s
