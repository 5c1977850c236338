// SPDX-License-Identifier: GPL-3.0-or-later
// The shared blocking pause: how long it waits, what it dispatches, how pauses nest.
#include <gtest/gtest.h>

#include "toolkit/machpause.h"
#include "toolkit/headless/harness.h"

namespace {

struct PauseTest : ::testing::Test {
    HeadlessHarness h;
    TMachPause* pause = new TMachPause(&h.App());
    void At(int ms, std::function<void()> fn) {
        auto* t = new TTimer(&h.App());
        t->SetInterval(ms);
        t->OnTimer = [t, fn](TObject*) {
            t->SetEnabled(false);
            fn();
        };
    }
};

TEST_F(PauseTest, WaitsItsLengthWhileTimersRun) {
    int ticks = 0;
    auto* t = new TTimer(&h.App());
    t->SetInterval(100);
    t->OnTimer = [&](TObject*) { ++ticks; };
    pause->Pause(1050);
    EXPECT_EQ(h.NowMs(), 1050);
    EXPECT_EQ(ticks, 10);
}

TEST_F(PauseTest, EqualLengthKeepsTheIntervalOtherLengthSetsIt) {
    EXPECT_EQ(pause->Interval(), 1000);
    pause->Pause(400);
    EXPECT_EQ(pause->Interval(), 400);
    pause->Pause(400);
    EXPECT_EQ(h.NowMs(), 800);
    pause->Execute();
    EXPECT_EQ(h.NowMs(), 1200);
}

TEST_F(PauseTest, APauseEnteredDuringAnotherEndsBoth) {
    std::int64_t innerEnd = -1;
    At(100, [&] {
        pause->Pause(300);  // from 100 to 400
        innerEnd = h.NowMs();
    });
    pause->Pause(2000);
    EXPECT_EQ(innerEnd, 400);
    EXPECT_EQ(h.NowMs(), 400);  // the outer pause ended with the inner one
}

TEST_F(PauseTest, ANestedPauseOfTheSameLengthEndsWhenTheOuterWould) {
    std::int64_t innerEnd = -1;
    At(100, [&] {
        pause->Pause(500);
        innerEnd = h.NowMs();
    });
    pause->Pause(500);
    EXPECT_EQ(innerEnd, 500);
    EXPECT_EQ(h.NowMs(), 500);
}

TEST_F(PauseTest, NonPositiveLengthsReturnAtOnce) {
    pause->Pause(0);
    pause->Pause(-5);
    EXPECT_EQ(h.NowMs(), 0);
}

TEST_F(PauseTest, HaltDuringAPauseUnwindsIt) {
    At(300, [] { Application->Halt(); });
    EXPECT_THROW(pause->Pause(1000), HaltRequest);
    EXPECT_EQ(h.NowMs(), 300);
}

// A sequence that waits in pauses for a flag that only a stopped loop would set: a stop
// request unwinds it at once (its pauses used to return at once, and it spun).
TEST_F(PauseTest, AStopRequestUnwindsASequenceWaitingForAFlag) {
    bool flag = false;
    int waits = 0;
    At(10, [&] {
        while (!flag && waits < 100) {
            ++waits;
            pause->Pause(100);
        }
    });
    At(300, [] { Application->Terminate(); });
    EXPECT_FALSE(h.RunFor(20000));
    EXPECT_EQ(h.NowMs(), 300);
    EXPECT_EQ(waits, 3);
}

}  // namespace
