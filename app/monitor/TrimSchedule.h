#pragma once
#include <cstdint>

namespace s {
namespace gui {
namespace dialogs {
namespace monitor {

// When the refreshes give the process's pages back: right after start, on every third update
// that finds the window shown until five such trims are done; and once per 601 updates, the
// first on the 61st.
class TrimSchedule {
public:
    static const int32_t kShownUpdatesPerEarlyTrim = 3;
    static const int32_t kEarlyTrims = 5;
    static const int32_t kPeriodicStart = 540;
    static const int32_t kPeriodicTrimAt = 600;

    typedef void (*Trimmer)();

    TrimSchedule();
    // The working-set trim under its lock, unless replaced.
    void SetTrimmer(Trimmer trimmer);
    // Counts one update; trims when its turn has come.
    void OnUpdate(bool windowShown);

    bool EarlyTrimsEnabled() const { return earlyEnabled_; }
    int32_t GetEarlyTrimCount() const { return earlyTrims_; }

private:
    bool earlyEnabled_;
    int32_t shownUpdates_;
    int32_t earlyTrims_;
    int32_t periodic_;
    Trimmer trimmer_;
};

// The one schedule of the process.
TrimSchedule& GetTrimSchedule();

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace s
