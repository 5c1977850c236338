// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the ladder fields against the scene the program builds: every field has its
// own picture and looks, and the worth that the crediting and the help read.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "machine/ladder_fields.h"
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

TEST(LadderFields, WorthBottomUp) {
    std::string left, right;
    for (int i = 0; i < kLadderFieldCount; ++i) {
        left += std::string(FieldOf(Ladder::Left, i).text) + "|";
        right += std::string(FieldOf(Ladder::Right, i).text) + "|";
    }
    EXPECT_EQ(left, "|0,50|1,50|2,20|5|10|20|");
    EXPECT_EQ(right, "|1,20|2,50|3,70|15|30|40|");
    EXPECT_THROW(FieldOf(Ladder::Left, -1), std::out_of_range);
    EXPECT_THROW(FieldOf(Ladder::Right, kLadderFieldCount), std::out_of_range);
}

}  // namespace
