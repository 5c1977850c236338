// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/play_history.h"

#include <sqlite3.h>

#include <algorithm>

#include "statistics/history_schema.h"
#include "statistics/local_stamp.h"

PlayHistory::PlayHistory(const std::filesystem::path& file, std::int64_t sessionStart)
    : db_(file), sessionStart_(sessionStart) {
    // Write-ahead log: a commit is one append, readers never wait, and a killed process
    // loses nothing it committed.
    db_.Exec("PRAGMA busy_timeout = 100");
    RefuseNewer(db_);
    db_.Exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 10000");
    MigrateForward(db_);
    CloseOpenSessions();
    sqlite3* h = db_.Handle();
    insertSession_ = std::make_unique<SqlStatement>(h, "INSERT INTO sessions(started_at) VALUES (?1)");
    insertGame_ = std::make_unique<SqlStatement>(
        h, "INSERT INTO games(session_id, played_at, " + GameColumnList() + ") VALUES (?, ?, " +
               GameColumnList("?") + ")");
    upsertDay_ = std::make_unique<SqlStatement>(
        h, "INSERT INTO days(day, games, net_cents) VALUES (?1, 1, ?2) "
           "ON CONFLICT(day) DO UPDATE SET games = games + 1, net_cents = net_cents + ?2");
    insertDeposit_ = std::make_unique<SqlStatement>(
        h, "INSERT INTO deposits(session_id, at, cents, month) VALUES (?1, ?2, ?3, ?4)");
    insertPayout_ = std::make_unique<SqlStatement>(
        h, "INSERT INTO payouts(session_id, at, credit_cents, debt_cents) VALUES (?1, ?2, ?3, ?4)");
    insertCashBox_ = std::make_unique<SqlStatement>(
        h, "INSERT INTO cash_box(session_id, at, cents, reason) VALUES (?1, ?2, ?3, ?4)");
    addTotals_ = std::make_unique<SqlStatement>(h, TotalsAdd());
}

PlayHistory::~PlayHistory() = default;

// The last event of a session: the newest row of each event table that names it.
void PlayHistory::CloseOpenSessions() {
    SqlStatement open(db_.Handle(), "SELECT id, started_at FROM sessions WHERE ended_at IS NULL");
    std::vector<std::pair<std::int64_t, std::int64_t>> ends;
    while (open.Step()) ends.emplace_back(open.Int(0), open.Int(1));
    if (ends.empty()) return;
    SqlTransaction transaction(db_);
    for (auto& [id, last] : ends) {
        for (const char* event : {"games WHERE session_id = ?1 ORDER BY id DESC LIMIT 1",
                                  "deposits WHERE session_id = ?1 ORDER BY id DESC LIMIT 1",
                                  "payouts WHERE session_id = ?1 ORDER BY id DESC LIMIT 1",
                                  "cash_box WHERE session_id = ?1 ORDER BY id DESC LIMIT 1"}) {
            const std::string at = std::string(event).starts_with("games") ? "played_at" : "at";
            SqlStatement query(db_.Handle(), "SELECT " + at + " FROM " + event);
            query.Bind(1, id);
            if (query.Step()) last = std::max(last, query.Int(0));
        }
        SqlStatement end(db_.Handle(), "UPDATE sessions SET ended_at = ?1 WHERE id = ?2");
        end.Bind(1, last).Bind(2, id).Run();
    }
    transaction.Commit();
}

PlayFigures PlayHistory::Totals() { return ReadTotals(db_); }

std::vector<DayNet> PlayHistory::DaysFrom(std::int64_t firstDay) {
    SqlStatement query(db_.Handle(), "SELECT day, games, net_cents FROM days WHERE day >= ?1 ORDER BY day");
    query.Bind(1, firstDay);
    std::vector<DayNet> days;
    while (query.Step()) days.push_back({query.Int(0), query.Int(1), query.Int(2)});
    return days;
}

