// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a display of the scene shows: drawing the text there again (after `blanks` blanks, to
// see that nothing else is left beside it) changes nothing when it is there already.
#include <string>

#include "toolkit/graphics.h"
#include "toolkit/image.h"

inline bool DisplayShows(TImage& display, int x, int y, const std::string& text, int blanks) {
    TBitmap copy(display.Picture().Bitmap());
    TCanvas canvas(copy);
    canvas.Font = display.Canvas().Font;
    if (blanks > 0) {
        canvas.Font.Color = clWhite;
        canvas.TextOut(x, y, std::string(blanks, ' '));
        canvas.Font.Color = clBlack;
    }
    canvas.TextOut(x, y, text);
    return copy.Pixels() == display.Picture().Bitmap().Pixels();
}
