#pragma once
// The learner's day: the local date of a time, a day starting at 04:00, as a day number.

#include <string>

namespace memory {

// The local date of a time as days since 1970-01-01, a day running from 04:00 on the wall clock
// to 04:00 the next: a review at 01:30 counts for the day before. Local time as TZ gives it.
long long DayOf(long long unixTime);
// A day number as "2026-12-09".
std::string FormatDay(long long day);

} // namespace memory
