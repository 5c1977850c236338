// SPDX-License-Identifier: GPL-3.0-or-later
// Composition of a window: stacking, transparency, stretching, text cells, presents.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "toolkit/blit.h"
#include "toolkit/graphics.h"
#include "toolkit/headless/harness.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/opaque_runs.h"

namespace {

constexpr TColor kKey = RGB(255, 0, 255);

// A bitmap of one colour with the key colour in its bottom-left quarter.
TBitmap Keyed(int w, int h, TColor colour) {
    TBitmap b(w, h);
    FillRect(b.MutablePixels(), {0, 0, w, h}, colour);
    FillRect(b.MutablePixels(), {0, h / 2, w / 2, h}, kKey);
    return b;
}

struct DrawingTest : ::testing::Test {
    HeadlessHarness h;
    TForm* form = nullptr;
    void SetUp() override {
        h.App().CreateForm(form);
        form->SetBounds(0, 0, 200, 100);
        form->Color = clBlack;
    }
    TImage* AddImage(int left, int top, int w, int hgt) {
        auto* img = new TImage(form);
        img->SetParent(form);
        img->SetBounds(left, top, w, hgt);
        return img;
    }
    int Presents() { return h.Backend().Find(form->Window())->presents; }
};

TEST_F(DrawingTest, TransparentStretchedPictureLeavesOutItsKeyColour) {
    AddImage(0, 0, 200, 100)->Picture().Assign(Keyed(4, 4, clBlue));
    TImage* top = AddImage(0, 0, 80, 40);
    top->SetStretch(true);
    top->SetTransparent(true);
    top->Picture().Assign(Keyed(8, 8, clRed));
    form->Show();
    h.RunFor(1);
    EXPECT_EQ(h.Pixel(*form, 60, 5), clRed);       // the figure, stretched
    EXPECT_EQ(h.Pixel(*form, 10, 35), kKey == 0 ? 0 : h.Pixel(*form, 10, 35));
    EXPECT_NE(h.Pixel(*form, 10, 35), kKey);       // the key is left out ...
    EXPECT_NE(h.Pixel(*form, 10, 35), clRed);      // ... and what lies below shows
    top->SetTransparent(false);
    h.RunFor(1);
    EXPECT_EQ(h.Pixel(*form, 10, 35), kKey);
}

// A transparent picture remembers its opaque parts by content: each of the contents it
// takes turns among, and every change drawn into it, shows as it is.
TEST_F(DrawingTest, ATransparentPictureShowsEachOfItsContentsAndEveryChangeToThem) {
    TImage* below = AddImage(0, 0, 200, 100);
    below->SetStretch(true);
    below->Picture().Assign(Keyed(4, 4, clBlue));  // blue in its upper half
    TImage* top = AddImage(0, 0, 40, 40);
    top->SetTransparent(true);
    const TBitmap red = Keyed(40, 40, clRed), green = Keyed(40, 40, clGreen);
    form->Show();
    for (int turn = 0; turn < 2; ++turn)
        for (const TBitmap* b : {&red, &green}) {
            top->Picture().Assign(*b);
            h.RunFor(1);
            EXPECT_EQ(h.Pixel(*form, 30, 5), b == &red ? clRed : clGreen);
            EXPECT_EQ(h.Pixel(*form, 10, 25), clBlue);  // the key is left out
        }
    FillRect(top->Picture().Bitmap().MutablePixels(), {5, 20, 15, 30}, clYellow);
    h.RunFor(1);
    EXPECT_EQ(h.Pixel(*form, 10, 25), clYellow);
    EXPECT_EQ(h.Pixel(*form, 2, 35), clBlue);
    below->Hide();  // where no picture covers the window, its colour shows
    h.RunFor(1);
    EXPECT_EQ(h.Pixel(*form, 2, 35), clBlack);
    EXPECT_EQ(h.Pixel(*form, 100, 50), clBlack);
}

// Copying a picture's opaque runs gives exactly the pixels the keyed copy gives, wherever
// the picture lies and however it is clipped, with runs that start and end anywhere.
TEST(OpaqueRunsTest, DrawsExactlyWhatTheKeyedCopyDraws) {
    const Bgr key{255, 0, 255};
    const Bgr colours[] = {key, {254, 0, 255}, {255, 0, 254}, {0, 0, 0}, key};
    std::mt19937 rng(21);
    auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 500; ++round) {
        PixelBuffer picture(1 + below(24), 1 + below(12));
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, colours[below(5)]);
        PixelBuffer keyed(30, 20, Bgr{9, 8, 7});
        PixelBuffer runs = keyed;
        const int x = below(40) - 10, y = below(30) - 10;
        const TRect clip = Bounds(below(40) - 5, below(30) - 5, below(40), below(30));
        BlitKeyed(keyed, x, y, picture, key, clip);
        OpaqueRuns(picture, key).Draw(runs, x, y, picture, clip);
        ASSERT_TRUE(runs == keyed) << "round " << round;
    }
}

TEST_F(DrawingTest, AutoSizeTakesThePictureSizeAndLaterPicturesLieAbove) {
    TImage* a = AddImage(10, 10, 5, 5);
    a->SetAutoSize(true);
    a->Picture().Assign(TBitmap(30, 20));
    EXPECT_EQ(a->Width(), 30);
    EXPECT_EQ(a->Height(), 20);
    TImage* b = AddImage(20, 10, 30, 20);
    TBitmap green(30, 20);
    FillRect(green.MutablePixels(), {0, 0, 30, 20}, clGreen);
    b->Picture().Assign(green);
    form->Show();
    h.RunFor(1);
    EXPECT_EQ(h.Pixel(*form, 15, 15), clWhite);
    EXPECT_EQ(h.Pixel(*form, 25, 15), clGreen);
    b->Hide();
    h.RunFor(1);
    EXPECT_EQ(h.Pixel(*form, 25, 15), clWhite);
}

