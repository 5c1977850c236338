// The spinning reels' look: a blurred copy of the strip picture in a reel window.
#include <cstdint>
#include <vector>

#include "media/split_blur.h"
#include "machine/form1.h"

namespace {

// Each amount always blurs the same strip to the same picture: it is made once per amount
// and strip content, on a copy, so the strip stays as it is after any number of ticks.
class BlurredStrips {
public:
    const TBitmap& Of(const TBitmap& strip, int amount) {
        for (const Entry& e : entries_)
            if (e.strip == strip.Version() && e.amount == amount) return e.blurred;
        if (entries_.size() == kKept) entries_.erase(entries_.begin());
        Entry e{strip.Version(), amount, TBitmap(strip)};
        SplitBlur(e.blurred.MutablePixels(), amount);
        entries_.push_back(std::move(e));
        return entries_.back().blurred;
    }

private:
    struct Entry {
        std::uint64_t strip;
        int amount;
        TBitmap blurred;
    };
    static constexpr std::size_t kKept = 8;
    std::vector<Entry> entries_;
};

void ShowBlurredStrip(const TImage& strip, TImage& reel, int amount) {
    static BlurredStrips strips;
    reel.Picture().Assign(strips.Of(strip.Picture().Bitmap(), amount));
}

}  // namespace

void TForm1::Effect_SplitBlur_1(int amount) { ShowBlurredStrip(*Image1, *Walze_links1, amount); }
void TForm1::Effect_SplitBlur_2(int amount) { ShowBlurredStrip(*Image1, *Walze_mitte1, amount); }
void TForm1::Effect_SplitBlur_3(int amount) { ShowBlurredStrip(*Image1, *Walze_rechts1, amount); }
