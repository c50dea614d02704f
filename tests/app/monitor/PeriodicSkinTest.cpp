// The periodic skin change at a given now: every option of the menu, a stamp in the future.
#include <gtest/gtest.h>

#include "app/monitor/PeriodicSkin.h"
#include "core/time/Time.h"

namespace {

using namespace s::system::gui::dialogs::monitor;
using s::time::Time;

const int64_t kHour = 3600;
const int64_t kDay = 24 * kHour;

int64_t Midnight(uint16_t year, uint8_t month, uint8_t day)
{
    Time* time = Time::FromDate(year, month, day);
    const int64_t seconds = time ? time->ToSeconds() : 0;
    if (time)
        time->ReleaseToPool();
    return seconds;
}

TEST(PeriodicSkinTest, EveryOptionOfTheMenuChangesWhenItsTimeHasCome)
{
    // Sunday 2026-07-12 at 22:00; the next day is a Monday.
    const int64_t last = Midnight(2026, 7, 12) + 22 * kHour;
    const int64_t sunday = Midnight(2026, 7, 12);
    struct Case {
        int32_t command;
        int32_t days;
        int64_t notYet;  // the last moment without a change (0: never due)
        int64_t due;     // the first moment with one
    };
    const Case cases[] = {
        {29290, -1, 0, 0},
        {29291, 0, 0, last + 1},
        {29292, 1, sunday + kDay - 1, sunday + kDay},
        {29293, 2, sunday + 2 * kDay - 1, sunday + 2 * kDay},
        {29294, 3, sunday + 3 * kDay - 1, sunday + 3 * kDay},
        {29295, 5, sunday + 5 * kDay - 1, sunday + 5 * kDay},
        // The week of a Sunday began on the Monday before it.
        {29296, 7, sunday + kDay - 1, sunday + kDay},
        {29297, 14, sunday + 8 * kDay - 1, sunday + 8 * kDay},
        {29298, 30, Midnight(2026, 8, 1) - 1, Midnight(2026, 8, 1)},
    };
    ASSERT_EQ(static_cast<int32_t>(sizeof(cases) / sizeof(cases[0])), kPeriodicSkinOptionCount);
    for (int32_t i = 0; i < kPeriodicSkinOptionCount; ++i) {
        const Case& c = cases[i];
        const PeriodicSkinOption* option = FindPeriodicSkinOption(c.command);
        ASSERT_NE(nullptr, option) << c.command;
        EXPECT_EQ(c.days, option->days) << c.command;
        EXPECT_EQ(8105010 + 10 * i, option->textId) << c.command;
        EXPECT_EQ(c.command, PeriodicSkinCommandOfDays(c.days));
        if (c.notYet) {
            EXPECT_EQ(kPeriodicSkinKeep, PeriodicSkinStepAt(c.days, last, c.notYet)) << c.command;
        }
        if (c.due) {
            EXPECT_EQ(kPeriodicSkinChange, PeriodicSkinStepAt(c.days, last, c.due)) << c.command;
        } else {
            EXPECT_EQ(kPeriodicSkinKeep, PeriodicSkinStepAt(c.days, last, last + 400 * kDay)) << c.command;
        }
    }
    EXPECT_EQ(nullptr, FindPeriodicSkinOption(29299));
    EXPECT_EQ(29290, PeriodicSkinCommandOfDays(4));
}

TEST(PeriodicSkinTest, OddStampsAndValues)
{
    const int64_t now = Midnight(2026, 7, 12) + 12 * kHour;
    // A last change in the future (a clock set back) is only set to now; "Every Time" ignores it.
    EXPECT_EQ(kPeriodicSkinStampOnly, PeriodicSkinStepAt(1, now + kDay, now));
    EXPECT_EQ(kPeriodicSkinStampOnly, PeriodicSkinStepAt(30, now, now));
    EXPECT_EQ(kPeriodicSkinChange, PeriodicSkinStepAt(0, now + kDay, now));
    // A month later in the year after is another month, though the month number is the same.
    EXPECT_EQ(kPeriodicSkinChange, PeriodicSkinStepAt(30, now - 365 * kDay, now));
    // Values no option offers: below zero never, past a month never.
    EXPECT_EQ(kPeriodicSkinKeep, PeriodicSkinStepAt(-5, now - 100 * kDay, now));
    EXPECT_EQ(kPeriodicSkinKeep, PeriodicSkinStepAt(45, now - 100 * kDay, now));
}

} // namespace
