// SPDX-License-Identifier: GPL-3.0-or-later
// Composing a full main window: 60 pictures, 40 of them transparent, some stretched.
#include <benchmark/benchmark.h>

#include "toolkit/blit.h"
#include "toolkit/headless/harness.h"
#include "toolkit/image.h"

namespace {

TBitmap Picture(int w, int h, int seed, bool keyed) {
    TBitmap b(w, h);
    PixelBuffer& px = b.MutablePixels();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            px.setPixel(x, y, Bgr{std::uint8_t(x * 3 + seed), std::uint8_t(y * 5 + seed), std::uint8_t(seed * 7)});
    if (keyed) {
        // A round figure on the key colour, the key in the bottom-left pixel.
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int dx = 2 * x - w, dy = 2 * y - h;
                if (dx * dx * h * h + dy * dy * w * w > w * w * h * h) px.setPixel(x, y, Bgr{255, 0, 255});
            }
    }
    return b;
}

void BM_ComposeMainWindow(benchmark::State& state) {
    HeadlessHarness h;
    TForm* form = nullptr;
    h.App().CreateForm(form);
    form->SetBounds(0, 0, 820, 649);
    form->Color = clBlack;
    for (int i = 0; i < 60; ++i) {
        auto* img = new TImage(form);
        img->SetParent(form);
        bool keyed = i >= 20;
        int w = i < 2 ? 700 : 60 + (i * 37) % 140, hgt = i < 2 ? 550 : 40 + (i * 53) % 90;
        img->SetBounds((i * 97) % 700, (i * 61) % 560, w, hgt);
        img->SetTransparent(keyed);
        img->SetStretch(i % 3 == 0);
        img->Picture().Assign(Picture(i % 3 == 0 ? w * 4 / 5 : w, i % 3 == 0 ? hgt * 4 / 5 : hgt, i, keyed));
    }
    form->Show();
    for (auto _ : state) {
        form->InvalidateAll();
        form->Compose();
    }
}
BENCHMARK(BM_ComposeMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