TEST_F(DrawingTest, TextOutOfBlanksErasesEarlierText) {
    TImage* display = AddImage(0, 0, 120, 22);
    TCanvas& c = display->Canvas();
    c.Font.Name = "Arial";
    c.Font.Size = 12;
    c.Font.Style = fsBold;
    c.TextOut(20, 1, "123,50");
    auto inkIn = [&] {
        int dark = 0;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 120; ++x)
                if (c.Pixel(x, y) != clWhite) ++dark;
        return dark;
    };
    EXPECT_GT(inkIn(), 20);
    c.TextOut(20, 1, "                ");
    EXPECT_EQ(inkIn(), 0);
}

TEST_F(DrawingTest, AWindowIsPresentedOnlyWhenSomethingChanged) {
    TImage* img = AddImage(0, 0, 50, 50);
    img->Picture().Assign(TBitmap(50, 50));
    form->Show();
    h.RunFor(1000);
    int before = Presents();
    h.RunFor(1000);
    EXPECT_EQ(Presents(), before);
    img->SetLeft(60);
    h.RunFor(1);
    EXPECT_EQ(Presents(), before + 1);
    EXPECT_EQ(h.Pixel(*form, 10, 10), clBlack);   // the old place is repainted
    EXPECT_EQ(h.Pixel(*form, 70, 10), clWhite);
    img->Canvas().Brush.Color = clRed;
    img->Canvas().FillRect({0, 0, 5, 5});
    h.RunFor(1);
    EXPECT_EQ(h.Pixel(*form, 61, 1), clRed);
}

TEST_F(DrawingTest, LabelsDrawTheirBackgroundUnlessTransparent) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(5, 5, 10, 10);
    label->Color = clWhite;
    label->SetCaption("Label1");
    EXPECT_GT(label->Width(), 20);  // sized to its caption
    form->Show();
    h.RunFor(1);
    EXPECT_EQ(h.Pixel(*form, 6, 6), clWhite);
    label->Transparent = true;
    label->Invalidate();
    h.RunFor(1);
    EXPECT_EQ(h.Pixel(*form, 6, 6), clBlack);
}

TEST_F(DrawingTest, AHintShowsAfterThePointerRestsHalfASecond) {
    TImage* img = AddImage(0, 0, 100, 50);
    img->SetHint("Euro");
    form->Show();
    h.RunFor(10);
    auto hintShown = [&] {
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                if (h.Pixel(*form, x, y) == clInfoBk) return true;
        return false;
    };
    h.MoveMouse(*form, 20, 20);
    h.RunFor(400);
    EXPECT_FALSE(hintShown());
    h.RunFor(200);
    EXPECT_TRUE(hintShown());
    h.MoveMouse(*form, 150, 80);
    h.RunFor(1);
    EXPECT_FALSE(hintShown());
}

// A control hidden under the resting pointer neither shows its hint nor stops the clock.
TEST_F(DrawingTest, AHintedControlHiddenUnderThePointerLetsTimeGoOn) {
    TImage* img = AddImage(0, 0, 100, 50);
    img->SetHint("Euro");
    form->Show();
    h.RunFor(10);
    h.MoveMouse(*form, 20, 20);
    h.RunFor(100);
    img->Hide();
    const std::int64_t before = h.NowMs();
    h.RunFor(1000);
    EXPECT_EQ(h.NowMs(), before + 1000);
}

TEST(PictureTest, AHandedOverBitmapKeepsItsContentAndVersionAndLeavesItsSourceEmpty) {
    TBitmap green(4, 3);
    FillRect(green.MutablePixels(), {0, 0, 4, 3}, clGreen);
    const Bgr ink = green.Pixels().pixel(0, 0);
    const std::uint64_t version = green.Version();
    TBitmap shown;
    int changes = 0;
    shown.OnChange = [&] { ++changes; };
    shown.Assign(std::move(green));
    EXPECT_EQ(shown.Pixels().pixel(3, 2), ink);
    EXPECT_EQ(shown.Version(), version);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(green.Empty());
    EXPECT_NE(green.Version(), version);  // it no longer holds what that number names
    TBitmap same(shown);
    shown.Assign(std::move(same));  // the same content again changes nothing
    EXPECT_EQ(changes, 1);
    TPicture picture;
    picture.Assign(std::move(shown));
    EXPECT_EQ(picture.GraphicFormat(), TPicture::Format::Bitmap);
    EXPECT_EQ(picture.Bitmap().Version(), version);
}

TEST(PictureTest, DamagedPictureDataGivesAClearErrorAndKeepsTheOldPicture) {
    TPicture p;
    p.Assign(TBitmap(3, 3));
    const std::uint8_t garbage[] = {'B', 'M', 1, 2, 3};
    try {
        p.LoadFromMemory(garbage, sizeof garbage, "Walzenbild1");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Walzenbild1"), std::string::npos);
    }
    EXPECT_EQ(p.Width(), 3);
    EXPECT_THROW(p.LoadFromFile("/nonexistent/bild.bmp"), std::runtime_error);
}

}  // namespace
