// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure chest's shrink steps and its return to full size, with the clam, the
// title, the water tile and the money picture following.
#include <gtest/gtest.h>

#include "machine/menue_dlg.h"
#include "support/profile_string.h"
#include "tests/machine/started_program.h"

namespace {

struct ChestTest : ::testing::Test {
    SceneWindow w;
    TForm1& f = *w.form;
    TImage& chest = *f.VordergrundImage;
};

int Bottom(const TControl& c) { return c.Top() + c.Height(); }

// The main window painted for the first time with a stored chest size (none when null).
// A taller window than the layout's 649 is laid out again before it is shown, which
// puts the bar lower: at 800 the bar's top is 735, below the full-size chest's 708.
struct FirstPaint {
    SceneWindow w;
    TForm1& f = *w.form;
    TImage& chest = *f.VordergrundImage;

    explicit FirstPaint(const char* stored, int height = 649) {
        if (stored) WritePrivateProfileString("Einstellungen", "GroesseSchatztruhe", stored, w.folder.path() / "Tresolo.ini");
        if (height != f.Height()) {
            f.SetBounds(0, 0, f.Width(), height);
            f.Elemente_an_Monitor_anpassen();
        }
        f.Show();
        w.harness.RunFor(50);
    }
};

}  // namespace

// Without a stored size the first paint fits the chest above the bar in one call.
TEST_F(ChestTest, FirstPaintFitsTheFullSizeChest) {
    w.harness.App().CreateForm(MenueDlg);
    f.Show();
    w.harness.RunFor(50);
    MenueDlg = nullptr;
    EXPECT_EQ(chest.Width(), 506);
    EXPECT_EQ(chest.Height(), 413);
    EXPECT_EQ(Bottom(chest), 573);
    EXPECT_EQ(f.Chest.ScheinFallSchritt, 13);
    EXPECT_EQ(f.Program.KachelBreite, 107);  // one layout pass more than at creation
}

// Nine steps fit the full-size chest (ending at 708) above the bar at 584.
TEST_F(ChestTest, NineStepsFitTheChestAboveTheBar) {
    f.GroesseTruheEinstellen(9);
    EXPECT_EQ(chest.Width(), 506);
    EXPECT_EQ(chest.Height(), 413);
    EXPECT_EQ(chest.Picture().Width(), 506);
    EXPECT_EQ(chest.Top(), 160);
    EXPECT_EQ(Bottom(chest), 573);
    EXPECT_LT(Bottom(chest), f.Panel1->Top());
    EXPECT_EQ(chest.Left(), 410 - 253);
    EXPECT_TRUE(chest.Visible());
    EXPECT_FALSE(f.Hintergrund2->Visible());
    EXPECT_FALSE(f.Chest.TruheInOriginalGroesse);
    EXPECT_FALSE(f.VordergrHaibewegt->Visible());
    EXPECT_EQ(f.VordergrHaibewegt->Width(), 506);
    EXPECT_EQ(f.VordergrHaibewegt->Left(), chest.Left());
    EXPECT_EQ(f.Chest.ScheinFallSchritt, 13);
}

TEST_F(ChestTest, ThreeStepsShrinkChestMoneyPictureClamAndTitle) {
    f.GroesseTruheEinstellen(3);
    EXPECT_EQ(chest.Width(), 626);
    EXPECT_EQ(chest.Height(), 503);
    EXPECT_EQ(f.Chest.ScheinFallSchritt, 19);
    EXPECT_EQ(f.Chest.AuszahlungsBildBreite, 72);
    EXPECT_EQ(f.Chest.AuszahlungsBildHoehe, 51);
    EXPECT_EQ(f.Chest.AuszahlungsBildOben, 345);
    EXPECT_EQ(f.Chest.AuszahlungsBildLinks, 410);
    // The clam at the chest's lower right, then 3 narrower and 2 lower; the title beside it.
    EXPECT_EQ(f.Muschel->Left(), chest.Left() + 20 + 626 - 626 / 3);
    EXPECT_EQ(f.Muschel->Top(), Bottom(chest) - 56 - 30);
    EXPECT_EQ(f.Muschel->Width(), 77);
    EXPECT_EQ(f.Muschel->Height(), 54);
    EXPECT_EQ(f.Tresolo_Ueberschrift->Left(), f.Muschel->Left() - 168 - 40);
    EXPECT_EQ(f.Tresolo_Ueberschrift->Top(), Bottom(chest) - 67 - 1);
    EXPECT_EQ(f.Tresolo_Ueberschrift->Width(), 164);
    // Each call is also a layout pass.
    EXPECT_EQ(f.Program.KachelBreite, 107);
}

