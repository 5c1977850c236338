// SPDX-License-Identifier: GPL-3.0-or-later
// The recording killed (SIGKILL) at a hundred random moments: the file always passes
// SQLite's integrity check, holds every game, deposit and payout that was announced as
// written, and its totals always match its events.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <sstream>
#include <thread>

#include "statistics/game_rows.h"
#include "statistics/history_schema.h"
#include "statistics/play_history.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kKills = 100;
constexpr std::int64_t kStamp = 1796600000;

// The n-th event of the endless session: mostly games, every seventh a deposit, every
// thirtieth a payout. Its content follows from n alone.
GameRecord NthGame(std::int64_t n) {
    GameRecord g;
    g.special = n % 5 == 0;
    g.pictures = {static_cast<int>(n % 14), static_cast<int>(n / 14 % 14), static_cast<int>(n / 196 % 14)};
    if (n % 11 == 0) {
        g.startLevel = {2, 0};
        g.topLevel = {static_cast<int>(2 + n % 5), 0};
        g.stepCents = 150;
        g.wonCents = n % 3 == 0 ? 300 : 150;
        g.risk = {0, n % 3 != 0, n % 3 == 0};
        g.specialWon = g.topLevel[0] >= 4 ? 5 : 0;
    }
    return g;
}

void RecordNth(PlayHistory& h, std::int64_t n) {
    if (n % 30 == 0)
        h.RecordPayout(kStamp + n, 1000 + n, 900, n);
    else if (n % 7 == 0)
        h.RecordDeposit(kStamp + n, 10 * n, 0, n);
    else
        h.RecordGame(kStamp + n, NthGame(n));
}

std::int64_t EventsIn(SqlDatabase& db) {
    return db.Single("SELECT (SELECT COUNT(*) FROM games) + (SELECT COUNT(*) FROM deposits) + "
                     "(SELECT COUNT(*) FROM payouts)");
}

// Writes events forever, each announced on `announce` once its transaction has returned.
[[noreturn]] void RecordForever(const std::filesystem::path& file, int announce) {
    try {
        std::int64_t n = 0;
        {
            SqlDatabase db(file);
            if (db.Single("SELECT COUNT(*) FROM sqlite_master WHERE name = 'games'")) n = EventsIn(db);
        }
        PlayHistory h(file, kStamp);
        for (;;) {
            RecordNth(h, ++n);
            const std::string line = std::to_string(n) + "\n";
            if (::write(announce, line.data(), line.size()) != static_cast<ssize_t>(line.size())) ::_exit(3);
        }
    } catch (const std::exception& e) {
        std::cerr << "recording: " << e.what() << '\n';
    }
    ::_exit(2);
}

std::int64_t LastAnnounced(int fd) {
    std::string all;
    char chunk[4096];
    for (ssize_t got; (got = ::read(fd, chunk, sizeof chunk)) > 0;) all.append(chunk, static_cast<std::size_t>(got));
    std::int64_t last = 0;
    std::istringstream lines(all);
    for (std::string line; std::getline(lines, line);) last = std::stoll(line);
    return last;
}

// The file's events replayed, against its totals and against what they must be.
void ExpectWhole(const std::filesystem::path& file, std::int64_t announced) {
    SqlDatabase db(file);
    SqlStatement check(db.Handle(), "PRAGMA integrity_check");
    ASSERT_TRUE(check.Step());
    ASSERT_EQ(check.Text(0), "ok");
    if (!db.Single("SELECT COUNT(*) FROM sqlite_master WHERE name = 'totals'")) {
        EXPECT_EQ(announced, 0) << "events written before the tables";
        return;  // killed before its tables were all there
    }
    const std::int64_t events = EventsIn(db);
    EXPECT_GE(events, announced) << "a written event is lost";
    EXPECT_LE(events, announced + 1);
    PlayFigures replayed;
    SqlStatement games(db.Handle(), "SELECT played_at, " + GameColumnList() + " FROM games ORDER BY id");
    while (games.Step()) {
        GameValues values{};
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = games.Int(static_cast<int>(i) + 1);
        const GameRecord game = GameOf(values);
        ASSERT_EQ(ValuesOf(game), ValuesOf(NthGame(games.Int(0) - kStamp)));
        replayed.AddGame(game);
    }
    SqlStatement deposits(db.Handle(), "SELECT cents FROM deposits");
    while (deposits.Step()) replayed.AddDeposit(deposits.Int(0));
    SqlStatement payouts(db.Handle(), "SELECT credit_cents, debt_cents FROM payouts");
    while (payouts.Step()) replayed.AddPayout(payouts.Int(0), payouts.Int(1));
    EXPECT_EQ(ReadTotals(db), replayed);
}

TEST(KilledRecording, EveryWrittenEventSurvivesAndTheFileStaysWhole) {
    TempFolder folder;
    const auto file = folder / "Tresolo-Statistik.sqlite";
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> moment(0, 40000);  // microseconds
    std::int64_t announced = 0;
    for (int kill = 0; kill < kKills && !HasFailure(); ++kill) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(fds[0]);
            RecordForever(file, fds[1]);
        }
        ::close(fds[1]);
        // From its first event on: a sanitizer build may take longer to start than to record.
        pollfd first{fds[0], POLLIN, 0};
        EXPECT_EQ(::poll(&first, 1, 30000), 1) << "the recording did not start";
        std::this_thread::sleep_for(std::chrono::microseconds(moment(rng)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the recording ended by itself: " << status;
        announced = std::max(announced, LastAnnounced(fds[0]));
        ::close(fds[0]);
        ExpectWhole(file, announced);
    }
    EXPECT_GT(announced, kKills) << "too few events written to kill the recording in the middle";
    std::cout << kKills << " kills, " << announced << " events written\n";
}

}  // namespace
