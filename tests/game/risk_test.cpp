// SPDX-License-Identifier: GPL-3.0-or-later
// The risk game as the player meets it: its outcome at every edge of its two draws, the reel
// stop button that ends it, a ladder click during it, and the game switched off in the menu.
#include <gtest/gtest.h>

#include "tests/game/played_game.h"

namespace {

using W = Walzenbild;

// 20 to 79 passes of three 10 ms steps; then the result draw: below 20 loses, an odd draw
// doubles, an even one keeps. Each edge is played from both sides, at both ends of the passes.
TEST(Risk, OutcomeAtEveryEdgeOfItsDraws) {
    struct Case {
        int passDraw, resultDraw;
        const char* credit;
        const char* label;
    };
    for (const Case c : {Case{0, 0, "1,00", "Nichts!"}, Case{59, 19, "1,00", "Nichts!"},
                         Case{0, 20, "2,20", "1,20 Euro gewonnen!"}, Case{59, 21, "3,40", "2,40 Euro gewonnen!"},
                         Case{0, 58, "2,20", "1,20 Euro gewonnen!"}, Case{59, 59, "3,40", "2,40 Euro gewonnen!"}}) {
        SCOPED_TRACE(c.resultDraw);
        PlayedGame g;
        TForm1& f = *g.f;
        f.AnzeigeLoeschen();  // as every start does
        g.SetCredit("1,00");
        g.Rng().Script({c.passDraw, c.resultDraw});
        g.At(10, [&] { f.AddiereGewinn("1,20"); });
        const int shown = 10 + 30 * (c.passDraw + 20);  // the last marker, alone
        TImage* const marker = c.resultDraw < 20 ? f.Image0mal : c.resultDraw % 2 ? f.Image2mal : f.Image1mal;
        g.At(shown + 499, [&] {
            EXPECT_TRUE(f.Game.RisikoLaeuft);
            for (TImage* m : {f.Image2mal, f.Image1mal, f.Image0mal}) EXPECT_EQ(m->Visible(), m == marker);
            EXPECT_EQ(f.LabelBetrag->Caption(), "1,20 Euro");
            EXPECT_EQ(CutLabels(f), std::vector<std::string>{});
        });
        g.At(shown + 501, [&] { EXPECT_FALSE(f.Game.RisikoLaeuft); });
        g.At(shown + 999, [&] { EXPECT_EQ(g.Credit(), "1,00"); });
        g.At(shown + 1001, [&] {
            EXPECT_EQ(g.Credit(), c.credit);
            EXPECT_TRUE(g.CreditShows(c.credit));
            EXPECT_EQ(f.LabelBetrag->Caption(), c.label);
            EXPECT_EQ(CutLabels(f), std::vector<std::string>{});  // "… Euro gewonnen!" whole
        });
        g.Run(shown + 1100);
    }
}

// A ladder button during the risk game only hands the focus to the reel stop button, which
// ends the blinking on the marker it shows next: here the single amount.
TEST(Risk, ReelStopButtonEndsItAndALadderClickOnlyMovesTheFocus) {
    OneGame g(W::W10, W::W10, W::W10, true);  // right ladder, 1,20: the risk game from 13400 ms
    TForm1& f = *g.f;
    g.Rng().ScriptFor(60, 59);  // 79 passes
    g.Rng().ScriptFor(60, 0);   // nothing, had it run out
    g.Click(*f.StopBtn2, 13450);
    g.At(13451, [&] {
        EXPECT_TRUE(f.StopWalzenBtn->Focused());
        EXPECT_TRUE(f.Game.RisikoLaeuft);
        EXPECT_TRUE(g.GlyphIs(*f.StopWalzenBtn, *f.StopAktImage));
    });
    g.Click(*f.StopWalzenBtn, 13505);  // 2X at 13500, 1X next at 13510
    g.At(13511, [&] {
        EXPECT_TRUE(f.Image1mal->Visible());
        EXPECT_FALSE(f.Image2mal->Visible() || f.Image0mal->Visible());
        EXPECT_FALSE(f.Game.RisikoLaeuft);
        EXPECT_TRUE(g.GlyphIs(*f.StopWalzenBtn, *f.StopImage));
    });
    g.At(14009, [&] { EXPECT_EQ(g.Credit(), "0,80"); });
    g.At(14011, [&] {
        EXPECT_EQ(g.Credit(), "2,00");
        EXPECT_EQ(f.LabelBetrag->Caption(), "1,20 Euro gewonnen!");
    });
    // The ladder goes on after the credit.
    g.At(16200, [&] { EXPECT_TRUE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled()); });
    g.Run(16300);
}

// Switched off in the menu, the risk game never runs: the ladder reset no longer shows its
// banner, and a money win is credited single, half a second after the label shows.
TEST(Risk, SwitchedOffInTheMenu) {
    PlayedGame g;
    TForm1& f = *g.f;
    f.Game.ErsterMenueAufruf = false;
    g.SetCredit("1,00");
    g.Click(*f.MenueBtn);
    g.Run(10);
    g.Click(*MenueDlg->ButtonRisiko);
    g.Key(VK_ESCAPE, 10);  // the menu's "Ok"
    g.Run(20);
    ASSERT_FALSE(MenueDlg->IsShown());
    ASSERT_FALSE(f.Game.RisikospielEin);
    g.NextReels(W::W8, W::W8, W::W8);  // left ladder, 1,50
    g.SteadyLadders();
    int riskGames = 0;
    g.Whenever([&] { return f.Game.RisikoLaeuft; }, [&] { ++riskGames; });
    g.StartPlay();
    g.Click(*f.StartBtn);
    g.At(9801, [&] { EXPECT_FALSE(f.ImageRisiko->Visible()); });  // the ladder has been reset
    g.At(13401, [&] { EXPECT_TRUE(f.LabelBetrag->Visible()); });
    g.At(13899, [&] { EXPECT_EQ(g.Credit(), "0,80"); });
    g.At(13901, [&] {
        EXPECT_EQ(g.Credit(), "2,30");
        EXPECT_EQ(f.LabelBetrag->Caption(), "1,50 Euro gewonnen!");
        EXPECT_FALSE(f.Image2mal->Visible() || f.Image1mal->Visible() || f.Image0mal->Visible());
    });
    g.Run(16000);
    EXPECT_EQ(riskGames, 0);
    EXPECT_FALSE(f.ImageRisiko->Visible());
}

}  // namespace
