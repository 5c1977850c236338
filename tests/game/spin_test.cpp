// SPDX-License-Identifier: GPL-3.0-or-later
// A game from the start button to the evaluation, played as a player plays it.
#include <gtest/gtest.h>

#include <utility>

#include "media/split_blur.h"
#include "tests/game/played_game.h"

namespace {

using W = Walzenbild;

TEST(ManualGame, LostGameRunsItsTimesAndShowsTheNextAction) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.SetCredit("1,00");
    g.NextReels(W::W3, W::W8, W::W1);
    g.Click(*f.StartBtn);
    g.At(10, [&] {
        EXPECT_TRUE(f.Game.SpielLaeuft);
        EXPECT_EQ(g.Credit(), "0,80");
        EXPECT_TRUE(g.CreditShows("0,80"));
        EXPECT_TRUE(f.Timer1->Enabled());
        EXPECT_FALSE(f.Timer3->Enabled());
    });
    g.At(410, [&] { EXPECT_TRUE(f.Timer3->Enabled() && !f.Timer2->Enabled()); });
    g.At(810, [&] { EXPECT_TRUE(f.Timer2->Enabled()); });
    // The left reel's stop window: marker above it, the stop button red and focused.
    g.At(2810, [&] {
        EXPECT_TRUE(f.MarkierungsImage->Visible());
        EXPECT_EQ(f.MarkierungsImage->Left(), f.Walze_links1->Left() + f.Walze_links1->Width() / 2);
        EXPECT_TRUE(g.GlyphIs(*f.StopWalzenBtn, *f.StopAktImage));
        EXPECT_TRUE(f.StopWalzenBtn->Focused());
    });
    g.At(3799, [&] { EXPECT_TRUE(f.Timer1->Enabled()); });
    g.At(3801, [&] {
        EXPECT_FALSE(f.Timer1->Enabled());
        EXPECT_TRUE(g.Shows(*f.Walze_links1, *f.Walzenbild3));
        EXPECT_FALSE(f.MarkierungsImage->Visible());
        EXPECT_TRUE(g.GlyphIs(*f.StopWalzenBtn, *f.StopImage));
    });
    g.At(6799, [&] { EXPECT_TRUE(f.Timer3->Enabled()); });
    g.At(6801, [&] { EXPECT_FALSE(f.Timer3->Enabled()); });
    g.At(8799, [&] { EXPECT_TRUE(f.Timer2->Enabled()); });
    g.At(8801, [&] {
        EXPECT_TRUE(g.ReelsShow(W::W3, W::W8, W::W1));
        EXPECT_TRUE(f.Game.SpielLaeuft);
    });
    g.At(9801, [&] {  // evaluated: lost
        EXPECT_FALSE(f.Game.SpielLaeuft);
        EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled());
    });
    // The re-spin offer, then the start button asks for the next game.
    g.At(10801, [&] {
        EXPECT_TRUE(f.Game.MitteNochmalMoeglich);
        EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartAktImage));
        EXPECT_TRUE(f.StartBtn->Focused());
    });
    g.At(12299, [&] {  // the offer lasts a second and a half
        EXPECT_TRUE(f.Game.MitteNochmalMoeglich);
        EXPECT_TRUE(f.MarkierungsImage->Visible());
    });
    g.At(12301, [&] {
        EXPECT_FALSE(f.Game.MitteNochmalMoeglich);
        EXPECT_FALSE(f.MarkierungsImage->Visible());
        EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartImage));
    });
    g.Run(13400);
    EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartAktImage));
    EXPECT_TRUE(f.StartBtn->Focused());
    EXPECT_EQ(g.Credit(), "0,80");
}

// A spinning reel's blur runs 1, 2, 3, 4, 3, 4 ... from its start, one stage every 400 ms,
// and a re-spin of the middle reel starts again at 1.
TEST(ManualGame, BlurStagesRunInOrderAndRestartOnARespin) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.SetCredit("1,00");
    g.NextReels(W::W3, W::W8, W::W1);
    g.Rng().ScriptFor(24, PositionOf(W::W8));  // the re-spin loses too
    g.Click(*f.StartBtn);  // the middle reel starts at 800 ms
    auto middleBlurred = [&](int at, int stage) {
        g.At(at, [&f, stage] {
            PixelBuffer expected = f.Image1->Picture().Bitmap().Pixels();
            SplitBlur(expected, stage);
            EXPECT_EQ(f.Walze_mitte1->Picture().Bitmap().Pixels(), expected) << "stage " << stage;
        });
    };
    int at = 1201;
    for (int stage : {1, 2, 3, 4, 3, 4, 3}) middleBlurred(std::exchange(at, at + 400), stage);
    g.Click(*f.StartBtn, 11000);  // the re-spin
    middleBlurred(11401, 1);
    middleBlurred(11801, 2);
    g.Run(11900);
}

// With the menu open during the re-spin offer, the start button neither re-spins the middle
// reel nor starts a game: it hands the focus to the menu.
TEST(ManualGame, MenuOpenDuringTheOfferAllowsNoRespinAndNoGame) {
    OneGame g(W::W3, W::W8, W::W1);
    TForm1& f = *g.f;
    f.Game.ErsterMenueAufruf = false;
    g.Click(*f.MenueBtn, 10900);  // the offer is open, no game runs
    g.Click(*f.StartBtn, 11000);
    for (int at : {11001, 11500, 12500})
        g.At(at, [&] {
            EXPECT_TRUE(MenueDlg->IsShown());
            EXPECT_FALSE(f.Timer1->Enabled() || f.Timer2->Enabled() || f.Timer3->Enabled());
            EXPECT_FALSE(f.Game.SpielLaeuft);
            EXPECT_TRUE(g.ReelsShow(W::W3, W::W8, W::W1));
            EXPECT_EQ(g.Credit(), "0,80");
        });
    g.Run(12600);
}

}  // namespace
