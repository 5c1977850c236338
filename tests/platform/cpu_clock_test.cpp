// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <deque>

#include "platform/cpu_clock.h"

namespace {

TEST(ClockArithmetic, LowWordDifferenceOverHalfASecond) {
    EXPECT_DOUBLE_EQ(ClockMHzFromCounter(1000, 1000 + 1'500'000'000), 3000.0);
    EXPECT_DOUBLE_EQ(ClockMHzFromCounter(7, 7), 0.0);
    // The low words wrap between the readings: still the forward difference.
    EXPECT_DOUBLE_EQ(ClockMHzFromCounter(0x1'FFFF'FF00, 0x2'0000'0100), 0x200 / 500000.0);
    // A difference beyond 32 bits is taken modulo 2^32.
    EXPECT_DOUBLE_EQ(ClockMHzFromCounter(0, 0x5'0000'0010), 0x10 / 500000.0);
}

TEST(GetCPUSpeed, ReadsTheCounterAroundOneSleepOf500ms) {
    std::deque<uint64_t> readings{5'000'000'000, 5'000'000'000 + 1'298'064'000};
    std::vector<int> sleeps;
    ClockProbe probe;
    probe.readCounter = [&]() -> std::optional<uint64_t> {
        const uint64_t value = readings.front();
        readings.pop_front();
        return value;
    };
    probe.sleep = [&](int ms) { sleeps.push_back(ms); };
    EXPECT_DOUBLE_EQ(GetCPUSpeed(probe), 2596.128);
    EXPECT_EQ(sleeps, std::vector<int>{500});
    EXPECT_TRUE(readings.empty());
}

TEST(GetCPUSpeed, WithoutCounterUsesTheEstimateAndDoesNotSleep) {
    ClockProbe probe;
    probe.readCounter = [] { return std::optional<uint64_t>(); };
    probe.sleep = [](int) { FAIL() << "slept without a counter"; };
    probe.estimateMHz = [] { return 1800.0; };
    EXPECT_DOUBLE_EQ(GetCPUSpeed(probe), 1800.0);
}

TEST(CpuInfo, FirstCpuMHzLineWhateverTheLocale) {
    EXPECT_DOUBLE_EQ(*CpuInfoMHz("processor\t: 0\ncpu MHz\t\t: 2596.128\ncpu MHz\t\t: 800.000\n"), 2596.128);
    EXPECT_FALSE(CpuInfoMHz("processor : 0\nBogoMIPS : 50.00\n").has_value());
    EXPECT_FALSE(CpuInfoMHz("cpu MHz : unknown\n").has_value());
    EXPECT_FALSE(CpuInfoMHz("cpu MHz\n").has_value());
}

}  // namespace
