// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Games played through the real program on the virtual clock by one of the two players of the
// exact return (helpdoc/player_return.h), and what they won: the measured return per 0,20-euro
// game with its confidence interval. A special game counts as the stake it saves.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>


#include "tests/machine/started_program.h"
#include "game/scene_parts.h"
#include "helpdoc/player_return.h"
#include "machine/form1.h"

struct MeasuredReturn {
    std::int64_t games = 0;
    double sumCents = 0, sumSquaredCents = 0;  // of each game's win, special games at 20 cents
    double wallSeconds = 0, virtualSeconds = 0;

    // Mean win per game over the stake, and the half width of its interval for a normal
    // quantile z (2.5758 for 99 %, 3.2905 for 99.9 %).
    double Return() const { return sumCents / games / 20.0; }
    double HalfWidth(double z) const {
        const double mean = sumCents / games;
        const double variance = (sumSquaredCents / games - mean * mean) * games / (games - 1);
        return z * std::sqrt(variance / games) / 20.0;
    }
    bool Contains(double value, double z) const { return std::fabs(value - Return()) <= HalfWidth(z); }
};

namespace return_simulation {

// Credit plus special games at the stake each, in cents.
inline std::int64_t WorthCents(const TForm1& f) {
    std::string credit = f.Money.Spielgeld().ToFixed(2);
    credit.erase(credit.size() - 3, 1);
    return std::stoll(credit) + 20 * std::stoll(f.Money.SonderspieleAnzahl().ToFixed(0));
}

// The player who catches every step: his eye on the running ladder 20 times a second (a step
// stays lit for 101 ms at least), and a click on its stop button whenever a step lights up.
inline void CatchEveryLitStep(HeadlessHarness& h, TForm1& f) {
    auto* eye = new TTimer(&h.App());
    eye->SetInterval(50);
    eye->OnTimer = [&h, &f, seen = -1](TObject*) mutable {
        const Ladder ladder = f.Game.*PartsOfLadder(Ladder::Left).active ? Ladder::Left : Ladder::Right;
        int lit = 0;
        for (int step = 1; step <= kTopStep; ++step)
            if (f.Game.StufeLeuchtet[LevelSlot(ladder, step)]) lit = LevelSlot(ladder, step) + 1;
        if (lit && lit != seen) h.ClickControl(StopButton(f, ladder));
        seen = lit;
    };
}

}  // namespace return_simulation

// Plays automatic games until `games` are done or `wallSeconds` have passed on the wall clock.
inline MeasuredReturn SimulateReturn(Player player, std::int64_t games, double wallSeconds) {
    using namespace return_simulation;
    // A scratch folder of its own: the two players may play side by side.
    // The game's return is measured, not the play history: it is not kept.
    StartedProgram program;
    program.StartAutomatic(false);
    HeadlessHarness& h = *program.harness;
    TForm1& f = program.PrepareAutomaticPlay(100000000, false);
    if (player == Player::CatchesEveryStep) CatchEveryLitStep(h, f);

    // A game's win is known when the next game has taken its stake: nothing is credited
    // between the end of a ladder and the next start.
    MeasuredReturn m;
    const auto t0 = std::chrono::steady_clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(); };
    bool spinning = false, first = true;
    std::int64_t worth = 0;
    auto* watch = new TTimer(&h.App());
    watch->SetInterval(100);
    watch->OnTimer = [&](TObject*) {
        const bool started = f.Timer1->Enabled() && !spinning;
        spinning = f.Timer1->Enabled();
        if (!started) return;
        const std::int64_t now = WorthCents(f);
        if (!first) {
            const double win = static_cast<double>(now - worth + 20);
            m.sumCents += win;
            m.sumSquaredCents += win * win;
            ++m.games;
        }
        first = false;
        worth = now;
        if (m.games >= games || elapsed() >= wallSeconds) h.App().Terminate();
    };
    const std::int64_t virtualStart = h.NowMs();
    f.RequestAutoStart();
    while (!h.App().Terminated()) h.RunFor(60000);
    m.wallSeconds = elapsed();
    m.virtualSeconds = static_cast<double>(h.NowMs() - virtualStart) / 1000.0;
    return m;
}
