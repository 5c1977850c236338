// SPDX-License-Identifier: GPL-3.0-or-later
// "Letzte Spiele" in the statistics window: the last games as the history holds them, newest
// first, read again at a later start from the file alone; with the history off the list says so.
#include "statistics/last_games.h"
#include "statistics/local_stamp.h"
#include "statistics/statistics_window.h"
#include "tests/statistics/statistics_test_helpers.h"

namespace {

using W = Walzenbild;

// Opens the window, switches to the list, and hands it to `look` before closing.
void LookAtTheList(PlayedGame& g, const std::function<void(StatisticsWindow&)>& look) {
    bool looked = false;
    g.At(50, [&] {
        StatisticsWindow& w = *OpenStatisticsWindow();
        EXPECT_FALSE(w.LastGamesList->Visible());
        w.LastGamesBtn->Click();
        EXPECT_TRUE(w.LastGamesList->Visible());
        EXPECT_EQ(w.LastGamesBtn->Caption(), "Übersicht");
        look(w);
        looked = true;
        g.Key(VK_ESCAPE);
    });
    g.Key(VK_F2);
    g.Run(100);
    EXPECT_TRUE(looked);
}

bool SameBitmaps(TBitmap& a, TBitmap& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Canvas().Pixel(x, y) != b.Canvas().Pixel(x, y)) return false;
    return true;
}

TEST(LastGames, ShowTheHistorysGamesNewestFirstAlsoAtTheNextStart) {
    PlayedGame g;
    KnownPlayer(*g.f);
    MenueDlg->Button_5_EuroClick(nullptr);
    PlayManualGame(g, W::W1, W::W3, W::W5);
    // 1,50 on the left ladder, left to run out.
    g.f->Game.RisikospielEin = false;
    g.NextReels(W::W8, W::W8, W::W8);
    for (int phase = 1; phase <= 16; ++phase) g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
    g.Rng().Script({kZeroPhaseDraw, 3});
    g.Click(*g.f->StartBtn);
    PlayUntilOver(g);
    ASSERT_EQ(g.Credit(), "6,10");
    // A later start knows these games from the file only.
    g.Stop();
    g.Start();
    g.f = Form1;
    g.h().RunFor(100);
    const std::optional<std::vector<GameAt>> games = Recorder(*g.f).LastGames(kLastGames);
    ASSERT_TRUE(games);
    ASSERT_EQ(games->size(), 2u);
    const LastGameLine newest = LineOf((*games)[0]), older = LineOf((*games)[1]);
    EXPECT_EQ(newest.time, "06.12. 22:39:00");
    EXPECT_EQ(newest.pictures, (std::array<int, 3>{static_cast<int>(W::W8), static_cast<int>(W::W8), static_cast<int>(W::W8)}));
    EXPECT_EQ(newest.ladders, "links 2");
    EXPECT_EQ(newest.risk, "–");
    EXPECT_EQ(newest.special, "–");
    EXPECT_EQ(newest.credit, "4,80 → 6,10");
    EXPECT_EQ(older.ladders, "–");
    EXPECT_EQ(older.credit, "5,00 → 4,80");
    LookAtTheList(g, [](StatisticsWindow& w) {
        TBitmap none;
        none.SetSize(w.LastGamesList->Width(), w.LastGamesList->Height());
        DrawLastGames(none, std::vector<GameAt>{}, "", [](int) { return nullptr; });
        EXPECT_FALSE(SameBitmaps(w.LastGamesList->Picture().Bitmap(), none));
    });
}

// Lines for what a game can hold: a climbed ladder with risk games, special games played and
// won, and a game of a file older than the credit's columns.
TEST(LastGames, LinesSayWhatTheGameHeld) {
    GameRecord g;
    g.special = true;
    g.startLevel = {0, 3};
    g.topLevel = {0, 4};
    g.risk = {1, 0, 2};
    g.specialWon = 15;
    g.creditBeforeCents = 660;
    g.creditAfterCents = 1380;
    const LastGameLine line = LineOf({0, g});
    EXPECT_EQ(line.ladders, "rechts 3 → 4");
    EXPECT_EQ(line.risk, "2× 2, 0× 1");
    EXPECT_EQ(line.special, "gespielt, +15");
    EXPECT_EQ(line.credit, "6,60 → 13,80");
    EXPECT_EQ(LineOf({0, GameRecord{}}).credit, "–");
}

// Each heading, and the widest text a column can hold, ends before the next column begins.
TEST(LastGames, ColumnsHoldTheirHeadingsAndTheirWidestTexts) {
    GameRecord g;
    g.special = true;
    g.startLevel = {2, 1};
    g.topLevel = {3, 6};
    g.risk = {12, 12, 12};
    g.specialWon = 120;
    g.creditBeforeCents = 999999;
    g.creditAfterCents = 1000000;
    std::tm late{};
    late.tm_year = 2026 - 1900;
    late.tm_mon = 11;
    late.tm_mday = 31;
    late.tm_hour = 23;
    late.tm_min = 59;
    late.tm_sec = 58;
    const LastGameLine widest = LineOf({LocalStamp(late), g});
    const std::string texts[] = {widest.time, "", widest.ladders, widest.risk, widest.special, widest.credit};
    TFont bold = LastGamesFont();
    bold.Style = fsBold;
    for (std::size_t i = 0; i < kLastGamesColumns.size(); ++i) {
        const int end = i + 1 < kLastGamesColumns.size() ? kLastGamesColumns[i + 1].left : kLastGamesWidth;
        const int room = end - kLastGamesColumns[i].left - 4;
        EXPECT_LE(FontEngine::Instance().Measure(bold, kLastGamesColumns[i].heading).width, room) << i;
        EXPECT_LE(FontEngine::Instance().Measure(LastGamesFont(), texts[i]).width, room) << texts[i];
    }
}

TEST(LastGames, WithTheHistoryOffTheListSaysSo) {
    PlayedGame g;
    g.Stop();
    {
        SqlDatabase db(HistoryIn(g));
        db.Exec("PRAGMA user_version = 99");
    }
    g.Start();
    g.f = Form1;
    g.Key(VK_RETURN, 10);  // the box that says the history stays off
    g.h().RunFor(100);
    ASSERT_FALSE(Recorder(*g.f).LastGames(kLastGames));
    LookAtTheList(g, [](StatisticsWindow& w) {
        TBitmap none, off;
        for (TBitmap* b : {&none, &off}) b->SetSize(w.LastGamesList->Width(), w.LastGamesList->Height());
        DrawLastGames(none, std::vector<GameAt>{}, "", [](int) { return nullptr; });
        DrawLastGames(off, std::nullopt, Recorder(*Form1).HistoryOff(), [](int) { return nullptr; });
        EXPECT_FALSE(SameBitmaps(off, none));
        EXPECT_TRUE(SameBitmaps(w.LastGamesList->Picture().Bitmap(), off));
    });
}

}  // namespace
