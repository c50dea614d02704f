#include "core/time/Time.h"

#include <windows.h>

namespace s {
namespace time {

namespace {
const uint16_t kEpochYear = 1970;
const uint8_t kEpochDayOfWeek = 4; // a Thursday
const uint8_t kSunday = 0;
const int32_t kDaysBackFromSunday = 6;

// The range that file times and the platform's calendar fields share.
const uint16_t kFirstYear = 1601;
const uint16_t kLastYear = 30827;

// The platform's own conversion lets some impossible dates through (29 February of a common year
// under some versions), so dates are checked here first.
bool IsValidDate(uint16_t year, uint8_t month, uint8_t day)
{
    static const uint8_t kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const uint8_t days = month == 2 && leap ? 29 : kMonthDays[month - 1];
    return day <= days;
}

int64_t FromFileTime(const FILETIME& ft)
{
    return static_cast<int64_t>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

FILETIME ToFileTime(int64_t value)
{
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(static_cast<uint64_t>(value) & 0xFFFFFFFFu);
    ft.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(value) >> 32);
    return ft;
}

int64_t NowFileTime()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return FromFileTime(now);
}

// Gives a pooled Time back however the calculation ends.
class PooledTime {
public:
    explicit PooledTime(Time* time) : time_(time) {}
    ~PooledTime()
    {
        if (time_)
            time_->ReleaseToPool();
    }
    Time* operator->() const { return time_; }
    explicit operator bool() const { return time_ != nullptr; }

private:
    PooledTime(const PooledTime&) = delete;
    PooledTime& operator=(const PooledTime&) = delete;
    Time* time_;
};

// Seconds since 1970 UTC of local midnight of the stamp's local day, and that day's day of week;
// false when no Time could be had.
bool LocalMidnightOf(int64_t stamp, int64_t* midnight, uint8_t* dayOfWeek)
{
    PooledTime day(Time::New());
    if (!day)
        return false;
    day->SetFromSeconds(stamp);
    PooledTime start(Time::FromDate(day->GetYear(), day->GetMonth(), day->GetDay()));
    if (!start)
        return false;
    *midnight = start->ToSeconds();
    *dayOfWeek = day->GetDayOfWeek();
    return true;
}
} // namespace

int64_t NowMillis()
{
    return (NowFileTime() - kEpochFileTime) / kFileTimePerMilli;
}

int64_t NowSeconds()
{
    return (NowFileTime() - kEpochFileTime) / kFileTimePerMilli / kMillisPerSecond;
}

Time::Time()
{
    Reset();
}

const wchar_t* Time::GetClassName()
{
    return L"s_time_Time";
}

base::IObject* Time::NewInstance()
{
    return New();
}

void Time::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Time::Reset()
{
    fileTime_ = kEpochFileTime;
    year_ = kEpochYear;
    month_ = 1;
    dayOfWeek_ = kEpochDayOfWeek;
    day_ = 1;
    hour_ = 0;
    minute_ = 0;
    second_ = 0;
    milliseconds_ = 0;
}

thread::EasyPooler* Time::GetPool()
{
    return &thread::PoolOf<Time>();
}

Time* Time::New()
{
    return thread::TakeFromPool<Time>();
}

void Time::SetLocalFileTime(int64_t fileTime)
{
    SYSTEMTIME st;
    const FILETIME ft = ToFileTime(fileTime);
    if (fileTime < 0 || !FileTimeToSystemTime(&ft, &st)) {
        SetLocalFileTime(0);
        return;
    }
    fileTime_ = fileTime;
    year_ = st.wYear;
    month_ = static_cast<uint8_t>(st.wMonth);
    dayOfWeek_ = static_cast<uint8_t>(st.wDayOfWeek);
    day_ = static_cast<uint8_t>(st.wDay);
    hour_ = static_cast<uint8_t>(st.wHour);
    minute_ = static_cast<uint8_t>(st.wMinute);
    second_ = static_cast<uint8_t>(st.wSecond);
    milliseconds_ = 0;
}

void Time::SetFromSeconds(int64_t seconds)
{
    const FILETIME utc = ToFileTime(seconds * kFileTimePerSecond + kEpochFileTime);
    SYSTEMTIME utcFields;
    SYSTEMTIME localFields;
    FILETIME local;
    // The zone's rules for that date, not today's offset: a summer stamp read in winter keeps its
    // summer hour.
    if (!FileTimeToSystemTime(&utc, &utcFields) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utcFields, &localFields)) {
        SetLocalFileTime(0);
        return;
    }
    localFields.wMilliseconds = 0;
    if (!SystemTimeToFileTime(&localFields, &local)) {
        SetLocalFileTime(0);
        return;
    }
    SetLocalFileTime(FromFileTime(local));
}

int64_t Time::ToSeconds()
{
    const int64_t whole = fileTime_ - fileTime_ % kFileTimePerSecond;
    const FILETIME local = ToFileTime(whole);
    SYSTEMTIME localFields;
    SYSTEMTIME utcFields;
    FILETIME utc;
    if (FileTimeToSystemTime(&local, &localFields) &&
        TzSpecificLocalTimeToSystemTime(nullptr, &localFields, &utcFields) &&
        SystemTimeToFileTime(&utcFields, &utc)) {
        return (FromFileTime(utc) - kEpochFileTime) / kFileTimePerSecond;
    }
    return (whole - kEpochFileTime) / kFileTimePerSecond;
}

Time* Time::FromDate(uint16_t year, uint8_t month, uint8_t day)
{
    Time* time = New();
    if (!time)
        return nullptr;
    SYSTEMTIME midnight = {};
    midnight.wYear = year;
    midnight.wMonth = month;
    midnight.wDay = day;
    FILETIME ft;
    const bool made = IsValidDate(year, month, day) && SystemTimeToFileTime(&midnight, &ft);
    time->SetLocalFileTime(made ? FromFileTime(ft) : 0);
    return time;
}

bool Time::DaysHavePassed(int64_t now, int64_t stamp, int32_t n)
{
    int64_t midnight;
    uint8_t dayOfWeek;
    if (!LocalMidnightOf(stamp, &midnight, &dayOfWeek))
        return false;
    return now >= midnight + n * kSecondsPerDay;
}

bool Time::WeeksHavePassed(int64_t now, int64_t stamp, int32_t n)
{
    int64_t midnight;
    uint8_t dayOfWeek;
    if (!LocalMidnightOf(stamp, &midnight, &dayOfWeek))
        return false;
    // Weeks begin on Monday.
    const int32_t back = dayOfWeek == kSunday ? kDaysBackFromSunday : dayOfWeek - 1;
    return now >= midnight - back * kSecondsPerDay + n * kSecondsPerWeek;
}

bool Time::MonthDiffers(int64_t a, int64_t b)
{
    PooledTime first(New());
    PooledTime second(New());
    if (!first || !second)
        return false;
    first->SetFromSeconds(a);
    second->SetFromSeconds(b);
    return first->GetMonth() != second->GetMonth();
}

} // namespace time
} // namespace s
