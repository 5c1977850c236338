// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/scene_geometry.h"

#include "machine/form1.h"

namespace {
constexpr int kClamWidth = 80, kClamHeight = 56;
constexpr int kTitleWidth = 168, kTitleHeight = 67;
}  // namespace

void PlaceClamAndTitleAtFullChest(TForm1& f) {
    const TRect chest = f.Hintergrund2->BoundsRect();
    f.Muschel->SetBounds(chest.Left + chest.Width() - chest.Width() / 3 + 20, chest.Bottom - kClamHeight - 40,
                         kClamWidth, kClamHeight);
    f.Tresolo_Ueberschrift->SetBounds(f.Muschel->Left() - kTitleWidth - 40, chest.Bottom - kTitleHeight - 15,
                                      kTitleWidth, kTitleHeight);
}

void TakeWaterTileSize(TForm1& f) {
    f.Program.KachelBreite = f.Wasser_kachel->Picture().Width();
    f.Program.KachelHoehe = f.Wasser_kachel->Picture().Height();
}

bool IsCoinPicture(const TImage& image) { return image.Picture().Height() <= kCoinHeightMax; }

TImage& MovingShark(TForm1& f) { return f.Chest.TruheInOriginalGroesse ? *f.Hintergrund3 : *f.VordergrHaibewegt; }

void PlaceMoneyPictureAtStart(TForm1& f) {
    const ChestState& c = f.Chest;
    f.AuszahlungsImage->SetBounds(c.AuszahlungsBildLinks, c.AuszahlungsBildOben, c.AuszahlungsBildBreite,
                                  c.AuszahlungsBildHoehe);
}

void MoneyPictureFlightStep(TForm1& f, int step) {
    TImage& money = *f.AuszahlungsImage;
    const int factor = step <= 4 ? 1 : (IsCoinPicture(money) ? 2 : 3);
    money.SetBounds(money.Left() + 20, money.Top() + 50, f.Chest.AuszahlungsBildBreite * factor,
                    f.Chest.AuszahlungsBildHoehe * factor);
}
