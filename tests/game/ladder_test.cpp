// Wins on the ladders, played as a player plays them: credits, climbing, stops on 00,
// stops that come too early or while a credit runs, and the ladder left alone.
#include <gtest/gtest.h>

#include "tests/game/played_game.h"

namespace {

using W = Walzenbild;

// A manual game whose reels stop on the given pictures; the first ladder phases draw
// their intervals at once. Evaluation at 9800 ms, the reel win credited from 10400 ms.
struct LadderGame : PlayedGame {
    LadderGame(W l, W m, W r, bool risk = false, bool speaker = false) : PlayedGame(false, speaker) {
        f->Game.RisikospielEin = risk;
        SetCredit("1,00");
        NextReels(l, m, r);
        Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
        StartPlay();
        Click(*f->StartBtn);
    }
    bool LitLeft(int step) { return f->Game.StufeLeuchtet[step - 1]; }
};

TEST(Ladder, FiftyCentClimbedToTheTopCreditsEveryStepOnce) {
    LadderGame g(W::W7, W::W7, W::W7);
    TForm1& f = *g.f;
    g.At(10100, [&] { EXPECT_TRUE(g.Shows(*f.Image_00, *f.Image_00_gelb)); });
    // The first win phase blinks the 0,50 step three times, then credits it.
    g.At(10450, [&] {
        EXPECT_TRUE(g.Shows(*f.Cent_50_Image, *f.Cent_50_Image_gelb));
        EXPECT_TRUE(g.Shows(*f.Image_00, *f.Image_00_normal));
    });
    g.At(10950, [&] { EXPECT_TRUE(g.Shows(*f.Cent_50_Image, *f.Cent_50_Image_normal)); });
    g.At(13899, [&] { EXPECT_EQ(g.Credit(), "0,80"); });
    g.At(13901, [&] {
        EXPECT_EQ(g.Credit(), "1,30");
        EXPECT_TRUE(g.CreditShows("1,30"));
        EXPECT_TRUE(f.LabelBetrag->Visible());
        EXPECT_EQ(f.LabelBetrag->Caption(), "0,50 Euro gewonnen!");
    });
    // The re-spin offer opens once the reel win is credited.
    g.At(15901, [&] {
        EXPECT_FALSE(f.LabelBetrag->Visible());
        EXPECT_TRUE(g.GlyphIs(*f.StopBtn1, *f.StopAktImage));
        EXPECT_TRUE(f.StartBtn->Focused());
    });
    // The player catches every lit step from 1,50 up.
    std::vector<int> caught;
    for (int step = 2; step <= 6; ++step)
        g.Whenever([&g, step] { return g.LitLeft(step); }, [&g, &caught, step] {
            caught.push_back(step);
            g.Click(*g.f->StopBtn1);
        });
    g.Run(60000);
    EXPECT_EQ(caught, (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(g.Credit(), "5,00");  // 0,80 + 0,50 + 1,50 + 2,20
    EXPECT_TRUE(g.CreditShows("5,00"));
    EXPECT_EQ(g.SpecialGames(), "35");
    EXPECT_TRUE(g.SpecialGamesShow("35"));
    EXPECT_EQ(f.LabelBetrag->Caption(), "20 Sonderspiele gewonnen!!!");
    EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
    EXPECT_FALSE(f.Game.SpielLaeuft);
    EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartAktImage));
    EXPECT_TRUE(f.StartBtn->Focused());
}

TEST(Ladder, StopOnZeroEndsTheLadderAfterASecond) {
    LadderGame g(W::W7, W::W7, W::W7);
    TForm1& f = *g.f;
    std::int64_t stoppedAt = 0;
    g.Whenever([&] { return g.Now() > 16000 && g.Shows(*f.Image_00, *f.Image_00_gelb); }, [&] {
        if (stoppedAt) return;
        stoppedAt = g.Now();
        g.Click(*f.StopBtn1);
    });
    std::int64_t endedAt = 0;
    g.Whenever([&] { return stoppedAt && !f.Game.SpielLaeuft; }, [&] { endedAt = g.Now(); });
    g.Run(30000);
    ASSERT_GT(stoppedAt, 0);
    EXPECT_NEAR(endedAt - stoppedAt, 1000, 10);
    EXPECT_EQ(g.Credit(), "1,30");
    EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
    EXPECT_TRUE(g.Shows(*f.Image_00, *f.Image_00_normal));
    EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartAktImage));
}

TEST(Ladder, StopBeforeTheReelWinIsCreditedDoesNothing) {
    LadderGame g(W::W7, W::W7, W::W7);
    TForm1& f = *g.f;
    g.Click(*f.StopBtn1, 10150);   // first 00 phase
    g.Click(*f.StopBtn1, 11000);   // while the step blinks
    g.At(10300, [&] { EXPECT_TRUE(f.GewinnLeisteTimer2->Enabled()); });
    g.At(13901, [&] { EXPECT_EQ(g.Credit(), "1,30"); });
    g.At(16000, [&] { EXPECT_TRUE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled()); });
    g.Run(16000);
}

