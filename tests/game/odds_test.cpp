// SPDX-License-Identifier: GPL-3.0-or-later
// The winning combinations and their chances over every stop of the three reels, and what a
// direct credit leaves on the reels.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "game/combination_table.h"
#include "game/reel_positions.h"

namespace {

using enum Walzenbild;
using Level = std::pair<Ladder, int>;

std::string Name(Walzenbild p) { return std::string(ComponentName(p)); }

BildAufWalzeTable Stopped(Walzenbild left, Walzenbild middle, Walzenbild right) {
    BildAufWalzeTable t{};
    RecordStop(t, Reel::Left, left);
    RecordStop(t, Reel::Middle, middle);
    RecordStop(t, Reel::Right, right);
    return t;
}

}  // namespace

TEST(ReelPictures, StorageOrderAndNames) {
    EXPECT_EQ(BildAufWalzeIndex(W7, Reel::Left), 0u);
    EXPECT_EQ(BildAufWalzeIndex(W6_1, Reel::Middle), 28u);
    EXPECT_EQ(BildAufWalzeIndex(W2, Reel::Right), 41u);
    EXPECT_EQ(ComponentName(W6_3), "Walzenbild6_3");
    EXPECT_EQ(ComponentName(W12), "Walzenbild12");
    EXPECT_EQ(PictureAtPosition(Reel::Right, 27), W7);
    EXPECT_THROW(PictureAtPosition(Reel::Middle, 24), std::out_of_range);
}

// Every one of the 28 x 24 x 28 equally likely stops, counted per level. After a win the
// ladder's direct credit must leave no combination of the level and unlock its stop button, and
// a re-spin of the middle reel must then find nothing.
TEST(Odds, ChancesPerLevelAndCreditClearsTheWin) {
    constexpr long long kOutcomes = 18816;
    std::map<Level, long long> wins;
    long long total = 0;
    for (int l = 0; l < PositionCount(Reel::Left); ++l) {
        for (int m = 0; m < PositionCount(Reel::Middle); ++m) {
            for (int r = 0; r < PositionCount(Reel::Right); ++r) {
                Walzenbild left = PictureAtPosition(Reel::Left, l);
                Walzenbild middle = PictureAtPosition(Reel::Middle, m);
                Walzenbild right = PictureAtPosition(Reel::Right, r);
                ++total;
                BildAufWalzeTable t = Stopped(left, middle, right);
                std::optional<Combination> win = FindCombination(t);
                if (!win) continue;
                ++wins[{win->ladder, win->step}];

                SCOPED_TRACE(Name(left) + " " + Name(middle) + " " + Name(right));
                EXPECT_TRUE(ShowsCombinationOfLevel(t, win->ladder, win->step));
                EXPECT_TRUE(StopLocked(t, win->ladder));
                ClearCreditedLevel(t, win->ladder, win->step);
                EXPECT_FALSE(ShowsCombinationOfLevel(t, win->ladder, win->step));
                EXPECT_FALSE(StopLocked(t, win->ladder));
                for (Walzenbild respin : kAllWalzenbilder) {
                    RecordStop(t, Reel::Middle, respin);
                    EXPECT_FALSE(FindCombination(t)) << ComponentName(respin);
                }
            }
        }
    }
    ASSERT_EQ(total, kOutcomes);

    // Chances as fractions num/den: count * den == num * outcomes.
    const std::map<Level, std::pair<long long, long long>> expected = {
        {{Ladder::Left, 1}, {25, 1176}},   {{Ladder::Left, 2}, {1, 18816}},
        {{Ladder::Left, 3}, {1, 672}},     {{Ladder::Left, 4}, {1, 672}},
        {{Ladder::Left, 5}, {27, 3136}},   {{Ladder::Right, 1}, {17, 1344}},
        {{Ladder::Right, 2}, {1, 18816}},  {{Ladder::Right, 3}, {1, 18816}},
        {{Ladder::Right, 4}, {41, 9408}},  {{Ladder::Right, 5}, {1, 18816}},
    };
    long long won = 0;
    for (const auto& [level, count] : wins) won += count;
    EXPECT_EQ(won * 3136, 157 * kOutcomes);
    EXPECT_EQ(wins.size(), expected.size());
    for (const auto& [level, chance] : expected) {
        EXPECT_EQ(wins[level] * chance.second, chance.first * kOutcomes)
            << (level.first == Ladder::Left ? "left " : "right ") << level.second;
    }
}

TEST(Combinations, SharpCases) {
    struct Case {
        Walzenbild left, middle, right;
        int rule;
        Ladder ladder;
        int step;
        Ladder focus;
    };
    const Case cases[] = {
        {W7, W1, W7, 21, Ladder::Right, 1, Ladder::Left},   // 1,20 on the right, focus left
        {W7, W2, W7, 11, Ladder::Left, 1, Ladder::Left},    // 0,50
        {W1, W2, W1, 15, Ladder::Left, 5, Ladder::Left},    // 10 SG
        {W2, W1, W1, 18, Ladder::Right, 4, Ladder::Right},  // 15 SG
        {W1, W2, W2, 15, Ladder::Left, 5, Ladder::Left},
        {W1, W1, W2, 18, Ladder::Right, 4, Ladder::Right},
        {W6_2, W6_3, W6_2, 16, Ladder::Right, 1, Ladder::Left},
        // Three equal starfish stay on the left ladder: 2,20, 5 SG, 10 SG.
        {W6_1, W6_1, W6_1, 12, Ladder::Left, 3, Ladder::Left},
        {W6_2, W6_2, W6_2, 13, Ladder::Left, 4, Ladder::Left},
        {W6_3, W6_3, W6_3, 14, Ladder::Left, 5, Ladder::Left},
    };
    for (const Case& c : cases) {
        std::optional<Combination> win = FindCombination(Stopped(c.left, c.middle, c.right));
        ASSERT_TRUE(win) << Name(c.left) << " " << Name(c.middle) << " " << Name(c.right);
        EXPECT_EQ(win->rule, c.rule);
        EXPECT_EQ(win->ladder, c.ladder);
        EXPECT_EQ(win->step, c.step);
        EXPECT_EQ(win->focus, c.focus);
    }

    for (Walzenbild middle : {W8, W9, W10, W11, W12}) {
        EXPECT_FALSE(FindCombination(Stopped(W7, middle, W7))) << ComponentName(middle);
    }
    EXPECT_FALSE(FindCombination(Stopped(W2, W2, W3)));  // two equal pictures are not enough
}

TEST(LadderSteps, StepTextsAndLocksBeforeTheFirstGame) {
    EXPECT_EQ(StepAmountText(Ladder::Left, 1), "0,50");
    EXPECT_EQ(StepAmountText(Ladder::Right, 3), "3,70");
    EXPECT_EQ(StepAmountText(Ladder::Right, 6), "40");
    EXPECT_THROW(StepAmountText(Ladder::Left, 0), std::out_of_range);
    const BildAufWalzeTable empty{};
    EXPECT_FALSE(StopLocked(empty, Ladder::Left));
    EXPECT_FALSE(StopLocked(empty, Ladder::Right));
    EXPECT_FALSE(StopLocked(Stopped(W10, W12, W11), Ladder::Left));
    EXPECT_TRUE(StopLocked(Stopped(W10, W12, W11), Ladder::Right));
    EXPECT_FALSE(StopLocked(Stopped(W9, W7, W8), Ladder::Right));
    EXPECT_TRUE(StopLocked(Stopped(W9, W7, W8), Ladder::Left));
}
