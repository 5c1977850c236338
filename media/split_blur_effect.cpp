// SPDX-License-Identifier: GPL-3.0-or-later
// The spinning reels' look: a blurred copy of the strip picture in a reel window.
#include <utility>

#include "media/split_blur.h"
#include "machine/form1.h"

namespace {

// The strip blurred by the amount, made on a copy, so the strip stays as it is after any
// number of ticks; the window keeps the last few.
const TBitmap& BlurredStrip(ReelBlurState& kept, const TBitmap& strip, int amount) {
    for (const ReelBlurState::Entry& e : kept.Entries)
        if (e.strip == strip.Version() && e.amount == amount) return e.blurred;
    if (kept.Entries.size() == ReelBlurState::kKept) kept.Entries.erase(kept.Entries.begin());
    ReelBlurState::Entry e{strip.Version(), amount, TBitmap(strip)};
    SplitBlur(e.blurred.MutablePixels(), amount);
    kept.Entries.push_back(std::move(e));
    return kept.Entries.back().blurred;
}

void ShowBlurredStrip(TForm1& f, TImage& reel, int amount) {
    reel.Picture().Assign(BlurredStrip(f.ReelBlur, f.Image1->Picture().Bitmap(), amount));
}

}  // namespace

void TForm1::Effect_SplitBlur_1(int amount) { ShowBlurredStrip(*this, *Walze_links1, amount); }
void TForm1::Effect_SplitBlur_2(int amount) { ShowBlurredStrip(*this, *Walze_mitte1, amount); }
void TForm1::Effect_SplitBlur_3(int amount) { ShowBlurredStrip(*this, *Walze_rechts1, amount); }
