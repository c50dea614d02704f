#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace time {

// The platform's file time of 1970-01-01 00:00:00 UTC, in 100-nanosecond units since 1601.
constexpr int64_t kEpochFileTime = 116444736000000000LL;
constexpr int64_t kFileTimePerMilli = 10000;
constexpr int64_t kMillisPerSecond = 1000;
constexpr int64_t kFileTimePerSecond = kFileTimePerMilli * kMillisPerSecond;
constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kSecondsPerWeek = 7 * kSecondsPerDay;

// Now, as milliseconds and as seconds since 1970-01-01 00:00:00 UTC.
int64_t NowMillis();
int64_t NowSeconds();

// A moment as local calendar time: the local file time (whole seconds) and its calendar fields.
// Stored times are seconds since 1970 UTC; calendar questions are answered in local time, by the
// platform's rules for the zone, daylight saving time included.
class Time : public base::IObject, public thread::IPoolable {
public:
    Time();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Back to 1970-01-01 00:00:00.000 (a Thursday), the epoch's file time.
    void Reset() override;

    void SetFromSeconds(int64_t seconds);
    int64_t ToSeconds();

    int64_t GetFileTime() const { return fileTime_; }
    uint16_t GetYear() const { return year_; }
    uint8_t GetMonth() const { return month_; }
    // 0 = Sunday to 6 = Saturday.
    uint8_t GetDayOfWeek() const { return dayOfWeek_; }
    uint8_t GetDay() const { return day_; }
    uint8_t GetHour() const { return hour_; }
    uint8_t GetMinute() const { return minute_; }
    uint8_t GetSecond() const { return second_; }
    uint16_t GetMilliseconds() const { return milliseconds_; }

    static thread::EasyPooler* GetPool();
    static Time* New();

    // Local midnight of the date, from the pool (the caller releases it); an invalid date gives
    // file time 0, 1601-01-01 00:00:00.
    static Time* FromDate(uint16_t year, uint8_t month, uint8_t day);
    // All in seconds since 1970 UTC. True once now has reached local midnight of the stamp's day
    // plus n days.
    static bool DaysHavePassed(int64_t now, int64_t stamp, int32_t n);
    // True once now has reached the Monday that begins the stamp's week plus n weeks.
    static bool WeeksHavePassed(int64_t now, int64_t stamp, int32_t n);
    // True when the local month numbers differ; the year is not compared.
    static bool MonthDiffers(int64_t a, int64_t b);

private:
    void SetLocalFileTime(int64_t fileTime);

    int64_t fileTime_;
    uint16_t year_;
    uint8_t month_;
    uint8_t dayOfWeek_;
    uint8_t day_;
    uint8_t hour_;
    uint8_t minute_;
    uint8_t second_;
    uint16_t milliseconds_;
};

} // namespace time
} // namespace s