std::vector<GameAt> PlayHistory::LastGames(int count) {
    SqlStatement query(db_.Handle(),
                       "SELECT played_at, " + GameColumnList() + " FROM games ORDER BY id DESC LIMIT ?1");
    query.Bind(1, count);
    std::vector<GameAt> games;
    while (query.Step()) {
        GameValues values{};
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = query.Int(static_cast<int>(i) + 1);
        games.push_back({query.Int(0), GameOf(values)});
    }
    return games;
}

std::optional<CashBoxRow> PlayHistory::LastCashBox() {
    SqlStatement query(db_.Handle(), "SELECT id, cents FROM cash_box ORDER BY id DESC LIMIT 1");
    if (!query.Step()) return std::nullopt;
    return CashBoxRow{query.Int(0), query.Int(1)};
}

std::int64_t PlayHistory::DepositsInMonth(int month) {
    SqlStatement query(db_.Handle(), "SELECT COALESCE(SUM(cents), 0) FROM deposits WHERE month = ?1");
    query.Bind(1, month);
    return query.Step() ? query.Int(0) : 0;
}

int PlayHistory::LatestDepositMonth() {
    return static_cast<int>(db_.Single("SELECT COALESCE(MAX(month), 0) FROM deposits"));
}

template <class Write>
void PlayHistory::Record(const PlayFigures& added, Write&& write) {
    const std::int64_t session = session_;
    try {
        SqlTransaction transaction(db_);
        if (session_ == 0) {
            insertSession_->Bind(1, sessionStart_).Run();
            session_ = sqlite3_last_insert_rowid(db_.Handle());
        }
        write();
        PlayFigures figures = added;
        int index = 0;
        for (const FigureField& f : FigureFields(figures)) addTotals_->Bind(++index, *f.value);
        addTotals_->Run();
        transaction.Commit();
    } catch (...) {
        session_ = session;
        throw;
    }
}

void PlayHistory::AddCashBox(std::int64_t stamp, std::int64_t cents, const std::string& reason) {
    insertCashBox_->Bind(1, session_).Bind(2, stamp).Bind(3, cents).BindText(4, reason).Run();
}

void PlayHistory::RecordGame(std::int64_t stamp, const GameRecord& game) {
    PlayFigures added;
    added.AddGame(game);
    Record(added, [&] {
        insertGame_->Bind(1, session_).Bind(2, stamp);
        int index = 2;
        for (std::int64_t value : ValuesOf(game)) insertGame_->Bind(++index, value);
        insertGame_->Run();
        upsertDay_->Bind(1, DayOf(stamp)).Bind(2, game.ResultCents()).Run();
    });
}

void PlayHistory::RecordDeposit(std::int64_t stamp, std::int64_t cents, int month, std::int64_t cashBoxCents) {
    PlayFigures added;
    added.AddDeposit(cents);
    Record(added, [&] {
        insertDeposit_->Bind(1, session_).Bind(2, stamp).Bind(3, cents).Bind(4, month).Run();
        AddCashBox(stamp, cashBoxCents, "Einzahlung");
    });
}

void PlayHistory::RecordPayout(std::int64_t stamp, std::int64_t creditCents, std::int64_t debtCents,
                               std::int64_t cashBoxCents) {
    PlayFigures added;
    added.AddPayout(creditCents, debtCents);
    Record(added, [&] {
        insertPayout_->Bind(1, session_).Bind(2, stamp).Bind(3, creditCents).Bind(4, debtCents).Run();
        AddCashBox(stamp, cashBoxCents, "Auszahlung");
    });
}

void PlayHistory::RecordCashBox(std::int64_t stamp, std::int64_t cents, const std::string& reason) {
    Record({}, [&] { AddCashBox(stamp, cents, reason); });
}

void PlayHistory::RecordRepair(std::int64_t stamp, const std::string& what) {
    SqlStatement insert(db_.Handle(), "INSERT INTO repairs(at, what) VALUES (?1, ?2)");
    insert.Bind(1, stamp).BindText(2, what).Run();
}

void PlayHistory::EndSession(std::int64_t stamp) {
    if (session_ == 0) return;
    SqlStatement end(db_.Handle(), "UPDATE sessions SET ended_at = ?1 WHERE id = ?2");
    end.Bind(1, stamp).Bind(2, session_).Run();
    session_ = 0;
    sessionStart_ = stamp;
}
