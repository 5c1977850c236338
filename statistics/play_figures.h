// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One game as the history keeps it, and the counts and sums of many games, deposits and
// payouts: a play session's or all of them. Money is in whole cents.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "machine/ladder_parts.h"

// Indexed by a Ladder, left first.
template <typename T>
using PerLadder = std::array<T, kBothLadders.size()>;

// The stake of a paid game in cents, from the help's figures.
std::int64_t StakeCents();

struct GameRecord {
    bool special = false;
    std::array<int, 3> pictures{-1, -1, -1};  // the reel picture of left, middle, right; -1 unknown
    PerLadder<int> startLevel{};  // the level the reels started, 0 for none
    PerLadder<int> topLevel{};    // the highest level the ladder stood on
    std::int64_t stepCents = 0;                  // money steps handed out
    std::int64_t wonCents = 0;                   // of them credited (after the risk game)
    std::int64_t specialWon = 0;
    std::array<int, 3> risk{};                   // risk games ending nothing, single, double
    std::int64_t creditBeforeCents = -1;         // before the stake; -1 unknown
    std::int64_t creditAfterCents = -1;          // when the game was over

    bool ReelsWon() const { return startLevel[0] > 0 || startLevel[1] > 0; }
    int StartLevel(Ladder ladder) const { return startLevel[static_cast<std::size_t>(ladder)]; }
    int TopLevel(Ladder ladder) const { return topLevel[static_cast<std::size_t>(ladder)]; }
    std::int64_t StakedCents() const { return special ? 0 : StakeCents(); }
    // What the game brought, a special game counting as the stake it saves: played, it costs
    // one; won, each is worth one.
    std::int64_t ResultCents() const { return wonCents + specialWon * StakeCents() - StakeCents(); }
};

struct PlayFigures {
    std::int64_t paidGames = 0, specialGames = 0;
    std::int64_t stakedCents = 0, stepCents = 0, wonCents = 0, specialWon = 0;
    std::array<std::int64_t, 3> risk{};
    std::int64_t deposits = 0, depositCents = 0, payouts = 0, payoutCents = 0;
    std::int64_t winningGames = 0, losingRun = 0, longestLosingRun = 0;
    std::array<std::int64_t, kLevelSlots> started{}, reached{};

    void AddGame(const GameRecord& game);
    // A game still running: its stake and what it has brought so far, not yet its run.
    void AddStarted(const GameRecord& game);
    void AddDeposit(std::int64_t cents);
    // The credit settled against the debt; what is left over is paid out.
    void AddPayout(std::int64_t creditCents, std::int64_t debtCents);

    std::int64_t Games() const { return paidGames + specialGames; }
    std::int64_t RiskCents() const { return wonCents - stepCents; }
    // What came back, a special game counting as the stake it saves, and what it came back for.
    std::int64_t ReturnedCents() const { return wonCents + specialWon * StakeCents(); }
    std::int64_t PlayedCents() const { return Games() * StakeCents(); }
    // The result, counted as the return is: what came back less what it came back for.
    std::int64_t ResultCents() const { return ReturnedCents() - PlayedCents(); }

    friend bool operator==(const PlayFigures&, const PlayFigures&) = default;
};

// Every figure with its column name, in one order: the database's columns follow it. Most
// are sums; the running losing streak starts again at a win, and the longest is the largest.
enum class FigureKind { Sum, Run, Longest };
struct FigureField {
    std::string column;
    std::int64_t* value;
    int version = 2;
    FigureKind kind = FigureKind::Sum;
};
std::vector<FigureField> FigureFields(PlayFigures& figures);
