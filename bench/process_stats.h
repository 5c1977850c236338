// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-process figures for the real-time measurements.
#include <fstream>
#include <string>

// Resident memory of this process in kilobytes.
inline long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}
