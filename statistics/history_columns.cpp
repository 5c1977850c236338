// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/history_columns.h"

#include "statistics/game_rows.h"
#include "statistics/play_figures.h"

namespace {

constexpr const char* kCount = "INTEGER NOT NULL";

std::vector<HistoryColumn> AllColumns() {
    std::vector<HistoryColumn> c = {
        {"sessions", "started_at", kCount, 1},      {"sessions", "ended_at", "INTEGER", 1},
        {"games", "session_id", kCount, 1},         {"games", "played_at", kCount, 1},
    };
    for (const GameColumn& g : kGameColumns)
        c.push_back({"games", g.name, g.version == 1 ? kCount : "INTEGER NOT NULL DEFAULT -1", g.version});
    const std::vector<HistoryColumn> rest = {
        {"deposits", "session_id", kCount, 1},      {"deposits", "at", kCount, 1},
        {"deposits", "cents", kCount, 1},           {"deposits", "month", "INTEGER NOT NULL DEFAULT 0", 3},
        {"payouts", "session_id", kCount, 1},       {"payouts", "at", kCount, 1},
        {"payouts", "credit_cents", kCount, 1},     {"payouts", "debt_cents", kCount, 1},
        {"days", "games", kCount, 2},               {"days", "net_cents", kCount, 2},
        {"cash_box", "session_id", kCount, 3},      {"cash_box", "at", kCount, 3},
        {"cash_box", "cents", kCount, 3},           {"cash_box", "reason", "TEXT NOT NULL", 3},
        {"repairs", "at", kCount, 3},               {"repairs", "what", "TEXT NOT NULL", 3},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    PlayFigures none;
    for (const FigureField& f : FigureFields(none))
        c.push_back({"totals", f.column, "INTEGER NOT NULL DEFAULT 0", f.version});
    return c;
}

}  // namespace

const std::vector<HistoryTable>& HistoryTables() {
    static const std::vector<HistoryTable> tables = {
        {"sessions", 1, "id INTEGER PRIMARY KEY"}, {"games", 1, "id INTEGER PRIMARY KEY"},
        {"deposits", 1, "id INTEGER PRIMARY KEY"}, {"payouts", 1, "id INTEGER PRIMARY KEY"},
        {"totals", 2, "id INTEGER PRIMARY KEY CHECK (id = 1)"}, {"days", 2, "day INTEGER PRIMARY KEY"},
        {"cash_box", 3, "id INTEGER PRIMARY KEY"}, {"repairs", 3, "id INTEGER PRIMARY KEY"},
    };
    return tables;
}

const std::vector<HistoryColumn>& HistoryColumns() {
    static const std::vector<HistoryColumn> columns = AllColumns();
    return columns;
}

std::string TablesOfVersion(int version) {
    std::string sql;
    for (const HistoryTable& t : HistoryTables()) {
        if (t.version > version) continue;
        std::string added;
        for (const HistoryColumn& c : HistoryColumns())
            if (c.table == t.name && c.version == version)
                added += t.version == version ? ", " + c.name + " " + c.type
                                              : "ALTER TABLE " + t.name + " ADD COLUMN " + c.name + " " + c.type + ";";
        if (t.version == version)
            sql += "CREATE TABLE " + t.name + "(" + t.key + added + ");";
        else
            sql += added;
    }
    return sql;
}
