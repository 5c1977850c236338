// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/combination_table.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

using enum Walzenbild;
constexpr Ladder kLeft = Ladder::Left;
constexpr Ladder kRight = Ladder::Right;

constexpr PictureLine Three(Walzenbild p) { return {p, p, p}; }

std::size_t LevelIndex(int step) {
    if (step < 1 || step > kTopStep) {
        throw std::out_of_range("no ladder step " + std::to_string(step));
    }
    return static_cast<std::size_t>(step - 1);
}

template <typename T>
using PerLevel = std::array<std::array<T, kTopStep>, 2>;

template <typename T>
const T& AtLevel(const PerLevel<T>& table, Ladder ladder, int step) {
    return table[ladder == kLeft ? 0 : 1][LevelIndex(step)];
}

bool LineMatches(const BildAufWalzeTable& t, const PictureLine& line) {
    return IsOnReel(t, line.left, Reel::Left) && IsOnReel(t, line.middle, Reel::Middle) &&
           IsOnReel(t, line.right, Reel::Right);
}

bool RuleMatches(const BildAufWalzeTable& t, const CombinationRule& rule) {
    for (const PictureLine& line : rule.lines) {
        if (LineMatches(t, line)) return true;
    }
    return false;
}

// Clearing helpers: a picture on all reels, on the middle one, or on the left and right one.
constexpr ClearedPicture All(Walzenbild p) { return {p, true, true, true}; }
constexpr ClearedPicture Middle(Walzenbild p) { return {p, false, true, false}; }
constexpr ClearedPicture Outer(Walzenbild p) { return {p, true, false, true}; }

// Whether any reel records a picture other than the given ones.
template <std::size_t N>
bool RecordsOtherThan(const BildAufWalzeTable& t, const std::array<Walzenbild, N>& allowed) {
    for (Walzenbild p : kAllWalzenbilder) {
        bool isAllowed = false;
        for (Walzenbild a : allowed) isAllowed = isAllowed || a == p;
        if (isAllowed) continue;
        for (Reel r : kAllReels) {
            if (IsOnReel(t, p, r)) return true;
        }
    }
    return false;
}

}  // namespace

std::string_view StepAmountText(Ladder ladder, int step) {
    return FieldOf(ladder, static_cast<int>(LevelIndex(step)) + 1).text;
}

const std::vector<CombinationRule>& CombinationRules() {
    static const std::vector<CombinationRule> rules = {
        {1, {Three(W7)}, kLeft, 1, kLeft},
        {2, {Three(W8)}, kLeft, 2, kLeft},
        {3, {Three(W9)}, kLeft, 3, kLeft},
        {4, {Three(W5)}, kLeft, 4, kLeft},
        {5, {{W7, W6_1, W7}}, kLeft, 1, kLeft},
        {6, {{W7, W6_2, W7}}, kLeft, 1, kLeft},
        {7, {{W7, W6_3, W7}}, kLeft, 1, kLeft},
        {8, {{W7, W3, W7}}, kLeft, 1, kLeft},
        {9, {{W7, W4, W7}}, kLeft, 1, kLeft},
        {10, {{W7, W5, W7}}, kLeft, 1, kLeft},
        {11, {{W7, W2, W7}}, kLeft, 1, kLeft},
        {12, {Three(W6_1)}, kLeft, 3, kLeft},
        {13, {Three(W6_2)}, kLeft, 4, kLeft},
        {14, {Three(W6_3)}, kLeft, 5, kLeft},
        {15, {Three(W2), {W2, W1, W2}, {W1, W2, W1}, {W2, W2, W1}, {W1, W2, W2}}, kLeft, 5, kLeft},
        // One starfish picture left and right, another one in the middle. A right-ladder win
        // that still gives the left stop button the focus.
        {16,
         {{W6_1, W6_2, W6_1},
          {W6_1, W6_3, W6_1},
          {W6_2, W6_1, W6_2},
          {W6_2, W6_3, W6_2},
          {W6_3, W6_1, W6_3},
          {W6_3, W6_2, W6_3}},
         kRight, 1, kLeft},
        {17, {Three(W3)}, kRight, 5, kRight},
        {18, {Three(W1), {W1, W1, W2}, {W2, W1, W1}}, kRight, 4, kRight},
        {19, {Three(W4)}, kRight, 4, kRight},
        {20, {Three(W10)}, kRight, 1, kRight},
        {21, {{W7, W1, W7}}, kRight, 1, kLeft},
        {22, {Three(W11)}, kRight, 2, kRight},
        {23, {Three(W12)}, kRight, 3, kRight},
    };
    return rules;
}

std::optional<Combination> FindCombination(const BildAufWalzeTable& table) {
    for (const CombinationRule& rule : CombinationRules()) {
        if (RuleMatches(table, rule)) {
            return Combination{rule.number, rule.ladder, rule.step, rule.focus};
        }
    }
    return std::nullopt;
}

std::span<const int> RulesOfLevel(Ladder ladder, int step) {
    static const PerLevel<std::vector<int>> rules = {{
        {{{1, 5, 6, 7, 8, 9, 10, 11}, {2}, {3, 12}, {4, 13}, {14, 15}, {}}},
        {{{16, 20, 21}, {22}, {23}, {18, 19}, {17}, {}}},
    }};
    return AtLevel(rules, ladder, step);
}

bool ShowsCombinationOfLevel(const BildAufWalzeTable& table, Ladder ladder, int step) {
    const std::vector<CombinationRule>& rules = CombinationRules();
    for (int number : RulesOfLevel(ladder, step)) {
        if (RuleMatches(table, rules[static_cast<std::size_t>(number - 1)])) return true;
    }
    return false;
}

std::span<const ClearedPicture> EntriesClearedByCredit(Ladder ladder, int step) {
    static const PerLevel<std::vector<ClearedPicture>> cleared = {{
        {{
            {All(W7), Middle(W3), Middle(W4), Middle(W5), Middle(W6_1), Middle(W6_2), Middle(W6_3),
             Middle(W2)},
            {All(W8)},
            {All(W9), All(W6_1)},
            {All(W5), All(W6_2)},
            {All(W6_3), All(W2), All(W1)},
            {},
        }},
        {{
            {All(W10), All(W6_1), All(W6_2), All(W6_3), Outer(W7), Middle(W1)},
            {All(W11)},
            {All(W12)},
            {All(W4), All(W1), Outer(W2)},
            {All(W3)},
            {},
        }},
    }};
    return AtLevel(cleared, ladder, step);
}

void ClearCreditedLevel(BildAufWalzeTable& table, Ladder ladder, int step) {
    for (const ClearedPicture& c : EntriesClearedByCredit(ladder, step)) {
        if (c.left) table[BildAufWalzeIndex(c.picture, Reel::Left)] = false;
        if (c.middle) table[BildAufWalzeIndex(c.picture, Reel::Middle)] = false;
        if (c.right) table[BildAufWalzeIndex(c.picture, Reel::Right)] = false;
    }
}

bool StopLocked(const BildAufWalzeTable& table, Ladder ladder) {
    if (ladder == Ladder::Left) return RecordsOtherThan(table, std::array{W10, W11, W12});
    return RecordsOtherThan(table, std::array{W7, W8, W9});
}
