// SPDX-License-Identifier: GPL-3.0-or-later
// The exact returns of the help document against games played through the real program by the
// two players: a fixed number of games each, so that a slow or busy machine plays the same test.
#include <gtest/gtest.h>

#include "bench/return_simulation.h"
#include "helpdoc/player_return.h"

TEST(SimulatedReturn, EachExactReturnLiesInsideTheMeasuredInterval) {
    constexpr double z999 = 3.2905;
    for (Player player : kBothPlayers) {
        // The wall-clock limit only guards against a hang; the count decides.
        constexpr std::int64_t kGames = 2000;
        const MeasuredReturn m = SimulateReturn(player, kGames, 600.0);
        const double exact = ReturnToPlayer(player).Value();
        EXPECT_EQ(m.games, kGames);
        EXPECT_TRUE(m.Contains(exact, z999)) << "exact " << exact << ", measured " << m.Return() << " +- "
                                             << m.HalfWidth(z999) << " over " << m.games << " games";
    }
}
