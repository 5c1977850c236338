// SPDX-License-Identifier: GPL-3.0-or-later
// Automatic games in virtual time: how long they take on the wall clock, how deep the
// handlers nest, how often a spin wins, and what the play history's file holds afterwards.
// Usage: game_autoplay [games] [--shark] [--no-history]
// The shark's timer is off unless asked for: its ten frames a virtual second cost more than
// the games themselves. Without the history the difference is the cost of recording.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/combination_table.h"
#include "machine/form1.h"
#include "tests/machine/started_program.h"
#include "statistics/history_file.h"
#include "statistics/sqlite_db.h"

namespace {

// Times every call into the play history: what recording costs the game, all of it.
class TimedEvents : public PlayEvents {
public:
    explicit TimedEvents(std::unique_ptr<PlayEvents> inner) : inner_(std::move(inner)) {}
    double seconds = 0;

    void GameStarted(bool special) override { Timed([&] { inner_->GameStarted(special); }); }
    void ReelsEvaluated() override { Timed([&] { inner_->ReelsEvaluated(); }); }
    void StepCaught(Ladder ladder, int step) override { Timed([&] { inner_->StepCaught(ladder, step); }); }
    void MoneyCredited(const EuroDecimal& a, const EuroDecimal& c, RiskOutcome o) override {
        Timed([&] { inner_->MoneyCredited(a, c, o); });
    }
    void SpecialGamesCredited(const EuroDecimal& n) override { Timed([&] { inner_->SpecialGamesCredited(n); }); }
    void GameOver() override { Timed([&] { inner_->GameOver(); }); }
    Outcome DepositAllowed(const EuroDecimal& amount, const EuroDecimal& onTheWay) override {
        return inner_->DepositAllowed(amount, onTheWay);
    }
    void Deposited(const EuroDecimal& amount) override { Timed([&] { inner_->Deposited(amount); }); }
    void PaidOut(const EuroDecimal& credit, const EuroDecimal& debt) override {
        Timed([&] { inner_->PaidOut(credit, debt); });
    }
    void CashBoxEmptied(const EuroDecimal& left) override { Timed([&] { inner_->CashBoxEmptied(left); }); }
    std::int64_t CashBoxEntry() const override { return inner_->CashBoxEntry(); }
    void ProgramEnds() override { Timed([&] { inner_->ProgramEnds(); }); }

private:
    template <class F>
    void Timed(F&& f) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    std::unique_ptr<PlayEvents> inner_;
};

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
    bool shark = false, history = true;
    for (int i = 2; i < argc; ++i) {
        shark = shark || std::string(argv[i]) == "--shark";
        history = history && std::string(argv[i]) != "--no-history";
    }
    StartedProgram program;
    program.StartAutomatic(history);
    HeadlessHarness& h = *program.harness;
    TForm1& f = program.PrepareAutomaticPlay(1000000, shark);

    int started = 0, stopped = 0, wins = 0, deepest = 0;
    bool spinning = false, middleSpinning = false;
    auto* watch = new TTimer(&h.App());
    watch->SetInterval(100);
    watch->OnTimer = [&](TObject*) {
        if (f.Timer1->Enabled() && !spinning) {
            ++started;
            deepest = std::max(deepest, h.App().HandlerDepth());
        }
        spinning = f.Timer1->Enabled();
        if (middleSpinning && !f.Timer2->Enabled()) {
            ++stopped;
            if (FindCombination(f.Game.BildAufWalze)) ++wins;
        }
        middleSpinning = f.Timer2->Enabled();
        if (started > games) h.App().Terminate();
    };

    auto timed = std::make_unique<TimedEvents>(std::move(f.Play));
    TimedEvents& recording = *timed;
    f.Play = std::move(timed);
    const auto t0 = std::chrono::steady_clock::now();
    f.RequestAutoStart();
    while (!h.App().Terminated() && h.RunFor(60000)) {
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    const double p = 157.0 / 3136.0;
    const double sd = std::sqrt(stopped * p * (1 - p));
    std::printf("shark %s\n", shark ? "swimming" : "resting");
    std::printf("games %d in %.2f s wall (%.3f ms per game), %.0f s virtual\n", stopped, seconds,
                1000 * seconds / stopped, h.NowMs() / 1000.0);
    std::printf("deepest handler nesting at a game's start: %d\n", deepest);
    std::printf("wins %d, expected %.1f (157/3136), %.2f standard deviations off\n", wins, stopped * p,
                (wins - stopped * p) / sd);
    std::printf("in the play history's calls: %.3f s, %.4f ms per game\n", recording.seconds,
                1000 * recording.seconds / stopped);
    if (!history) {
        std::printf("play history: off\n");
        return 0;
    }
    // Its log written back into the file first, so the file holds everything once.
    SqlDatabase(kHistoryFileName).Exec("PRAGMA wal_checkpoint(TRUNCATE)");
    const auto bytes = std::filesystem::file_size(kHistoryFileName);
    std::printf("play history: %ju bytes, %.1f KiB per thousand games\n", static_cast<std::uintmax_t>(bytes),
                static_cast<double>(bytes) / 1024.0 / (stopped / 1000.0));
    return 0;
}
