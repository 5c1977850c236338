// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The processor's time-stamp counter and the clock estimate made with it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/sleep.h"

// The counter's current value, or nothing when the processor has no counter.
std::optional<uint64_t> ReadTimeStampCounter();

// The clock in MHz from two counter readings taken 500 ms apart: the difference of
// their low 32 bits, as an unsigned 32-bit number, divided by 500000.
double ClockMHzFromCounter(uint64_t before, uint64_t after);

// The first "cpu MHz" value of a /proc/cpuinfo text, or nothing.
std::optional<double> CpuInfoMHz(std::string_view cpuinfo);

// The system's own figure from /proc/cpuinfo, 0 when it has none.
double SystemEstimateMHz();

// What the measurement needs from the system; tests replace the parts.
struct ClockProbe {
    std::function<std::optional<uint64_t>()> readCounter = ReadTimeStampCounter;
    std::function<void(int ms)> sleep = SleepMilliseconds;
    std::function<double()> estimateMHz = SystemEstimateMHz;  // used without a counter
};

// The processor clock in MHz: the counter across a 500 ms sleep, or, without a
// counter, the system's own figure (0 when it has none).
double GetCPUSpeed(const ClockProbe& probe = {});
