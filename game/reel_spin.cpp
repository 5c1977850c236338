// SPDX-License-Identifier: GPL-3.0-or-later
// The spin sequence: three reels start, each opens a stop window and stops on a drawn
// position; then the middle reel may be spun once more.
#include "game/reel_positions.h"
#include "game/scene_parts.h"
#include "toolkit/random.h"

namespace {

// The spin's pace in milliseconds.
constexpr int kNextReelStartMs = 400;     // from one outer reel's start to the next reel's
constexpr int kMiddleReelLeadMs = 2000;   // from the middle reel's start to the first stop window
constexpr int kStopWindowMs = 1000;       // how long a reel's stop button stops it
constexpr int kBetweenStopWindowsMs = 2000;  // after the left reel's window, before the right one's
constexpr int kAfterStopWindowMs = 1000;  // after the right and the middle reel's windows
constexpr int kBeforeEvaluationMs = 1000; // from the middle reel's stop to the evaluation
constexpr int kRespinOfferMs = 1500;      // how long the middle reel may be spun again
constexpr int kBeforeAutoStartMs = 1000;  // from the offer's end to the next automatic game
constexpr int kRespinLeadMs = 1000;       // from the middle reel's new start to its stop

struct ReelParts {
    TTimer* TForm1::*timer;
    int GameState::*blurStage;
    bool GameState::*stopReady;
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
    f.Game.*p.blurStage = 0;
    (f.*p.timer)->SetEnabled(true);
    f.MachPause1->Pause(pauseMs);
}

// Blur stages 1, 2, 3, 4, 3, 4, ... from the reel's start.
int NextBlurStage(int& stage) {
    if (stage >= 4) stage = 2;
    return ++stage;
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
    bool& stopReady = f.Game.*PartsOf(reel).stopReady;
    SetGlyph(*f.StopWalzenBtn, *f.StopAktImage);
    f.StopWalzenBtn->SetFocus();
    stopReady = true;
    ShowMarkerAbove(f, reel);
    f.MachPause1->Pause(kStopWindowMs);
    f.MarkierungsImage->Hide();
    SetGlyph(*f.StopWalzenBtn, *f.StopImage);
    if (reel == Reel::Middle) {
        stopReady = false;
        if (!f.Game.WalzeGestoppt) (f.*stop)();
        return;
    }
    if (!f.Game.WalzeGestoppt) (f.*stop)();
    f.Game.WalzeGestoppt = false;
    stopReady = false;
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
    f.MachPause1->Pause(kRespinOfferMs);
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
    MachPause1->Pause(kBeforeEvaluationMs);
    Auswertung();
}

void TForm1::DreheWalzen() {
    if (!BeginSpin(*this)) return;
    Game.MitteNochmalMoeglich = false;
    StartReel(*this, Reel::Left, kNextReelStartMs);
    StartReel(*this, Reel::Right, kNextReelStartMs);
    StartReel(*this, Reel::Middle, kMiddleReelLeadMs);
    StopWindow(*this, Reel::Left, &TForm1::StoppeLinkeWalze);
    MachPause1->Pause(kBetweenStopWindowsMs);
    StopWindow(*this, Reel::Right, &TForm1::StoppeRechteWalze);
    MachPause1->Pause(kAfterStopWindowMs);
    StopWindow(*this, Reel::Middle, &TForm1::StoppeMitteWalze);
    MachPause1->Pause(kAfterStopWindowMs);
    Game.WalzeGestoppt = false;
    // The next game, asked for during a re-spin offer, runs from the outermost loop once
    // this sequence (and any it runs inside) has ended: they end at once.
    if (Game.StartRequested) return;
    OfferMiddleRespin(*this);
    if (Game.StartRequested) return;
    MachPause1->Pause(kBeforeAutoStartMs);
    if (Game.StartRequested) return;
    // Queued rather than called: the next game never runs inside this one.
    RequestAutoStart();
}

void TForm1::DreheWalzeMitteNochmal() {
    if (!BeginSpin(*this)) return;
    StartReel(*this, Reel::Middle, kRespinLeadMs);
    StoppeMitteWalze();
    Game.WalzeGestoppt = false;
    Game.MitteWalzeStoppbereit = false;
}
