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
