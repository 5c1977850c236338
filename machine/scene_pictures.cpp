// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/scene_pictures.h"

void ShowPicture(TImage& image, const TImage& source) { image.Picture().Assign(source.Picture()); }

void SetGlyph(TBitBtn& button, const TImage& source) { button.Glyph().Assign(source.Picture().Bitmap()); }

void ShowFieldLook(TForm1& f, Ladder ladder, int field, FieldPicture LadderField::*look) {
    const LadderField& l = FieldOf(ladder, field);
    (f.*l.shown)->Picture().Assign((f.*(l.*look))->Picture().Bitmap());
}

void ShowClamFrame(TForm1& f, const ClamFrame& frame) { ShowPicture(*f.Muschel, *(f.*frame.picture)); }
