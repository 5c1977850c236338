// SPDX-License-Identifier: GPL-3.0-or-later
// The play history's file: what goes in comes back, totals always match the events, a file
// of the first version moves forward with its totals counted from its events, and a newer
// file is left untouched.
#include <tuple>
#include <gtest/gtest.h>

#include "statistics/game_rows.h"
#include "statistics/history_schema.h"
#include "statistics/local_stamp.h"
#include "statistics/play_history.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr std::int64_t kDay = 86400;
const std::int64_t kStart = 20000 * kDay + 3600;  // 4 October 2024, 01:00

GameRecord Lost(bool special = false) {
    GameRecord g;
    g.special = special;
    g.pictures = {12, 13, 6};
    return g;
}

// The reels start the left ladder at 1 (0,50); the player climbs to 3 through the risk game.
GameRecord Climbed() {
    GameRecord g;
    g.pictures = {0, 0, 0};
    g.startLevel = {1, 0};
    g.topLevel = {3, 0};
    g.stepCents = 50 + 150 + 220;
    g.wonCents = 100 + 150;
    g.risk = {1, 1, 1};
    return g;
}

GameRecord SpecialGamesWon() {
    GameRecord g;
    g.special = true;
    g.startLevel = {0, 4};
    g.topLevel = {0, 4};
    g.specialWon = 15;
    return g;
}

const std::vector<GameRecord> kGames = {Lost(), Climbed(), Lost(), Lost(), SpecialGamesWon(), Lost(true), Lost()};

PlayFigures Expected() {
    PlayFigures f;
    for (const GameRecord& g : kGames) f.AddGame(g);
    f.AddDeposit(500);
    f.AddDeposit(20);
    f.AddPayout(900, 520);
    return f;
}

constexpr int kOctober2024 = 2024 * 12 + 9;

void RecordAll(PlayHistory& h) {
    h.RecordDeposit(kStart, 500, kOctober2024, 500);
    for (std::size_t i = 0; i < kGames.size(); ++i) h.RecordGame(kStart + static_cast<std::int64_t>(i) * kDay / 2, kGames[i]);
    h.RecordDeposit(kStart + 10, 20, kOctober2024, 520);
    h.RecordPayout(kStart + 4 * kDay, 900, 520, -380);
}

TEST(PlayFigures, CountsLevelsRunsAndMoney) {
    const PlayFigures f = Expected();
    EXPECT_EQ(f.paidGames, 5);
    EXPECT_EQ(f.specialGames, 2);
    EXPECT_EQ(f.stakedCents, 100);
    // Seven games at a stake each, the wins and fifteen special games at a stake each.
    EXPECT_EQ(f.ResultCents(), 250 + 15 * 20 - 7 * 20);
    EXPECT_EQ(f.RiskCents(), 250 - 420);
    EXPECT_EQ(f.winningGames, 2);
    EXPECT_EQ(f.longestLosingRun, 2);
    EXPECT_EQ(f.losingRun, 2);
    EXPECT_EQ(f.started[LevelSlot(Ladder::Left, 1)], 1);
    EXPECT_EQ(f.reached[LevelSlot(Ladder::Left, 1)], 1);
    EXPECT_EQ(f.reached[LevelSlot(Ladder::Left, 3)], 1);
    EXPECT_EQ(f.reached[LevelSlot(Ladder::Left, 4)], 0);
    EXPECT_EQ(f.started[LevelSlot(Ladder::Right, 4)], 1);
    EXPECT_EQ(f.payoutCents, 380);
    EXPECT_EQ(f.ReturnedCents(), 250 + 15 * 20);
}

TEST(PlayHistory, TotalsAndDaysMatchTheEventsAcrossSessions) {
    TempFolder folder;
    const auto file = folder / "h.sqlite";
    {
        PlayHistory h(file, kStart);
        RecordAll(h);
        EXPECT_EQ(h.Totals(), Expected());
        h.EndSession(kStart + 5 * kDay);
    }
    PlayHistory again(file, kStart + 6 * kDay);
    EXPECT_EQ(again.Totals(), Expected());
    // Days: games at half-day steps from day 20000.
    const std::vector<DayNet> days = again.DaysFrom(20001);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0].day, 20001);
    EXPECT_EQ(days[0].games, 2);
    EXPECT_EQ(days[0].netCents, -40);
    EXPECT_EQ(again.DepositsInMonth(kOctober2024), 520);
    EXPECT_EQ(again.DepositsInMonth(kOctober2024 + 1), 0);
    EXPECT_EQ(again.LatestDepositMonth(), kOctober2024);
    EXPECT_EQ(again.LastCashBox()->cents, -380);
    const std::vector<GameAt> last = again.LastGames(2);
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[0].stamp, kStart + 6 * kDay / 2);
    EXPECT_EQ(ValuesOf(last[1].game), ValuesOf(kGames[5]));

    SqlDatabase db(file);
    EXPECT_EQ(db.Single("SELECT COUNT(*) FROM sessions"), 1);  // the second one never recorded
    EXPECT_EQ(db.Single("SELECT ended_at FROM sessions"), kStart + 5 * kDay);
    SqlStatement read(db.Handle(), "SELECT " + GameColumnList() + " FROM games ORDER BY id");
    for (const GameRecord& expected : kGames) {
        ASSERT_TRUE(read.Step());
        GameValues values{};
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = read.Int(static_cast<int>(i));
        EXPECT_EQ(ValuesOf(GameOf(values)), ValuesOf(expected));
    }
}

