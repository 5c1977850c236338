// SPDX-License-Identifier: GPL-3.0-or-later
// Wins on the ladders, played as a player plays them: credits, climbing, stops on 00,
// stops that come too early or while a credit runs, and the ladder left alone.
#include <gtest/gtest.h>

#include "game/scene_parts.h"
#include "tests/game/played_game.h"

namespace {

using W = Walzenbild;

TEST(Ladder, FiftyCentClimbedToTheTopCreditsEveryStepOnce) {
    OneGame g(W::W7, W::W7, W::W7);
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
    EXPECT_EQ(CutLabels(f), std::vector<std::string>{});
    EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
    EXPECT_FALSE(f.Game.SpielLaeuft);
    EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartAktImage));
    EXPECT_TRUE(f.StartBtn->Focused());
}

TEST(Ladder, StopOnZeroEndsTheLadderAfterASecond) {
    OneGame g(W::W7, W::W7, W::W7);
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
    OneGame g(W::W7, W::W7, W::W7);
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
    OneGame g(W::W7, W::W7, W::W7);
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
    OneGame g(W::W6_3, W::W6_3, W::W6_3);  // left, 10 special games
    TForm1& f = *g.f;
    for (int phase = 2; phase <= 16; ++phase) g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
    g.Rng().Script({kZeroPhaseDraw, 0});  // 17th 00 phase: the automatic stop
    int litAfterEnd = 0;
    g.Whenever([&] { return f.Money.SonderspieleAnzahl() == EuroDecimal::Parse("30") && g.LitLeft(1); },
               [&] { ++litAfterEnd; });
    g.Run(40000);
    EXPECT_EQ(g.SpecialGames(), "30");
    EXPECT_EQ(litAfterEnd, 0);
    EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
    EXPECT_FALSE(f.Game.SpielLaeuft);
    EXPECT_TRUE(g.Shows(*f.Sondersp20Image, *f.Sondersp20Image_normal));
}

TEST(Ladder, UnansweredLadderEndsAfterEighteenZeroPhases) {
    OneGame g(W::W8, W::W8, W::W8);  // left, 1,50
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

// The right ladder from 3,70 to the top: steps 4 and 5 wait a second before their special
// games, the top waits, opens and shuts the clam three times, credits 40 and ends.
TEST(Ladder, RightLadderWaitsBeforeItsSpecialGamesAndEndsWithTheClam) {
    OneGame g(W::W12, W::W12, W::W12);
    TForm1& f = *g.f;
    // 15 is lit from 16180 ms, 30 from 18320 (caught once the spin sequence has ended: a
    // pause of the same length inside its last one would end with it), 40 from 19620.
    g.Click(*f.StopBtn2, 16200);
    g.Click(*f.StopBtn2, 18340);
    g.Click(*f.StopBtn2, 19640);
    auto specialGames = [&](int at, const char* count) {
        g.At(at, [&g, count] {
            EXPECT_EQ(g.SpecialGames(), count);
            EXPECT_TRUE(g.SpecialGamesShow(count));
        });
    };
    specialGames(17199, "0");
    specialGames(17201, "15");
    specialGames(19339, "15");
    specialGames(19341, "45");
    g.At(19341, [&] { EXPECT_EQ(f.LabelBetrag->Caption(), "30 Sonderspiele gewonnen!!!"); });
    g.At(20841, [&] { EXPECT_TRUE(g.Shows(*f.Muschel, *f.Muschel_Halb_offen)); });
    g.At(20941, [&] { EXPECT_TRUE(g.Shows(*f.Muschel, *f.Muschel_Offen)); });
    g.At(21041, [&] { EXPECT_TRUE(g.Shows(*f.Muschel, *f.Muschel_Zu)); });
    specialGames(21839, "45");
    specialGames(21841, "85");
    g.At(21841, [&] {
        EXPECT_EQ(f.LabelBetrag->Caption(), "40 Sonderspiele gewonnen!!!");
        EXPECT_TRUE(g.Shows(*f.Muschel, *f.Muschel_Zu));
        EXPECT_TRUE(g.Shows(*f.Sondersp40Image, *f.Sondersp40Image_normal));
        EXPECT_TRUE(f.Game.SpielLaeuft);
    });
    g.At(21941, [&] {
        EXPECT_FALSE(f.Game.SpielLaeuft);
        EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
    });
    g.Run(22000);
    EXPECT_EQ(g.Credit(), "4,50");
}

// Left alone, the 17th 00 phase may catch the lit 1,50 for the player: it is credited, and
// the ladder climbs on, lights 2,20 and runs 18 more 00 phases.
TEST(Ladder, AutomaticCatchBelowTheTopClimbsAndCountsAgain) {
    OneGame g(W::W7, W::W7, W::W7);
    TForm1& f = *g.f;
    g.Rng().ScriptFor(6, 0);  // the 17th 00 phase, at 20250 ms, stops
    g.Rng().ScriptFor(6, 3);  // the next 17th does not
    g.At(20749, [&] { EXPECT_EQ(g.Credit(), "1,30"); });
    g.At(20751, [&] {
        EXPECT_EQ(g.Credit(), "2,80");
        EXPECT_EQ(f.LabelBetrag->Caption(), "1,50 Euro gewonnen!");
    });
    g.At(22879, [&] { EXPECT_FALSE(g.Lit(*f.Euro_2_20_Image, *f.Euro_2_20_Image_gelb)); });
    g.At(22881, [&] { EXPECT_TRUE(g.Lit(*f.Euro_2_20_Image, *f.Euro_2_20_Image_gelb)); });
    g.At(27919, [&] { EXPECT_TRUE(f.GewinnLeisteTimer2->Enabled()); });
    g.At(27921, [&] {
        EXPECT_FALSE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
        EXPECT_FALSE(f.Game.SpielLaeuft);
    });
    g.Run(28000);
}

// The 00 phase waits 101 to 199 ms, the win phase 121 to 149 ms: a draw at the floor is drawn
// again, and the lamps change at both ends of each range.
TEST(Ladder, PhaseIntervalsReachBothEndsOfTheirRange) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.PrepareGame(W::W7, W::W7, W::W7);
    for (int draw : {100, 101, 199}) g.Rng().ScriptFor(200, draw);
    for (int draw : {120, 149, 121}) g.Rng().ScriptFor(150, draw);
    g.SteadyLadders();
    g.Click(*f.StartBtn);
    // Credited at 15900 ms; then 00 after 101 ms, the win phase after 149, 00 after 199, the
    // win phase after 121.
    for (auto [at, lit] : {std::pair{16000, false}, {16002, true}}) {
        g.At(at, [&g, &f, lit = lit] { EXPECT_EQ(g.Lit(*f.Image_00, *f.Image_00_gelb), lit); });
        g.At(at + 149, [&g, &f, lit = lit] { EXPECT_EQ(g.Lit(*f.Euro_1_50_Image, *f.Euro_1_50_Image_gelb), lit); });
        g.At(at + 348, [&g, &f, lit = lit] { EXPECT_EQ(g.Lit(*f.Image_00, *f.Image_00_gelb), lit); });
        g.At(at + 469, [&g, &f, lit = lit] { EXPECT_EQ(g.Lit(*f.Euro_1_50_Image, *f.Euro_1_50_Image_gelb), lit); });
    }
    g.Run(16600);
}

