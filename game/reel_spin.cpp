// SPDX-License-Identifier: GPL-3.0-or-later
// The spin sequence: three reels start, each opens a stop window and stops on a drawn
// position; then the middle reel may be spun once more.
#include "game/reel_positions.h"
#include "game/scene_parts.h"
#include "toolkit/random.h"

namespace {

struct ReelParts {
    TTimer* TForm1::*timer;
    int GameState::*takt;
    bool GameState::*stoppbereit;
};

ReelParts PartsOf(Reel reel) {
    switch (reel) {
        case Reel::Left: return {&TForm1::Timer1, &GameState::WalzenTaktLinks, &GameState::LinkeWalzeStoppbereit};
        case Reel::Middle: return {&TForm1::Timer2, &GameState::WalzenTaktMitte, &GameState::MitteWalzeStoppbereit};
        case Reel::Right: break;
    }
    return {&TForm1::Timer3, &GameState::WalzenTaktRechts, &GameState::RechteWalzeStoppbereit};
}

void StartReel(TForm1& f, Reel reel, int pauseMs) {
    const ReelParts p = PartsOf(reel);
    f.Game.*p.takt = 0;
    (f.*p.timer)->SetEnabled(true);
    f.MachPause1->Pause(pauseMs);
}

// Blur stages 1, 2, 3, 4, 3, 4, ... from the reel's start.
int NextBlurStage(int& takt) {
    if (takt >= 4) takt = 2;
    return ++takt;
}

void StopReel(TForm1& f, Reel reel) {
    const Walzenbild picture = PictureAtPosition(reel, Random(PositionCount(reel)));
    (f.*PartsOf(reel).timer)->SetEnabled(false);
    ReelImage(f, reel).Picture().Assign(ReelPicture(f, picture).Picture());
    RecordStop(f.Game.BildAufWalze, reel, picture);
}

void ShowMarkerAbove(TForm1& f, Reel reel) {
    const TImage& image = ReelImage(f, reel);
    f.MarkierungsImage->SetLeft(image.Left() + image.Width() / 2);
    f.MarkierungsImage->SetTop(5);
    f.MarkierungsImage->Show();
}

// One second in which the reel stop button stops the reel; otherwise it stops by itself.
void StopWindow(TForm1& f, Reel reel, void (TForm1::*stop)()) {
    bool& stoppbereit = f.Game.*PartsOf(reel).stoppbereit;
    SetGlyph(*f.StopWalzenBtn, *f.StopAktImage);
    f.StopWalzenBtn->SetFocus();
    stoppbereit = true;
    ShowMarkerAbove(f, reel);
    f.MachPause1->Pause(1000);
    f.MarkierungsImage->Hide();
    SetGlyph(*f.StopWalzenBtn, *f.StopImage);
    if (reel == Reel::Middle) {
        stoppbereit = false;
        if (!f.Game.WalzeGestoppt) (f.*stop)();
        return;
    }
    if (!f.Game.WalzeGestoppt) (f.*stop)();
    f.Game.WalzeGestoppt = false;
    stoppbereit = false;
}

// What every spin does first; false when the open menu forbids it.
bool BeginSpin(TForm1& f) {
    GameState& g = f.Game;
    if (g.MenueOffen) return false;
    Randomize();
    g.LinkeWalzeStoppbereit = g.MitteWalzeStoppbereit = g.RechteWalzeStoppbereit = false;
    SetGlyph(*f.StartBtn, *f.StartImage);
    g.SpielLaeuft = true;
    g.ReelsRunning = true;
    return true;
}

void OfferMiddleRespin(TForm1& f) {
    f.Game.MitteNochmalMoeglich = true;
    f.StartBtn->SetFocus();
    SetGlyph(*f.StartBtn, *f.StartAktImage);
    ShowMarkerAbove(f, Reel::Middle);
    f.MachPause1->Pause(1500);
    f.MarkierungsImage->Hide();
    f.Game.MitteNochmalMoeglich = false;
    SetGlyph(*f.StartBtn, *f.StartImage);
}

}  // namespace

void TForm1::Timer1Timer(TObject*) { Effect_SplitBlur_1(NextBlurStage(Game.WalzenTaktLinks)); }
void TForm1::Timer2Timer(TObject*) { Effect_SplitBlur_2(NextBlurStage(Game.WalzenTaktMitte)); }
void TForm1::Timer3Timer(TObject*) { Effect_SplitBlur_3(NextBlurStage(Game.WalzenTaktRechts)); }

void TForm1::StoppeLinkeWalze() { StopReel(*this, Reel::Left); }
void TForm1::StoppeRechteWalze() { StopReel(*this, Reel::Right); }

void TForm1::StoppeMitteWalze() {
    StopReel(*this, Reel::Middle);
    MachPause1->Pause(1000);
    Auswertung();
}

void TForm1::DreheWalzen() {
    if (!BeginSpin(*this)) return;
    Game.MitteNochmalMoeglich = false;
    StartReel(*this, Reel::Left, 400);
    StartReel(*this, Reel::Right, 400);
    StartReel(*this, Reel::Middle, 2000);
    StopWindow(*this, Reel::Left, &TForm1::StoppeLinkeWalze);
    MachPause1->Pause(2000);
    StopWindow(*this, Reel::Right, &TForm1::StoppeRechteWalze);
    MachPause1->Pause(1000);
    StopWindow(*this, Reel::Middle, &TForm1::StoppeMitteWalze);
    MachPause1->Pause(1000);
    Game.WalzeGestoppt = false;
    // The next game, asked for during a re-spin offer, runs from the outermost loop once
    // this sequence (and any it runs inside) has ended: they end at once.
    if (Game.StartRequested) return;
    OfferMiddleRespin(*this);
    if (Game.StartRequested) return;
    MachPause1->Pause(1000);
    if (Game.StartRequested) return;
    // Queued rather than called: the next game never runs inside this one.
    RequestAutoStart();
}

void TForm1::DreheWalzeMitteNochmal() {
    if (!BeginSpin(*this)) return;
    StartReel(*this, Reel::Middle, 1000);
    StoppeMitteWalze();
    Game.WalzeGestoppt = false;
    Game.MitteWalzeStoppbereit = false;
}
