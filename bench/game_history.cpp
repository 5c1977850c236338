// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window over a long history: a file of the first version with N recorded games
// (a million by default, with a deposit every 50 games and a payout every 500), moved forward
// to the newest version, then opened by the real program. Prints the time the move takes, the
// file's size per thousand games, and the time to open the statistics window: the first time
// (the history and the exact odds are read then) and again, and the time to show the last
// games. Usage: game_history [games]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "tests/machine/started_program.h"
#include "game/combination_table.h"
#include "game/reel_positions.h"
#include "statistics/game_rows.h"
#include "statistics/history_file.h"
#include "statistics/history_schema.h"
#include "statistics/play_history.h"
#include "statistics/play_recorder.h"
#include "statistics/statistics_window.h"

namespace {

using Wall = std::chrono::steady_clock;

double MsSince(Wall::time_point t0) { return std::chrono::duration<double, std::milli>(Wall::now() - t0).count(); }

// A game as the reels draw it, with the level's amount credited once.
GameRecord DrawnGame(std::mt19937& rng, bool special) {
    GameRecord g;
    g.special = special;
    BildAufWalzeTable table{};
    for (Reel reel : kAllReels) {
        const Walzenbild picture = PictureAtPosition(reel, static_cast<int>(rng() % PositionCount(reel)));
        RecordStop(table, reel, picture);
        g.pictures[static_cast<std::size_t>(reel)] = static_cast<int>(picture);
    }
    if (const auto win = FindCombination(table)) {
        const auto ladder = static_cast<std::size_t>(win->ladder);
        g.startLevel[ladder] = g.topLevel[ladder] = win->step;
        const std::string amount(StepAmountText(win->ladder, win->step));
        const long whole = std::strtol(amount.c_str(), nullptr, 10);
        if (IsMoneyStep(win->step))
            g.stepCents = g.wonCents = whole * 100 + (amount.size() > 2 ? std::atoi(amount.c_str() + amount.size() - 2) : 0);
        else
            g.specialWon = whole;
    }
    return g;
}

void WriteFirstVersion(const std::filesystem::path& file, std::int64_t games) {
    SqlDatabase db(file);
    MigrateForward(db, 1);
    SqlTransaction t(db);
    db.Exec("INSERT INTO sessions(started_at, ended_at) VALUES (1796600000, 1796690000)");
    SqlStatement game(db.Handle(), "INSERT INTO games(session_id, played_at, " + GameColumnList(1) +
                                       ") VALUES (1, ?, " + GameColumnList(1, "?") + ")");
    SqlStatement deposit(db.Handle(), "INSERT INTO deposits(session_id, at, cents) VALUES (1, ?1, 2000)");
    SqlStatement payout(db.Handle(), "INSERT INTO payouts(session_id, at, credit_cents, debt_cents) VALUES (1, ?1, 900, 1000)");
    std::mt19937 rng(2026);
    // Ninety days of play up to the program's clock, so the last thirty have bars.
    const std::int64_t now = std::time(nullptr), first = now - 90 * 86400;
    for (std::int64_t n = 0; n < games; ++n) {
        const std::int64_t at = first + n * 90 * 86400 / games;
        if (n % 50 == 0) deposit.Bind(1, at).Run();
        if (n % 500 == 499) payout.Bind(1, at).Run();
        game.Bind(1, at);
        const GameValues values = ValuesOf(DrawnGame(rng, n % 9 == 0));
        for (std::size_t i = 0; i < GameColumnsAt(1); ++i) game.Bind(static_cast<int>(i) + 2, values[i]);
        game.Run();
    }
    t.Commit();
}

}  // namespace

int main(int argc, char** argv) {
    const std::int64_t games = argc > 1 ? std::atoll(argv[1]) : 1000000;
    StartedProgram program;
    const auto file = program.folder / kHistoryFileName;

    auto t0 = Wall::now();
    WriteFirstVersion(file, games);
    std::printf("%lld games written as version 1 in %.0f ms\n", static_cast<long long>(games), MsSince(t0));
    t0 = Wall::now();
    { PlayHistory moved(file, 0); }
    std::printf("moved forward to version %d, totals and days counted: %.0f ms\n", kSchemaVersion, MsSince(t0));
    SqlDatabase(file).Exec("PRAGMA wal_checkpoint(TRUNCATE)");
    const auto bytes = std::filesystem::file_size(file);
    std::printf("file: %.1f MiB, %.1f KiB per thousand games (with %lld deposits and %lld payouts)\n",
                static_cast<double>(bytes) / 1048576.0, static_cast<double>(bytes) / 1024.0 / (games / 1000.0),
                static_cast<long long>(games / 50), static_cast<long long>(games / 500));

    t0 = Wall::now();
    program.StartAutomatic();
    HeadlessHarness& h = *program.harness;
    h.RunFor(100);
    std::printf("program started with this history: %.1f ms\n", MsSince(t0));
    auto& recorder = dynamic_cast<PlayRecorder&>(*Form1->Play);
    t0 = Wall::now();
    auto* window = new StatisticsWindow(&h.App(), recorder);
    window->Refresh();
    window->Show();
    window->Compose();
    std::printf("statistics window, first opening: %.1f ms (%lld games in all)\n", MsSince(t0),
                static_cast<long long>(recorder.AllTime()->Games()));
    window->Hide();
    std::vector<double> again;
    for (int i = 0; i < 11; ++i) {
        t0 = Wall::now();
        window->Refresh();
        window->Show();
        window->Compose();
        again.push_back(MsSince(t0));
        window->Hide();
        window->InvalidateAll();
    }
    std::sort(again.begin(), again.end());
    std::printf("statistics window, opened again: median %.1f ms, slowest %.1f ms\n", again[again.size() / 2], again.back());
    window->Show();
    t0 = Wall::now();
    window->LastGamesBtn->Click();
    window->Compose();
    std::printf("the last games shown: %.1f ms\n", MsSince(t0));
    return 0;
}
