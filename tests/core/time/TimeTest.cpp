#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <ctime>

#include "core/time/Time.h"

using s::time::Time;

namespace {

const int64_t kHour = 3600;
const int64_t kDay = 86400;

// Seconds since 1970 UTC of local midnight of the date.
int64_t Midnight(uint16_t year, uint8_t month, uint8_t day)
{
    Time* time = Time::FromDate(year, month, day);
    EXPECT_NE(time, nullptr);
    if (!time)
        return 0;
    const int64_t seconds = time->ToSeconds();
    time->ReleaseToPool();
    return seconds;
}

struct Fields {
    uint16_t year;
    uint8_t month;
    uint8_t day;
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    uint8_t dayOfWeek;
};

void ExpectFields(Time* time, const Fields& f, const char* what)
{
    EXPECT_EQ(time->GetYear(), f.year) << what;
    EXPECT_EQ(time->GetMonth(), f.month) << what;
    EXPECT_EQ(time->GetDay(), f.day) << what;
    EXPECT_EQ(time->GetHour(), f.hour) << what;
    EXPECT_EQ(time->GetMinute(), f.minute) << what;
    EXPECT_EQ(time->GetSecond(), f.second) << what;
    EXPECT_EQ(time->GetDayOfWeek(), f.dayOfWeek) << what;
    EXPECT_EQ(time->GetMilliseconds(), 0) << what;
}

Fields LocalFieldsOf(int64_t seconds)
{
    Time* time = Time::New();
    time->SetFromSeconds(seconds);
    const Fields f = {time->GetYear(),   time->GetMonth(),  time->GetDay(),      time->GetHour(),
                      time->GetMinute(), time->GetSecond(), time->GetDayOfWeek()};
    time->ReleaseToPool();
    return f;
}

bool ZoneIs(LONG bias, LONG daylightBias)
{
    TIME_ZONE_INFORMATION zone;
    const DWORD id = GetTimeZoneInformation(&zone);
    const bool hasDaylight = id != TIME_ZONE_ID_UNKNOWN && zone.DaylightDate.wMonth != 0;
    return zone.Bias == bias && (hasDaylight ? zone.DaylightBias : 0) == daylightBias;
}

TEST(TimeTest, NowInSecondsAndMillisecondsTellTheSameInstant)
{
    const int64_t before = s::time::NowMillis();
    const int64_t seconds = s::time::NowSeconds();
    const int64_t after = s::time::NowMillis();
    EXPECT_GE(seconds, before / 1000);
    EXPECT_LE(seconds, after / 1000);
    // The C library's clock counts from the same epoch.
    const int64_t library = static_cast<int64_t>(std::time(nullptr));
    EXPECT_LE(seconds > library ? seconds - library : library - seconds, 5);
}

TEST(TimeTest, APooledTimeReadsTheEpoch)
{
    Time* time = Time::New();
    ASSERT_NE(time, nullptr);
    time->SetFromSeconds(1767225600);
    time->ReleaseToPool();
    time = Time::New();
    EXPECT_EQ(time->GetFileTime(), s::time::kEpochFileTime);
    ExpectFields(time, {1970, 1, 1, 0, 0, 0, 4}, "fresh");
    EXPECT_STREQ(time->GetClassName(), L"s_time_Time");
    time->ReleaseToPool();
}

TEST(TimeTest, CalendarFieldsConvertBothWaysAcrossMonthAndYearEnds)
{
    struct Case {
        Fields day;       // local midnight
        Fields lastSecond; // the second before it
    };
    const Case cases[] = {
        {{2026, 1, 1, 0, 0, 0, 4}, {2025, 12, 31, 23, 59, 59, 3}},
        {{2026, 2, 1, 0, 0, 0, 0}, {2026, 1, 31, 23, 59, 59, 6}},
        {{2024, 3, 1, 0, 0, 0, 5}, {2024, 2, 29, 23, 59, 59, 4}},
        {{2024, 2, 29, 0, 0, 0, 4}, {2024, 2, 28, 23, 59, 59, 3}},
        {{2026, 3, 1, 0, 0, 0, 0}, {2026, 2, 28, 23, 59, 59, 6}},
        {{2000, 3, 1, 0, 0, 0, 3}, {2000, 2, 29, 23, 59, 59, 2}},
        {{2100, 3, 1, 0, 0, 0, 1}, {2100, 2, 28, 23, 59, 59, 0}},
        {{1970, 1, 2, 0, 0, 0, 5}, {1970, 1, 1, 23, 59, 59, 4}},
    };
    for (const Case& c : cases) {
        Time* made = Time::FromDate(c.day.year, c.day.month, c.day.day);
        ASSERT_NE(made, nullptr);
        ExpectFields(made, c.day, "made from the date");
        const int64_t midnight = made->ToSeconds();
        made->ReleaseToPool();

        Time* read = Time::New();
        read->SetFromSeconds(midnight);
        ExpectFields(read, c.day, "read back");
        EXPECT_EQ(read->ToSeconds(), midnight);
        read->SetFromSeconds(midnight - 1);
        ExpectFields(read, c.lastSecond, "a second earlier");
        EXPECT_EQ(read->ToSeconds(), midnight - 1);
        read->ReleaseToPool();
    }
}

TEST(TimeTest, MidnightsOfOrdinaryDaysLieOneDayApart)
{
    EXPECT_EQ(Midnight(2026, 7, 16) - Midnight(2026, 7, 15), kDay);
    EXPECT_EQ(Midnight(2026, 8, 1) - Midnight(2026, 7, 31), kDay);
    EXPECT_EQ(Midnight(2027, 1, 1) - Midnight(2026, 12, 31), kDay);
}

TEST(TimeTest, AnInvalidDateGivesTheFirstMomentOf1601)
{
    struct Case {
        uint16_t year;
        uint8_t month;
        uint8_t day;
    };
    const Case cases[] = {{2026, 2, 29}, {2100, 2, 29}, {2026, 4, 31}, {2026, 13, 1},
                          {2026, 1, 0},  {2026, 0, 10},  {2026, 1, 32}, {1600, 12, 31}};
    for (const Case& c : cases) {
        Time* time = Time::FromDate(c.year, c.month, c.day);
        ASSERT_NE(time, nullptr);
        EXPECT_EQ(time->GetFileTime(), 0) << c.year << "-" << int(c.month) << "-" << int(c.day);
        ExpectFields(time, {1601, 1, 1, 0, 0, 0, 1}, "invalid date");
        time->ReleaseToPool();
    }
}

TEST(TimeTest, DaysHavePassedCountsFromLocalMidnightOfTheStampsDay)
{
    const int64_t m = Midnight(2026, 7, 15);
    const int64_t afternoon = m + 15 * kHour + 20 * 60;
    struct Case {
        int64_t stamp;
        int32_t n;
        int64_t now;
        bool passed;
    };
    const Case cases[] = {
        {afternoon, 0, m - 1, false},
        {afternoon, 0, m, true},
        {afternoon, 1, m + kDay - 1, false},
        // Only 8 h 40 min after the stamp, but the next day has begun.
        {afternoon, 1, m + kDay, true},
        {m + kDay - 1, 1, m + kDay, true},
        {m, 1, m + kDay - 1, false},
        {afternoon, 2, m + 2 * kDay - 1, false},
        {afternoon, 2, m + 2 * kDay, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Time::DaysHavePassed(c.now, c.stamp, c.n), c.passed)
            << "stamp m+" << c.stamp - m << " n=" << c.n << " now m+" << c.now - m;
}

TEST(TimeTest, WeeksHavePassedTurnsAtMondayMidnight)
{
    struct Case {
        uint8_t stampDay; // of July 2026: the 13th is a Monday
        int64_t stampTime;
        int32_t n;
        uint8_t turnsOn;
    };
    const Case cases[] = {
        {15, 12 * kHour, 1, 20},           // Wednesday
        {19, kDay - 1, 1, 20},             // Sunday, the week's last second
        {13, 0, 1, 20},                    // Monday, the week's first second
        {13, 0, 0, 13},
        {18, 6 * kHour, 2, 27},            // Saturday
    };
    for (const Case& c : cases) {
        const int64_t stamp = Midnight(2026, 7, c.stampDay) + c.stampTime;
        const int64_t turn = Midnight(2026, 7, c.turnsOn);
        EXPECT_FALSE(Time::WeeksHavePassed(turn - 1, stamp, c.n)) << "stamp on the " << int(c.stampDay);
        EXPECT_TRUE(Time::WeeksHavePassed(turn, stamp, c.n)) << "stamp on the " << int(c.stampDay);
    }
}

TEST(TimeTest, MonthDiffersComparesLocalMonthsButNotYears)
{
    struct Case {
        int64_t a;
        int64_t b;
        bool differs;
    };
    const Case cases[] = {
        {Midnight(2026, 1, 31) + 12 * kHour, Midnight(2026, 2, 1) + 12 * kHour, true},
        {Midnight(2026, 2, 1) - 1, Midnight(2026, 2, 1), true},
        {Midnight(2026, 2, 1), Midnight(2026, 3, 1) - 1, false},
        {Midnight(2025, 12, 31) + kHour, Midnight(2026, 1, 1) + kHour, true},
        {Midnight(2025, 3, 1), Midnight(2026, 3, 1), false},
        {Midnight(2025, 1, 10), Midnight(2026, 1, 20), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Time::MonthDiffers(c.a, c.b), c.differs) << c.a << " / " << c.b;
        EXPECT_EQ(Time::MonthDiffers(c.b, c.a), c.differs) << c.b << " / " << c.a;
    }
}

// The zone tests pin down real offsets; each runs only in its zone (the test tree runs the time
// tests once more under New York time).
TEST(TimeInZoneTest, InUtcLocalTimeIsUniversalTime)
{
    if (!ZoneIs(0, 0))
        GTEST_SKIP() << "the process does not run in UTC";
    EXPECT_EQ(Midnight(1970, 1, 1), 0);
    EXPECT_EQ(Midnight(2026, 1, 1), 1767225600);
    const Fields f = LocalFieldsOf(1767225599);
    EXPECT_EQ(f.year, 2025);
    EXPECT_EQ(f.hour, 23);
}

TEST(TimeInZoneTest, NewYorkTimeFollowsItsDaylightSavingRules)
{
    if (!ZoneIs(300, -60))
        GTEST_SKIP() << "the process does not run in New York time";
    // Midnight is 05:00 UTC in winter and 04:00 UTC in summer.
    EXPECT_EQ(Midnight(2026, 1, 15), 1768453200);
    EXPECT_EQ(Midnight(2026, 7, 15), 1784088000);
    // The days the clocks change last 23 and 25 hours.
    EXPECT_EQ(Midnight(2026, 3, 9) - Midnight(2026, 3, 8), 23 * kHour);
    EXPECT_EQ(Midnight(2026, 11, 2) - Midnight(2026, 11, 1), 25 * kHour);
    // 2026-03-08 07:00 UTC is 03:00 daylight time; the second before it, 01:59:59 standard time.
    EXPECT_EQ(LocalFieldsOf(1772953200).hour, 3);
    const Fields before = LocalFieldsOf(1772953199);
    EXPECT_EQ(before.hour, 1);
    EXPECT_EQ(before.minute, 59);
    Time* time = Time::New();
    time->SetFromSeconds(1772953200);
    EXPECT_EQ(time->ToSeconds(), 1772953200);
    time->ReleaseToPool();
}

TEST(TimeInZoneTest, NewYorkCalendarTestsGoByLocalDays)
{
    if (!ZoneIs(300, -60))
        GTEST_SKIP() << "the process does not run in New York time";
    // 2026-02-01 03:00 UTC is still 31 January in New York.
    EXPECT_FALSE(Time::MonthDiffers(1769914800, 1769860800));
    // 2026-07-20 02:00 UTC is Sunday 19 July, 22:00 local: the next week begins two hours later.
    const int64_t sundayEvening = 1784520000 - 2 * kHour;
    EXPECT_FALSE(Time::WeeksHavePassed(1784520000 - 1, sundayEvening, 1));
    EXPECT_TRUE(Time::WeeksHavePassed(1784520000, sundayEvening, 1));
    // Across the spring change a day still counts 86,400 seconds from local midnight, so it
    // turns at 01:00 of the next day rather than at its midnight.
    const int64_t m = Midnight(2026, 3, 8);
    EXPECT_FALSE(Time::DaysHavePassed(m + 23 * kHour, m + 10 * kHour, 1));
    EXPECT_TRUE(Time::DaysHavePassed(m + kDay, m + 10 * kHour, 1));
}

} // namespace
