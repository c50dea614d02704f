#include "app/monitor/PeriodicSkin.h"

#include "core/time/Time.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {

const PeriodicSkinOption kOptions[kPeriodicSkinOptionCount] = {
    {29290, 8105010, -1}, {29291, 8105020, 0}, {29292, 8105030, 1},  {29293, 8105040, 2},  {29294, 8105050, 3},
    {29295, 8105060, 5},  {29296, 8105070, 7}, {29297, 8105080, 14}, {29298, 8105090, 30},
};
const int32_t kDaysPerWeek = 7;
const int32_t kMonthDays = 30;
// Months compare without the year: past this many days a month has passed whatever they say.
const int32_t kLongestMonthDays = 31;

} // namespace

const PeriodicSkinOption* PeriodicSkinOptions()
{
    return kOptions;
}

const PeriodicSkinOption* FindPeriodicSkinOption(int32_t command)
{
    for (const PeriodicSkinOption& option : kOptions) {
        if (option.command == command)
            return &option;
    }
    return nullptr;
}

int32_t PeriodicSkinCommandOfDays(int32_t days)
{
    for (const PeriodicSkinOption& option : kOptions) {
        if (option.days == days)
            return option.command;
    }
    return kOptions[0].command;
}

int32_t PeriodicSkinStepAt(int32_t days, int64_t lastChange, int64_t now)
{
    if (days == 0)
        return kPeriodicSkinChange;
    if (days < 0)
        return kPeriodicSkinKeep;
    if (lastChange >= now)
        return kPeriodicSkinStampOnly;
    bool due = false;
    if (days < kDaysPerWeek)
        due = time::Time::DaysHavePassed(now, lastChange, days);
    else if (days < kMonthDays)
        due = time::Time::WeeksHavePassed(now, lastChange, days / kDaysPerWeek);
    else if (days == kMonthDays)
        due = time::Time::MonthDiffers(now, lastChange) ||
              time::Time::DaysHavePassed(now, lastChange, kLongestMonthDays + 1);
    return due ? kPeriodicSkinChange : kPeriodicSkinKeep;
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
