// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/play_figures.h"

#include <algorithm>

#include "helpdoc/player_return.h"

std::int64_t StakeCents() {
    static const std::int64_t cents = (Stake() * Fraction(100)).Numerator();
    return cents;
}

void PlayFigures::AddGame(const GameRecord& game) {
    AddStarted(game);
    if (game.ReelsWon()) {
        ++winningGames;
        losingRun = 0;
    } else {
        longestLosingRun = std::max(longestLosingRun, ++losingRun);
    }
}

void PlayFigures::AddStarted(const GameRecord& game) {
    ++(game.special ? specialGames : paidGames);
    stakedCents += game.StakedCents();
    stepCents += game.stepCents;
    wonCents += game.wonCents;
    specialWon += game.specialWon;
    for (std::size_t i = 0; i < risk.size(); ++i) risk[i] += game.risk[i];
    for (Ladder ladder : kBothLadders) {
        const int start = game.StartLevel(ladder);
        if (start == 0) continue;
        ++started[LevelSlot(ladder, start)];
        for (int step = start; step <= std::max(start, game.TopLevel(ladder)); ++step) ++reached[LevelSlot(ladder, step)];
    }
}

void PlayFigures::AddDeposit(std::int64_t cents) {
    ++deposits;
    depositCents += cents;
}

void PlayFigures::AddPayout(std::int64_t creditCents, std::int64_t debtCents) {
    ++payouts;
    payoutCents += std::max<std::int64_t>(creditCents - debtCents, 0);
}

std::vector<FigureField> FigureFields(PlayFigures& f) {
    std::vector<FigureField> fields = {
        {"paid_games", &f.paidGames},       {"special_games", &f.specialGames},
        {"staked_cents", &f.stakedCents},   {"step_cents", &f.stepCents},
        {"won_cents", &f.wonCents},         {"special_won", &f.specialWon},
        {"risk_nothing", &f.risk[0]},       {"risk_single", &f.risk[1]},
        {"risk_double", &f.risk[2]},        {"deposits", &f.deposits},
        {"deposit_cents", &f.depositCents}, {"payouts", &f.payouts},
        {"payout_cents", &f.payoutCents},   {"winning_games", &f.winningGames},
        {"losing_run", &f.losingRun, 2, FigureKind::Run},
        {"longest_losing_run", &f.longestLosingRun, 2, FigureKind::Longest},
    };
    for (Ladder ladder : kBothLadders)
        for (int step = 1; step <= kTopStep; ++step) {
            const std::string level = std::string(PartsOfLadder(ladder).column) + "_" + std::to_string(step);
            fields.push_back({level + "_started", &f.started[LevelSlot(ladder, step)]});
            fields.push_back({level + "_reached", &f.reached[LevelSlot(ladder, step)]});
        }
    return fields;
}
