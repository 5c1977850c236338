// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_clock.h"

#include <emscripten.h>

EM_JS(void, tresolo_local_time, (int* fields), {
    const now = new Date();
    const year = now.getFullYear();
    const dayOfYear = (Date.UTC(year, now.getMonth(), now.getDate()) - Date.UTC(year, 0, 1)) / 86400000;
    HEAP32.set([now.getSeconds(), now.getMinutes(), now.getHours(), now.getDate(), now.getMonth(),
                year - 1900, now.getDay(), dayOfYear], fields >> 2);
});

std::tm PageLocalTime() {
    int f[8] = {};
    tresolo_local_time(f);
    std::tm t{};
    t.tm_sec = f[0];
    t.tm_min = f[1];
    t.tm_hour = f[2];
    t.tm_mday = f[3];
    t.tm_mon = f[4];
    t.tm_year = f[5];
    t.tm_wday = f[6];
    t.tm_yday = f[7];
    t.tm_isdst = -1;
    return t;
}
