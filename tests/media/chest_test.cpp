// The treasure chest's shrink steps and its return to full size, with the clam, the
// title, the water tile and the money picture following.
#include <gtest/gtest.h>

#include "machine/menue_dlg.h"
#include "tests/machine/scene_window.h"

namespace {

struct ChestTest : ::testing::Test {
    SceneWindow w;
    TForm1& f = *w.form;
    TImage& chest = *f.VordergrundImage;
};

int Bottom(const TControl& c) { return c.Top() + c.Height(); }

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
