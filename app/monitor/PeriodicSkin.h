#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

// The periodic random skin change: its menu options and when a change is due at start.
struct PeriodicSkinOption {
    int32_t command;
    int32_t textId;
    int32_t days;
};
const int32_t kPeriodicSkinOptionCount = 9;
// "Don't Change" first, then "Every Time" to "Every Month".
const PeriodicSkinOption* PeriodicSkinOptions();
// The option of a command, null for none.
const PeriodicSkinOption* FindPeriodicSkinOption(int32_t command);
// The command that shows a days value; "Don't Change" for a value no option offers.
int32_t PeriodicSkinCommandOfDays(int32_t days);

enum PeriodicSkinStep : int32_t {
    // Nothing changes and nothing is stored.
    kPeriodicSkinKeep = 0,
    // The stored time of the last change becomes now; the skin stays.
    kPeriodicSkinStampOnly = 1,
    // A random other skin, and the stored time becomes now.
    kPeriodicSkinChange = 2,
};

// What the start does for the stored days value and last change (seconds since 1970 UTC): every
// start for 0; after local midnight of the last change's day plus the days below a week; after
// the Monday of its week plus whole weeks up to a month; in another month for 30 (or a year on,
// in the same month); never for other values. A last change not before now is only set to now.
int32_t PeriodicSkinStepAt(int32_t days, int64_t lastChange, int64_t now);

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
