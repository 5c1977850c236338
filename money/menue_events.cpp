// SPDX-License-Identifier: GPL-3.0-or-later
// The menu dialog: opening, closing, the risk switch, the automatic start box, help, quit.
#include <string>

#include "machine/denominations.h"
#include "machine/form1.h"
#include "machine/game_rules.h"
#include "machine/menue_dlg.h"
#include "machine/scene_pictures.h"
#include "toolkit/dialogs.h"

namespace {

const char* const kCashBoxAfterEmptying = "100,00";

// Amounts are judged by their text: below a limit, the difference starts with "-".
bool AtLeast(const EuroDecimal& amount, std::string_view limit) {
    return (amount - EuroDecimal::Parse(limit)).ToShortest().front() != '-';
}

// From 10000,00 to 10999,99 euros the cash box is emptied down to 100 euros.
bool CashBoxFull(const std::string& text) {
    return text.find(',') == 5 && text.starts_with("10");
}

void EmptyCashBoxWhenFull(TMenueDlg& menu, Ledger& money) {
    const std::string text = money.Automatenkasse().ToFixed(2);
    if (!CashBoxFull(text)) return;
    ShowInformation("In der Automatenkasse sind " + text +
                    " Euro, sie muss geleert werden! 100 Euro verbleiben drin.");
    if (money.EmptyCashBox(EuroDecimal::Parse(kCashBoxAfterEmptying)))
        menu.AutomatenGeldspeicherAnzeige->SetCaption(kCashBoxAfterEmptying);
}

}  // namespace

void TMenueDlg::FormCreate(TObject*) {
    LedgerBalances opening = Form1->Money.Balances();
    opening.Schulden = EuroDecimal::Parse("0,0");
    Form1->Money.Open(opening);
}

void TMenueDlg::FormShow(TObject*) {
    GameState& g = Form1->Game;
    g.MenueOffen = true;
    if (g.SpielLaeuft) return;
    if (g.ErsterMenueAufruf) {
        AskPlayerName();
        g.ErsterMenueAufruf = false;
    }
    ButtonGibsGeldHer->SetVisible(AtLeast(Form1->Money.Spielgeld(), kSmallestAmount) || AtLeast(Form1->Money.SonderspieleAnzahl(), "1"));
    EmptyCashBoxWhenFull(*this, Form1->Money);
}

void TMenueDlg::FormClose(TObject*, TCloseAction&) {
    Form1->Game.RuhePhaseErlaubt = true;
    Form1->Game.MenueOffen = false;
    Form1->StartBtn->SetFocus();
}

// With the stake of one game left, automatic play goes on.
void TMenueDlg::CancelBtnClick(TObject*) {
    Close();
    if (!AtLeast(Form1->Money.Spielgeld(), kStakeText)) return;
    Form1->Game.MenueOffen = false;
    if (AutoStartCheckBox->Checked()) Form1->RequestAutoStart();
}

void TMenueDlg::ButtonRisikoClick(TObject*) {
    bool& on = Form1->Game.RisikospielEin;
    on = !on;
    TFont font = ButtonRisiko->Font();
    font.Color = on ? clBlack : RGB(128, 128, 128);
    ButtonRisiko->SetFont(font);
    ButtonRisiko->SetCaption(on ? "Risikospiel ist ein" : "Risikospiel ist aus");
    Form1->ImageRisiko->SetVisible(on);
}

// Without automatic start the start button lights up to ask for the next game.
void TMenueDlg::AutoStartCheckBoxClick(TObject*) {
    if (AutoStartCheckBox->Checked()) return;
    SetGlyph(*Form1->StartBtn, *Form1->StartAktImage);
}

void TMenueDlg::Button1Click(TObject*) {
    Form1->HilfeBtnClick(nullptr);
}

void TMenueDlg::Button2Click(TObject*) { Form1->AskToEndProgram(); }

void TMenueDlg::StatistikBtnClick(TObject*) { Form1->Play->ShowStatistics(); }
