// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play history in its SQLite file: every game, deposit and payout of every play
// session, each written in one transaction together with the running totals, its day and the
// cash box after the move, so that a program killed at any moment leaves every completed event
// and totals that match. The totals are added in SQL, never written from memory.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "statistics/game_rows.h"
#include "statistics/play_figures.h"
#include "statistics/sqlite_db.h"

struct DayNet {
    std::int64_t day;  // DayOf a stamp
    std::int64_t games;
    std::int64_t netCents;
};

struct GameAt {
    std::int64_t stamp;
    GameRecord game;
};

// One move of the cash box as the history holds it: its entry and the cash box after it.
struct CashBoxRow {
    std::int64_t id = 0;
    std::int64_t cents = 0;
};

class PlayHistory {
public:
    // Opens or creates the file, brings it to the newest version and ends the play sessions a
    // killed program left open at their last event. The play session that started at
    // `sessionStart` is written with its first event. Throws SqlError, NewerSchema.
    PlayHistory(const std::filesystem::path& file, std::int64_t sessionStart);
    ~PlayHistory();

    // Everything recorded, all play sessions together.
    PlayFigures Totals();
    std::vector<DayNet> DaysFrom(std::int64_t firstDay);
    // The last `count` games, the newest first.
    std::vector<GameAt> LastGames(int count);
    std::optional<CashBoxRow> LastCashBox();
    // Deposits counted for a month (MonthIndex), and the latest month one counted for.
    std::int64_t DepositsInMonth(int month);
    int LatestDepositMonth();

    void RecordGame(std::int64_t stamp, const GameRecord& game);
    void RecordDeposit(std::int64_t stamp, std::int64_t cents, int month, std::int64_t cashBoxCents);
    void RecordPayout(std::int64_t stamp, std::int64_t creditCents, std::int64_t debtCents, std::int64_t cashBoxCents);
    // A move of the cash box alone ("Leerung", "Angleichung").
    void RecordCashBox(std::int64_t stamp, std::int64_t cents, const std::string& reason);
    // What a start mended, in a German sentence.
    void RecordRepair(std::int64_t stamp, const std::string& what);
    // The session ends; a later event begins a new one.
    void EndSession(std::int64_t stamp);

private:
    // Runs `write` with the totals' addition in one transaction.
    template <class Write>
    void Record(const PlayFigures& added, Write&& write);
    void AddCashBox(std::int64_t stamp, std::int64_t cents, const std::string& reason);
    void CloseOpenSessions();

    SqlDatabase db_;
    std::int64_t sessionStart_;
    std::int64_t session_ = 0;  // 0 until the session's row is written
    std::unique_ptr<SqlStatement> insertSession_, insertGame_, upsertDay_, insertDeposit_, insertPayout_,
        insertCashBox_, addTotals_;
};