// Steps accumulate on the copy shown; seventeen is the most that stays above 280.
TEST_F(ChestTest, StepsAccumulateDownToTheSmallestChest) {
    f.GroesseTruheEinstellen(3);
    f.GroesseTruheEinstellen(3);
    EXPECT_EQ(chest.Width(), 566);
    EXPECT_EQ(chest.Height(), 458);
    EXPECT_EQ(f.Chest.ScheinFallSchritt, 16);
    EXPECT_EQ(f.Muschel->Width(), 74);  // the clam shrinks once per call
    f.GroesseTruheEinstellen(11);
    EXPECT_EQ(chest.Width(), 346);
    EXPECT_EQ(chest.Height(), 293);
    EXPECT_FALSE(f.Chest.TruheInOriginalGroesse);
}

TEST_F(ChestTest, SeventeenStepsAtOnceGiveTheSmallestChest) {
    f.GroesseTruheEinstellen(17);
    EXPECT_EQ(chest.Width(), 346);
    EXPECT_EQ(chest.Height(), 293);
    EXPECT_FALSE(f.Chest.TruheInOriginalGroesse);
}

// Zero steps still swap in a resampled copy and make the clam and title smaller.
TEST_F(ChestTest, ZeroStepsReplaceTheChestWithAnEqualCopy) {
    f.GroesseTruheEinstellen(0);
    EXPECT_EQ(chest.Width(), 686);
    EXPECT_EQ(chest.Height(), 548);
    EXPECT_FALSE(f.Hintergrund2->Visible());
    EXPECT_EQ(f.Chest.ScheinFallSchritt, 22);
    EXPECT_EQ(f.Chest.AuszahlungsBildOben, 360);
    EXPECT_EQ(f.Muschel->Width(), 77);
    EXPECT_EQ(f.Tresolo_Ueberschrift->Width(), 164);
}

// Below 280 pixels the full-size chest comes back with every value that follows it.
TEST_F(ChestTest, ShrinkingBelowTheMinimumRestoresFullSize) {
    f.GroesseTruheEinstellen(9);
    f.GroesseTruheEinstellen(9);  // 413 − 135 = 278
    EXPECT_TRUE(f.Chest.TruheInOriginalGroesse);
    EXPECT_TRUE(f.Hintergrund2->Visible());
    EXPECT_FALSE(chest.Visible());
    EXPECT_EQ(f.Chest.ScheinFallSchritt, 22);
    EXPECT_EQ(f.Chest.AuszahlungsBildHoehe, 57);
    EXPECT_EQ(f.Chest.AuszahlungsBildBreite, 81);
    EXPECT_EQ(f.Chest.AuszahlungsBildOben, 360);
    EXPECT_EQ(f.Chest.AuszahlungsBildLinks, f.SonderSpieleAnzeige->Left());
    // The tile starts again from its original size; the pass that follows shrinks it once.
    EXPECT_EQ(f.Program.KachelBreite, 109);
    EXPECT_EQ(f.Program.KachelHoehe, 69);
    EXPECT_EQ(f.Wasser_kachel->Picture().Width(), 109);
    const TImage& scene = *f.Hintergrund2;
    EXPECT_EQ(f.Muschel->BoundsRect(), Bounds(scene.Left() + 20 + 686 - 686 / 3, 160 + 548 - 56 - 40, 80, 56));
    EXPECT_EQ(f.Tresolo_Ueberschrift->BoundsRect(),
              Bounds(f.Muschel->Left() - 168 - 40, 160 + 548 - 67 - 15, 168, 67));

    // The next shrink starts from the full-size artwork again.
    f.GroesseTruheEinstellen(3);
    EXPECT_EQ(chest.Width(), 626);
    EXPECT_EQ(f.Chest.ScheinFallSchritt, 19);
}

