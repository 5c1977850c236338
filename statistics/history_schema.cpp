// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/history_schema.h"

#include <string>

#include "statistics/game_rows.h"

namespace {

std::string EventTables() {
    std::string games = "CREATE TABLE games(id INTEGER PRIMARY KEY, session_id INTEGER NOT NULL, "
                        "played_at INTEGER NOT NULL";
    for (const char* column : kGameColumns) games += std::string(", ") + column + " INTEGER NOT NULL";
    return "CREATE TABLE sessions(id INTEGER PRIMARY KEY, started_at INTEGER NOT NULL, ended_at INTEGER);" +
           games + ");" +
           "CREATE TABLE deposits(id INTEGER PRIMARY KEY, session_id INTEGER NOT NULL, at INTEGER NOT NULL, "
           "cents INTEGER NOT NULL);"
           "CREATE INDEX deposits_at ON deposits(at);"
           "CREATE TABLE payouts(id INTEGER PRIMARY KEY, session_id INTEGER NOT NULL, at INTEGER NOT NULL, "
           "credit_cents INTEGER NOT NULL, debt_cents INTEGER NOT NULL);";
}

std::string SummaryTables() {
    std::string totals = "CREATE TABLE totals(id INTEGER PRIMARY KEY CHECK (id = 1)";
    PlayFigures none;
    for (const FigureField& f : FigureFields(none)) totals += ", " + f.column + " INTEGER NOT NULL DEFAULT 0";
    return totals + ");INSERT INTO totals(id) VALUES (1);" +
           "CREATE TABLE days(day INTEGER PRIMARY KEY, games INTEGER NOT NULL, net_cents INTEGER NOT NULL);";
}

void WriteTotals(SqlDatabase& db, PlayFigures figures) {
    SqlStatement update(db.Handle(), TotalsUpdate());
    int index = 0;
    for (const FigureField& f : FigureFields(figures)) update.Bind(++index, *f.value);
    update.Run();
}

// The totals and the days of everything recorded so far, games in the order they were played.
void CountSummaries(SqlDatabase& db) {
    PlayFigures figures;
    SqlStatement games(db.Handle(), "SELECT " + GameColumnList() + " FROM games ORDER BY id");
    while (games.Step()) {
        GameValues values{};
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = games.Int(static_cast<int>(i));
        figures.AddGame(GameOf(values));
    }
    SqlStatement deposits(db.Handle(), "SELECT cents FROM deposits");
    while (deposits.Step()) figures.AddDeposit(deposits.Int(0));
    SqlStatement payouts(db.Handle(), "SELECT credit_cents, debt_cents FROM payouts");
    while (payouts.Step()) figures.AddPayout(payouts.Int(0), payouts.Int(1));
    WriteTotals(db, figures);
    SqlStatement days(db.Handle(),
                      "INSERT INTO days(day, games, net_cents) SELECT played_at / 86400, COUNT(*), "
                      "SUM(won_cents - CASE WHEN special THEN 0 ELSE ?1 END) FROM games GROUP BY played_at / 86400");
    days.Bind(1, StakeCents()).Run();
}

void Step(SqlDatabase& db, int version) {
    SqlTransaction transaction(db);
    if (version == 1) db.Exec(EventTables());
    if (version == 2) {
        db.Exec(SummaryTables());
        CountSummaries(db);
    }
    db.Exec("PRAGMA user_version = " + std::to_string(version));
    transaction.Commit();
}

}  // namespace

int SchemaVersion(SqlDatabase& db) { return static_cast<int>(db.Single("PRAGMA user_version")); }

void RefuseNewer(SqlDatabase& db) {
    const int found = SchemaVersion(db);
    if (found > kSchemaVersion)
        throw NewerSchema("Version " + std::to_string(found) + " einer neueren Tresolo-Version, diese kennt " +
                          std::to_string(kSchemaVersion));
}

void MigrateForward(SqlDatabase& db, int target) {
    RefuseNewer(db);
    for (int version = SchemaVersion(db) + 1; version <= target; ++version) Step(db, version);
}

PlayFigures ReadTotals(SqlDatabase& db) {
    PlayFigures figures;
    std::vector<FigureField> fields = FigureFields(figures);
    std::string columns;
    for (const FigureField& f : fields) columns += (columns.empty() ? "" : ", ") + f.column;
    SqlStatement query(db.Handle(), "SELECT " + columns + " FROM totals WHERE id = 1");
    if (query.Step())
        for (std::size_t i = 0; i < fields.size(); ++i) *fields[i].value = query.Int(static_cast<int>(i));
    return figures;
}

std::string TotalsUpdate() {
    PlayFigures none;
    std::string sql = "UPDATE totals SET ";
    int index = 0;
    for (const FigureField& f : FigureFields(none)) {
        if (index++ > 0) sql += ", ";
        sql += f.column + " = ?" + std::to_string(index);
    }
    return sql + " WHERE id = 1";
}
