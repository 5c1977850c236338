// SPDX-License-Identifier: GPL-3.0-or-later
// The return to the player measured over automatic games through the real program, beside the
// exact figure of the help document, for the player who leaves the ladders alone and for the
// one who catches every lit step. Usage: game_return [games per player] [lets|catches]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/return_simulation.h"

namespace {

const char* Describe(Player player) {
    return player == Player::LetsLaddersRun ? "leaves the ladders alone" : "catches every lit step";
}

void Report(Player player, std::int64_t games) {
    const MeasuredReturn m = SimulateReturn(player, games, 1e12);
    const Fraction exact = ReturnToPlayer(player);
    const double z99 = 2.5758;
    std::printf("player who %s\n", Describe(player));
    std::printf("  exact    %s = %s\n", exact.Text().c_str(), exact.PercentText(4).c_str());
    std::printf("  measured %.4f %% +- %.4f %% (99 %%: %.4f %% .. %.4f %%), exact %s\n", 100 * m.Return(),
                100 * m.HalfWidth(z99), 100 * (m.Return() - m.HalfWidth(z99)),
                100 * (m.Return() + m.HalfWidth(z99)), m.Contains(exact.Value(), z99) ? "inside" : "OUTSIDE");
    std::printf("  games %lld in %.1f s wall (%.3f ms a game), %.0f s virtual\n", static_cast<long long>(m.games),
                m.wallSeconds, 1000 * m.wallSeconds / static_cast<double>(m.games), m.virtualSeconds);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const std::int64_t games = argc > 1 ? std::atoll(argv[1]) : 100000;
    const std::string only = argc > 2 ? argv[2] : "";
    if (only != "catches") Report(Player::LetsLaddersRun, games);
    if (only != "lets") Report(Player::CatchesEveryStep, games);
    return 0;
}
