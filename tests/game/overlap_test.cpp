// SPDX-License-Identifier: GPL-3.0-or-later
// Games and ladders that run side by side: a re-spin or a new game under a running ladder,
// the end of a ladder while later reels turn, the next start after a ladder, a chain of
// manual games, and the lamps of a ladder that another button ended.
#include <gtest/gtest.h>

#include "tests/game/played_game.h"

namespace {

using W = Walzenbild;

// A manual game of three 50s, no risk game: credited at 13900 ms, re-spin offer from 15900
// to 17400 ms; left alone, its ladder ends at 20660 ms (the win phase after the 18th 00 phase).
struct FiftyCentGame : PlayedGame {
    explicit FiftyCentGame(bool autostart = false) : PlayedGame(autostart) {
        f->Game.ErsterMenueAufruf = false;
        PrepareGame(W::W7, W::W7, W::W7);
        SteadyLadders();
        NoAutomaticCatch();
        StartPlay();
        if (autostart)
            f->RequestAutoStart();  // the game starts 2 s later
        else
            Click(*f->StartBtn);
    }
};

// In automatic mode the start button re-spins the middle reel and nothing else; the credited
// ladder's stop then catches its lit step as before the re-spin.
TEST(Overlap, RespinUnderACreditedLadderKeepsItsStopWorking) {
    FiftyCentGame g(true);
    TForm1& f = *g.f;
    g.Rng().ScriptFor(24, PositionOf(W::W1));
    g.Click(*f.StartBtn, 18000);  // during the offer, 2 s later than in a manual game
    g.At(18500, [&] {
        EXPECT_TRUE(f.Timer2->Enabled());
        EXPECT_FALSE(f.Timer1->Enabled() || f.Timer3->Enabled());
    });
    g.At(20001, [&] {
        EXPECT_TRUE(g.ReelsShow(W::W7, W::W1, W::W7));
        EXPECT_FALSE(f.Timer1->Enabled());  // no new game
        EXPECT_EQ(g.Credit(), "1,30");
    });
    g.At(20199, [&] { EXPECT_TRUE(g.Lit(*f.Euro_1_50_Image, *f.Euro_1_50_Image_gelb)); });
    g.Click(*f.StopBtn1, 20200);
    g.At(20701, [&] {
        EXPECT_EQ(g.Credit(), "2,80");
        EXPECT_TRUE(g.CreditShows("2,80"));
        EXPECT_EQ(f.LabelBetrag->Caption(), "1,50 Euro gewonnen!");
    });
    g.Run(21000);
}

// The ladder of the first game ends while the reels of the game started after the re-spin
// turn: a start click then is refused, and that game plays on.
TEST(Overlap, LadderEndingUnderANewGameLeavesItRunning) {
    FiftyCentGame g;
    TForm1& f = *g.f;
    g.Rng().ScriptFor(24, PositionOf(W::W8), 2);  // the re-spin, then the new game's middle
    g.Rng().ScriptFor(28, PositionOf(W::W3));
    g.Rng().ScriptFor(28, PositionOf(W::W1));
    g.Click(*f.StartBtn, 16000);
    g.At(18001, [&] { EXPECT_EQ(g.Credit(), "1,10"); });  // re-spun, then paid at once
    g.At(20661, [&] { EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled()); });
    g.Click(*f.StartBtn, 21000);
    g.At(21001, [&] {
        EXPECT_EQ(g.Credit(), "1,10");
        EXPECT_TRUE(f.Game.SpielLaeuft);
    });
    g.At(27801, [&] {
        EXPECT_TRUE(g.ReelsShow(W::W3, W::W8, W::W1));
        EXPECT_FALSE(f.Game.SpielLaeuft);
    });
    g.Run(28000);
    EXPECT_EQ(g.Credit(), "1,10");
}

