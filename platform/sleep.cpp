// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sleep.h"

#include <chrono>
#include <thread>

void SleepMilliseconds(int ms) {
    if (ms <= 0) return;
    // sleep_for resumes after EINTR and never returns early.
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
