// SPDX-License-Identifier: GPL-3.0-or-later
// Starting games: the start button, the autostart step, the reel stop button, the menu
// button and the Escape key.
#include <utility>

#include "game/scene_parts.h"
#include "machine/game_rules.h"
#include "machine/menue_dlg.h"
#include "toolkit/application.h"

namespace {

constexpr int kBeforeAutomaticGameMs = 2000;  // from the last game's end to the next automatic one

// Parsed when first used: the parser's own tables are set up with the program.
const EuroDecimal& StakePerGame() {
    static const EuroDecimal stake = EuroDecimal::Parse(kStakeText);
    return stake;
}

void FocusMenu() {
    if (MenueDlg) MenueDlg->Show();
}

void AllStopGlyphsNormal(TForm1& f) {
    SetGlyph(*f.StopBtn1, *f.StopImage);
    SetGlyph(*f.StopBtn2, *f.StopImage);
    SetGlyph(*f.StopWalzenBtn, *f.StopImage);
}

// Takes one special game and spins; false when there is none.
bool PlaySpecialGame(TForm1& f) {
    if (!f.Money.UseSpecialGame()) return false;
    f.AnzeigeSonderspieleLoeschen();
    f.DrawSpecialGames();
    f.DreheWalzen();
    return true;
}

// The game is over: the ladders are reset, and the play history closes it.
void EndOfGame(TForm1& f) {
    f.ClearLeisten();
    f.Play->GameOver();
}

// After a re-spin, the spin sequence whose offer it was ends at once, and the next game
// follows from the outermost loop: a chain of manual games never nests one in the last. The
// game of the offer ends first, as the autostart step would have ended it. A re-spin that won
// has a reel win to credit: the gate holds the start back, and the ladder's end lights the
// start button again.
void StartAfterThisSequence(TForm1& f) {
    if (std::exchange(f.Game.StartRequested, true)) return;
    Application->QueueOuterCall([&f] {
        f.Game.StartRequested = false;
        f.Gate.Run(Input::StartBtn, [&f] {
            if (!f.Game.LadderRunning) EndOfGame(f);
            f.ButtonStartClick(nullptr);
        });
    });
}

void AutomaticGame(TForm1& f) {
    GameState& g = f.Game;
    g.WalzeGestoppt = false;
    if (g.SpielLaeuft) return;
    f.MachPause1->Pause(kBeforeAutomaticGameMs);
    AllStopGlyphsNormal(f);
    if (g.MenueOffen) return;
    if (PlaySpecialGame(f)) return;
    const bool paid = f.Money.Stake(StakePerGame());
    if (!paid) g.RuhePhaseErlaubt = true;
    f.AnzeigeLoeschen();
    f.DrawCredit();
    if (paid) f.DreheWalzen();
}

}  // namespace

void TForm1::StartBtnClick(TObject*) {
    const bool respun = Game.MitteNochmalMoeglich;
    if (respun) {
        Game.MitteNochmalMoeglich = false;
        MarkierungsImage->Hide();
        DreheWalzeMitteNochmal();
    }
    if (Game.SpielLaeuft) return;
    if (Game.ErsterMenueAufruf && AutoStartSwitchedOn()) {
        MenueBtnClick(nullptr);
        return;
    }
    if (AutoStartSwitchedOn()) return;
    Game.RuhePhaseErlaubt = false;
    Game.RisikoStopGedrueckt = false;
    Game.WalzeGestoppt = false;
    if (respun)
        StartAfterThisSequence(*this);
    else
        ButtonStartClick(nullptr);
}

void TForm1::ButtonStartClick(TObject*) {
    if (Game.MenueOffen) {
        FocusMenu();
        return;
    }
    if (AutoStartSwitchedOn() || Game.SpielLaeuft) return;
    AllStopGlyphsNormal(*this);
    if (PlaySpecialGame(*this)) return;
    if (!Money.Stake(StakePerGame())) {
        DrawCredit();
        MenueBtnClick(nullptr);
        return;
    }
    AnzeigeLoeschen();
    DrawCredit();
    DreheWalzen();
}

void TForm1::RequestAutoStart() {
    if (Game.AutoStartRequested) return;
    Game.AutoStartRequested = true;
    Application->QueueOuterCall([this] {
        Game.AutoStartRequested = false;
        Gate.Run(Input::AutoStartStep, [this] { AutoStartClick(nullptr); });
    });
}

// The gate holds this step back while a ladder runs: its end asks for the step again, so the
// next game keeps its time after the ladder, and nothing waits here meanwhile.
void TForm1::AutoStartClick(TObject*) {
    if (Game.MenueOffen) {
        FocusMenu();
        return;
    }
    EndOfGame(*this);
    if (AutoStartSwitchedOn()) {
        AutomaticGame(*this);
        return;
    }
    SetGlyph(*StartBtn, *StartAktImage);
    SetGlyph(*StopBtn1, *StopImage);
    SetGlyph(*StopBtn2, *StopImage);
    StartBtn->SetFocus();
}

void TForm1::StopWalzenBtnClick(TObject*) {
    Game.RisikoStopGedrueckt = true;
    if (Game.WalzeGestoppt) return;
    const std::pair<bool, void (TForm1::*)()> windows[] = {
        {Game.LinkeWalzeStoppbereit, &TForm1::StoppeLinkeWalze},
        {Game.MitteWalzeStoppbereit, &TForm1::StoppeMitteWalze},
        {Game.RechteWalzeStoppbereit, &TForm1::StoppeRechteWalze},
    };
    for (const auto& [open, stop] : windows) {
        if (!open) continue;
        SetGlyph(*StopWalzenBtn, *StopImage);
        Game.WalzeGestoppt = true;
        (this->*stop)();
    }
}

void TForm1::MenueBtnClick(TObject*) {
    if (Game.SpielLaeuft) return;
    Game.RuhePhaseErlaubt = false;
    if (MenueDlg) MenueDlg->Show();
}

void TForm1::FormKeyDown(TObject*, Word& Key, TShiftState) {
    if (Key == VK_F2) {
        Key = 0;
        Gate.Run(Input::F2, [this] { Play->ShowStatistics(); });
        return;
    }
    if (Key != VK_ESCAPE) return;
    Key = 0;
    Gate.Run(Input::Escape, [this] { AskToEndProgram(); });
}
