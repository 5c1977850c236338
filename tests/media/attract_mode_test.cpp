// SPDX-License-Identifier: GPL-3.0-or-later
// The attract mode, as a player sees it between games.
#include <gtest/gtest.h>

#include "tests/game/played_game.h"

namespace {

TEST(AttractMode, PassesLastTwelvePointEightSecondsAndThrowFromTheShrunkChest) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.StartPlay();
    std::vector<std::int64_t> throws;
    std::vector<TPoint> starts;
    std::vector<PixelBuffer> pictures;
    g.Whenever([&] { return f.AuszahlungsImage->Visible(); }, [&] {
        throws.push_back(g.Now());
        starts.push_back({f.AuszahlungsImage->Left(), f.AuszahlungsImage->Top()});
        pictures.push_back(f.AuszahlungsImage->Picture().Bitmap().Pixels());
    });
    int sharkShows = 0;
    g.Whenever([&] { return f.Hintergrund3->Visible() || f.VordergrHaibewegt->Visible(); }, [&] { ++sharkShows; });
    // Mid-flight: the 10th step, a coin twice its base size, a note three times.
    g.At(4900 + 1000 + 9 * 200 + 100, [&] {
        const int factor = f.AuszahlungsImage->Picture().Height() <= 80 ? 2 : 3;
        EXPECT_EQ(f.AuszahlungsImage->Width(), 54 * factor);
        EXPECT_EQ(f.AuszahlungsImage->Top(), 315 + 10 * 50);
        EXPECT_TRUE(f.Program.RuhePhaseAktiv);
    });
    g.Run(44000);
    ASSERT_GE(throws.size(), 3u);
    EXPECT_NEAR(throws[1] - throws[0], 12800, 10);
    EXPECT_NEAR(throws[2] - throws[1], 12800, 10);
    EXPECT_EQ(sharkShows, static_cast<int>(throws.size()));  // the 5 s ticks started no second show
    // The first paint shrank the chest by 9 steps: the flight starts 45 pixels higher.
    EXPECT_EQ(starts[0].Y, 360 - 45);
    EXPECT_EQ(starts[0].X, f.SonderSpieleAnzeige->Left());
}

// A payout that stops the show while its light runs over the right ladder leaves no lamp lit.
TEST(AttractMode, PayoutStoppingTheLightLeavesNoLampLit) {
    PlayedGame g;
    TForm1& f = *g.f;
    f.Program.SpielerName = "Max";
    f.Game.ErsterMenueAufruf = false;
    g.SetCredit("1,00");
    g.StartPlay();
    const int rightPass = 4900 + 5000 + 3 * 700;
    g.At(rightPass + 250, [&] {
        EXPECT_TRUE(g.Shows(*f.Euro_2_50_Image, *f.Euro_2_50_Image_gelb));
        f.AuszahlenButtonClick(nullptr);
    });
    g.At(rightPass + 800, [&] {
        for (Ladder ladder : kBothLadders)
            for (int field = 0; field < kLadderFieldCount; ++field) {
                const LadderField& l = FieldOf(ladder, field);
                EXPECT_TRUE(g.Shows(*(f.*l.shown), *(f.*l.normal))) << l.name;
            }
    });
    g.Key(VK_RETURN, rightPass + 2000);  // the payout's result
    g.Run(rightPass + 900);
}

