// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted play session through the real program: deposits, a ladder left to run out,
// a lost game, a risk game doubled and a ladder climbed to special games, two special games
// and the payout. The session's figures and the history file equal its counts and sums.
#include "game/combination_table.h"
#include "game/scene_parts.h"
#include "statistics/figure_rows.h"
#include "statistics/game_rows.h"
#include "statistics/history_schema.h"
#include "tests/statistics/statistics_test_helpers.h"

namespace {

using W = Walzenbild;

PlayFigures ExpectedSession() {
    PlayFigures e;
    e.paidGames = 3;
    e.specialGames = 2;
    e.stakedCents = 60;
    e.stepCents = 150 + 370;
    e.wonCents = 150 + 740;
    e.specialWon = 15;
    e.risk = {0, 0, 1};
    e.deposits = 2;
    e.depositCents = 550;
    e.payouts = 1;
    e.payoutCents = 550 - 60 + 890 - 550;  // the credit less the debt
    e.winningGames = 2;
    e.losingRun = 2;
    e.longestLosingRun = 2;
    e.started[LevelSlot(Ladder::Left, 2)] = 1;
    e.reached[LevelSlot(Ladder::Left, 2)] = 1;
    e.started[LevelSlot(Ladder::Right, 3)] = 1;
    e.reached[LevelSlot(Ladder::Right, 3)] = 1;
    e.reached[LevelSlot(Ladder::Right, 4)] = 1;
    return e;
}

bool LitRight(TForm1& f, int step) { return f.Game.StufeLeuchtet[LevelSlot(Ladder::Right, step)]; }

TEST(SessionFigures, EqualTheScriptedSessionExactly) {
    PlayedGame g;
    TForm1& f = *g.f;
    KnownPlayer(f);
    MenueDlg->Button_5_EuroClick(nullptr);
    MenueDlg->Button_50_CentClick(nullptr);

    // 1,50 on the left ladder, which runs out by itself.
    f.Game.RisikospielEin = false;
    g.NextReels(W::W8, W::W8, W::W8);
    for (int phase = 1; phase <= 16; ++phase) g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
    g.Rng().Script({kZeroPhaseDraw, 3});
    g.Click(*f.StartBtn);
    PlayUntilOver(g);
    ASSERT_EQ(g.Credit(), "6,80");

    BildAufWalzeTable lost{};
    for (auto [reel, picture] : {std::pair{Reel::Left, W::W1}, {Reel::Middle, W::W3}, {Reel::Right, W::W5}})
        RecordStop(lost, reel, picture);
    ASSERT_FALSE(FindCombination(lost));
    PlayManualGame(g, W::W1, W::W3, W::W5);

    // 3,70 on the right ladder, doubled; the player catches 15 special games, then stops on 00.
    f.Game.RisikospielEin = true;
    g.NextReels(W::W12, W::W12, W::W12);
    g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw, 0, 21});
    bool caught = false, stopped = false;
    g.Whenever([&] { return !caught && LitRight(f, 4); }, [&] {
        caught = true;
        g.Click(*f.StopBtn2);
    });
    g.Whenever([&] { return caught && !stopped && f.GewinnLeiste00Timer->Enabled() && !LitRight(f, 5); }, [&] {
        stopped = true;
        g.Click(*f.StopBtn2);
    });
    g.Click(*f.StartBtn);
    PlayUntilOver(g);
    ASSERT_TRUE(stopped);
    ASSERT_EQ(g.Credit(), "13,80");
    ASSERT_EQ(g.SpecialGames(), "15");

    PlayManualGame(g, W::W1, W::W3, W::W5);
    PlayManualGame(g, W::W5, W::W3, W::W1);
    ASSERT_EQ(g.SpecialGames(), "13");
    EXPECT_EQ(Recorder(f).Session(), [] {
        PlayFigures e = ExpectedSession();
        e.payouts = e.payoutCents = 0;
        return e;
    }());
    // A special game counts as a stake, played or won.
    const std::vector<std::int64_t> net = {130, 110, 110 + 740 + 15 * 20 - 20, 1110, 1090};
    EXPECT_EQ(Recorder(f).SessionNet(), net);
    // The quota and the result count alike: 8,90 won and 15 special games worth 3,00 came back
    // for five games at 0,20 each.
    EXPECT_EQ(FigureRows()[9].text(Recorder(f).Session()), "+10,90");
    EXPECT_EQ(FigureRows()[10].text(Recorder(f).Session()), "1190,00 %");

    g.Click(*f.MenueBtn);
    g.At(100, [&] { g.Click(*MenueDlg->ButtonGibsGeldHer); });
    g.Key('J', 1250);
    g.Key(VK_RETURN, 1350);
    g.Run(60000);
    ASSERT_TRUE(g.h().Halted());
    EXPECT_EQ(Recorder(f).Session(), ExpectedSession());
    g.Stop();

    SqlDatabase db(HistoryIn(g));
    EXPECT_EQ(ReadTotals(db), ExpectedSession());
    EXPECT_EQ(db.Single("SELECT COUNT(*) FROM sessions WHERE ended_at IS NOT NULL"), 1);
    EXPECT_EQ(db.Single("SELECT SUM(cents) FROM deposits"), 550);
    EXPECT_EQ(db.Single("SELECT credit_cents FROM payouts"), 1380);
    EXPECT_EQ(db.Single("SELECT debt_cents FROM payouts"), 550);
    SqlStatement first(db.Handle(), "SELECT " + GameColumnList() + " FROM games ORDER BY id");
    ASSERT_TRUE(first.Step());
    EXPECT_EQ(first.Int(1), static_cast<int>(W::W8));
    EXPECT_EQ(first.Int(4), 2);  // left start
    EXPECT_EQ(db.Single("SELECT SUM(net_cents) FROM days"), 1090);
}

}  // namespace
