// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays orders of player actions against the whole program on the headless backend and the
// virtual clock, and checks after every step what must hold in any order: the book balances
// and the display shows its credit, every reel win is credited once, one game and one ladder
// run at a time, no lamp is lit without a ladder, every way out writes the debt log it owes
// and leaves the stored name, cash box and play history in agreement with the book.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace explorer {

enum class Act : std::uint8_t {
    Wait, Deposit, Start, ReelStop, StopLeft, StopRight, StopLeftTwice, StopRightTwice, Menu, MenuOk,
    Payout, RiskSwitch, AutoSwitch, LogSwitch, Statistics, Escape, MenuQuit, F2, Yes, No, TypeName,
    ResolutionChange, Close, Terminate,
    Count
};

// The moment an action comes: `delayMs` after the one before, or after the machine next
// enters the aimed state (an evaluation, a ladder's first phase, a credit, a payout...).
enum class Aim : std::uint8_t { None, Evaluation, LadderUncredited, Credit, RiskGame, Deposit, Payout, Count };

struct Action {
    Act act = Act::Wait;
    int param = 0;  // which note or coin
    Aim aim = Aim::None;
    int delayMs = 0;
};

// How an order starts: the switches and the player's protections.
struct Setup {
    bool autostart = false;
    bool risk = true;
    bool reminder = false;           // every minute instead of every hour
    bool depositLimit = false;       // 60 euros a month
    int startCredit = 0;             // euros already in the machine
    int startSpecialGames = 0;
};

struct Order {
    std::uint64_t seed = 0;
    Setup setup;
    std::vector<Action> actions;
};

struct Result {
    std::vector<std::string> findings;  // empty when every check held
    int actionsPlayed = 0;
    std::int64_t virtualMs = 0;
    // For each cell of the gate's table (state * inputs + input): asked while in that state.
    std::vector<std::uint8_t> cells;
    bool failed() const { return !findings.empty(); }
};

// A random order of `length` actions, chosen while it plays (the program's state steers the
// choice: a box open is answered, an open menu is used). The actions played are returned in
// `played`, so that the order can be played again exactly.
Result PlayRandom(std::uint64_t seed, int length, Order& played);
// Plays a recorded order again.
Result Play(const Order& order);
// The shortest order found that still fails, by leaving actions out.
Order Shrink(const Order& failing);

std::string Describe(const Order& order);
std::string Describe(const Action& action);

// Decodes an order from fuzzer bytes.
Order FromBytes(const std::uint8_t* data, std::size_t size);

}  // namespace explorer
