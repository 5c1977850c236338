// SPDX-License-Identifier: GPL-3.0-or-later
// Crediting money and special games, the tone signal, and the two displays.
#include "game/ladder_sequence.h"
#include "game/scene_parts.h"
#include "support/decimal_mask.h"

namespace {

constexpr const char* kMoneyMask = "########0,00";
constexpr const char* kSpecialGamesMask = "########0#";
constexpr int kBeforeCreditMs = 500;        // from the result to the tone and the credit
constexpr int kWinShownMs = 2000;           // how long the credited amount stays on show

// The step's amount reaches the credit as `credited`, announced by `signals` tone signals.
void CreditAndAnnounce(TForm1& f, const EuroDecimal& step, const EuroDecimal& credited, int signals,
                       RiskOutcome outcome) {
    f.MachPause1->Pause(kBeforeCreditMs);
    for (int i = 0; i < signals; ++i) f.WinTone();
    f.Money.CreditMoney(step, credited, outcome);
    f.DrawCredit();
    f.LabelBetrag->SetCaption(credited.ToFixed(2) + " Euro gewonnen!");
}

// The risk game decides: double, single or nothing.
void CreditThroughRisk(TForm1& f, const std::string& text, const EuroDecimal& amount) {
    f.LabelBetrag->SetCaption(text + " Euro");
    f.RisikoSpiel();
    f.Game.RisikoLaeuft = false;
    SetGlyph(*f.StopWalzenBtn, *f.StopImage);
    if (f.Image0mal->Visible()) {
        f.LabelBetrag->SetCaption("Nichts!");
        f.Money.CreditMoney(amount, EuroDecimal(), RiskOutcome::Nothing);
    } else if (f.Image2mal->Visible()) {
        CreditAndAnnounce(f, amount, amount + amount, 2, RiskOutcome::Double);
    } else if (f.Image1mal->Visible()) {
        CreditAndAnnounce(f, amount, amount, 1, RiskOutcome::Single);
    }
}

void TextOutWhite(TCanvas& canvas, int x, int y, const std::string& text) {
    canvas.Font.Color = clWhite;
    canvas.TextOut(x, y, text);
    canvas.Font.Color = clBlack;
}

}  // namespace

// The text is written back at the end only while the same ladder runs: a later ladder's
// credits are its own, and an older text must not block its next step.
void TForm1::AddiereGewinn(const std::string& amountText) {
    if (Game.LetzterGewinnText == amountText) return;
    Game.LetzterGewinnText = amountText;
    const LadderRun run = Game.LadderNumber;
    const EuroDecimal amount = EuroDecimal::Parse(amountText);
    if (Game.RisikospielEin) {
        CreditThroughRisk(*this, amountText, amount);
    } else {
        LabelBetrag->Show();
        CreditAndAnnounce(*this, amount, amount, 1, RiskOutcome::NotPlayed);
    }
    MachPause1->Pause(kWinShownMs);
    for (TImage* m : {Image2mal, Image1mal, Image0mal}) m->Hide();
    LabelBetrag->SetCaption("");
    LabelBetrag->Hide();
    if (LadderStillCurrent(Game, run)) Game.LetzterGewinnText = amountText;
}

void TForm1::AddiereSonderspiele(const std::string& anzahl) {
    SetGlyph(*StartBtn, *StartImage);
    if (Game.LetzterGewinnText == anzahl) return;
    WinTone();
    Money.CreditSpecialGames(EuroDecimal::Parse(anzahl));
    DrawSpecialGames();
    LabelBetrag->SetCaption(anzahl + " Sonderspiele gewonnen!!!");
    Game.LetzterGewinnText = anzahl;
}

void TForm1::WinTone() {
    PiepsePCLautsprecher(400, 200);
    PiepsePCLautsprecher(800, 200);
    PiepsePCLautsprecher(500, 200);
}

void TForm1::DrawCredit() {
    SpielGeldSpeicherAnzeige->Canvas().TextOut(Program.SpielgeldTextX, Program.SpielgeldTextY,
                                               FormatWithMask(Money.Spielgeld(), kMoneyMask));
}

void TForm1::DrawSpecialGames() {
    SonderSpieleAnzeige->Canvas().TextOut(Game.SonderspieleTextX, Game.SonderspieleTextY,
                                          FormatWithMask(Money.SonderspieleAnzahl(), kSpecialGamesMask));
}

void TForm1::AnzeigeLoeschen() {
    TextOutWhite(SpielGeldSpeicherAnzeige->Canvas(), Program.SpielgeldTextX, Program.SpielgeldTextY,
                 std::string(16, ' '));
    Game.SonderspieleTextX = 35;
    Game.SonderspieleTextY = 1;
    SonderSpieleAnzeige->Canvas().TextOut(35, 1, std::string(16, ' '));
    DrawSpecialGames();
}

void TForm1::AnzeigeSonderspieleLoeschen() {
    TextOutWhite(SonderSpieleAnzeige->Canvas(), Game.SonderspieleTextX, Game.SonderspieleTextY,
                 std::string(8, ' '));
}
