// The spinning reels' look: a blurred copy of the strip picture in a reel window.
#include "media/split_blur.h"
#include "machine/form1.h"

namespace {

// Works on a copy, so the strip picture stays as it is after any number of ticks.
void ShowBlurredStrip(const TImage& strip, TImage& reel, int amount) {
    TBitmap work(strip.Picture().Bitmap());
    SplitBlur(work.MutablePixels(), amount);
    reel.Picture().Assign(work);
}

}  // namespace

void TForm1::Effect_SplitBlur_1(int amount) { ShowBlurredStrip(*Image1, *Walze_links1, amount); }
void TForm1::Effect_SplitBlur_2(int amount) { ShowBlurredStrip(*Image1, *Walze_mitte1, amount); }
void TForm1::Effect_SplitBlur_3(int amount) { ShowBlurredStrip(*Image1, *Walze_rechts1, amount); }
