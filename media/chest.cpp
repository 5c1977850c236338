// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure chest: shrinking it step by step, and back to full size below the
// smallest height. The clam, the title, the water tile and the money picture follow.
#include <utility>

#include "toolkit/resampled.h"
#include "machine/scene_geometry.h"
#include "machine/form1.h"
#include "machine/scene_pictures.h"

namespace {

constexpr int kStepWidth = 20;
constexpr int kStepHeight = 15;
// A chest lower than this goes back to its full size.
constexpr int kSmallestHeight = 280;

struct ShrunkScenes {
    TBitmap chest;  // for VordergrundImage
    TBitmap shark;  // for VordergrHaibewegt
};

TBitmap Smaller(const TImage& picture, int dx, int dy) {
    return Resampled(picture.Picture().Bitmap(), picture.Width() - dx, picture.Height() - dy);
}

// Leaves the full-size pictures: both are resampled from their decoded artwork.
ShrunkScenes ShrinkFullSize(TForm1& f, int dx, int dy) {
    ShrunkScenes s{Smaller(*f.Hintergrund2, dx, dy), Smaller(*f.Hintergrund3, dx, dy)};
    f.Hintergrund2->Hide();
    f.Chest.TruheInOriginalGroesse = false;
    return s;
}

// Shrinks the copies shown now, so repeated calls accumulate.
ShrunkScenes ShrinkCopies(TForm1& f, int dx, int dy) {
    ShrunkScenes s{Smaller(*f.VordergrundImage, dx, dy), Smaller(*f.VordergrHaibewegt, dx, dy)};
    f.Hintergrund3->Hide();
    return s;
}

// The picture sizes the component; it is centred the way the layout centres.
void ShowCentred(TImage& image, TBitmap&& picture, int top, int windowWidth) {
    image.SetTop(top);
    image.Picture().Assign(std::move(picture));
    image.SetLeft(CentredLeft(windowWidth, image.Width()));
}

void ReturnToFullSize(TForm1& f) {
    f.Chest.SetFullSizeGeometry(f.SonderSpieleAnzeige->Left());
    f.VordergrundImage->Hide();
    f.Hintergrund2->Show();
    ShowPicture(*f.Wasser_kachel, *f.Wasser_Kachel_original_groesse);
    TakeWaterTileSize(f);
    f.Chest.TruheInOriginalGroesse = true;
}

void ShrinkMoneyPicture(ChestState& c, int steps) {
    c.AuszahlungsBildHoehe -= 2 * steps;
    c.AuszahlungsBildBreite -= 3 * steps;
    c.AuszahlungsBildOben -= 5 * steps;
}

int Bottom(const TControl& c) { return c.Top() + c.Height(); }

// The clam sits at the shrunk chest's lower right and shrinks a little with every call.
void PlaceClamAtCopy(TForm1& f) {
    const TImage& chest = *f.VordergrundImage;
    TImage& clam = *f.Muschel;
    clam.SetLeft(chest.Left() + 20 + chest.Width() - chest.Width() / 3);
    clam.SetTop(Bottom(chest) - clam.Height() - 30);
    clam.SetBounds(clam.Left(), clam.Top(), clam.Width() - 3, clam.Height() - 2);
}

void PlaceTitleAtCopy(TForm1& f) {
    TImage& title = *f.Tresolo_Ueberschrift;
    title.SetLeft(f.Muschel->Left() - title.Width() - 40);
    title.SetTop(Bottom(*f.VordergrundImage) - title.Height() - 1);
    title.SetWidth(title.Width() - 4);
}

}  // namespace

void TForm1::GroesseTruheEinstellen(int n) {
    if (n > 0) Chest.ScheinFallSchritt -= n;
    const int dx = kStepWidth * n, dy = kStepHeight * n;
    ShrunkScenes scenes = Chest.TruheInOriginalGroesse ? ShrinkFullSize(*this, dx, dy) : ShrinkCopies(*this, dx, dy);
    // Judged by the new picture: a shrink past nothing leaves an empty picture, which
    // would not resize the component and so would keep its old height.
    const bool tooSmall = scenes.chest.Height() < kSmallestHeight;
    ShowCentred(*VordergrundImage, std::move(scenes.chest), Hintergrund2->Top(), Width());
    VordergrundImage->Show();
    if (tooSmall) ReturnToFullSize(*this);
    ShowCentred(*VordergrHaibewegt, std::move(scenes.shark), Hintergrund3->Top(), Width());
    Elemente_an_Monitor_anpassen();
    VordergrHaibewegt->Hide();
    PlaceClamAtCopy(*this);
    ShrinkMoneyPicture(Chest, tooSmall ? 0 : n);
    PlaceTitleAtCopy(*this);
    if (tooSmall) PlaceClamAndTitleAtFullChest(*this);
}
