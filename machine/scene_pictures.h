// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing one of the main window's hidden source pictures in a scene picture or on a
// button, and the clam's one opening that the game and the attract mode both play.
#include <array>

#include "machine/form1.h"
#include "machine/ladder_fields.h"

// The source's picture, with its transparency, in place of the image's.
void ShowPicture(TImage& image, const TImage& source);

// The source's bitmap as the button's glyph.
void SetGlyph(TBitBtn& button, const TImage& source);

// A ladder field shows the bitmap of one of its hidden looks (normal or yellow), keeping its
// own transparency.
void ShowFieldLook(TForm1& f, Ladder ladder, int field, FieldPicture LadderField::*look);

// One picture of the clam's opening: shown after waiting `waitMs`.
struct ClamFrame {
    int waitMs;
    TImage* TForm1::*picture;
};
inline constexpr std::array<ClamFrame, 3> kClamOpening = {{
    {200, &TForm1::Muschel_Halb_offen},
    {100, &TForm1::Muschel_Offen},
    {100, &TForm1::Muschel_Zu},
}};
// How often the clam opens in a row.
inline constexpr int kClamOpenings = 3;

// Shows a frame of the clam's opening.
void ShowClamFrame(TForm1& f, const ClamFrame& frame);
