// SPDX-License-Identifier: GPL-3.0-or-later
// The payout as the player sees it: the questions, the notes flying out of the chest, the
// credit counting down, the end of the program and what it leaves behind.
#include <gtest/gtest.h>

#include "machine/settings_store.h"
#include "tests/game/played_game.h"

namespace {

using W = Walzenbild;

constexpr const char* kLogFile = "Max 06_12_2026 22_39_00.txt";

// A player named Max with money in the machine, the menu open on the way to the payout.
struct PayoutPlay {
    void Account(const char* credit, const char* debt, const char* cashBox) {
        f.Program.SpielerName = "Max";
        f.Game.ErsterMenueAufruf = false;
        g.SetCredit(credit);
        SetDebt(f.Money, debt);
        SetCashBox(f.Money, cashBox);
        g.Run(1000);  // the clock has ticked
        g.StartPlay();
        g.Click(*f.MenueBtn);
        g.At(100, [&] { g.Click(*MenueDlg->ButtonGibsGeldHer); });  // the payout starts at 100 ms
    }
    std::string CashBox() const { return g.Registry(settings::kCashBoxKey.data(), settings::kCashBoxValue.data()); }
    const std::string& Box(std::size_t i) { return g.h().MessageBoxes().at(i).second; }
    bool Flying(const TImage& picture) { return f.AuszahlungsImage->Visible() && g.Shows(*f.AuszahlungsImage, picture); }