// A stop before the first game acts as a stop on 00: a second later the autostart step
// lights the start button, or starts a game 2 s after that in automatic mode.
TEST(Ladder, StopBeforeTheFirstGameRunsTheAutostartStepAfterASecond) {
    for (bool autostart : {false, true}) {
        PlayedGame g(autostart);
        TForm1& f = *g.f;
        f.Game.ErsterMenueAufruf = false;
        g.SetCredit("1,00");
        SetGlyph(*f.StartBtn, *f.StartImage);
        g.Click(*f.StopBtn1);
        g.At(999, [&] { EXPECT_TRUE(g.GlyphIs(*f.StartBtn, *f.StartImage)); });
        g.At(1001, [&] { EXPECT_EQ(g.GlyphIs(*f.StartBtn, *f.StartAktImage), !autostart); });
        g.At(2999, [&] { EXPECT_FALSE(f.Timer1->Enabled()); });
        g.At(3001, [&] {
            EXPECT_EQ(f.Timer1->Enabled(), autostart);
            EXPECT_EQ(g.Credit(), autostart ? "0,80" : "1,00");
        });
        g.Run(3100);
    }
}

TEST(Crediting, RiskGameDoublesOrLosesTheAmount) {
    for (const auto& [draw, credit, label] : {std::tuple{21, "8,20", "7,40 Euro gewonnen!"},
                                              std::tuple{5, "0,80", "Nichts!"},
                                              std::tuple{40, "4,50", "3,70 Euro gewonnen!"}}) {
        OneGame g(W::W12, W::W12, W::W12, true);
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

// A start blanks the displays and draws the special games at (35, 1), wherever they stood.
// The same amount twice in a row counts once: "10" after "10" adds nothing, "20" after it
// adds 20, and a money amount again changes nothing, not even the label.
TEST(Crediting, SameAmountTwiceInARowCountsOnceAndTheCountMovesToItsPlace) {
    OneGame g(W::W3, W::W8, W::W1);  // lost
    TForm1& f = *g.f;
    EXPECT_EQ(f.Game.SonderspieleTextX, f.SonderSpieleAnzeige->Width() / 2);  // before the start
    auto specialGames = [&](const char* count) {
        EXPECT_EQ(g.SpecialGames(), count);
        EXPECT_TRUE(PlayedGame::DisplayShows(*f.SonderSpieleAnzeige, 35, 1, count, 16));
    };
    g.At(10, [&] { specialGames("0"); });
    g.At(14000, [&] {
        f.AddiereSonderspiele("10");
        specialGames("10");
        f.AddiereSonderspiele("10");
        specialGames("10");
        f.AddiereSonderspiele("20");
        specialGames("30");
        EXPECT_EQ(f.LabelBetrag->Caption(), "20 Sonderspiele gewonnen!!!");
        f.AddiereGewinn("0,50");  // 2,5 s
        EXPECT_EQ(g.Credit(), "1,30");
        f.LabelBetrag->SetCaption("20 Sonderspiele gewonnen!!!");
        const std::int64_t before = g.Now();
        f.AddiereGewinn("0,50");
        EXPECT_EQ(g.Now(), before);
        EXPECT_EQ(g.Credit(), "1,30");
        EXPECT_EQ(f.LabelBetrag->Caption(), "20 Sonderspiele gewonnen!!!");
        EXPECT_FALSE(f.LabelBetrag->Visible());
    });
    g.Run(17000);
}

// The tone signal makes a credit 600 ms longer; without the speaker it takes no time.
TEST(Crediting, SpeakerMakesTheCreditSixHundredMillisecondsLonger) {
    std::int64_t ended[2] = {};
    for (bool speaker : {false, true}) {
        OneGame g(W::W8, W::W8, W::W8, false, speaker);
        g.Whenever([&] { return g.Credit() == "2,30" && !g.f->LabelBetrag->Visible(); },
                   [&] { ended[speaker] = g.Now(); });
        g.Run(20000);
    }
    EXPECT_NEAR(ended[0], 15900, 6);
    EXPECT_EQ(ended[1] - ended[0], 600);
}

}  // namespace
