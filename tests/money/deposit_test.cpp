// SPDX-License-Identifier: GPL-3.0-or-later
// Deposits: what a note or coin adds, the credit limit, and how the picture sinks into
// the machine.
#include <gtest/gtest.h>

#include <filesystem>

#include "machine/denominations.h"
#include "machine/name_dlg.h"
#include "tests/game/played_game.h"

namespace {

// Max has played before; the deposits are clicked one after another in the menu.
class Deposit : public ::testing::Test {
protected:
    Deposit() {
        f.Program.SpielerName = "Max";
        f.Game.ErsterMenueAufruf = false;
        f.AnzeigeLoeschen();  // the credit display blank, as after a game
        g.SetCredit("0,00");
        SetCashBox(f.Money, "100,00");
    }
    std::string Debt() const { return f.Money.Schulden().ToFixed(2); }
    std::string CashBox() const { return f.Money.Automatenkasse().ToFixed(2); }
    std::string CashBoxLabel() const { return menu.AutomatenGeldspeicherAnzeige->Caption(); }
    bool SoundAskedFor() const { return !f.MediaPlayer1->FileName.empty(); }
    std::int64_t Now() { return g.h().NowMs(); }

    PlayedGame g;
    TForm1& f = *g.f;
    TMenueDlg& menu = *MenueDlg;
};

TEST_F(Deposit, TenTenCentCoinsMakeExactlyOneEuro) {
    for (int i = 0; i < 10; ++i) menu.Button_10_CentClick(nullptr);
    EXPECT_EQ(f.Money.Spielgeld(), EuroDecimal::Parse("1"));
    EXPECT_EQ(f.Money.Schulden(), EuroDecimal::Parse("1"));
    EXPECT_EQ(f.Money.Automatenkasse(), EuroDecimal::Parse("101"));
    EXPECT_TRUE(g.CreditShows("1,00"));
    EXPECT_EQ(CashBoxLabel(), "101,00");
}

TEST_F(Deposit, DebtLineNamesThePlayerAndTheWholeDebt) {
    menu.Button_10_EuroClick(nullptr);
    menu.Button_5_EuroClick(nullptr);
    menu.Button_50_CentClick(nullptr);
    EXPECT_EQ(menu.BisherEingezahltLabel1->Caption(), "Max schuldet dem Tresolo 15,50 Euro.");
    EXPECT_TRUE(g.CreditShows("15,50"));
    EXPECT_EQ(CashBoxLabel(), "115,50");
    // The menu's amounts at their widest: five-digit sums, whole.
    SetCashBox(f.Money, "9999,00");
    for (int i = 0; i < 20; ++i) menu.Button_500_EuroClick(nullptr);
    EXPECT_EQ(CashBoxLabel(), "19999,00");
    EXPECT_EQ(CutLabels(menu), std::vector<std::string>{});
}

// Whole euros above 10000 refuse the notes and the larger coins; the 20 and 10 cent
// coins are booked all the same, but nothing sinks or rings for them.
TEST_F(Deposit, CreditAboveTenThousandEurosRefusesAllButTheSmallCoins) {
    g.SetCredit("10000,99");
    menu.Button_5_EuroClick(nullptr);
    EXPECT_EQ(g.Credit(), "10005,99");

    g.SetCredit("10001,00");
    g.Key(VK_RETURN, 10);
    menu.Button_50_CentClick(nullptr);
    ASSERT_EQ(g.h().MessageBoxes().size(), 1u);
    EXPECT_EQ(g.h().MessageBoxes()[0].first, "Information");
    EXPECT_EQ(g.h().MessageBoxes()[0].second, "Sie haben schon genug eingezahlt! Einzahlung wird abgelehnt.");
    EXPECT_EQ(g.Credit(), "10001,00");
    EXPECT_EQ(Debt(), "5,00");
    EXPECT_EQ(CashBox(), "105,00");
    EXPECT_FALSE(f.PausenTimer->Enabled());

    const std::int64_t start = Now();
    menu.Button_20_CentClick(nullptr);
    menu.Button_10_CentClick(nullptr);
    EXPECT_EQ(Now() - start, 2 * 2000);  // only the wait after booking
    EXPECT_EQ(g.Credit(), "10001,30");
    EXPECT_EQ(Debt(), "5,30");
    EXPECT_EQ(CashBox(), "105,30");
    EXPECT_FALSE(SoundAskedFor());
    EXPECT_FALSE(f.PausenTimer->Enabled());
}

// Each picture of the menu, clicked, books its own amount and sinks its own picture; the
// whole row makes 888,80 euros.
TEST_F(Deposit, EveryNoteAndCoinBooksItsOwnAmount) {
    EuroDecimal before = f.Money.Spielgeld();
    for (const Denomination& d : kDenominations) {
        SCOPED_TRACE(d.name);
        g.At(25, [&] { EXPECT_TRUE(g.Shows(*f.Schein, *(menu.*d.picture))); });
        (menu.*d.picture)->OnClick(nullptr);
        EXPECT_EQ(f.Money.Spielgeld() - before, EuroDecimal::Parse(d.amount));
        before = f.Money.Spielgeld();
    }
    EXPECT_EQ(g.Credit(), "888,80");
}

// A note (102 x 199) sinks opaque and silent; a coin (79 x 79) sinks transparent, a
// little longer, and rings in the working folder's Muenze.WAV.
TEST_F(Deposit, NoteIsOpaqueAndSilentCoinIsTransparentAndRings) {
    g.At(25, [&] {
        EXPECT_TRUE(g.Shows(*f.Schein, *menu.Button_500_Euro));
        EXPECT_EQ(f.Schein->Width(), 85);
        EXPECT_EQ(f.Schein->Height(), 138);
        EXPECT_FALSE(f.Schein->Transparent());
    });
    menu.Button_500_EuroClick(nullptr);
    EXPECT_FALSE(SoundAskedFor());
    EXPECT_TRUE(f.PausenTimer->Enabled());

    g.At(25, [&] {
        EXPECT_EQ(f.Schein->Width(), 58);
        EXPECT_EQ(f.Schein->Height(), 60);
        EXPECT_TRUE(f.Schein->Transparent());
    });
    g.At(1090, [&] { EXPECT_TRUE(f.Schein->Visible()); });
    g.At(1110, [&] {
        EXPECT_FALSE(f.Schein->Visible());
        EXPECT_EQ(std::filesystem::path(f.MediaPlayer1->FileName), g.folder.path() / "Muenze.WAV");
    });
    menu.Button_2_EuroClick(nullptr);
    EXPECT_EQ(f.Schein->Height(), 79);
}

// A damaged "Muenze.WAV" costs no coin: both coins are booked, and the error shows once
// (it used to escape before the booking).
TEST_F(Deposit, DamagedCoinSoundBooksEveryCoinAndShowsOnce) {
    WriteBytes(g.folder / "Muenze.WAV", "kein Klang, nur Text");
    g.Key(VK_RETURN, 1500);  // the error display, shown from the wait after the booking
    menu.Button_2_EuroClick(nullptr);
    menu.Button_2_EuroClick(nullptr);
    EXPECT_EQ(g.Credit(), "4,00");
    EXPECT_EQ(Debt(), "4,00");
    EXPECT_EQ(CashBox(), "104,00");
    ASSERT_EQ(g.h().MessageBoxes().size(), 1u);
    EXPECT_NE(g.h().MessageBoxes()[0].second.find("Muenze.WAV"), std::string::npos);
}

// A picture exactly 80 pixels high is a coin: 5 pixels less per step, transparent, with
// its sound. A small chest's fall step of 12 is raised to 16.
TEST_F(Deposit, PictureOfEightyPixelsSinksAsACoin) {
    f.Schein->Picture().Assign(TBitmap(60, 80));
    f.Chest.ScheinFallSchritt = 12;
    const int top = f.ImageRisiko->Top();
    g.At(525, [&] {
        EXPECT_EQ(f.Schein->Top(), top + 16);
        EXPECT_EQ(f.Schein->Width(), 45);
        EXPECT_EQ(f.Schein->Height(), 55);
        EXPECT_TRUE(f.Schein->Transparent());
    });
    const std::int64_t start = Now();
    f.EinzahlenButtonClick(nullptr);
    EXPECT_EQ(Now() - start, 500 + 12 * 50);
    EXPECT_FALSE(f.Schein->Visible());
    EXPECT_EQ(f.Schein->Height(), 80);
    EXPECT_EQ(f.Chest.ScheinFallSchritt, 16);
    EXPECT_TRUE(SoundAskedFor());
}

// A new player's first start: the menu asks for his name, his 5-euro note sinks into the
// machine, and the automatic start plays the first game 4 s after the note has gone.
TEST(FirstDeposit, NameThenFiveEuroNoteThenAnAutomaticGame) {
    PlayedGame g(true);
    TForm1& f = *g.f;
    f.AnzeigeLoeschen();
    g.SetCredit("0,00");
    f.Chest.ScheinFallSchritt = ChestState::kFullFallStep;  // as with the chest at full size
    g.NextReels(Walzenbild::W3, Walzenbild::W8, Walzenbild::W1);  // a lost game
    g.Click(*f.StartBtn);
    g.At(50, [&] {
        EXPECT_TRUE(NameEingabeDlg->IsShown());
        EXPECT_TRUE(NameEingabeDlg->Edit1->Focused());
    });
    g.h().Type("Max", 100);
    g.Key(VK_RETURN, 200);
    g.Run(300);
    EXPECT_FALSE(NameEingabeDlg->IsShown());
    ASSERT_TRUE(MenueDlg->IsShown());
    EXPECT_EQ(f.Program.SpielerName, "Max");

    // The note's bitmap is 102 x 198: 85 x 138 on the scene's middle (820 wide), then
    // 13 pixels shorter and 22 lower every 50 ms.
    const int top = f.ImageRisiko->Top();
    auto sinking = [&](int down, int height) {
        EXPECT_TRUE(f.Schein->Visible());
        EXPECT_EQ(f.Schein->Left(), 368);
        EXPECT_EQ(f.Schein->Top(), top + down);
        EXPECT_EQ(f.Schein->Width(), 85);
        EXPECT_EQ(f.Schein->Height(), height);
    };
    g.Click(*MenueDlg->Button_5_Euro);
    g.At(25, [&] {
        EXPECT_FALSE(MenueDlg->IsShown());
        EXPECT_TRUE(g.Shows(*f.Schein, *MenueDlg->Button_5_Euro));
        sinking(0, 138);
    });
    g.At(525, [&] { sinking(22, 125); });
    g.At(775, [&] { sinking(132, 60); });
    g.At(1025, [&] {
        sinking(242, 0);
        EXPECT_EQ(g.Credit(), "0,00");
    });
    g.At(1075, [&] {
        EXPECT_FALSE(f.Schein->Visible());
        EXPECT_TRUE(g.CreditShows("5,00"));
        EXPECT_EQ(MenueDlg->BisherEingezahltLabel1->Caption(), "Max schuldet dem Tresolo 5,00 Euro.");
    });
    g.At(5040, [&] { EXPECT_FALSE(f.Game.SpielLaeuft); });
    g.At(5060, [&] {
        EXPECT_TRUE(f.Game.SpielLaeuft);
        EXPECT_TRUE(g.CreditShows("4,80"));
    });
    g.Run(5100);
}

}  // namespace
