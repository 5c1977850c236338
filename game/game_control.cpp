// SPDX-License-Identifier: GPL-3.0-or-later
// Starting games: the start button, the autostart step, the reel stop button, the menu
// button and the Escape key.
#include <utility>

#include "game/scene_parts.h"
#include "machine/menue_dlg.h"
#include "toolkit/application.h"

namespace {

// Parsed when first used: the parser's own tables are set up with the program.
const EuroDecimal& Einsatz() {
    static const EuroDecimal stake = EuroDecimal::Parse("0,2");
    return stake;
}
const EuroDecimal& EinSonderspiel() {
    static const EuroDecimal one = EuroDecimal::Parse("1");
    return one;
}

// Amounts are judged by their text, as everywhere in the game.
bool Negative(const EuroDecimal& amount) { return amount.ToShortest().front() == '-'; }

bool LadderRunning(const TForm1& f) {
    return f.GewinnLeisteTimer2->Enabled() || f.GewinnLeiste00Timer->Enabled();
}

void FocusMenu() {
    if (MenueDlg) MenueDlg->Show();
}

void AllStopGlyphsNormal(TForm1& f) {
    SetGlyph(*f.StopBtn1, *f.StopImage);
    SetGlyph(*f.StopBtn2, *f.StopImage);
    SetGlyph(*f.StopWalzenBtn, *f.StopImage);
}

// Takes one special game and spins.
void PlaySpecialGame(TForm1& f) {
    f.Game.SonderspieleAnzahl -= EinSonderspiel();
    f.Play->GameStarted(true);
    f.AnzeigeSonderspieleLoeschen();
    f.DrawSpecialGames();
    f.DreheWalzen();
}

bool SpecialGameAvailable(const TForm1& f) { return !Negative(f.Game.SonderspieleAnzahl - EinSonderspiel()); }

// Takes the stake; false (and the stake back) when the credit is too small.
bool TakeStake(TForm1& f) {
    f.Money.Spielgeld -= Einsatz();
    if (!Negative(f.Money.Spielgeld)) {
        f.Play->GameStarted(false);
        return true;
    }
    f.Money.Spielgeld += Einsatz();
    return false;
}

// After a re-spin, the spin sequence whose offer it was ends at once, and the next game
// follows from the outermost loop: a chain of manual games never nests one in the last.
void StartAfterThisSequence(TForm1& f) {
    if (std::exchange(f.Game.StartRequested, true)) return;
    Application->QueueOuterCall([&f] {
        f.Game.StartRequested = false;
        f.ButtonStartClick(nullptr);
    });
}

void AutomaticGame(TForm1& f) {
    GameState& g = f.Game;
    g.WalzeGestoppt = false;
    if (g.SpielLaeuft) return;
    f.MachPause1->Pause(2000);
    AllStopGlyphsNormal(f);
    if (SpecialGameAvailable(f)) {
        if (!g.MenueOffen) PlaySpecialGame(f);
        return;
    }
    if (g.MenueOffen) return;
    const bool paid = TakeStake(f);
    if (!paid) g.RuhePhaseErlaubt = true;
    f.AnzeigeLoeschen();
    f.DrawCredit();
    if (paid) f.DreheWalzen();
}

}  // namespace

void TForm1::StartBtnClick(TObject*) {
    if (Money.PayoutRunning) return;
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
    if (SpecialGameAvailable(*this)) {
        PlaySpecialGame(*this);
        return;
    }
    if (!TakeStake(*this)) {
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
        AutoStartClick(nullptr);
    });
}

void TForm1::AutoStartClick(TObject*) {
    if (Money.PayoutRunning) return;
    if (Game.MenueOffen) {
        FocusMenu();
        return;
    }
    // A running ladder asks for this step again the moment it ends: the next game keeps its
    // time after the ladder, and nothing waits here meanwhile.
    if (LadderRunning(*this)) return;
    ClearLeisten();
    Play->GameOver();
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
    if (Game.SpielLaeuft || Money.PayoutRunning) return;
    Game.RuhePhaseErlaubt = false;
    if (MenueDlg) MenueDlg->Show();
}

// During a payout Escape asks nothing: the payout ends the program itself.
void TForm1::FormKeyDown(TObject*, Word& Key, TShiftState) {
    if (Key != VK_ESCAPE) return;
    Key = 0;
    AskToEndProgram();
}
