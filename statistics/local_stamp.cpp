// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/local_stamp.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Whole-number floor division, also for stamps before 1970.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : (a - b + 1) / b; }

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar (month 1..12). Counted
// here rather than with timegm, whose time_t has only 32 bits on some systems and ends in 2038.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = FloorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Months, days, hours, minutes and seconds out of range carry over, as timegm does.
std::int64_t Stamp(const std::tm& t) {
    const std::int64_t months = std::int64_t{t.tm_year} * 12 + t.tm_mon;
    const std::int64_t year = 1900 + FloorDiv(months, 12);
    const int month = static_cast<int>(months - FloorDiv(months, 12) * 12) + 1;
    const std::int64_t days = DaysFromCivil(year, month, 1) + t.tm_mday - 1;
    return days * kSecondsPerDay + std::int64_t{t.tm_hour} * 3600 + std::int64_t{t.tm_min} * 60 + t.tm_sec;
}

}  // namespace

std::int64_t LocalStamp(const std::tm& local) { return Stamp(local); }

std::tm CalendarOf(std::int64_t stamp) {
    const std::int64_t days = FloorDiv(stamp, kSecondsPerDay);
    const std::int64_t second = stamp - days * kSecondsPerDay;
    // The inverse of DaysFromCivil.
    const std::int64_t z = days + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2);
    std::tm calendar{};
    calendar.tm_year = static_cast<int>(year - 1900);
    calendar.tm_mon = month - 1;
    calendar.tm_mday = day;
    calendar.tm_hour = static_cast<int>(second / 3600);
    calendar.tm_min = static_cast<int>(second / 60 % 60);
    calendar.tm_sec = static_cast<int>(second % 60);
    calendar.tm_wday = static_cast<int>(days + 4 - FloorDiv(days + 4, 7) * 7);  // 1970-01-01 was a Thursday
    calendar.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
    return calendar;
}

std::int64_t DayOf(std::int64_t stamp) { return FloorDiv(stamp, kSecondsPerDay); }

std::int64_t DayStart(std::int64_t day) { return day * kSecondsPerDay; }

std::int64_t MonthStart(std::int64_t stamp) {
    std::tm t = CalendarOf(stamp);
    t.tm_mday = 1;
    t.tm_hour = t.tm_min = t.tm_sec = 0;
    return Stamp(t);
}

std::int64_t NextMonthStart(std::int64_t stamp) {
    std::tm t = CalendarOf(MonthStart(stamp));
    ++t.tm_mon;  // Stamp carries December into January
    return Stamp(t);
}
