// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Times of the history: the local calendar's date and time as seconds since 1970-01-01 00:00,
// read as if the local clock were UTC, so days and months fall where the player sees them.
#include <cstdint>
#include <ctime>

std::int64_t LocalStamp(const std::tm& local);
std::tm CalendarOf(std::int64_t stamp);
std::int64_t DayOf(std::int64_t stamp);
// The first second of a day (DayOf).
std::int64_t DayStart(std::int64_t day);
// The first second of the stamp's month and of the month after it.
std::int64_t MonthStart(std::int64_t stamp);
std::int64_t NextMonthStart(std::int64_t stamp);
