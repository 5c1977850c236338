// SPDX-License-Identifier: GPL-3.0-or-later
// The history's upgrade: a file written by each earlier version (fixtures/history_v1.sqlite
// and history_v2.sqlite, each made by the program of that version: two play sessions, the
// second killed and left open) moves to the current version keeping every row, its totals
// counted from its events and its open session closed at its last event; every step adds
// only its own columns, so a fresh file and an upgraded one end with the same tables.
#include <gtest/gtest.h>

#include <map>

#include "statistics/game_rows.h"
#include "statistics/history_schema.h"
#include "statistics/play_history.h"
#include "tests/support/temp_folder.h"

namespace {

const std::filesystem::path kFixtures = std::filesystem::path(TRESOLO_SOURCE_DIR) / "tests/statistics/fixtures";

// Each table's columns as "name type", in their order.
std::map<std::string, std::vector<std::string>> Tables(SqlDatabase& db) {
    std::map<std::string, std::vector<std::string>> tables;
    SqlStatement names(db.Handle(), "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
    while (names.Step()) {
        SqlStatement columns(db.Handle(), "PRAGMA table_info(" + names.Text(0) + ")");
        while (columns.Step()) tables[names.Text(0)].push_back(columns.Text(1) + " " + columns.Text(2));
    }
    return tables;
}

// Every row of the event tables, as text, in the columns the oldest version had.
std::vector<std::string> EventRows(SqlDatabase& db) {
    std::vector<std::string> rows;
    for (const std::string& select : {std::string("SELECT id, started_at, ended_at IS NULL FROM sessions WHERE id = 1"),
                                     "SELECT id, session_id, played_at, " + GameColumnList(1) + " FROM games",
                                     std::string("SELECT id, session_id, at, cents FROM deposits"),
                                     std::string("SELECT id, session_id, at, credit_cents, debt_cents FROM payouts")}) {
        SqlStatement query(db.Handle(), select);
        while (query.Step()) {
            std::string row;
            for (int i = 0; i < query.ColumnCount(); ++i) row += query.Text(i) + "|";
            rows.push_back(row);
        }
    }
    return rows;
}

class HistoryUpgrade : public ::testing::TestWithParam<int> {};

TEST_P(HistoryUpgrade, EarlierFileMovesToTheCurrentVersionKeepingEveryRow) {
    TempFolder folder;
    const auto file = folder / "h.sqlite";
    std::filesystem::copy_file(kFixtures / ("history_v" + std::to_string(GetParam()) + ".sqlite"), file);
    std::vector<std::string> before;
    PlayFigures counted;
    {
        SqlDatabase db(file);
        ASSERT_EQ(SchemaVersion(db), GetParam());
        before = EventRows(db);
        SqlStatement games(db.Handle(), "SELECT " + GameColumnList(1) + " FROM games ORDER BY id");
        while (games.Step()) {
            GameValues values = ValuesOf(GameRecord{});
            for (std::size_t i = 0; i < GameColumnsAt(1); ++i) values[i] = games.Int(static_cast<int>(i));
            counted.AddGame(GameOf(values));
        }
        counted.AddDeposit(500);
        counted.AddDeposit(2000);
        counted.AddPayout(900, 500);
    }
    PlayHistory h(file, 0);
    EXPECT_EQ(h.Totals(), counted);
    SqlDatabase db(file);
    EXPECT_EQ(SchemaVersion(db), kSchemaVersion);
    EXPECT_EQ(EventRows(db), before);
    // The second session was killed after its last game; it ends there.
    EXPECT_EQ(db.Single("SELECT COUNT(*) FROM sessions WHERE ended_at IS NULL"), 0);
    EXPECT_EQ(db.Single("SELECT ended_at FROM sessions WHERE id = 2"), db.Single("SELECT MAX(played_at) FROM games"));
    // Old games have no credit; each deposit counts for its month (December 2025).
    EXPECT_EQ(db.Single("SELECT COUNT(*) FROM games WHERE credit_before_cents = -1"), 6);
    EXPECT_EQ(h.DepositsInMonth(2025 * 12 + 11), 2500);
    // The days count every game's result as the window does.
    EXPECT_EQ(db.Single("SELECT SUM(net_cents) FROM days"), counted.ResultCents());

    TempFolder fresh;
    { PlayHistory made(fresh / "h.sqlite", 0); }
    SqlDatabase newFile(fresh / "h.sqlite");
    EXPECT_EQ(Tables(db), Tables(newFile));
}

INSTANTIATE_TEST_SUITE_P(EachEarlierVersion, HistoryUpgrade, ::testing::Values(1, 2));

// A step adds only the columns of its version: a file made step by step has each version's
// tables, and no step repeats a column an earlier one made.
TEST(HistoryColumns, EachStepAddsOnlyItsOwnColumns) {
    TempFolder folder;
    SqlDatabase db(folder / "h.sqlite");
    std::size_t columns = 0;
    for (int version = 1; version <= kSchemaVersion; ++version) {
        MigrateForward(db, version);
        std::size_t now = 0;
        for (const auto& [table, list] : Tables(db)) now += list.size();
        std::size_t expected = 0;
        for (const HistoryTable& t : HistoryTables()) expected += t.version <= version;
        for (const HistoryColumn& c : HistoryColumns()) expected += c.version <= version;
        EXPECT_EQ(now, expected) << "version " << version;
        EXPECT_GT(now, columns);
        columns = now;
    }
    EXPECT_EQ(GameColumnsAt(1), 14u);
    EXPECT_EQ(GameColumnsAt(kSchemaVersion), kGameColumns.size());
}

}  // namespace
