// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: opened by F2 on the main window and by its menu button, which
// moves none of the menu's controls; its figures, the exact odds the help computes, its
// charts, and the protections typed into it.
#include "helpdoc/player_return.h"
#include "helpdoc/win_plan.h"
#include "statistics/net_chart.h"
#include "statistics/statistics_window.h"
#include "support/profile_string.h"
#include "tests/statistics/statistics_test_helpers.h"

namespace {

using W = Walzenbild;

int PixelsOf(TImage& chart, TColor colour) {
    TBitmap& b = chart.Picture().Bitmap();
    int count = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) count += b.Canvas().Pixel(x, y) == colour;
    return count;
}

TSpeedButton& MenuButton() { return *dynamic_cast<TSpeedButton*>(MenueDlg->FindComponent("StatistikBtn")); }

TEST(StatisticsWindow, OpensWithF2AndFromTheMenu) {
    PlayedGame g;
    KnownPlayer(*g.f);
    g.At(50, [&] {
        ASSERT_TRUE(OpenStatisticsWindow());
        EXPECT_EQ(OpenStatisticsWindow()->Caption(), "Statistik");
        g.Key(VK_ESCAPE);
    });
    g.At(100, [&] { EXPECT_FALSE(OpenStatisticsWindow()); });
    g.Key(VK_F2);
    g.Run(200);

    g.Click(*g.f->MenueBtn);
    g.At(100, [&] { g.Click(MenuButton()); });
    g.At(200, [&] {
        ASSERT_TRUE(OpenStatisticsWindow());
        g.Click(*OpenStatisticsWindow()->CloseBtn);
    });
    g.At(300, [&] {
        EXPECT_FALSE(OpenStatisticsWindow());
        EXPECT_TRUE(MenueDlg->IsShown());
    });
    g.Run(400);
}

// The new button lies inside the dialog and over no control that was there before it.
TEST(StatisticsWindow, MenuButtonCoversNoControlOfTheMenu) {
    PlayedGame g;
    const TSpeedButton& button = MenuButton();
    const TRect r{button.Left(), button.Top(), button.Left() + button.Width(), button.Top() + button.Height()};
    EXPECT_EQ(button.Caption(), "Statistik");
    EXPECT_TRUE(r.Left >= 3 && r.Top >= 3 && r.Right <= 3 + 711 && r.Bottom <= 3 + 422);
    int others = 0;
    for (TControl* c : MenueDlg->Controls()) {
        if (c == &button || c->Name().starts_with("Bevel")) continue;
        ++others;
        const bool apart = c->Left() >= r.Right || c->Left() + c->Width() <= r.Left || c->Top() >= r.Bottom ||
                           c->Top() + c->Height() <= r.Top;
        EXPECT_TRUE(apart) << c->Name();
    }
    EXPECT_EQ(others, 12 + 3 + 5 + 1 + 2 + 3);  // pictures, switches, labels, memo, flat and push buttons
}

TEST(StatisticsWindow, ShowsTheSessionBesideAllAndTheExactOddsOfTheHelp) {
    PlayedGame g;
    TForm1& f = *g.f;
    KnownPlayer(f);
    MenueDlg->Button_5_EuroClick(nullptr);
    PlayManualGame(g, W::W1, W::W3, W::W5);
    StatisticsWindow* w = nullptr;
    g.At(50, [&] {
        w = OpenStatisticsWindow();
        ASSERT_TRUE(w);
        EXPECT_NE(w->ReturnLabel->Caption().find(ReturnToPlayer(Player::LetsLaddersRun).PercentText(2)), std::string::npos);
        EXPECT_NE(w->ReturnLabel->Caption().find(ReturnToPlayer(Player::CatchesEveryStep).PercentText(2)), std::string::npos);
        EXPECT_NE(w->TopWinLabel->Caption().find(LevelChance(Ladder::Right, 5).Text()), std::string::npos);
        EXPECT_EQ(w->Figures[0].session->Caption(), "1");            // games
        EXPECT_EQ(w->Figures[0].all->Caption(), "1");
        EXPECT_EQ(w->Figures[7].session->Caption(), "5,00");         // deposits
        EXPECT_EQ(w->Figures[9].session->Caption(), "-0,20");        // net result
        EXPECT_EQ(w->Figures[10].exact->Caption(), "43,71 bis 350,11 %");
        EXPECT_EQ(w->Figures[12].session->Caption(), "1");           // longest run without a win
        EXPECT_EQ(w->Levels[LevelSlot(Ladder::Left, 1)].exact->Caption(), LevelChance(Ladder::Left, 1).PercentText(2));
        EXPECT_EQ(CutLabels(*w), std::vector<std::string>{});  // the table's cells hold their texts
        // The session's chart shows its line; the days' chart a bar below zero.
        EXPECT_GT(PixelsOf(*w->SessionChart, kRunningNetColor), 100);
        EXPECT_GT(PixelsOf(*w->DaysChart, kLossColor), 100);
        EXPECT_EQ(PixelsOf(*w->DaysChart, kGainColor), 0);
        g.Key(VK_ESCAPE);
    });
    g.Key(VK_F2);
    g.Run(100);
    ASSERT_TRUE(w);
}

