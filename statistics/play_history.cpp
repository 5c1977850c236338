// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/play_history.h"

#include <sqlite3.h>

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
    totals_ = ReadTotals(db_);
    sqlite3* h = db_.Handle();
    insertSession_ = std::make_unique<SqlStatement>(h, "INSERT INTO sessions(started_at) VALUES (?1)");
    insertGame_ = std::make_unique<SqlStatement>(
        h, "INSERT INTO games(session_id, played_at, " + GameColumnList() + ") VALUES (?, ?, " +
               GameColumnList("?") + ")");
    upsertDay_ = std::make_unique<SqlStatement>(
        h, "INSERT INTO days(day, games, net_cents) VALUES (?1, 1, ?2) "
           "ON CONFLICT(day) DO UPDATE SET games = games + 1, net_cents = net_cents + ?2");
    insertDeposit_ = std::make_unique<SqlStatement>(h, "INSERT INTO deposits(session_id, at, cents) VALUES (?1, ?2, ?3)");
    insertPayout_ = std::make_unique<SqlStatement>(
        h, "INSERT INTO payouts(session_id, at, credit_cents, debt_cents) VALUES (?1, ?2, ?3, ?4)");
    updateTotals_ = std::make_unique<SqlStatement>(h, TotalsUpdate());
}

PlayHistory::~PlayHistory() = default;

PlayFigures PlayHistory::Totals() { return ReadTotals(db_); }

std::vector<DayNet> PlayHistory::DaysFrom(std::int64_t firstDay) {
    SqlStatement query(db_.Handle(), "SELECT day, games, net_cents FROM days WHERE day >= ?1 ORDER BY day");
    query.Bind(1, firstDay);
    std::vector<DayNet> days;
    while (query.Step()) days.push_back({query.Int(0), query.Int(1), query.Int(2)});
    return days;
}

std::int64_t PlayHistory::EarlierDepositsBetween(std::int64_t from, std::int64_t to) {
    SqlStatement query(db_.Handle(),
                       "SELECT COALESCE(SUM(cents), 0) FROM deposits WHERE at >= ?1 AND at < ?2 AND session_id <> ?3");
    query.Bind(1, from).Bind(2, to).Bind(3, session_);
    return query.Step() ? query.Int(0) : 0;
}

template <class Write>
void PlayHistory::Record(Write&& write) {
    const PlayFigures before = totals_;
    const std::int64_t session = session_;
    try {
        SqlTransaction transaction(db_);
        if (session_ == 0) {
            insertSession_->Bind(1, sessionStart_).Run();
            session_ = sqlite3_last_insert_rowid(db_.Handle());
        }
        write();
        BindTotals();
        updateTotals_->Run();
        transaction.Commit();
    } catch (...) {
        totals_ = before;
        session_ = session;
        throw;
    }
}

void PlayHistory::BindTotals() {
    int index = 0;
    for (const FigureField& f : FigureFields(totals_)) updateTotals_->Bind(++index, *f.value);
}

void PlayHistory::RecordGame(std::int64_t stamp, const GameRecord& game) {
    Record([&] {
        insertGame_->Bind(1, session_).Bind(2, stamp);
        int index = 2;
        for (std::int64_t value : ValuesOf(game)) insertGame_->Bind(++index, value);
        insertGame_->Run();
        upsertDay_->Bind(1, DayOf(stamp)).Bind(2, game.NetCents()).Run();
        totals_.AddGame(game);
    });
}

void PlayHistory::RecordDeposit(std::int64_t stamp, std::int64_t cents) {
    Record([&] {
        insertDeposit_->Bind(1, session_).Bind(2, stamp).Bind(3, cents).Run();
        totals_.AddDeposit(cents);
    });
}

void PlayHistory::RecordPayout(std::int64_t stamp, std::int64_t creditCents, std::int64_t debtCents) {
    Record([&] {
        insertPayout_->Bind(1, session_).Bind(2, stamp).Bind(3, creditCents).Bind(4, debtCents).Run();
        totals_.AddPayout(creditCents, debtCents);
    });
}

void PlayHistory::EndSession(std::int64_t stamp) {
    if (session_ == 0) return;
    SqlStatement end(db_.Handle(), "UPDATE sessions SET ended_at = ?1 WHERE id = ?2");
    end.Bind(1, stamp).Bind(2, session_).Run();
}
