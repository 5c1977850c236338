#include "statistics/local_stamp.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t Stamp(std::tm t) { return static_cast<std::int64_t>(timegm(&t)); }

}  // namespace

std::int64_t LocalStamp(const std::tm& local) { return Stamp(local); }

std::tm CalendarOf(std::int64_t stamp) {
    const std::time_t t = static_cast<std::time_t>(stamp);
    std::tm calendar{};
    gmtime_r(&t, &calendar);
    return calendar;
}

std::int64_t DayOf(std::int64_t stamp) {
    return stamp >= 0 ? stamp / kSecondsPerDay : (stamp - kSecondsPerDay + 1) / kSecondsPerDay;
}

std::int64_t MonthStart(std::int64_t stamp) {
    std::tm t = CalendarOf(stamp);
    t.tm_mday = 1;
    t.tm_hour = t.tm_min = t.tm_sec = 0;
    return Stamp(t);
}

std::int64_t NextMonthStart(std::int64_t stamp) {
    std::tm t = CalendarOf(MonthStart(stamp));
    ++t.tm_mon;  // timegm carries December into January
    return Stamp(t);
}
