// SPDX-License-Identifier: GPL-3.0-or-later
// Timers on the virtual clock: due times, collapsing, restarting, nesting.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/headless/harness.h"
#include "toolkit/timer.h"

namespace {

struct TimerTest : ::testing::Test {
    HeadlessHarness h;
    std::vector<std::int64_t> ticks;
    TTimer* MakeTimer(int ms) {
        auto* t = new TTimer(&h.App());
        t->SetInterval(ms);
        t->OnTimer = [this](TObject*) { ticks.push_back(h.NowMs()); };
        return t;
    }
};

TEST_F(TimerTest, FiresOnceAtEachDueTime) {
    MakeTimer(400);
    h.RunFor(1300);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{400, 800, 1200}));
}

TEST_F(TimerTest, ATickDueAtTheEndOfARunStillRuns) {
    MakeTimer(1000);
    h.RunFor(1000);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000}));
}

TEST_F(TimerTest, MissedTicksCollapseIntoOne) {
    TTimer* t = MakeTimer(100);
    t->OnTimer = [this](TObject*) {
        ticks.push_back(h.NowMs());
        if (ticks.size() == 1) h.Clock().AdvanceBy(350'000);  // a slow handler
    };
    h.RunFor(700);
    ASSERT_GE(ticks.size(), 3u);
    EXPECT_EQ(ticks[0], 100);
    EXPECT_EQ(ticks[1], 450);  // one tick for all that were missed meanwhile
    EXPECT_EQ(ticks[2], 550);
}

TEST_F(TimerTest, EnablingAndChangingTheIntervalRestartTheCount) {
    TTimer* t = MakeTimer(400);
    h.RunFor(300);
    t->SetEnabled(false);
    t->SetEnabled(true);  // restarts at 300
    h.RunFor(450);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{700}));
    t->SetInterval(100);  // at 750
    h.RunFor(120);
    EXPECT_EQ(ticks.back(), 850);
}

TEST_F(TimerTest, DisabledOrHandlerlessTimersNeverFire) {
    TTimer* t = MakeTimer(100);
    t->SetEnabled(false);
    auto* silent = new TTimer(&h.App());
    silent->SetInterval(50);
    h.RunFor(1000);
    EXPECT_TRUE(ticks.empty());
}

TEST_F(TimerTest, FiresAgainInsideANestedLoopOfItsOwnHandler) {
    TTimer* t = MakeTimer(100);
    int depth = 0, maxDepth = 0;
    t->OnTimer = [&](TObject*) {
        ticks.push_back(h.NowMs());
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (ticks.size() == 1) {
            std::int64_t until = h.Clock().NowUs() + 250'000;
            while (h.Clock().NowUs() < until) h.App().HandleMessage();
        }
        --depth;
    };
    h.RunFor(400);
    EXPECT_EQ(maxDepth, 2);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 300, 400}));
}

TEST_F(TimerTest, QueuedCallsRunFromTheLoopNotTheCaller) {
    std::vector<int> order;
    h.App().QueueCall([&] { order.push_back(2); });
    order.push_back(1);
    h.RunFor(1);
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(RandomTest, ScriptedDrawsComeFirstAndMustFit) {
    HeadlessHarness h;
    h.App().Rng().Script({3, 0});
    EXPECT_EQ(Random(10), 3);
    EXPECT_EQ(Random(10), 0);
    h.App().Rng().Script({12});
    EXPECT_THROW(Random(10), std::logic_error);
    for (int i = 0; i < 1000; ++i) {
        int v = Random(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
    }
}

}  // namespace
