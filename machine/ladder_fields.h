// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fields of the two win ladders: what each one is worth and the pictures that show it.
#include <array>
#include <string_view>

class TForm1;
class TImage;

// The left ladder (stop button StopBtn1) and the right ladder (StopBtn2).
enum class Ladder { Left, Right };
inline constexpr std::array<Ladder, 2> kBothLadders = {Ladder::Left, Ladder::Right};

// Ladder steps: 0 is 00 and never a level; 1 to 3 are money steps, 4 to 6 special games.
inline constexpr int kTopStep = 6;
inline constexpr int kLadderFieldCount = kTopStep + 1;

using FieldPicture = TImage* TForm1::*;

struct LadderField {
    std::string_view name;  // of the picture and its artwork; the looks add "_normal", "_gelb"
    std::string_view text;  // credited: euros "0,50" or special games "20"; empty for 00
    FieldPicture shown;     // the field in the scene
    FieldPicture normal;    // its hidden unlit look
    FieldPicture yellow;    // its hidden lit look
};

// Field 0 (00) to field 6 of a ladder, bottom up; throws std::out_of_range for any other field.
const LadderField& FieldOf(Ladder ladder, int field);