    PlayedGame g;
    TForm1& f = *g.f;
};

class Payout : public ::testing::Test, public PayoutPlay {};

TEST_F(Payout, TwentyAndFiveAreThrownOutWhileTheCreditCountsDown) {
    Account("25,00", "0", "500");
    SetSpecialGames(f.Money, "3");
    f.DrawSpecialGames();
    g.At(1150, [&] {
        EXPECT_FALSE(MenueDlg->IsShown());
        EXPECT_EQ(Box(0), "Sie haben noch 3 Freispiele! Die werden nicht ausbezahlt. "
                          "Wollen Sie diese wirklich verfallen lassen?");
        g.Key('J');
    });
    g.At(1250, [&] {
        EXPECT_EQ(Box(1), "Schulden bisher 0,00 Euro, diese werden mit dem Auszahlungsbetrag 25,00 verrechnet! "
                          "Max hat 25,00 Euro Guthaben beim Tresolo!");
        EXPECT_EQ(g.SpecialGames(), "0");
        EXPECT_EQ(MenueDlg->AutomatenGeldspeicherAnzeige->Caption(), "475,00");
        g.Key(VK_RETURN);
    });
    // Each piece: 1000 ms beside the shark, then 20 steps of 20 ms.
    TImage& shark = f.Chest.TruheInOriginalGroesse ? *f.Hintergrund3 : *f.VordergrHaibewegt;
    g.At(1300, [&] {
        EXPECT_TRUE(Flying(*MenueDlg->Button_20_Euro));
        EXPECT_FALSE(f.AuszahlungsImage->Transparent());
        EXPECT_TRUE(shark.Visible());
        EXPECT_EQ(f.AuszahlungsImage->Left(), f.Chest.AuszahlungsBildLinks);
        EXPECT_EQ(f.AuszahlungsImage->Top(), f.Chest.AuszahlungsBildOben);
        EXPECT_EQ(f.AuszahlungsImage->Width(), f.Chest.AuszahlungsBildBreite);
        EXPECT_TRUE(g.CreditShows("25,00"));
        EXPECT_TRUE(g.SpecialGamesShow("0"));
        EXPECT_EQ(CashBox(), "475,00");
    });
    g.At(2345, [&] {  // five flight steps: from the fifth on, a note is three times as large
        EXPECT_FALSE(shark.Visible());
        EXPECT_EQ(f.AuszahlungsImage->Top(), f.Chest.AuszahlungsBildOben + 5 * 50);
        EXPECT_EQ(f.AuszahlungsImage->Height(), 3 * f.Chest.AuszahlungsBildHoehe);
    });
    g.At(2640, [&] { EXPECT_TRUE(g.CreditShows("25,00")); });
    g.At(2660, [&] {
        EXPECT_TRUE(Flying(*MenueDlg->Button_5_Euro));
        EXPECT_TRUE(g.CreditShows("5,00"));
    });
    g.At(4040, [&] { EXPECT_TRUE(Flying(*MenueDlg->Button_5_Euro)); });
    g.Run(5000);
    ASSERT_TRUE(g.h().Halted());
    EXPECT_EQ(g.Credit(), "0,00");
    EXPECT_TRUE(g.CreditShows("0,00"));
    EXPECT_EQ(g.Ini("SpielerName"), "Max");
    EXPECT_EQ(ReadBytes(g.folder / kLogFile),
              "Max hat am 06.12.2026 22:39:00 25,00 Euro Guthaben beim Tresolo gemacht!\r\n");
    g.Stop();  // the main window's destruction stores the cash box once more
    EXPECT_EQ(CashBox(), "475 00");
}

// Every kind of piece down to the ten cents is booked as it flies: nothing stays on the credit.
TEST_F(Payout, EveryPieceThrownIsPaidFromTheCredit) {
    Account("38,80", "0", "500");
    g.At(1150, [&] { g.Key(VK_RETURN); });
    g.Run(16000);
    ASSERT_TRUE(g.h().Halted());
    EXPECT_EQ(f.Money.Meters().pieces, 8);  // 20, 10, 5, 2, 1, 0,50, 0,20, 0,10
    EXPECT_EQ(f.Money.Meters().paidOut, EuroDecimal::Parse("38,80"));
    EXPECT_EQ(g.Credit(), "0,00");
}

TEST_F(Payout, DebtNotCoveredEndsRightAfterTheMessage) {
    Account("12,00", "20", "500");
    g.At(1150, [&] {
        EXPECT_EQ(Box(0), "Schulden bisher 20,00 Euro, diese werden mit dem Auszahlungsbetrag 12,00 verrechnet! "
                          "Max hat noch 8,00 Euro Schulden beim Tresolo!");
        g.Key(VK_RETURN);
    });
    g.Run(1300);
    ASSERT_TRUE(g.h().Halted());
    EXPECT_FALSE(f.AuszahlungsImage->Visible());
    EXPECT_EQ(g.Ini("SpielerName"), "Max");
    EXPECT_EQ(ReadBytes(g.folder / kLogFile),
              "Max hat am 06.12.2026 22:39:00 8,00 Euro Schulden beim Tresolo gemacht!\r\n");
    g.Stop();
    EXPECT_EQ(CashBox(), "488 00");  // the whole credit left the box
}

TEST_F(Payout, CashBoxLosesTheWholeCreditNotTheNetAmount) {
    Account("120,00", "100", "500");
    g.At(1150, [&] {
        EXPECT_EQ(Box(0), "Schulden bisher 100,00 Euro, diese werden mit dem Auszahlungsbetrag 120,00 verrechnet! "
                          "Max hat 20,00 Euro Guthaben beim Tresolo!");
        g.Key(VK_RETURN);
    });
    g.At(1200, [&] {
        EXPECT_TRUE(Flying(*MenueDlg->Button_20_Euro));
        EXPECT_TRUE(g.CreditShows("20,00"));
    });
    g.Run(3000);
    ASSERT_TRUE(g.h().Halted());
    EXPECT_EQ(CashBox(), "380,00");
}

// From its first step to its end the payout runs alone. While the shark throws, the menu
// button opens nothing, so neither a second payout (the cash box went down twice) nor a
// deposit (booked, never paid out) can start, and Escape asks nothing (its Ja replaced the
// Guthaben log with a Schulden line).
class PayoutAlone : public Payout {
protected:
    // 25,00 credit against 10,00 debt; 400 ms into the throw-out the player tries `first`,
    // and 100 ms later `then` on what it would have opened.
    void TryDuringTheThrowOut(std::function<void()> first, std::function<void()> then) {
        Account("25,00", "10", "500");
        g.At(1150, [&] { g.Key(VK_RETURN); });  // the Guthaben message
        g.At(1550, [first] { first(); });
        g.At(1650, [&, then] {
            EXPECT_FALSE(MenueDlg->IsShown());
            EXPECT_EQ(g.h().MessageBoxes().size(), 1u);
            then();
        });
        g.Key(VK_RETURN, 2500);  // answers a box that should not be there, so the test ends
        g.Run(6000);
        ASSERT_TRUE(g.h().Halted());
        EXPECT_EQ(g.h().MessageBoxes().size(), 1u);
        EXPECT_EQ(g.Credit(), "0,00");
        EXPECT_EQ(f.Money.Schulden().ToFixed(2), "10,00");
        EXPECT_EQ(CashBox(), "475,00");
        EXPECT_EQ(ReadBytes(g.folder / kLogFile),
                  "Max hat am 06.12.2026 22:39:00 15,00 Euro Guthaben beim Tresolo gemacht!\r\n");
        g.Stop();
        EXPECT_EQ(CashBox(), "475 00");
    }
};

TEST_F(PayoutAlone, NoSecondPayout) {
    TryDuringTheThrowOut([&] { g.Click(*f.MenueBtn); }, [&] { g.Click(*MenueDlg->ButtonGibsGeldHer); });
}

TEST_F(PayoutAlone, NoDeposit) {
    TryDuringTheThrowOut([&] { g.Click(*f.MenueBtn); }, [&] { g.Click(*MenueDlg->Button_10_Euro); });
}

TEST_F(PayoutAlone, NoQuitQuestion) {
    TryDuringTheThrowOut([&] { g.Key(VK_ESCAPE); }, [&] { g.Key('J'); });
}

// A change of the screen while the payout runs is left to the payout, which ends the program:
// one debt log, the right one, and every piece thrown out. Also while the result shows.
TEST(PayoutOrders, ScreenChangeDuringThePayoutLeavesItToEnd) {
    for (int changedAt : {1600, 4000}) {  // while the result shows, while the shark throws
        SCOPED_TRACE(changedAt);
        PayoutPlay p;
        p.Account("25,00", "10", "500");
        p.g.At(changedAt, [&] {
            p.g.h().Backend().SetScreenSize({1024, 768});
            p.g.h().Focus(Form1, false);
            p.g.h().Focus(Form1, true, 10);
        });
        p.g.Key(VK_RETURN, 3500);  // the Guthaben message, read slowly
        p.g.Key(VK_RETURN, 8000);  // any other box, so that a fault fails rather than waits
        p.g.Run(12000);
        ASSERT_TRUE(p.g.h().Halted());
        EXPECT_EQ(p.g.h().MessageBoxes().size(), 1u);
        EXPECT_EQ(p.g.Credit(), "0,00");
        std::vector<std::string> logs;
        for (const auto& e : std::filesystem::directory_iterator(p.g.folder.path()))
            if (e.path().extension() == ".txt") logs.push_back(ReadBytes(e.path()));
        ASSERT_EQ(logs.size(), 1u);
        EXPECT_EQ(logs[0], "Max hat am 06.12.2026 22:39:00 15,00 Euro Guthaben beim Tresolo gemacht!\r\n");
    }
}

// The result is kept before it shows: a close or a stop signal while the player reads it
// leaves the debt log.
TEST(PayoutOrders, WayOutWhileTheResultShowsKeepsTheDebtLog) {
    for (InputEvent::Kind wayOut : {InputEvent::CloseRequest, InputEvent::Quit}) {
        PayoutPlay p;
        p.Account("12,00", "20", "500");
        p.g.At(1150, [&] {
            ASSERT_EQ(p.g.h().MessageBoxes().size(), 1u);
            p.g.h().Backend().Post(InputEvent::Of(wayOut, wayOut == InputEvent::Quit ? 0 : Form1->Window()));
        });
        p.g.Run(3000);
        EXPECT_EQ(ReadBytes(p.g.folder / kLogFile),
                  "Max hat am 06.12.2026 22:39:00 8,00 Euro Schulden beim Tresolo gemacht!\r\n");
        p.g.Stop();
        EXPECT_EQ(p.CashBox(), "488 00");
    }
}

// F2 opens no window during the payout: the throw-out goes on on time.
TEST_F(Payout, StatisticsKeyWaitsUntilThePayoutHasEnded) {
    Account("25,00", "0", "500");
    g.At(1150, [&] { g.Key(VK_RETURN); });
    g.At(1300, [&] { g.Key(VK_F2); });
    g.At(1400, [&] { EXPECT_EQ(Application->ModalForm(), nullptr); });
    g.At(2660, [&] { EXPECT_TRUE(Flying(*MenueDlg->Button_5_Euro)); });
    g.Key(VK_ESCAPE, 3000);  // closes a window that should not be there
    g.Run(5000);
    EXPECT_TRUE(g.h().Halted());
}

// The menu cannot open between an evaluation and the ladder's first phase, so no payout can
// run while the reel win waits: the win is paid into the credit.
TEST(PayoutOrders, NoMenuWhileTheReelWinWaits) {
    OneGame g(W::W8, W::W8, W::W8);
    TForm1& f = *g.f;
    f.Program.SpielerName = "Max";
    f.Game.ErsterMenueAufruf = false;
    g.NoAutomaticCatch();
    // Every box is answered, so that a payout that should not start fails rather than waits.
    g.AnswerEveryBox(10);
    g.Click(*f.MenueBtn, 9900);
    g.At(10000, [&] {
        EXPECT_FALSE(MenueDlg->IsShown());
        g.Click(*MenueDlg->ButtonGibsGeldHer);
    });
    g.Run(16000);
    EXPECT_FALSE(g.h().Halted());
    EXPECT_EQ(g.Credit(), "2,30");
}

TEST_F(Payout, KeepingTheSpecialGamesChangesNothing) {
    Account("25,00", "10", "500");
    SetSpecialGames(f.Money, "3");
    g.At(1150, [&] { g.Key('N'); });
    g.Run(3000);
    EXPECT_FALSE(g.h().Halted());
    EXPECT_EQ(g.h().MessageBoxes().size(), 1u);
    EXPECT_FALSE(MenueDlg->IsShown());
    EXPECT_FALSE(f.PausenTimer->Enabled());
    EXPECT_FALSE(f.Game.RuhePhaseErlaubt);
    EXPECT_EQ(g.Credit(), "25,00");
    EXPECT_EQ(g.SpecialGames(), "3");
    EXPECT_EQ(f.Money.Schulden().ToFixed(2), "10,00");
    EXPECT_EQ(f.Money.Automatenkasse().ToFixed(2), "500,00");
    EXPECT_FALSE(std::filesystem::exists(g.folder / kLogFile));
}

}  // namespace
