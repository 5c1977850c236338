// A game from the start button to the evaluation, played as a player plays it.
#include <gtest/gtest.h>

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
    g.At(12301, [&] {
        EXPECT_FALSE(f.Game.MitteNochmalMoeglich);
        EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartImage));
    });
    g.Run(13400);
    EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartAktImage));
    EXPECT_TRUE(f.StartBtn->Focused());
    EXPECT_EQ(g.Credit(), "0,80");
}

}  // namespace
