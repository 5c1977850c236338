// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/ladder_fields.h"

#include <stdexcept>
#include <string>

#include "machine/form1.h"

namespace {

#define FIELD(text, name) {#name, text, &TForm1::name, &TForm1::name##_normal, &TForm1::name##_gelb}
constexpr std::array<std::array<LadderField, kLadderFieldCount>, 2> kFields = {{
    {{FIELD("", Image_00), FIELD("0,50", Cent_50_Image), FIELD("1,50", Euro_1_50_Image),
      FIELD("2,20", Euro_2_20_Image), FIELD("5", Sondersp5Image), FIELD("10", Sondersp10Image),
      FIELD("20", Sondersp20Image)}},
    {{FIELD("", Image_00_2), FIELD("1,20", Euro_1_20_Image), FIELD("2,50", Euro_2_50_Image),
      FIELD("3,70", Euro_3_70_Image), FIELD("15", Sondersp15Image), FIELD("30", Sondersp30Image),
      FIELD("40", Sondersp40Image)}},
}};
#undef FIELD

}  // namespace

const LadderField& FieldOf(Ladder ladder, int field) {
    if (field < 0 || field >= kLadderFieldCount) throw std::out_of_range("no ladder field " + std::to_string(field));
    return kFields[static_cast<std::size_t>(ladder)][static_cast<std::size_t>(field)];
}
