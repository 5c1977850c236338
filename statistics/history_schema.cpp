// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/history_schema.h"

#include <string>

#include "statistics/game_rows.h"

namespace {

// The totals of a file that had none: written as counted.
void WriteTotals(SqlDatabase& db, PlayFigures figures) {
    std::string sql;
    for (const FigureField& f : FigureFields(figures))
        sql += (sql.empty() ? "" : ", ") + f.column + " = " + std::to_string(*f.value);
    db.Exec("UPDATE totals SET " + sql + " WHERE id = 1");
}

// The totals of the events a file of version 1 holds, games in the order they were played.
void CountTotals(SqlDatabase& db) {
    PlayFigures figures;
    const std::size_t columns = GameColumnsAt(1);
    SqlStatement games(db.Handle(), "SELECT " + GameColumnList(1) + " FROM games ORDER BY id");
    while (games.Step()) {
        GameValues values = ValuesOf(GameRecord{});
        for (std::size_t i = 0; i < columns; ++i) values[i] = games.Int(static_cast<int>(i));
        figures.AddGame(GameOf(values));
    }
    SqlStatement deposits(db.Handle(), "SELECT cents FROM deposits");
    while (deposits.Step()) figures.AddDeposit(deposits.Int(0));
    SqlStatement payouts(db.Handle(), "SELECT credit_cents, debt_cents FROM payouts");
    while (payouts.Step()) figures.AddPayout(payouts.Int(0), payouts.Int(1));
    WriteTotals(db, figures);
}

// Each day's result, every game counting a stake and each special game won one.
void CountDays(SqlDatabase& db) {
    db.Exec("DELETE FROM days");
    SqlStatement days(db.Handle(),
                      "INSERT INTO days(day, games, net_cents) SELECT played_at / 86400, COUNT(*), "
                      "SUM(won_cents + special_won * ?1 - ?1) FROM games GROUP BY played_at / 86400");
    days.Bind(1, StakeCents()).Run();
}

// Every deposit counts for the month it was made in.
void DepositMonths(SqlDatabase& db) {
    db.Exec("UPDATE deposits SET month = CAST(strftime('%Y', at, 'unixepoch') AS INTEGER) * 12 + "
            "CAST(strftime('%m', at, 'unixepoch') AS INTEGER) - 1");
}

// Sessions that earlier versions left open when the program was killed end at their last event.
void CloseAllOpenSessions(SqlDatabase& db) {
    db.Exec("CREATE TEMP TABLE last_event AS SELECT session_id, MAX(at) AS at FROM ("
            "SELECT session_id, played_at AS at FROM games UNION ALL SELECT session_id, at FROM deposits "
            "UNION ALL SELECT session_id, at FROM payouts) GROUP BY session_id;"
            "UPDATE sessions SET ended_at = MAX(started_at, COALESCE((SELECT at FROM last_event WHERE "
            "session_id = sessions.id), started_at)) WHERE ended_at IS NULL;"
            "DROP TABLE last_event");
}

void Step(SqlDatabase& db, int version) {
    SqlTransaction transaction(db);
    db.Exec(TablesOfVersion(version));
    if (version == 1) db.Exec("CREATE INDEX deposits_at ON deposits(at)");
    if (version == 2) {
        db.Exec("INSERT INTO totals(id) VALUES (1)");
        CountTotals(db);
    }
    if (version >= 2) CountDays(db);
    if (version == 3) {
        DepositMonths(db);
        CloseAllOpenSessions(db);
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

std::string TotalsAdd() {
    PlayFigures none;
    const std::vector<FigureField> fields = FigureFields(none);
    std::string won, run;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].column == "winning_games") won = "?" + std::to_string(i + 1);
        if (fields[i].kind == FigureKind::Run) run = "?" + std::to_string(i + 1);
    }
    const std::string streak = "CASE WHEN " + won + " THEN 0 ELSE losing_run + " + run + " END";
    std::string sql = "UPDATE totals SET ";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& c = fields[i].column;
        if (i > 0) sql += ", ";
        switch (fields[i].kind) {
            case FigureKind::Sum: sql += c + " = " + c + " + ?" + std::to_string(i + 1); break;
            case FigureKind::Run: sql += c + " = " + streak; break;
            case FigureKind::Longest: sql += c + " = MAX(" + c + ", " + streak + ")"; break;
        }
    }
    return sql + " WHERE id = 1";
}
