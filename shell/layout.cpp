// SPDX-License-Identifier: GPL-3.0-or-later
// Laying out the scene from the main window's size, and the watch on the screen size.
#include <string>

#include "toolkit/resampled.h"
#include "shell/background_tiles.h"
#include "machine/scene_geometry.h"
#include "machine/form1.h"
#include "machine/ladder_fields.h"
#include "toolkit/dialogs.h"

namespace {

void PlaceReels(TForm1& f, int W) {
    const int width = W / 3 - 20;
    f.Walze_links1->SetLeft(25);
    f.Walze_links1->SetWidth(width);
    f.Walze_mitte1->SetLeft(f.Walze_links1->Left() + f.Walze_links1->Width() + 5);
    f.Walze_mitte1->SetWidth(width);
    f.Walze_rechts1->SetLeft(f.Walze_mitte1->Left() + f.Walze_mitte1->Width() + 5);
    f.Walze_rechts1->SetWidth(width);
}

void SizeBackgroundCanvas(TForm1& f, int W, int H) {
    f.Hintergrund->SetTop(f.Walze_links1->Top() + f.Walze_links1->Height() + 4);
    f.Hintergrund->SetWidth(W);
    f.Hintergrund->SetHeight(H - f.Hintergrund->Top());
}

// The left ladder keeps its design places; the right one follows the right reel.
void PlaceRightLadder(TForm1& f) {
    const int left = f.Walze_rechts1->Left() + f.Walze_rechts1->Width() - f.Sondersp40Image->Width() - 15;
    for (int field = 0; field < kLadderFieldCount; ++field) (f.*FieldOf(Ladder::Right, field).shown)->SetLeft(left);
}

void PlaceDisplays(TForm1& f) {
    const TImage& reel = *f.Walze_mitte1;
    f.SpielGeldSpeicherAnzeige->SetWidth(reel.Width() / 2);
    f.SpielGeldSpeicherAnzeige->SetLeft(reel.Left());
    f.SonderSpieleAnzeige->SetWidth(reel.Width() / 2);
    f.SonderSpieleAnzeige->SetLeft(reel.Left() + reel.Width() - f.SonderSpieleAnzeige->Width());
}

void CentreScenePictures(TForm1& f, int W) {
    f.Hintergrund2->SetLeft(CentredLeft(W, f.Hintergrund2->Width()));
    f.Hintergrund3->SetLeft(CentredLeft(W, f.Hintergrund3->Width()));
    f.Hintergrund3->SetTop(f.Hintergrund2->Top());
    f.VordergrHaibewegt->SetLeft(CentredLeft(W, f.VordergrHaibewegt->Width()));
    f.VordergrHaibewegt->SetTop(f.Hintergrund3->Top());
    f.ImageRisiko->SetLeft(CentredLeft(W, f.ImageRisiko->Width()));
    f.ImageRisiko->SetTop(f.Sondersp20Image->Top() + f.Sondersp20Image->Height() / 2 - f.ImageRisiko->Height() / 2);
}

void PlaceRiskSymbols(TForm1& f, int W) {
    TImage& one = *f.Image1mal;
    one.SetLeft(W / 2 - one.Width() / 2);
    one.SetTop(f.ImageRisiko->Top() + 5);
    f.Image2mal->SetLeft(one.Left() - f.Image2mal->Width() - 20);
    f.Image2mal->SetTop(one.Top());
    f.Image0mal->SetLeft(one.Left() + one.Width() + 20);
    f.Image0mal->SetTop(one.Top());
    f.LabelBetrag->SetLeft(f.Image2mal->Left() + f.Image2mal->Width());
    f.LabelBetrag->SetTop(one.Top() + one.Height());
}

// Uses the bar's top as it is before this pass moves the bar.
void PlaceShark(TForm1& f, int W) {
    f.HaiImage2->SetLeft(W - f.HaiImage2->Width() - 100);
    f.HaiImage2->SetTop(f.Panel1->Top() - f.HaiImage2->Height() - 20);
}

// Every pass makes the water tile 2 × 1 pixels smaller, resampled from its last size.
void ShrinkWaterTile(TForm1& f) {
    ProgramState& s = f.Program;
    s.KachelBreite -= 2;
    s.KachelHoehe -= 1;
    TPicture& tile = f.Wasser_kachel->Picture();
    tile.Assign(Resampled(tile.Bitmap(), s.KachelBreite, s.KachelHoehe));
}

// Water, then the side columns, then the top row, over whatever the canvas held.
void PaintBackground(TForm1& f) {
    const int width = f.Hintergrund->Width(), height = f.Hintergrund->Height();
    TCanvas& canvas = f.Hintergrund->Canvas();
    const TBitmap water(f.Wasser_kachel->Picture().Bitmap());
    DrawTiles(canvas, water, 0, 0, TileCount(width, water.Width()), TileCount(height, water.Height()));
    const TBitmap side(f.UmrandungsKachelSeite->Picture().Bitmap());
    const int sideRows = TileCount(height, side.Height());
    DrawTiles(canvas, side, 0, 0, 1, sideRows);
    DrawTiles(canvas, side, width - side.Width(), 0, 1, sideRows);
    const TBitmap top(f.UmrandungsKachelOben->Picture().Bitmap());
    DrawTiles(canvas, top, 0, 0, TileCount(width, top.Width()), 1);
}

void PlaceFrame(TForm1& f, int W) {
    f.Bogen_oben_links->SetLeft(0);
    f.Bogen_oben_rechts->SetLeft(W - f.Bogen_oben_rechts->Width());
    f.RandOben->SetLeft(f.Bogen_oben_links->Left() + f.Bogen_oben_links->Width());
    f.RandOben->SetWidth(W - 2 * f.Bogen_oben_rechts->Width());
    f.UmrandungsKachelSeite->SetLeft(0);
    f.UmrandungsKachelSeite->SetTop(0);
    f.T_links->SetLeft(0);
    f.T_links->SetTop(f.Walze_links1->Top() + f.Walze_links1->Height() + 1);
    f.T_rechts->SetTop(f.T_links->Top());
    f.T_rechts->SetLeft(f.Bogen_oben_rechts->Left() - 7);
}

void PlaceBar(TForm1& f, int H) {
    f.Panel1->SetTop(H - f.Panel1->Height() - f.Umrandung_unten_Image->Height() + 4);
    f.Panel1->SetLeft(f.UmrandungsKachelSeite->Width());
    f.Panel1->SetWidth(f.Hintergrund->Width() - 2 * f.UmrandungsKachelSeite->Width());
}

void PlaceAt(TControl& c, int top, int left) {
    c.SetTop(top);
    c.SetLeft(left);
}

// Positions inside the bar; each button may lean on the ones placed before it.
void PlaceButtons(TForm1& f, int W) {
    PlaceAt(*f.StopBtn1, 10, 20);
    PlaceAt(*f.HilfeBtn, 10, f.StopBtn1->Left() + f.StopBtn1->Width() + 40);
    PlaceAt(*f.TruhestretchenBtn, 5, f.HilfeBtn->Left() + f.HilfeBtn->Width() + 20);
    PlaceAt(*f.StartBtn, 10, W / 2 - f.StartBtn->Width() - 30);
    PlaceAt(*f.StopBtn2, 10, f.Panel1->Width() - f.StopBtn2->Width() - 20);
    PlaceAt(*f.MinimierenBtn, 5, f.StopBtn2->Left() - f.MinimierenBtn->Width() - 20);
    PlaceAt(*f.MenueBtn, 10, f.StopBtn2->Left() - 120);
    PlaceAt(*f.StopWalzenBtn, 10, f.StartBtn->Left() + f.StartBtn->Width() + 20);
}

void PlaceClock(TForm1& f) {
    f.Label1->SetLeft(f.Hintergrund->Width() / 2 - f.Label1->Width() / 2 - 4);
    f.Label1->SetTop(f.SpielGeldSpeicherAnzeige->Top() + 2);
}

}  // namespace

void TForm1::Elemente_an_Monitor_anpassen() {
    SetBounds(0, 0, Width(), Height());
    const int W = ClientWidth(), H = ClientHeight();
    PlaceReels(*this, W);
    SizeBackgroundCanvas(*this, W, H);
    PlaceRightLadder(*this);
    PlaceDisplays(*this);
    CentreScenePictures(*this, W);
    PlaceRiskSymbols(*this, W);
    PlaceShark(*this, W);
    ShrinkWaterTile(*this);
    PaintBackground(*this);
    PlaceFrame(*this, W);
    PlaceBar(*this, H);
    PlaceButtons(*this, W);
    PlaceClock(*this);
}

void TForm1::AufloesungsTimerTimer(TObject*) {
    if (!Program.AufloesungGeaendert) return;
    // Cleared before the box opens, so ticks while it is open find nothing to do.
    Program.AufloesungGeaendert = false;
    ShowInformation(
        "Die Monitor-Auflösung hat sich geändert. Tresolo wird jetzt beendet. "
        "Starten Sie ihn danach erneut!");
    EndProgram();
}
