// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The winning combinations of the three stopped reels, the ladder level each one starts, the
// record entries that crediting a level clears, and the lock of the two ladder stop buttons.
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "machine/ladder_fields.h"
#include "machine/reel_pictures.h"

// Functions taking a ladder step throw std::out_of_range for anything outside 1..6.

constexpr bool IsMoneyStep(int step) { return step >= 1 && step <= 3; }

// The text a step is credited with: "0,50", "2,50", "10", "40", ...
std::string_view StepAmountText(Ladder ladder, int step);

struct PictureLine {
    Walzenbild left, middle, right;
};

struct CombinationRule {
    int number;                      // 1..23; rules are tested in this order
    std::vector<PictureLine> lines;  // the rule matches when any of its lines does
    Ladder ladder;
    int step;      // the level the ladder starts on, 1..5
    Ladder focus;  // the ladder whose stop button gets the focus
};

struct Combination {
    int rule;
    Ladder ladder;
    int step;
    Ladder focus;
};

const std::vector<CombinationRule>& CombinationRules();

// The first rule that the record shows, or nothing when the game is lost.
std::optional<Combination> FindCombination(const BildAufWalzeTable& table);

// The rules that lead to a level; none for the top steps, which are only reached by climbing.
std::span<const int> RulesOfLevel(Ladder ladder, int step);

// Whether the record still shows one of the combinations of the level; the ladder credits the
// level directly only while it does.
bool ShowsCombinationOfLevel(const BildAufWalzeTable& table, Ladder ladder, int step);

// Entries that a direct credit of a level sets to false.
struct ClearedPicture {
    Walzenbild picture;
    bool left, middle, right;
};
std::span<const ClearedPicture> EntriesClearedByCredit(Ladder ladder, int step);
void ClearCreditedLevel(BildAufWalzeTable& table, Ladder ladder, int step);

// A ladder stop does nothing while the reel win is not yet credited: the left stop while any
// reel records Walzenbild1..9 (anything but 10, 11, 12), the right stop while any reel records
// anything but Walzenbild7, 8, 9.
bool StopLocked(const BildAufWalzeTable& table, Ladder ladder);
