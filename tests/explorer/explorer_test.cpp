// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed set of random orders of player actions, each played against the whole program:
// every check holds after every step, or the order is shrunk to the fewest actions that
// still fail and printed with its seed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>

#include "machine/input_gate.h"
#include "tests/explorer/explorer.h"

namespace {

using namespace explorer;

// Enough orders to run in well under two minutes with the sanitizers; EXPLORER_ORDERS asks for more.
constexpr int kOrders = 120;
constexpr int kActionsPerOrder = 40;

int Orders() {
    const char* asked = std::getenv("EXPLORER_ORDERS");
    return asked ? std::atoi(asked) : kOrders;
}

TEST(Explorer, EveryOrderKeepsTheMoneyTheLaddersAndTheRecords) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::uint8_t> cells(static_cast<std::size_t>(kStageCount * kInputCount), 0);
    long actions = 0, virtualMs = 0;
    const int orders = Orders();
    const char* only = std::getenv("EXPLORER_SEED");  // one order, to look at it
    for (int seed = only ? std::atoi(only) : 1; seed <= (only ? std::atoi(only) : orders); ++seed) {
        Order played;
        const explorer::Result r = PlayRandom(static_cast<std::uint64_t>(seed), kActionsPerOrder, played);
        actions += r.actionsPlayed;
        virtualMs += static_cast<long>(r.virtualMs);
        for (std::size_t i = 0; i < cells.size(); ++i) cells[i] |= r.cells[i];
        if (!r.failed()) continue;
        for (const std::string& f : r.findings) std::cerr << "Startwert " << seed << ": " << f << '\n';
        if (std::getenv("EXPLORER_NO_SHRINK")) {
            ADD_FAILURE() << "Startwert " << seed << ":\n" << Describe(played);
            continue;
        }
        const Order shortest = Shrink(played);
        const explorer::Result again = Play(shortest);
        std::string found;
        for (const std::string& f : (again.failed() ? again : r).findings) found += "  " + f + "\n";
        ADD_FAILURE() << "Startwert " << seed << ":\n" << found << "Kürzeste Folge:\n" << Describe(shortest);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    int reached = 0;
    for (std::uint8_t c : cells) reached += c;
    std::cout << orders << " orders, " << actions << " actions in " << seconds << " s (" << actions / seconds
              << " actions/s), " << virtualMs / 1000 << " s virtual; gate cells reached " << reached << " of "
              << cells.size() << '\n';
}

// A recorded order plays the same way again: shrinking relies on it.
TEST(Explorer, AnOrderPlaysAgainAlike) {
    Order played;
    const explorer::Result first = PlayRandom(7, 25, played);
    const explorer::Result again = Play(played);
    EXPECT_EQ(first.actionsPlayed, again.actionsPlayed);
    EXPECT_EQ(first.virtualMs, again.virtualMs);
    EXPECT_EQ(first.cells, again.cells);
}

}  // namespace
