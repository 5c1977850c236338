#include "machine/scene_pictures.h"

void ShowPicture(TImage& image, const TImage& source) { image.Picture().Assign(source.Picture()); }

void SetGlyph(TBitBtn& button, const TImage& source) { button.Glyph().Assign(source.Picture().Bitmap()); }

void ShowClamFrame(TForm1& f, const ClamFrame& frame) { ShowPicture(*f.Muschel, *(f.*frame.picture)); }
