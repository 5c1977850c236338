// SPDX-License-Identifier: GPL-3.0-or-later
// Crediting money and special games, the tone signal, and the two displays.
#include "game/scene_parts.h"
#include "support/decimal_mask.h"

namespace {

constexpr const char* kGeldMaske = "########0,00";
constexpr const char* kSonderspieleMaske = "########0#";

void CreditAndAnnounce(TForm1& f, const EuroDecimal& amount, int signals) {
    f.MachPause1->Pause(500);
    for (int i = 0; i < signals; ++i) f.WinTone();
    f.Money.Spielgeld += amount;
    f.DrawCredit();
    f.LabelBetrag->SetCaption(amount.ToFixed(2) + " Euro gewonnen!");
}

// The risk game decides: double, single or nothing.
void CreditThroughRisk(TForm1& f, const std::string& text, const EuroDecimal& amount) {
    f.LabelBetrag->SetCaption(text + " Euro");
    f.RisikoSpiel();
    f.Game.RisikoLaeuft = false;
    SetGlyph(*f.StopWalzenBtn, *f.StopImage);
    if (f.Image0mal->Visible()) {
        f.LabelBetrag->SetCaption("Nichts!");
        f.Play->MoneyCredited(amount, EuroDecimal(), RiskOutcome::Nothing);
    } else if (f.Image2mal->Visible()) {
        CreditAndAnnounce(f, amount + amount, 2);
        f.Play->MoneyCredited(amount, amount + amount, RiskOutcome::Double);
    } else if (f.Image1mal->Visible()) {
        CreditAndAnnounce(f, amount, 1);
        f.Play->MoneyCredited(amount, amount, RiskOutcome::Single);
    }
}

void TextOutWhite(TCanvas& canvas, int x, int y, const std::string& text) {
    canvas.Font.Color = clWhite;
    canvas.TextOut(x, y, text);
    canvas.Font.Color = clBlack;
}

}  // namespace

void TForm1::AddiereGewinn(const std::string& betrag) {
    if (Game.LetzterGewinnText == betrag) return;
    Game.LetzterGewinnText = betrag;
    const EuroDecimal amount = EuroDecimal::Parse(betrag);
    if (Game.RisikospielEin) {
        CreditThroughRisk(*this, betrag, amount);
    } else {
        LabelBetrag->Show();
        CreditAndAnnounce(*this, amount, 1);
        Play->MoneyCredited(amount, amount, RiskOutcome::NotPlayed);
    }
    MachPause1->Pause(2000);
    for (TImage* m : {Image2mal, Image1mal, Image0mal}) m->Hide();
    LabelBetrag->SetCaption("");
    LabelBetrag->Hide();
    Game.LetzterGewinnText = betrag;
}

void TForm1::AddiereSonderspiele(const std::string& anzahl) {
    SetGlyph(*StartBtn, *StartImage);
    if (Game.LetzterGewinnText == anzahl) return;
    WinTone();
    const EuroDecimal count = EuroDecimal::Parse(anzahl);
    Game.SonderspieleAnzahl += count;
    Play->SpecialGamesCredited(count);
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
                                               FormatWithMask(Money.Spielgeld, kGeldMaske));
}

void TForm1::DrawSpecialGames() {
    SonderSpieleAnzeige->Canvas().TextOut(Game.SonderspieleTextX, Game.SonderspieleTextY,
                                          FormatWithMask(Game.SonderspieleAnzahl, kSonderspieleMaske));
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
