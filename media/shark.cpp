// SPDX-License-Identifier: GPL-3.0-or-later
// The shark swims to and fro, rising at each turn and starting again at the bottom; while
// the machine is idle it tows the flag.
#include "machine/form1.h"
#include "machine/scene_pictures.h"

namespace {

constexpr int kTurnMargin = 27;
constexpr int kFlagWidth = 190;
// Where the flag hangs on the tail: overlapping it by this much, this far below the top.
constexpr int kFlagOverlap = 55, kFlagDrop = 30;
// Swim picture every 3rd tick, bent picture every 15th, which shortens the flag.
constexpr int kSwimPictureTicks = 3, kBentPictureTicks = 15, kFlagShortening = 10;
// The shark rises a little at the right turn and more at the left one.
constexpr int kRiseAtRightTurn = 5, kRiseAtLeftTurn = 20;

// The flag behind the tail, and the side tile moved to the edge the flag reaches.
void TowFlag(TForm1& f, bool left) {
    TImage& hai = *f.HaiImage2;
    TImage& flag = *f.Flagge;
    TImage& tile = *f.UmrandungsKachelSeite;
    ShowPicture(flag, left ? *f.FlaggeNachLinks : *f.FlaggeNachRechts);
    if (left) {
        flag.SetLeft(hai.Left() + hai.Width() - kFlagOverlap);
        flag.SetTop(hai.Top() + kFlagDrop);
        if (flag.Left() + flag.Width() >= f.Hintergrund->Width() - tile.Width()) {
            tile.Show();
            tile.SetBounds(f.Hintergrund->Width() - tile.Width(), hai.Top(), tile.Width(), tile.Height());
        }
    } else {
        flag.SetLeft(hai.Left() - flag.Width() + kFlagOverlap);
        flag.SetTop(hai.Top() + kFlagDrop);
        if (flag.Left() <= tile.Width()) {
            tile.Show();
            tile.SetBounds(0, hai.Top(), tile.Width(), tile.Height());
        }
    }
}

void ChangePictures(TForm1& f, bool left) {
    SharkState& s = f.Shark;
    if (s.HaiBildZaehler >= kSwimPictureTicks) {
        ShowPicture(*f.HaiImage2, left ? *f.HaiNachLinks : *f.HaiNachRechts);
        f.Flagge->SetWidth(kFlagWidth);
        s.HaiBildZaehler = 0;
    }
    if (s.HaiGebuecktZaehler >= kBentPictureTicks) {
        ShowPicture(*f.HaiImage2, left ? *f.HaiGebuecktLinks : *f.HaiGebuecktRechts);
        s.HaiGebuecktZaehler = 0;
        f.Flagge->SetWidth(f.Flagge->Width() - kFlagShortening);
    }
}

}  // namespace

void TForm1::Timer4Timer(TObject*) {
    SharkState& s = Shark;
    TImage& hai = *HaiImage2;
    ++s.HaiBildZaehler;
    ++s.HaiGebuecktZaehler;
    Flagge->SetVisible(Game.RuhePhaseErlaubt);
    hai.SetLeft(hai.Left() + s.HaiSchrittX);
    if (hai.Left() > ClientWidth() - hai.Width() - kTurnMargin) {
        s.HaiSchwimmtNachLinks = true;
        hai.SetTop(hai.Top() - kRiseAtRightTurn);
        s.HaiSchrittX = -s.HaiSchrittX;
    }
    TowFlag(*this, s.HaiSchwimmtNachLinks);
    ChangePictures(*this, s.HaiSchwimmtNachLinks);
    if (hai.Left() < kTurnMargin) {
        s.HaiSchwimmtNachLinks = false;
        ShowPicture(hai, *HaiNachRechts);
        hai.SetTop(hai.Top() - kRiseAtLeftTurn);
        s.HaiSchrittX = -s.HaiSchrittX;
    }
    if (hai.Top() < T_links->Top() + T_links->Height()) hai.SetTop(Panel1->Top() - hai.Height());
}
