#include <gtest/gtest.h>

#include <deque>

#include "platform/cpu_clock.h"

namespace {

TEST(ClockArithmetic, TicksOverHalfASecondGiveMHz) {
    EXPECT_DOUBLE_EQ(ClockMHzFromCounter(1000, 1000 + 1'500'000'000), 3000.0);
    EXPECT_DOUBLE_EQ(ClockMHzFromCounter(0, 250'000'000), 500.0);
    EXPECT_DOUBLE_EQ(ClockMHzFromCounter(7, 7), 0.0);
    EXPECT_DOUBLE_EQ(ClockMHzFromCounter(0, 1), 1 / 500000.0);
}

TEST(ClockArithmetic, OnlyTheLow32BitsCount) {
    // The low words wrap between the readings: still the forward difference.
    EXPECT_DOUBLE_EQ(ClockMHzFromCounter(0x1'FFFF'FF00, 0x2'0000'0100), 0x200 / 500000.0);
    // A difference beyond 32 bits is taken modulo 2^32.
    EXPECT_DOUBLE_EQ(ClockMHzFromCounter(0, 0x5'0000'0010), 0x10 / 500000.0);
}

// A counter that hands out scripted readings and records the sleep between them.
struct ScriptedProbe {
    std::deque<uint64_t> readings;
    std::vector<int> sleeps;
    ClockProbe Probe() {
        ClockProbe probe;
        probe.readCounter = [this]() -> std::optional<uint64_t> {
            const uint64_t value = readings.front();
            readings.pop_front();
            return value;
        };
        probe.sleep = [this](int ms) { sleeps.push_back(ms); };
        probe.estimateMHz = [] { return -1.0; };
        return probe;
    }
};

TEST(GetCPUSpeed, ReadsCounterAroundOneSleepOf500ms) {
    ScriptedProbe script{{5'000'000'000, 5'000'000'000 + 1'298'064'000}, {}};
    EXPECT_DOUBLE_EQ(GetCPUSpeed(script.Probe()), 2596.128);
    EXPECT_EQ(script.sleeps, std::vector<int>{500});
    EXPECT_TRUE(script.readings.empty());
}

TEST(GetCPUSpeed, WithoutCounterUsesTheEstimateAndDoesNotMeasure) {
    ClockProbe probe;
    probe.readCounter = [] { return std::optional<uint64_t>(); };
    bool slept = false;
    probe.sleep = [&](int) { slept = true; };
    probe.estimateMHz = [] { return 1800.0; };
    EXPECT_DOUBLE_EQ(GetCPUSpeed(probe), 1800.0);
    EXPECT_FALSE(slept);
}

TEST(CpuInfo, FirstCpuMHzLine) {
    EXPECT_DOUBLE_EQ(*CpuInfoMHz("processor\t: 0\nmodel name\t: X\ncpu MHz\t\t: 2596.128\ncpu MHz\t\t: 800.000\n"),
                     2596.128);
    EXPECT_DOUBLE_EQ(*CpuInfoMHz("cpu MHz: 1200"), 1200.0);
}

TEST(CpuInfo, NoOrBrokenFigure) {
    EXPECT_FALSE(CpuInfoMHz("").has_value());
    EXPECT_FALSE(CpuInfoMHz("processor : 0\nBogoMIPS : 50.00\n").has_value());
    EXPECT_FALSE(CpuInfoMHz("cpu MHz : unknown\n").has_value());
    EXPECT_FALSE(CpuInfoMHz("cpu MHz\n").has_value());
}

TEST(TimeStampCounter, RunsForwardWhereThereIsOne) {
    const std::optional<uint64_t> first = ReadTimeStampCounter();
    if (!first) GTEST_SKIP() << "no time-stamp counter";
    EXPECT_GT(*ReadTimeStampCounter(), *first);
}

}  // namespace