// A ladder left alone: the next automatic game starts 2 s after its end, the start button
// lights at its end, and the chain does not nest.
TEST(Overlap, NextStartFollowsTheLaddersEndOnTime) {
    {
        FiftyCentGame g(true);
        TForm1& f = *g.f;
        std::vector<int> depths;
        g.Whenever([&] { return f.Timer1->Enabled(); }, [&] { depths.push_back(g.h().App().HandlerDepth()); });
        g.At(22659, [&] { EXPECT_TRUE(f.GewinnLeisteTimer2->Enabled()); });
        g.At(24659, [&] {
            EXPECT_FALSE(f.Timer1->Enabled());
            EXPECT_EQ(g.Credit(), "1,30");
        });
        g.At(24661, [&] {
            EXPECT_TRUE(f.Timer1->Enabled());
            EXPECT_EQ(g.Credit(), "1,10");
        });
        g.Run(24700);  // the chain goes on until the credit is gone
        ASSERT_GE(depths.size(), 2u);
        EXPECT_EQ(depths[1], depths[0]);
    }
    FiftyCentGame g;
    TForm1& f = *g.f;
    g.At(20659, [&] { EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartImage)); });
    g.At(20661, [&] {
        EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartAktImage));
        EXPECT_TRUE(f.StartBtn->Focused());
    });
    g.Run(20700);
}

// A game started while a stop before the first game still waits out its second: that stop
// ends no ladder of the new game, whose stop catches the lit 2,20 at once.
TEST(Overlap, StopOfAnEarlierSequenceHoldsNoLaterLadder) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.PrepareGame(W::W8, W::W8, W::W8);
    g.SteadyLadders();
    g.NoAutomaticCatch();
    g.StartPlay();
    g.Click(*f.StopBtn1);
    g.Click(*f.StartBtn, 100);
    g.At(14001, [&] { EXPECT_EQ(g.Credit(), "2,30"); });  // the reel win, 1,50
    g.At(16299, [&] { EXPECT_TRUE(g.Lit(*f.Euro_2_20_Image, *f.Euro_2_20_Image_gelb)); });
    g.Click(*f.StopBtn1, 16300);
    g.At(16801, [&] {
        EXPECT_EQ(g.Credit(), "4,50");
        EXPECT_EQ(f.LabelBetrag->Caption(), "2,20 Euro gewonnen!");
    });
    g.Run(30000);
    EXPECT_FALSE(f.Game.SpielLaeuft);
}

// Re-spin, then a new game, again and again: each game starts from the same depth.
TEST(Overlap, ManualChainOfRespinsDoesNotNest) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.SetCredit("10,00");
    g.Rng().ScriptFor(28, PositionOf(W::W3), 40);  // W3, W8, W3: every game lost
    g.Rng().ScriptFor(24, PositionOf(W::W8), 40);
    std::vector<int> depths;
    g.Whenever([&] { return f.Timer1->Enabled(); }, [&] { depths.push_back(g.h().App().HandlerDepth()); });
    g.Whenever([&] { return f.Game.MitteNochmalMoeglich && depths.size() < 6; }, [&] { g.Click(*f.StartBtn); });
    g.Click(*f.StartBtn);
    g.Run(6 * 12000 + 15000);
    ASSERT_EQ(depths.size(), 6u);
    for (int d : depths) EXPECT_EQ(d, depths[0]);
    EXPECT_EQ(g.Credit(), "8,80");
    EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartAktImage));
}

// A stop with the left button ends the right ladder where it stands: after its second no lamp
// of it is lit, and its lit step can no longer be caught.
TEST(Overlap, OtherLaddersButtonLeavesNoLampLit) {
    for (int clickAt : {16100, 16200}) {  // 00 lit, then 2,50 lit
        OneGame g(W::W10, W::W10, W::W10);  // right ladder, 1,20
        TForm1& f = *g.f;
        g.Click(*f.StopBtn1, clickAt);
        g.At(clickAt + 999, [&] { EXPECT_TRUE(f.Game.SpielLaeuft); });
        g.At(clickAt + 1001, [&] {
            EXPECT_FALSE(f.Game.SpielLaeuft);
            EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
            EXPECT_TRUE(g.Shows(*f.Image_00_2, *f.Image_00_2_normal));
            EXPECT_TRUE(g.Shows(*f.Euro_2_50_Image, *f.Euro_2_50_Image_normal));
        });
        g.Click(*f.StopBtn2, clickAt + 1100);
        g.Run(clickAt + 4000);
        EXPECT_EQ(g.Credit(), "2,00");
    }
}

}  // namespace
