// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the ladder fields against the scene the program builds: every field has its
// own picture and looks, and the worth that the crediting and the help read.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "machine/ladder_fields.h"
#include "support/euro_decimal.h"
#include "tests/machine/started_program.h"

namespace {

TEST(LadderFields, EachFieldHasItsOwnPictureAndItsOwnLooks) {
    StartedProgram program;
    program.Start();
    TForm1& f = *Form1;
    std::set<const TImage*> seen;
    for (Ladder ladder : kBothLadders)
        for (int i = 0; i < kLadderFieldCount; ++i) {
            const LadderField& field = FieldOf(ladder, i);
            const TImage& shown = *(f.*field.shown);
            SCOPED_TRACE(shown.Name());
            EXPECT_EQ(shown.Name(), field.name);
            EXPECT_TRUE(seen.insert(&shown).second);
            EXPECT_EQ((f.*field.normal)->Name(), shown.Name() + "_normal");
            EXPECT_EQ((f.*field.yellow)->Name(), shown.Name() + "_gelb");
        }
    EXPECT_EQ(seen.size(), 2u * kLadderFieldCount);
}

// Whatever the amounts: 00 is worth nothing, the money steps (1 to 3) are euro amounts with a
// comma and the special-game steps (4 to 6) whole numbers, each worth more than the one below.
TEST(LadderFields, WorthBottomUp) {
    for (Ladder ladder : kBothLadders) {
        SCOPED_TRACE(ladder == Ladder::Left ? "left" : "right");
        EXPECT_TRUE(FieldOf(ladder, 0).text.empty());
        EuroDecimal below;
        for (int step = 1; step <= kTopStep; ++step) {
            const std::string_view text = FieldOf(ladder, step).text;
            SCOPED_TRACE(std::string(text));
            const bool money = step <= 3;
            EXPECT_EQ(text.find(',') != std::string_view::npos, money);
            const EuroDecimal worth = EuroDecimal::Parse(std::string(text));
            if (step != 4) {
                EXPECT_LT(below, worth);
            }
            below = worth;
        }
    }
    EXPECT_THROW(FieldOf(Ladder::Left, -1), std::out_of_range);
    EXPECT_THROW(FieldOf(Ladder::Right, kLadderFieldCount), std::out_of_range);
}

}  // namespace
