// SPDX-License-Identifier: GPL-3.0-or-later
// Orders of clicks that once lost or doubled a win: a stop of the other ladder before the
// reel win is credited, a game that wins while an earlier ladder still runs, an older credit
// finishing inside a newer ladder, a double click on 00, a start during the re-spin offer.
#include <gtest/gtest.h>

#include "statistics/play_recorder.h"
#include "tests/game/played_game.h"

namespace {

using W = Walzenbild;

bool LadderTimersOn(const TForm1& f) { return f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled(); }

// While a ladder's reel win is uncredited, neither stop button acts: the other ladder's stop,
// clicked before the first win phase or while the step blinks, loses nothing.
TEST(Orders, OtherLaddersStopBeforeTheReelWinIsCreditedDoesNothing) {
    struct Case {
        W picture;
        TBitBtn* TForm1::*otherStop;
        const char* credit;  // 0,80 and the reel win
    };
    for (const Case& c : {Case{W::W12, &TForm1::StopBtn1, "4,50"}, Case{W::W11, &TForm1::StopBtn1, "3,30"},
                          Case{W::W9, &TForm1::StopBtn2, "3,00"}, Case{W::W8, &TForm1::StopBtn2, "2,30"}}) {
        OneGame g(c.picture, c.picture, c.picture);
        TForm1& f = *g.f;
        g.NoAutomaticCatch();
        g.Click(*(f.*c.otherStop), 9900);   // between the evaluation and the first win phase
        g.Click(*(f.*c.otherStop), 11000);  // while the level blinks
        g.At(13950, [&] { EXPECT_EQ(g.Credit(), c.credit); });
        g.At(16200, [&] { EXPECT_TRUE(LadderTimersOn(f)) << "the ladder blinks on after its credit"; });
        g.Run(16300);
    }
}

// A game started after the re-spin offer, while the first game's ladder (the right one) runs
// on, wins on the left: the earlier ladder ends there, one ladder timer runs at a time, the
// new reel win blinks from 600 ms after its evaluation, and the earlier ladder's 00 lamp goes out.
TEST(Orders, NewLadderReplacesAStillRunningOne) {
    PlayedGame g;
    TForm1& f = *g.f;
    f.Game.ErsterMenueAufruf = false;
    g.PrepareGame(W::W10, W::W10, W::W10);  // right, 1,20
    g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
    g.SteadyLadders();
    g.NoAutomaticCatch();
    g.Rng().ScriptFor(24, PositionOf(W::W1));  // the re-spin loses
    g.Rng().ScriptFor(28, PositionOf(W::W8), 2);  // the next game wins the left 1,50
    g.Rng().ScriptFor(24, PositionOf(W::W8));
    g.Click(*f.StartBtn);
    g.Click(*f.StartBtn, 16000);  // during the re-spin offer: a re-spin, then the next game
    // The right ladder is kept alive by catching its steps up to 30 special games, each just
    // before the ladder would end unanswered.
    g.Whenever([&] { return !f.Game.LeiterLinksAktiv && f.Game.LeiterTakt >= 14 &&
                            (f.Game.StufeLeuchtet[6 + 1] || f.Game.StufeLeuchtet[6 + 2] ||
                             f.Game.StufeLeuchtet[6 + 3] || f.Game.StufeLeuchtet[6 + 4]); },
               [&] { g.Click(*f.StopBtn2); });
    bool bothTimers = false, oldLampLit = false;
    std::int64_t evaluatedAt = -1, blinkedAt = -1, rightSeenAt = -1;
    bool rightRanAtTheWin = false;
    g.Whenever([&] {
        if (f.Game.LeiterRechtsAktiv && LadderTimersOn(f)) rightSeenAt = g.Now();
        return false;
    }, [] {});
    g.Whenever([&] { return f.GewinnLeiste00Timer->Enabled() && f.GewinnLeisteTimer2->Enabled(); },
               [&] { bothTimers = true; });
    g.Whenever([&] { return f.Game.LeiterLinksAktiv; }, [&] {
        evaluatedAt = g.Now();
        rightRanAtTheWin = evaluatedAt - rightSeenAt <= 10;
    });
    g.Whenever([&] { return evaluatedAt >= 0 && g.Shows(*f.Euro_1_50_Image, *f.Euro_1_50_Image_gelb); },
               [&] { if (blinkedAt < 0) blinkedAt = g.Now(); });
    g.Whenever([&] { return evaluatedAt >= 0 && g.Now() > evaluatedAt + 1000 && g.Shows(*f.Image_00_2, *f.Image_00_2_gelb); },
               [&] { oldLampLit = true; });
    g.Run(45000);
    ASSERT_GE(evaluatedAt, 0) << "the second game did not win";
    EXPECT_TRUE(rightRanAtTheWin) << "the right ladder had ended before the second game's win";
    EXPECT_FALSE(bothTimers);
    EXPECT_NEAR(blinkedAt - evaluatedAt, 600, 10);
    EXPECT_FALSE(oldLampLit);
}

// A credit of an earlier ladder that ends inside a newer ladder's play does not block the
// newer ladder's step of the same amount: the lit 2,20 of the new ladder is paid.
TEST(Orders, OlderCreditDoesNotBlockTheNewerLaddersStep) {
    OneGame g(W::W8, W::W8, W::W8);  // left, 1,50; the next lit step is 2,20
    TForm1& f = *g.f;
    g.NoAutomaticCatch();
    bool newLadder = false;
    // The first ladder catches 2,20; while that credit waits, a newer ladder starts from the
    // same 1,50 combination and credits it.
    g.Whenever([&] { return !newLadder && g.LitLeft(3) && g.Now() > 16000; }, [&] { g.Click(*f.StopBtn1); });
    g.Whenever([&] { return !newLadder && f.Game.LetzterGewinnText == "2,20" && g.Credit() == "4,50"; }, [&] {
        newLadder = true;
        for (Reel reel : kAllReels) RecordStop(f.Game.BildAufWalze, reel, W::W8);
        f.Auswertung();
    });
    std::string creditBefore;
    g.Whenever([&] { return newLadder && f.Game.LetzterGewinnText.empty() == false && g.LitLeft(3) &&
                            f.Game.StufeErreicht[1] && !f.Game.LadderSequences; },
               [&] {
                   if (!creditBefore.empty()) return;
                   creditBefore = g.Credit();
                   g.Click(*f.StopBtn1);
               });
    g.Run(40000);
    ASSERT_TRUE(newLadder);
    ASSERT_FALSE(creditBefore.empty()) << "the newer ladder never lit 2,20";
    const EuroDecimal paid = EuroDecimal::Parse(g.Credit()) - EuroDecimal::Parse(creditBefore);
    EXPECT_EQ(paid.ToFixed(2), "2,20");
}

// Two clicks on 00 end the ladder once: the start button lights one second after the first.
TEST(Orders, DoubleClickOnZeroEndsTheLadderOnce) {
    for (bool autostart : {false, true}) {
        SCOPED_TRACE(autostart ? "automatic" : "manual");
        PlayedGame g(autostart);
        TForm1& f = *g.f;
        f.Game.ErsterMenueAufruf = false;
        g.PrepareGame(W::W7, W::W7, W::W7);
        g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
        g.SteadyLadders();
        g.NoAutomaticCatch();
        if (autostart)
            f.RequestAutoStart();
        else
            g.Click(*f.StartBtn);
        std::int64_t stoppedAt = -1, nextAt = -1;
        const int late = autostart ? 20600 : 18600;  // after the spin sequence's tail
        g.Whenever([&] { return stoppedAt < 0 && g.Now() > late && g.Shows(*f.Image_00, *f.Image_00_gelb); }, [&] {
            stoppedAt = g.Now();
            g.Click(*f.StopBtn1);
            g.Click(*f.StopBtn1, 60);
        });
        if (autostart)
            g.Whenever([&] { return stoppedAt >= 0 && f.Timer1->Enabled(); }, [&] { if (nextAt < 0) nextAt = g.Now(); });
        else
            g.Whenever([&] { return stoppedAt >= 0 && g.GlyphIs(*f.StartBtn, *f.StartAktImage); },
                       [&] { if (nextAt < 0) nextAt = g.Now(); });
        g.Run(30000);
        ASSERT_GE(stoppedAt, 0);
        EXPECT_NEAR(nextAt - stoppedAt, autostart ? 3000 : 1000, 10);
    }
}

// A start during a lost game's re-spin offer ends that game before the next one begins: the
// play-time reminder, due by then, shows before the next game is paid.
TEST(Orders, StartDuringTheRespinOfferEndsTheGameFirst) {
    PlayedGame g;
    TForm1& f = *g.f;
    auto& recorder = dynamic_cast<PlayRecorder&>(*f.Play);
    recorder.SetProtection({1, {}, {}});
    // A first game starts the play time; a minute later the reminder is due.
    g.SetCredit("1,00");
    g.NextReels(W::W1, W::W3, W::W5);
    g.Click(*f.StartBtn);
    g.Run(61000);
    g.StartPlay();
    g.PrepareGame(W::W3, W::W8, W::W1);
    g.Rng().ScriptFor(24, PositionOf(W::W5));  // the re-spin loses too
    g.Click(*f.StartBtn);
    g.Click(*f.StartBtn, 11000);  // during the offer
    std::int64_t remindedAt = -1;
    std::string creditThen;
    g.AnswerEveryBox(100, [&](const std::string&) {
        remindedAt = g.Now();
        creditThen = g.Credit();
    });
    g.Run(20000);
    ASSERT_GE(remindedAt, 0) << "no reminder at the game's end";
    EXPECT_EQ(creditThen, "0,80") << "the next game was paid before the first had ended";
    EXPECT_EQ(g.Credit(), "0,60");
}

// Steps a player sees paid: the right ladder's caught 3,70 adds 3,70.
TEST(Orders, RightLaddersCaughtStepsPayTheirAmounts) {
    OneGame g(W::W11, W::W11, W::W11);  // right, 2,50; then 3,70 is lit
    TForm1& f = *g.f;
    g.NoAutomaticCatch();
    std::string before;
    g.Whenever([&] { return before.empty() && g.Now() > 16000 && f.Game.StufeLeuchtet[6 + 2]; }, [&] {
        before = g.Credit();
        g.Click(*f.StopBtn2);
    });
    g.Run(25000);
    ASSERT_EQ(before, "3,30");
    EXPECT_EQ(g.Credit(), "7,00");
}

// Automatic play uses the special games before the credit.
TEST(Orders, AutomaticPlayUsesSpecialGamesFirst) {
    PlayedGame g(true);
    TForm1& f = *g.f;
    f.Game.ErsterMenueAufruf = false;
    f.Game.RisikospielEin = false;
    g.SetCredit("1,00");
    SetSpecialGames(f.Money, "2");
    g.Rng().ScriptFor(28, PositionOf(W::W3), 6);  // every game loses
    g.Rng().ScriptFor(24, PositionOf(W::W8), 6);
    f.RequestAutoStart();
    g.At(2100, [&] {
        EXPECT_EQ(g.SpecialGames(), "1");
        EXPECT_EQ(g.Credit(), "1,00");
    });
    g.At(17400, [&] {  // the second game
        EXPECT_EQ(g.SpecialGames(), "0");
        EXPECT_EQ(g.Credit(), "1,00");
    });
    g.At(32700, [&] { EXPECT_EQ(g.Credit(), "0,80"); });  // the third game
    g.Run(33000);
}

}  // namespace
