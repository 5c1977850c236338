// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/local_time.h"

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}
