// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/clock_text.h"

#include <cstdio>

std::string ShortDateText(const std::tm& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    return text;
}

std::string LongTimeText(const std::tm& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

double TimeOfDayInDays(const std::tm& t) {
    return (t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec) / 86400.0;
}
