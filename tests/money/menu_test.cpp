// SPDX-License-Identifier: GPL-3.0-or-later
// The menu dialog as the player meets it: the payout button, the full cash box, "Ok" and
// Escape, the risk switch and the quit button.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/game/played_game.h"

namespace {

// Max has given his name; the menu opens without asking.
class Menu : public ::testing::Test {
protected:
    explicit Menu(bool autostart = false) : g(autostart) {
        f.Program.SpielerName = "Max";
        f.Game.ErsterMenueAufruf = false;
    }
    void OpenMenu() {
        g.Click(*f.MenueBtn);
        g.Run(50);
        ASSERT_TRUE(menu.IsShown());
    }

    PlayedGame g;
    TForm1& f = *g.f;
    TMenueDlg& menu = *MenueDlg;
};

class MenuWithAutostart : public Menu {
protected:
    MenuWithAutostart() : Menu(true) {}
};

TEST_F(Menu, PayoutButtonShowsFromTenCentsOrOneSpecialGame) {
    auto payoutOffered = [&](const char* credit, const char* specialGames) {
        g.SetCredit(credit);
        SetSpecialGames(f.Money, specialGames);
        menu.Show();
        const bool shown = menu.ButtonGibsGeldHer->Showing();
        menu.Close();
        return shown;
    };
    EXPECT_TRUE(payoutOffered("0,10", "0"));
    EXPECT_FALSE(payoutOffered("0,05", "0"));
    EXPECT_FALSE(payoutOffered("0,00", "0"));
    EXPECT_TRUE(payoutOffered("0,00", "1"));
}

TEST_F(Menu, CashBoxFromTenThousandEurosIsEmptiedToAHundred) {
    SetCashBox(f.Money, "10000,00");
    g.Key(VK_RETURN, 10);
    OpenMenu();
    ASSERT_EQ(g.h().MessageBoxes().size(), 1u);
    EXPECT_EQ(g.h().MessageBoxes()[0].second,
              "In der Automatenkasse sind 10000,00 Euro, sie muss geleert werden! 100 Euro verbleiben drin.");
    EXPECT_EQ(menu.AutomatenGeldspeicherAnzeige->Caption(), "100,00");
    EXPECT_EQ(f.Money.Automatenkasse().ToFixed(2), "100,00");

    menu.Close();
    SetCashBox(f.Money, "11000,00");
    OpenMenu();
    EXPECT_EQ(g.h().MessageBoxes().size(), 1u);
    EXPECT_EQ(f.Money.Automatenkasse().ToFixed(2), "11000,00");
}

// Escape and Enter press the focused "Ok". With 0,15 euros the menu only closes; with
// 0,20 the automatic start plays a game 2 s later.
TEST_F(MenuWithAutostart, OkGoesOnPlayingOnlyWithTheStakeOfOneGame) {
    g.SetCredit("0,15");
    OpenMenu();
    EXPECT_TRUE(menu.CancelBtn->Focused());
    g.Key(VK_ESCAPE);
    g.Run(3000);
    EXPECT_FALSE(menu.IsShown());
    EXPECT_FALSE(f.Game.MenueOffen);
    EXPECT_TRUE(f.StartBtn->Focused());
    EXPECT_FALSE(f.Game.SpielLaeuft);
    EXPECT_EQ(g.Credit(), "0,15");

    g.SetCredit("0,20");
    g.NextReels(Walzenbild::W3, Walzenbild::W8, Walzenbild::W1);  // a lost game
    OpenMenu();
    g.Key(VK_RETURN);
    g.At(1990, [&] { EXPECT_FALSE(f.Game.SpielLaeuft); });
    g.At(2010, [&] {
        EXPECT_TRUE(f.Game.SpielLaeuft);
        EXPECT_EQ(g.Credit(), "0,00");
    });
    g.Run(2100);
}

// The invisible memo is skipped; the flat buttons never take the focus.
TEST_F(Menu, TabKeyFollowsTheMenusOrder) {
    OpenMenu();
    const TControl* order[] = {menu.PC_LautsprHoeren, menu.LogDateiSpeichern, menu.Button1,
                               menu.AutoStartCheckBox, menu.Button2, menu.CancelBtn};
    for (const TControl* next : order) {
        g.Key(VK_TAB);
        g.Run(10);
        EXPECT_TRUE(next->Focused()) << next->Name();
    }
}

TEST_F(Menu, RiskSwitchTurnsOffAndOnAgain) {
    OpenMenu();
    g.Click(*menu.ButtonRisiko);
    g.Run(10);
    EXPECT_EQ(menu.ButtonRisiko->Caption(), "Risikospiel ist aus");
    EXPECT_EQ(menu.ButtonRisiko->Font().Color, RGB(128, 128, 128));
    EXPECT_FALSE(f.ImageRisiko->Visible());
    EXPECT_FALSE(f.Game.RisikospielEin);
    g.Click(*menu.ButtonRisiko);
    g.Run(10);
    EXPECT_EQ(menu.ButtonRisiko->Caption(), "Risikospiel ist ein");
    EXPECT_EQ(menu.ButtonRisiko->Font().Color, clBlack);
    EXPECT_TRUE(f.ImageRisiko->Visible());
    EXPECT_TRUE(f.Game.RisikospielEin);
}

bool AnyTextFileIn(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".txt") return true;
    return false;
}

// "Nein" keeps the program; "Ja" with no debt ends it without a log, the switch on.
TEST_F(Menu, QuitWithoutDebtEndsWithoutALog) {
    ASSERT_TRUE(menu.LogDateiSpeichern->Checked());
    OpenMenu();
    g.Click(*menu.Button2);
    g.At(50, [&] {
        EXPECT_TRUE(f.Game.ProgrammBeenden);
        ASSERT_EQ(g.h().MessageBoxes().size(), 1u);
        EXPECT_EQ(g.h().MessageBoxes()[0].second, "Programm jetzt beenden?");
        g.Key('N');
    });
    g.Run(100);
    EXPECT_FALSE(f.Game.ProgrammBeenden);
    EXPECT_FALSE(g.h().Halted());

    g.Click(*menu.Button2);
    g.Key('J', 50);
    EXPECT_FALSE(g.h().RunFor(100));
    EXPECT_EQ(g.h().ExitCode(), 0);
    EXPECT_FALSE(AnyTextFileIn(g.folder.path()));
}

}  // namespace
