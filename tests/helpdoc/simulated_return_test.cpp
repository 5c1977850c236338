// The exact returns of the help document against games played through the real program by the
// two players: as many games as fit in about ten seconds each.
#include <gtest/gtest.h>

#include "bench/return_simulation.h"
#include "helpdoc/player_return.h"

TEST(SimulatedReturn, EachExactReturnLiesInsideTheMeasuredInterval) {
    constexpr double z999 = 3.2905;
    for (Player player : kBothPlayers) {
        const MeasuredReturn m = SimulateReturn(player, 1000000, 10.0);
        const double exact = ReturnToPlayer(player).Value();
        EXPECT_GT(m.games, 1000);
        EXPECT_TRUE(m.Contains(exact, z999)) << "exact " << exact << ", measured " << m.Return() << " +- "
                                             << m.HalfWidth(z999) << " over " << m.games << " games";
    }
}