// A game started while the right ladder's light runs ends the show once that pass is done:
// no clam, no new money picture.
TEST(AttractMode, GameStartEndsTheShowAtTheNextCheckpoint) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.SetCredit("1,00");
    g.StartPlay();
    // The idle tick comes 5 s after the window's creation, 100 ms before play starts; the
    // flight takes 5 s and the left ladder's three passes 2,1 s.
    const int rightPass = 4900 + 5000 + 3 * 700;
    PixelBuffer before;
    g.At(rightPass + 350, [&] {
        before = f.AuszahlungsImage->Picture().Bitmap().Pixels();
        EXPECT_TRUE(g.Shows(*f.Euro_3_70_Image, *f.Euro_3_70_Image_gelb));
        g.Click(*f.StartBtn);
    });
    g.At(rightPass + 450, [&] {
        EXPECT_TRUE(f.Game.SpielLaeuft);
        EXPECT_TRUE(g.Shows(*f.Sondersp15Image, *f.Sondersp15Image_gelb));  // the light goes on
    });
    int clamOpened = 0;
    g.Whenever([&] { return g.Shows(*f.Muschel, *f.Muschel_Offen); }, [&] { ++clamOpened; });
    g.At(rightPass + 800, [&] {
        EXPECT_FALSE(f.Program.RuhePhaseAktiv);
        EXPECT_TRUE(g.Shows(*f.Sondersp40Image, *f.Sondersp40Image_normal));
    });
    g.Run(rightPass + 3000);
    EXPECT_EQ(clamOpened, 0);
    EXPECT_TRUE(f.AuszahlungsImage->Picture().Bitmap().Pixels() == before);
}

// Escape during the show: the show stops at the end of its flight, and after No it runs
// again at the next idle tick.
TEST(AttractMode, RunsAgainAfterTheQuitQuestionIsAnsweredNo) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.StartPlay();
    g.Key(VK_ESCAPE, 6000);
    g.At(10600, [&] {
        EXPECT_TRUE(f.Game.ProgrammBeenden);
        EXPECT_FALSE(f.Program.RuhePhaseAktiv);
        EXPECT_FALSE(f.AuszahlungsImage->Visible());
        g.Key('N');
    });
    std::int64_t again = 0;
    g.Whenever([&] { return g.Now() > 10700 && f.AuszahlungsImage->Visible(); }, [&] {
        if (!again) again = g.Now();
    });
    g.Run(17000);
    EXPECT_FALSE(f.Game.ProgrammBeenden);
    EXPECT_GT(again, 10700);
    EXPECT_LE(again, 15100);
}

// A payout asked for while the shark throws the show's money picture takes it over at once:
// the show stops, and the note the payout throws moves only by the payout's steps (the
// show's flight used to push a 50-euro note on at triple size).
TEST(AttractMode, PayoutTakesTheMoneyPictureFromTheShow) {
    PlayedGame g;
    TForm1& f = *g.f;
    f.Program.SpielerName = "Max";
    f.Game.ErsterMenueAufruf = false;
    g.SetCredit("50,00");
    g.StartPlay();
    // The show's flight runs from 5900 in steps of 200 ms.
    g.At(6500, [&] {
        EXPECT_TRUE(f.Program.RuhePhaseAktiv && f.AuszahlungsImage->Visible());
        g.Click(*f.MenueBtn);
    });
    g.At(6600, [&] { g.Click(*MenueDlg->ButtonGibsGeldHer); });
    g.At(6610, [&] {
        EXPECT_FALSE(f.Program.RuhePhaseAktiv);
        EXPECT_FALSE(f.AuszahlungsImage->Visible());
    });
    g.At(7650, [&] { g.Key(VK_RETURN); });  // the Guthaben message: the note flies from here
    // Five of the payout's 20 ms steps after the shark's second.
    g.At(7650 + 1000 + 4 * 20 + 10, [&] {
        EXPECT_TRUE(g.Shows(*f.AuszahlungsImage, *MenueDlg->Button_50_Euro));
        EXPECT_EQ(f.AuszahlungsImage->Left(), f.Chest.AuszahlungsBildLinks + 5 * 20);
        EXPECT_EQ(f.AuszahlungsImage->Top(), f.Chest.AuszahlungsBildOben + 5 * 50);
        EXPECT_EQ(f.AuszahlungsImage->Height(), 3 * f.Chest.AuszahlungsBildHoehe);
    });
    g.Run(12000);
    EXPECT_TRUE(g.h().Halted());
}

}  // namespace
