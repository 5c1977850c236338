// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Date and time texts in the German formats: 06.12.2026 and 22:39:00.
#include <ctime>
#include <string>

std::string ShortDateText(const std::tm& t);
std::string LongTimeText(const std::tm& t);
// The time of day as a fraction of a day.
double TimeOfDayInDays(const std::tm& t);