// More steps than the chest has pixels leave no picture at all; that counts as below
// the minimum instead of keeping the old height on an empty chest.
TEST_F(ChestTest, ShrinkingPastNothingReturnsToFullSize) {
    f.GroesseTruheEinstellen(40);
    EXPECT_TRUE(f.Chest.TruheInOriginalGroesse);
    EXPECT_TRUE(f.Hintergrund2->Visible());
    EXPECT_FALSE(chest.Visible());
    EXPECT_EQ(f.Chest.ScheinFallSchritt, 22);
}

// A stored 3 shrinks the chest to 626 × 503. Where that still reaches the bar (at 584),
// the fitting lifts it with (663 − 584) div 15 + 1 = 6 more steps from the shrunk copy.
TEST(ChestAtFirstPaint, StoredSizeThreeAndTheFittingThatFollows) {
    {
        FirstPaint tall("3", 800);
        EXPECT_EQ(tall.chest.Width(), 626);
        EXPECT_EQ(tall.chest.Height(), 503);
        EXPECT_EQ(tall.chest.Top(), 160);
        EXPECT_TRUE(tall.chest.Visible());
        EXPECT_FALSE(tall.f.Hintergrund2->Visible());
        EXPECT_EQ(tall.f.Chest.ScheinFallSchritt, 19);
        EXPECT_EQ(tall.f.Chest.AuszahlungsBildOben, 345);
        EXPECT_EQ(tall.f.Program.KachelBreite, 105);  // creation, taller window, shrink: three passes
    }
    FirstPaint usual("3");  // one program at a time: the windows are the program's globals
    EXPECT_EQ(usual.chest.Width(), 506);
    EXPECT_EQ(usual.chest.Height(), 413);
    EXPECT_EQ(Bottom(usual.chest), 573);
    EXPECT_EQ(usual.f.Chest.ScheinFallSchritt, 13);
    EXPECT_EQ(usual.f.Chest.AuszahlungsBildBreite, 54);
    EXPECT_EQ(usual.f.Muschel->Width(), 74);  // two calls, the clam shrank twice
    EXPECT_EQ(usual.f.Program.KachelBreite, 105);
}

// Where the full-size chest ends above the bar, nothing is resampled; a stored size out
// of 0 to 17, or a blank one, counts as none.
TEST(ChestAtFirstPaint, AFittingChestStaysAtFullSizeAndOutOfRangeSizesAreIgnored) {
    for (const char* stored : {static_cast<const char*>(nullptr), "18", "-1", "  "}) {
        SCOPED_TRACE(stored ? stored : "absent");
        FirstPaint p(stored, 800);
        ASSERT_EQ(p.f.Panel1->Top(), 735);
        EXPECT_TRUE(p.f.Chest.TruheInOriginalGroesse);
        EXPECT_TRUE(p.f.Hintergrund2->Visible());
        EXPECT_TRUE(p.chest.Picture().Empty());  // shown, but empty as designed
        EXPECT_EQ(p.f.Chest.ScheinFallSchritt, 22);
        EXPECT_EQ(p.f.Muschel->Width(), 80);
        EXPECT_EQ(p.f.Program.KachelBreite, 107);  // creation and taller window only
    }
}

// A stored text that is not a whole number applies size 0: a full-size copy, which the
// fitting then lifts above the bar with 9 steps, the tile and clam shrinking per call.
TEST(ChestAtFirstPaint, ANonNumberAppliesSizeZeroBeforeTheFitting) {
    FirstPaint p("drei");
    EXPECT_EQ(p.chest.Width(), 506);
    EXPECT_EQ(p.chest.Height(), 413);
    EXPECT_FALSE(p.f.Chest.TruheInOriginalGroesse);
    EXPECT_EQ(p.f.Chest.ScheinFallSchritt, 13);
    EXPECT_EQ(p.f.Chest.AuszahlungsBildOben, 315);
    EXPECT_EQ(p.f.Muschel->Width(), 74);
    EXPECT_EQ(p.f.Program.KachelBreite, 105);
}