TEST(PlayHistory, FirstVersionMovesForwardWithItsTotalsCounted) {
    TempFolder folder;
    const auto file = folder / "h.sqlite";
    {
        SqlDatabase db(file);
        MigrateForward(db, 1);
        EXPECT_EQ(SchemaVersion(db), 1);
        db.Exec("INSERT INTO sessions(started_at) VALUES (1)");
        for (const GameRecord& g : kGames) {
            SqlStatement insert(db.Handle(), "INSERT INTO games(session_id, played_at, " + GameColumnList(1) +
                                                 ") VALUES (1, " + std::to_string(kStart) + ", " +
                                                 GameColumnList(1, "?") + ")");
            const GameValues values = ValuesOf(g);
            for (std::size_t i = 0; i < GameColumnsAt(1); ++i) insert.Bind(static_cast<int>(i) + 1, values[i]);
            insert.Run();
        }
        db.Exec("INSERT INTO deposits(session_id, at, cents) VALUES (1, 5, 500), (1, 6, 20);"
                "INSERT INTO payouts(session_id, at, credit_cents, debt_cents) VALUES (1, 7, 900, 520)");
    }
    PlayHistory h(file, kStart);
    EXPECT_EQ(h.Totals(), Expected());
    const std::vector<DayNet> days = h.DaysFrom(0);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].games, 7);
    EXPECT_EQ(days[0].netCents, Expected().ResultCents());
    SqlDatabase db(file);
    EXPECT_EQ(SchemaVersion(db), kSchemaVersion);
}

// Two copies writing one file (a lock that could not be had): the totals add up both, as
// each copy adds its own events in SQL rather than writing the totals from its memory.
TEST(PlayHistory, TwoWritersBothCountInTheTotals) {
    TempFolder folder;
    const auto file = folder / "h.sqlite";
    PlayHistory first(file, kStart), second(file, kStart + 1);
    first.RecordDeposit(kStart, 5000, kOctober2024, 5000);
    second.RecordDeposit(kStart + 1, 3000, kOctober2024, 3000);
    first.RecordGame(kStart + 2, Lost());
    second.RecordGame(kStart + 3, Climbed());
    second.RecordGame(kStart + 4, Lost());
    const PlayFigures totals = first.Totals();
    EXPECT_EQ(totals.depositCents, 8000);
    EXPECT_EQ(totals.deposits, 2);
    EXPECT_EQ(totals.Games(), 3);
    EXPECT_EQ(totals.winningGames, 1);
    EXPECT_EQ(totals.losingRun, 1);
    EXPECT_EQ(totals.longestLosingRun, 1);
}

// A program killed mid-session left it open: the next opening ends it at its last event.
TEST(PlayHistory, ASessionLeftOpenEndsAtItsLastEvent) {
    TempFolder folder;
    const auto file = folder / "h.sqlite";
    {
        PlayHistory killed(file, kStart);
        killed.RecordGame(kStart + 60, Lost());
        killed.RecordDeposit(kStart + 90, 500, kOctober2024, 500);
        killed.RecordGame(kStart + 120, Lost());
    }
    { PlayHistory next(file, kStart + kDay); }
    SqlDatabase db(file);
    EXPECT_EQ(db.Single("SELECT ended_at FROM sessions WHERE id = 1", -1), kStart + 120);
}

TEST(PlayHistory, NewerFileIsLeftAsItIs) {
    TempFolder folder;
    const auto file = folder / "h.sqlite";
    {
        SqlDatabase db(file);
        db.Exec("CREATE TABLE future(x); PRAGMA user_version = 99");
    }
    const std::string before = ReadBytes(file);
    EXPECT_THROW(PlayHistory(file, kStart), NewerSchema);
    EXPECT_EQ(ReadBytes(file), before);
}

// A local calendar time; day of week and of year are left to the code under test.
std::tm Calendar(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(LocalStamp, DaysAndMonthsFollowTheLocalCalendar) {
    const std::tm t = Calendar(2026, 12, 31, 23, 59, 0);
    const std::int64_t stamp = LocalStamp(t);
    EXPECT_EQ(CalendarOf(MonthStart(stamp)).tm_mday, 1);
    EXPECT_EQ(CalendarOf(MonthStart(stamp)).tm_mon, 11);
    const std::tm next = CalendarOf(NextMonthStart(stamp));
    EXPECT_EQ(next.tm_year, 2027 - 1900);
    EXPECT_EQ(next.tm_mon, 0);
    EXPECT_EQ(DayOf(NextMonthStart(stamp)), DayOf(stamp) + 1);
}

// Past 2038 and before 1970 the stamps and calendars stay right, whatever the width of time_t.
TEST(LocalStamp, CountsBeyondTheThirtyTwoBitClock) {
    const std::tm leapDay = Calendar(2040, 2, 29, 12, 34, 56);
    const std::int64_t stamp = LocalStamp(leapDay);
    EXPECT_EQ(stamp, 2214131696);
    const std::tm back = CalendarOf(stamp);
    EXPECT_EQ(std::make_tuple(back.tm_year, back.tm_mon, back.tm_mday, back.tm_hour, back.tm_min, back.tm_sec),
              std::make_tuple(2040 - 1900, 1, 29, 12, 34, 56));
    EXPECT_EQ(back.tm_wday, 3);  // a Wednesday
    EXPECT_EQ(back.tm_yday, 59);
    EXPECT_EQ(CalendarOf(NextMonthStart(stamp)).tm_mon, 2);
    const std::tm beforeEpoch = CalendarOf(-1);
    EXPECT_EQ(std::make_tuple(beforeEpoch.tm_year, beforeEpoch.tm_mon, beforeEpoch.tm_mday, beforeEpoch.tm_sec),
              std::make_tuple(69, 11, 31, 59));
    EXPECT_EQ(DayOf(-1), -1);
}

}  // namespace
