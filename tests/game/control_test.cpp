// SPDX-License-Identifier: GPL-3.0-or-later
// Starting games: stake or special game, too little credit, the keys, the re-spin of the
// middle reel, and the autostart chain.
#include <gtest/gtest.h>

#include "tests/game/played_game.h"

namespace {

using W = Walzenbild;

TEST(Start, SpecialGameIsUsedBeforeCredit) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.SetCredit("1,00");
    SetSpecialGames(f.Money, "1");
    g.NextReels(W::W3, W::W8, W::W1);
    g.Click(*f.StartBtn);
    g.At(10, [&] {
        EXPECT_TRUE(f.Game.SpielLaeuft);
        EXPECT_EQ(g.SpecialGames(), "0");
        EXPECT_TRUE(g.SpecialGamesShow("0"));
        EXPECT_EQ(g.Credit(), "1,00");
    });
    g.Run(20);
}

TEST(Start, TwentyCentsPlayOneGame) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.SetCredit("0,20");
    g.Click(*f.StartBtn);
    g.At(10, [&] {
        EXPECT_TRUE(f.Game.SpielLaeuft);
        EXPECT_EQ(g.Credit(), "0,00");
        EXPECT_TRUE(g.CreditShows("0,00"));
    });
    g.Run(20);
}

TEST(Start, TenCentsOpenTheMenuInstead) {
    PlayedGame h;
    h.f->Game.ErsterMenueAufruf = false;  // the player's name is known
    h.SetCredit("0,10");
    h.Click(*h.f->StartBtn);
    h.At(10, [&] {
        EXPECT_FALSE(h.f->Game.SpielLaeuft);
        EXPECT_FALSE(h.f->Timer1->Enabled());
        EXPECT_EQ(h.Credit(), "0,10");
        EXPECT_TRUE(MenueDlg->IsShown());
    });
    h.Run(20);
}

// Once the menu has asked for the name and is closed again (by its window's close, which
// starts nothing), the start button starts no game while the box is ticked.
TEST(Start, AutostartBoxLetsTheStartButtonOnlyOpenTheFirstMenu) {
    PlayedGame g(true);
    TForm1& f = *g.f;
    g.SetCredit("1,00");
    g.Click(*f.StartBtn);
    g.h().Type("Max", 5);  // the first menu asks for the name
    g.Key(VK_RETURN, 10);
    g.Run(20);
    EXPECT_TRUE(MenueDlg->IsShown());
    EXPECT_FALSE(f.Game.SpielLaeuft);
    EXPECT_FALSE(f.Game.ErsterMenueAufruf);
    g.h().Backend().Post(InputEvent::Of(InputEvent::CloseRequest, MenueDlg->Window()));
    g.Click(*f.StartBtn, 10);
    g.At(5, [&] { EXPECT_FALSE(f.Game.MenueOffen); });
    for (int ms : {500, 3000})  // an automatic start would come 2 s after the menu
        g.At(ms, [&] {
            EXPECT_FALSE(MenueDlg->IsShown());
            EXPECT_FALSE(f.Game.SpielLaeuft);
            EXPECT_FALSE(f.Timer1->Enabled());
            EXPECT_EQ(g.Credit(), "1,00");
        });
    g.Run(3100);
}

TEST(Keys, EscapeAnsweredNoLeavesTheGameRunning) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.SetCredit("1,00");
    g.NextReels(W::W3, W::W8, W::W1);
    g.Click(*f.StartBtn);
    g.Key(VK_ESCAPE, 1000);
    g.At(1100, [&] {
        EXPECT_TRUE(f.Game.ProgrammBeenden);
        ASSERT_EQ(g.h().MessageBoxes().size(), 1u);
        EXPECT_EQ(g.h().MessageBoxes()[0].first, "Bestätigung");
        EXPECT_EQ(g.h().MessageBoxes()[0].second, "Programm jetzt beenden?");
        g.Key('N');
    });
    g.At(1300, [&] { EXPECT_FALSE(f.Game.ProgrammBeenden); });
    g.At(9000, [&] { EXPECT_TRUE(g.ReelsShow(W::W3, W::W8, W::W1)); });
    g.Run(14000);
    EXPECT_FALSE(g.h().Halted());
}

