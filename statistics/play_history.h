// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play history in its SQLite file: every game, deposit and payout of every play
// session, each written in one transaction together with the running totals and its day, so
// that a program killed at any moment leaves every completed event and totals that match.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "statistics/game_rows.h"
#include "statistics/play_figures.h"
#include "statistics/sqlite_db.h"

struct DayNet {
    std::int64_t day;  // DayOf a stamp
    std::int64_t games;
    std::int64_t netCents;
};

class PlayHistory {
public:
    // Opens or creates the file and brings it to the newest version. The play session that
    // started at `sessionStart` is written with its first event. Throws SqlError, NewerSchema.
    PlayHistory(const std::filesystem::path& file, std::int64_t sessionStart);
    ~PlayHistory();

    // Everything recorded, all play sessions together.
    PlayFigures Totals();
    std::vector<DayNet> DaysFrom(std::int64_t firstDay);
    // Deposits from `from` up to before `to`, of earlier play sessions only.
    std::int64_t EarlierDepositsBetween(std::int64_t from, std::int64_t to);

    void RecordGame(std::int64_t stamp, const GameRecord& game);
    void RecordDeposit(std::int64_t stamp, std::int64_t cents);
    void RecordPayout(std::int64_t stamp, std::int64_t creditCents, std::int64_t debtCents);
    void EndSession(std::int64_t stamp);

private:
    // Runs `write` with the totals in one transaction; on failure the totals are as before.
    template <class Write>
    void Record(Write&& write);
    void BindTotals();

    SqlDatabase db_;
    std::int64_t sessionStart_;
    std::int64_t session_ = 0;  // 0 until the session's row is written
    PlayFigures totals_;
    std::unique_ptr<SqlStatement> insertSession_, insertGame_, upsertDay_, insertDeposit_, insertPayout_,
        updateTotals_;
};