// A stop accepted while the credit's last pause runs waits until the credit has finished;
// then it is a stop on 00.
TEST(Ladder, StopDuringTheCreditsPauseActsWhenTheCreditEnds) {
    LadderGame g(W::W7, W::W7, W::W7);
    TForm1& f = *g.f;
    g.Click(*f.StopBtn1, 14500);
    g.At(15000, [&] { EXPECT_TRUE(f.LabelBetrag->Visible()); });
    g.At(15950, [&] {
        EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
        EXPECT_TRUE(f.Game.SpielLaeuft);
    });
    g.At(16950, [&] { EXPECT_FALSE(f.Game.SpielLaeuft); });
    g.Run(20000);
    EXPECT_EQ(g.Credit(), "1,30");
    EXPECT_FALSE(g.LitLeft(2));
}

// Left alone, the ladder's own stop in its 17th 00 phase may catch the top step; the
// ladder then stays ended instead of blinking on without a level.
TEST(Ladder, AutomaticCatchOfTheTopStepEndsTheLadder) {
    LadderGame g(W::W6_3, W::W6_3, W::W6_3);  // left, 10 special games
    TForm1& f = *g.f;
    for (int phase = 2; phase <= 16; ++phase) g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
    g.Rng().Script({kZeroPhaseDraw, 0});  // 17th 00 phase: the automatic stop
    int litAfterEnd = 0;
    g.Whenever([&] { return f.Game.SonderspieleAnzahl == EuroDecimal::Parse("30") && g.LitLeft(1); },
               [&] { ++litAfterEnd; });
    g.Run(40000);
    EXPECT_EQ(g.SpecialGames(), "30");
    EXPECT_EQ(litAfterEnd, 0);
    EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
    EXPECT_FALSE(f.Game.SpielLaeuft);
    EXPECT_TRUE(g.Shows(*f.Sondersp20Image, *f.Sondersp20Image_normal));
}

TEST(Ladder, UnansweredLadderEndsAfterEighteenZeroPhases) {
    LadderGame g(W::W8, W::W8, W::W8);  // left, 1,50
    TForm1& f = *g.f;
    for (int phase = 2; phase <= 16; ++phase) g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
    g.Rng().Script({kZeroPhaseDraw, 3});  // the 17th 00 phase catches nothing
    int zeroPhases = 0;
    g.Whenever([&] { return g.Shows(*f.Image_00, *f.Image_00_gelb); }, [&] { ++zeroPhases; });
    g.Run(40000);
    EXPECT_EQ(zeroPhases, 18);
    EXPECT_EQ(g.Credit(), "2,30");
    EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
    EXPECT_FALSE(f.Game.SpielLaeuft);
}

TEST(Crediting, RiskGameDoublesOrLosesTheAmount) {
    for (const auto& [draw, credit, label] : {std::tuple{21, "8,20", "7,40 Euro gewonnen!"},
                                              std::tuple{5, "0,80", "Nichts!"},
                                              std::tuple{40, "4,50", "3,70 Euro gewonnen!"}}) {
        LadderGame g(W::W12, W::W12, W::W12, true);
        TForm1& f = *g.f;
        g.Rng().Script({0, draw});  // twenty passes, then the result
        g.At(10401, [&] {
            EXPECT_TRUE(f.ImageRisiko->Visible());
            EXPECT_TRUE(g.Shows(*f.Euro_3_70_Image, *f.Euro_3_70_Image_gelb));
        });
        g.At(13500, [&] {
            EXPECT_TRUE(f.Game.RisikoLaeuft);
            EXPECT_FALSE(f.ImageRisiko->Visible());
            EXPECT_EQ(f.LabelBetrag->Caption(), "3,70 Euro");
            EXPECT_TRUE(f.StopWalzenBtn->Focused());
        });
        // Twenty passes of three 10 ms steps, 500 ms, then 500 ms before the credit.
        g.At(15000, [&, credit = credit, label = label] {
            EXPECT_FALSE(f.Game.RisikoLaeuft);
            EXPECT_EQ(g.Credit(), credit);
            EXPECT_TRUE(g.CreditShows(credit));
            EXPECT_EQ(f.LabelBetrag->Caption(), label);
        });
        g.Run(16000);
    }
}

// The tone signal makes a credit 600 ms longer; without the speaker it takes no time.
TEST(Crediting, SpeakerMakesTheCreditSixHundredMillisecondsLonger) {
    std::int64_t ended[2] = {};
    for (bool speaker : {false, true}) {
        LadderGame g(W::W8, W::W8, W::W8, false, speaker);
        g.Whenever([&] { return g.Credit() == "2,30" && !g.f->LabelBetrag->Visible(); },
                   [&] { ended[speaker] = g.Now(); });
        g.Run(20000);
    }
    EXPECT_NEAR(ended[0], 15900, 6);
    EXPECT_EQ(ended[1] - ended[0], 600);
}

}  // namespace