// Enter and the space bar press the button the game has given the focus.
TEST(Keys, GamePlayedWithEnterAndSpace) {
    PlayedGame g;
    TForm1& f = *g.f;
    g.SetCredit("1,00");
    f.StartBtn->SetFocus();
    g.NextReels(W::W7, W::W7, W::W7);
    g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
    f.Game.RisikospielEin = false;
    g.Key(VK_RETURN);
    g.Key(VK_SPACE, 3000);  // the left reel's window
    g.Key(VK_SPACE, 3100);  // once per window
    g.At(3050, [&] { EXPECT_FALSE(f.Timer1->Enabled()); });
    g.At(3500, [&] { EXPECT_TRUE(f.Timer3->Enabled()); });
    g.Key(VK_SPACE, 6000);
    g.At(6050, [&] { EXPECT_FALSE(f.Timer3->Enabled()); });
    g.Key(VK_RETURN, 8000);
    g.At(8050, [&] {
        EXPECT_FALSE(f.Timer2->Enabled());
        EXPECT_TRUE(g.ReelsShow(W::W7, W::W7, W::W7));
    });
    g.At(9100, [&] { EXPECT_TRUE(f.StopBtn1->Focused()); });  // the evaluation found a win
    // After the credit the space bar catches the lit 1,50 step on the focused stop button.
    bool pressed = false;
    g.Whenever([&] { return g.Now() > 14000 && f.Game.StufeLeuchtet[1] && f.StopBtn1->Focused(); }, [&] {
        if (!pressed) g.Key(VK_SPACE);
        pressed = true;
    });
    g.StartPlay();
    g.Run(30000);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(g.Credit(), "2,80");  // 0,80 + 0,50 + 1,50
}

// A lost game's middle reel spun again: the outer pictures stay, the new one wins (its stop
// waits for its credit). The start pressed for the re-spin starts no game beside that win:
// its ladder runs alone, and the start button lights when it has ended.
TEST(Respin, MiddleReelAfterALostGameCanWin) {
    PlayedGame g;
    TForm1& f = *g.f;
    f.Game.RisikospielEin = false;
    g.SetCredit("1,00");
    g.NextReels(W::W7, W::W8, W::W7);
    g.Rng().Script({PositionOf(W::W7)});
    g.Click(*f.StartBtn);
    g.Click(*f.StartBtn, 11000);  // during the re-spin offer
    g.At(11500, [&] {
        EXPECT_TRUE(f.Timer2->Enabled());
        EXPECT_FALSE(f.Timer1->Enabled() || f.Timer3->Enabled());
        EXPECT_FALSE(f.MarkierungsImage->Visible());
    });
    g.At(12050, [&] { EXPECT_TRUE(g.ReelsShow(W::W7, W::W7, W::W7)); });
    g.At(13050, [&] {  // evaluated: the left ladder runs, and no next game
        EXPECT_TRUE(f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled());
        EXPECT_FALSE(f.Timer1->Enabled());
        EXPECT_EQ(g.Credit(), "0,80");
    });
    g.Click(*f.StopBtn1, 13350);  // before the new win is credited: nothing
    g.At(17100, [&] { EXPECT_EQ(g.Credit(), "1,30"); });
    g.Run(17200);
}

// Games follow one another from the outermost loop until the credit is gone; the chain
// never nests one game inside the last.
TEST(Autostart, PlaysUntilTheCreditIsGone) {
    PlayedGame g(true);
    TForm1& f = *g.f;
    f.Game.ErsterMenueAufruf = false;
    g.SetCredit("0,60");
    for (int i = 0; i < 3; ++i) g.NextReels(W::W3, W::W8, W::W1);
    int games = 0, deepest = 0;
    g.Whenever([&] { return f.Timer1->Enabled(); }, [&] {
        ++games;
        deepest = std::max(deepest, g.h().App().HandlerDepth());
    });
    f.RequestAutoStart();
    g.Run(60000);
    EXPECT_EQ(games, 3);
    EXPECT_EQ(g.Credit(), "0,00");
    EXPECT_TRUE(g.CreditShows("0,00"));
    EXPECT_TRUE(f.Game.RuhePhaseErlaubt);
    EXPECT_FALSE(f.Game.SpielLaeuft);
    EXPECT_LE(deepest, 4);
}

TEST(Autostart, DepthStaysTheSameOverManyGamesWithWins) {
    PlayedGame g(true);
    TForm1& f = *g.f;
    f.Game.ErsterMenueAufruf = false;
    g.SetCredit("100,00");
    // The play-time reminder after an hour is answered as a player would.
    g.AnswerEveryBox(100);
    std::vector<int> depths;
    g.Whenever([&] { return f.Timer1->Enabled(); }, [&] { depths.push_back(g.h().App().HandlerDepth()); });
    f.RequestAutoStart();
    g.Run(120 * 15000);
    ASSERT_GE(depths.size(), 90u);
    EXPECT_EQ(*std::max_element(depths.begin() + depths.size() / 2, depths.end()),
              *std::max_element(depths.begin(), depths.begin() + 20));
}

}  // namespace