// A stake counts when it is taken: opened while the seventh game spins, the window agrees
// with the credit display.
TEST(StatisticsWindow, CountsTheRunningGamesStake) {
    PlayedGame g;
    TForm1& f = *g.f;
    KnownPlayer(f);
    MenueDlg->Button_5_EuroClick(nullptr);
    for (int i = 0; i < 6; ++i) PlayManualGame(g, W::W1, W::W3, W::W5);
    g.NextReels(W::W1, W::W3, W::W5);
    g.Click(*f.StartBtn);
    g.Run(2000);
    ASSERT_EQ(g.Credit(), "3,60");
    g.At(50, [&] {
        StatisticsWindow* w = OpenStatisticsWindow();
        ASSERT_TRUE(w);
        EXPECT_EQ(w->Figures[0].session->Caption(), "7");
        EXPECT_EQ(w->Figures[2].session->Caption(), "1,40");
        EXPECT_EQ(w->Figures[0].all->Caption(), "7");
        EXPECT_EQ(w->Figures[2].all->Caption(), "1,40");
        EXPECT_EQ(w->Figures[9].session->Caption(), "-1,40");
        g.Key(VK_ESCAPE);
    });
    g.Key(VK_F2);
    g.Run(100);
    PlayUntilOver(g);
    EXPECT_EQ(Recorder(f).AllTime()->Games(), 7);  // the running game counted once
}

// Every word-wrapped note holds its lines, and no amount is parted from its unit: a month
// with a limit and a raise waiting fills the month's note with three lines.
TEST(StatisticsWindow, NotesFitTheirBoxesAndKeepAmountsWithTheirUnits) {
    PlayedGame g;
    KnownPlayer(*g.f);
    PlayRecorder& r = Recorder(*g.f);
    ASSERT_TRUE(r.ChangeProtection(1, 6000));
    ASSERT_TRUE(r.ChangeProtection(1, 150000));
    MenueDlg->Button_50_EuroClick(nullptr);
    g.At(50, [&] {
        StatisticsWindow& w = *OpenStatisticsWindow();
        EXPECT_EQ(w.MonthLabel->Caption(), "In diesem Monat eingezahlt: 50,00 Euro.\nNoch möglich: 10,00 Euro.\n"
                                           "Erhöhung auf 1500,00 Euro ab 13.12.2026.");
        EXPECT_EQ(w.MinutesLabel->Caption(), "Minute");
        for (int i = 0; i < w.ComponentCount(); ++i) {
            auto* label = dynamic_cast<TLabel*>(w.Components(i));
            if (!label || !label->WordWrap || label->Caption().empty()) continue;
            const std::vector<std::string> lines = WrapText(label->Font(), label->Caption(), label->Width());
            const int height = FontEngine::Instance().Measure(label->Font(), "Ag").height;
            EXPECT_LE(height * static_cast<int>(lines.size()), label->Height()) << label->Name();
            for (const std::string& line : lines)
                for (const char* unit : {"Euro", "Euro.", "%", "%,", "Minuten", "Minute"})
                    EXPECT_NE(line, unit) << label->Name() << ": " << label->Caption();
        }
        g.Key(VK_ESCAPE);
    });
    g.Key(VK_F2);
    g.Run(100);
}

TEST(StatisticsWindow, StoresTheProtectionsAndRefusesBadEntries) {
    PlayedGame g;
    g.At(50, [&] {
        StatisticsWindow& w = *OpenStatisticsWindow();
        w.LimitBox->SetChecked(true);
        w.LimitEdit->SetText("zwanzig");
        g.Key(VK_RETURN, 10);  // answers the message
        w.ApplyBtn->Click();
        EXPECT_EQ(g.h().MessageBoxes().size(), 1u);
        EXPECT_FALSE(Recorder(*g.f).Protection().monthlyLimitCents);
        w.LimitEdit->SetText("20,50");
        w.ReminderBox->SetChecked(false);
        w.CloseBtn->Click();
    });
    g.Key(VK_F2);
    g.Run(200);
    EXPECT_FALSE(OpenStatisticsWindow());
    EXPECT_EQ(Recorder(*g.f).Protection().monthlyLimitCents, 2050);
    EXPECT_EQ(Recorder(*g.f).Protection().reminderMinutes, 0);
    const auto ini = g.folder / "Tresolo.ini";
    EXPECT_EQ(GetPrivateProfileString("Spielerschutz", "EinzahlungslimitMonat", "", ini), "20,50");
    EXPECT_EQ(GetPrivateProfileString("Spielerschutz", "ErinnerungMinuten", "", ini), "0");
    // The next start reads them back.
    g.Stop();
    g.Start();
    EXPECT_EQ(Recorder(*Form1).Protection().monthlyLimitCents, 2050);
    EXPECT_EQ(Recorder(*Form1).Protection().reminderMinutes, 0);
}

}  // namespace
