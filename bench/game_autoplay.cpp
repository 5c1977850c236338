// Automatic games in virtual time: how long they take on the wall clock, how deep the
// handlers nest, and how often a spin wins. Usage: game_autoplay [games] [--shark]
// The shark's timer is off unless asked for: its ten frames a virtual second cost more than
// the games themselves.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/combination_table.h"
#include "machine/form1.h"
#include "bench/headless_program.h"

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
    const bool shark = argc > 2 && std::string(argv[2]) == "--shark";
    HeadlessProgram program("tresolo-bench-autoplay");
    HeadlessHarness& h = program.Harness();
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

    const auto t0 = std::chrono::steady_clock::now();
    f.AutoStartAnfordern();
    while (!h.App().Terminated()) h.RunFor(60000);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    const double p = 157.0 / 3136.0;
    const double sd = std::sqrt(stopped * p * (1 - p));
    std::printf("shark %s\n", shark ? "swimming" : "resting");
    std::printf("games %d in %.2f s wall (%.3f ms per game), %.0f s virtual\n", stopped, seconds,
                1000 * seconds / stopped, h.NowMs() / 1000.0);
    std::printf("deepest handler nesting at a game's start: %d\n", deepest);
    std::printf("wins %d, expected %.1f (157/3136), %.2f standard deviations off\n", wins, stopped * p,
                (wins - stopped * p) / sd);
    return 0;
}
