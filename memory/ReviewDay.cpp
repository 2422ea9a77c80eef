// The learner's day from the local calendar: a day starts at 04:00, so that a late evening's
// practice after midnight still belongs to that evening.
#include "memory/ReviewDay.h"

#include <cstdio>
#include <ctime>

namespace memory {

namespace {

constexpr int kDayStartHour = 4;

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

} // namespace

long long DayOf(long long unixTime)
{
    // The wall clock decides, not time less four hours: on the night clocks change, 04:00 is
    // still the start of the day.
    const std::time_t t = static_cast<std::time_t>(unixTime);
    std::tm local{};
    if (!localtime_r(&t, &local))
        return (unixTime - kDayStartHour * 3600LL) / 86400;
    const long long date = DaysFromCivil(local.tm_year + 1900LL, static_cast<unsigned>(local.tm_mon + 1),
                                         static_cast<unsigned>(local.tm_mday));
    return local.tm_hour < kDayStartHour ? date - 1 : date;
}

std::string FormatDay(long long day)
{
    // The inverse of DaysFromCivil.
    const long long z = day + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04lld-%02u-%02u", y, m, d);
    return buf;
}

} // namespace memory
