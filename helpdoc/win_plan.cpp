// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/win_plan.h"

#include <map>
#include <optional>
#include <utility>

#include "game/reel_positions.h"

namespace {

bool Shows(const PictureLine& line, Walzenbild left, Walzenbild middle, Walzenbild right) {
    return line.left == left && line.middle == middle && line.right == right;
}

// How many of the equally likely stops of the three reels end on each line of each rule, as
// the evaluation finds them.
std::map<std::pair<int, std::size_t>, std::int64_t> CountLines() {
    std::map<std::pair<int, std::size_t>, std::int64_t> counts;
    for (int l = 0; l < PositionCount(Reel::Left); ++l) {
        for (int m = 0; m < PositionCount(Reel::Middle); ++m) {
            for (int r = 0; r < PositionCount(Reel::Right); ++r) {
                const Walzenbild left = PictureAtPosition(Reel::Left, l);
                const Walzenbild middle = PictureAtPosition(Reel::Middle, m);
                const Walzenbild right = PictureAtPosition(Reel::Right, r);
                BildAufWalzeTable record{};
                RecordStop(record, Reel::Left, left);
                RecordStop(record, Reel::Middle, middle);
                RecordStop(record, Reel::Right, right);
                const std::optional<Combination> win = FindCombination(record);
                if (!win) continue;
                const CombinationRule& rule = CombinationRules()[static_cast<std::size_t>(win->rule - 1)];
                for (std::size_t i = 0; i < rule.lines.size(); ++i)
                    if (Shows(rule.lines[i], left, middle, right)) ++counts[{win->rule, i}];
            }
        }
    }
    return counts;
}

std::int64_t SpinOutcomes() {
    return std::int64_t{PositionCount(Reel::Left)} * PositionCount(Reel::Middle) * PositionCount(Reel::Right);
}

std::vector<PlanLevel> BuildPlan() {
    const auto counts = CountLines();
    std::vector<PlanLevel> plan;
    for (Ladder ladder : {Ladder::Left, Ladder::Right}) {
        for (int step = 1; step <= kTopStep; ++step) {
            PlanLevel level{ladder, step, Fraction(0), {}};
            for (int number : RulesOfLevel(ladder, step)) {
                const CombinationRule& rule = CombinationRules()[static_cast<std::size_t>(number - 1)];
                for (std::size_t i = 0; i < rule.lines.size(); ++i) {
                    const auto found = counts.find({number, i});
                    if (found == counts.end()) continue;
                    const Fraction chance(found->second, SpinOutcomes());
                    level.lines.push_back({number, rule.lines[i], chance});
                    level.chance += chance;
                }
            }
            if (!level.lines.empty()) plan.push_back(std::move(level));
        }
    }
    return plan;
}

}  // namespace

const std::vector<PlanLevel>& WinPlan() {
    static const std::vector<PlanLevel> plan = BuildPlan();
    return plan;
}

Fraction LevelChance(Ladder ladder, int step) {
    for (const PlanLevel& level : WinPlan())
        if (level.ladder == ladder && level.step == step) return level.chance;
    return Fraction(0);
}

Fraction AnyWinChance() {
    Fraction sum(0);
    for (const PlanLevel& level : WinPlan()) sum += level.chance;
    return sum;
}

int StripCount(Reel reel, Walzenbild picture) {
    int count = 0;
    for (int p = 0; p < PositionCount(reel); ++p) count += PictureAtPosition(reel, p) == picture;
    return count;
}
