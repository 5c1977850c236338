// SPDX-License-Identifier: GPL-3.0-or-later
// The scene laid out from the 820 × 649 window, the painted background, and the
// end of the program when the screen's resolution changes.
#include <gtest/gtest.h>

#include <vector>

#include "tests/machine/started_program.h"
#include "toolkit/blit.h"

namespace {

struct LayoutTest : ::testing::Test {
    SceneWindow w;
    TForm1& f = *w.form;
};

Bgr PixelOf(TImage& image, int x, int y) { return image.Picture().Bitmap().Pixels().pixel(x, y); }

}  // namespace

TEST_F(LayoutTest, FirstPassPlacesReelsLadderDisplaysAndBar) {
    EXPECT_EQ(f.Left(), 0);
    EXPECT_EQ(f.Top(), 0);
    for (TImage* reel : {f.Walze_links1, f.Walze_mitte1, f.Walze_rechts1}) EXPECT_EQ(reel->Width(), 253);
    EXPECT_EQ(f.Walze_links1->Left(), 25);
    EXPECT_EQ(f.Walze_mitte1->Left(), 283);
    EXPECT_EQ(f.Walze_rechts1->Left(), 541);
    for (TImage* step : {f.Sondersp40Image, f.Sondersp30Image, f.Sondersp15Image, f.Euro_3_70_Image,
                         f.Euro_2_50_Image, f.Euro_1_20_Image, f.Image_00_2})
        EXPECT_EQ(step->Left(), 689) << step->Name();
    EXPECT_EQ(f.Image_00->Left(), 40);  // the left ladder keeps its design place
    EXPECT_EQ(f.SpielGeldSpeicherAnzeige->BoundsRect(), Bounds(283, 102, 126, 22));
    EXPECT_EQ(f.SonderSpieleAnzeige->BoundsRect(), Bounds(410, 102, 126, 22));
    EXPECT_EQ(f.Hintergrund->BoundsRect(), Bounds(0, 101, 820, 548));
    EXPECT_EQ(f.Panel1->BoundsRect(), Bounds(22, 584, 776, 40));
    EXPECT_EQ(f.StartBtn->Left(), 820 / 2 - 80 - 30);
    EXPECT_EQ(f.StopWalzenBtn->Left(), f.StartBtn->Left() + 80 + 20);
    EXPECT_EQ(f.StopBtn2->Left(), 776 - 80 - 20);
    EXPECT_EQ(f.MenueBtn->Left(), f.StopBtn2->Left() - 120);
    EXPECT_EQ(f.T_links->Top(), 98);
    EXPECT_EQ(f.T_rechts->Top(), 98);
    EXPECT_EQ(f.T_rechts->Left(), f.Bogen_oben_rechts->Left() - 7);
    EXPECT_EQ(f.RandOben->BoundsRect(), Bounds(27, 0, 820 - 54, 22));
    EXPECT_EQ(f.Hintergrund2->Left(), 410 - 343);
    EXPECT_EQ(f.Image1mal->Left(), 410 - 25);
}

// The shark reads the bar's top before the pass moves the bar, and every pass makes
// the water tile smaller by 2 × 1 pixels.
TEST_F(LayoutTest, SharkAndWaterTileFollowThePassCount) {
    EXPECT_EQ(f.HaiImage2->Top(), 470);
    EXPECT_EQ(f.HaiImage2->Left(), 820 - f.HaiImage2->Width() - 100);
    EXPECT_EQ(f.Wasser_kachel->Picture().Width(), 109);
    EXPECT_EQ(f.Wasser_kachel->Picture().Height(), 69);
    EXPECT_EQ(f.Program.KachelBreite, 109);
    EXPECT_EQ(f.Program.KachelHoehe, 69);

    const TRect bar = f.Panel1->BoundsRect();
    const TRect reel = f.Walze_rechts1->BoundsRect();
    f.Elemente_an_Monitor_anpassen();
    EXPECT_EQ(f.HaiImage2->Top(), 472);
    EXPECT_EQ(f.Wasser_kachel->Picture().Width(), 107);
    EXPECT_EQ(f.Wasser_kachel->Picture().Height(), 68);
    EXPECT_EQ(f.Panel1->BoundsRect(), bar);
    EXPECT_EQ(f.Walze_rechts1->BoundsRect(), reel);
}

// Water first, then the side columns, then the top row over both, each tile at its
// own size; a later pass paints the smaller water tile over the old one.
TEST_F(LayoutTest, BackgroundCanvasCarriesWaterSideAndTopTiles) {
    auto canvasPixel = [&](int x, int y) { return f.Hintergrund->Picture().Bitmap().Pixels().pixel(x, y); };
    ASSERT_EQ(f.Hintergrund->Picture().Width(), 820);
    ASSERT_EQ(f.Hintergrund->Picture().Height(), 548);
    auto waterAt = [&](int x, int y) {
        const int tw = f.Wasser_kachel->Picture().Width(), th = f.Wasser_kachel->Picture().Height();
        return PixelOf(*f.Wasser_kachel, x % tw, y % th);
    };
    const int sideW = f.UmrandungsKachelSeite->Picture().Width();
    const int sideH = f.UmrandungsKachelSeite->Picture().Height();
    EXPECT_EQ(canvasPixel(300, 300), waterAt(300, 300));
    EXPECT_EQ(canvasPixel(5, 250), PixelOf(*f.UmrandungsKachelSeite, 5, 250 % sideH));
    EXPECT_EQ(canvasPixel(820 - sideW + 3, 250), PixelOf(*f.UmrandungsKachelSeite, 3, 250 % sideH));
    EXPECT_EQ(canvasPixel(820 - sideW + 3, 547), PixelOf(*f.UmrandungsKachelSeite, 3, 547 % sideH));
    EXPECT_EQ(canvasPixel(2, 3), PixelOf(*f.UmrandungsKachelOben, 2, 3));
    const int topW = f.UmrandungsKachelOben->Picture().Width();
    EXPECT_EQ(canvasPixel(819, 4), PixelOf(*f.UmrandungsKachelOben, 819 % topW, 4));

    f.Elemente_an_Monitor_anpassen();
    EXPECT_EQ(canvasPixel(300, 300), waterAt(300, 300));
    EXPECT_EQ(canvasPixel(5, 250), PixelOf(*f.UmrandungsKachelSeite, 5, 250 % sideH));
}

TEST_F(LayoutTest, ResolutionWatchWaitsForAChange) {
    EXPECT_TRUE(w.harness.RunFor(4100));
    EXPECT_TRUE(w.harness.MessageBoxes().empty());
    EXPECT_FALSE(f.Game.ProgrammBeenden);
}

// After a change the next tick tells the player once, stops the idle loops and ends the
// program; the window's destruction still runs.
TEST_F(LayoutTest, ResolutionChangeEndsTheProgramAfterOneMessage) {
    f.Program.AufloesungGeaendert = true;
    w.harness.Key(VK_RETURN, 2500);
    EXPECT_FALSE(w.harness.RunFor(6000));
    EXPECT_TRUE(w.harness.Halted());
    ASSERT_EQ(w.harness.MessageBoxes().size(), 1u);
    EXPECT_EQ(w.harness.MessageBoxes()[0].first, "Information");
    EXPECT_EQ(w.harness.MessageBoxes()[0].second,
              "Die Monitor-Auflösung hat sich geändert. Tresolo wird jetzt beendet. "
              "Starten Sie ihn danach erneut!");
    EXPECT_TRUE(f.Game.ProgrammBeenden);
    EXPECT_FALSE(f.Program.AufloesungGeaendert);
}
