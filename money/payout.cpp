// SPDX-License-Identifier: GPL-3.0-or-later
// The payout: the debt offset against the credit, the result, the notes and coins thrown out.
#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "machine/scene_geometry.h"
#include "machine/settings_store.h"
#include "money/payout_pieces.h"
#include "support/decimal_mask.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

namespace {

constexpr int kThrowStepMs = 20;
constexpr int kSharkMs = 1000;
constexpr int kBeforePayoutMs = 1000;  // from the button to the first question

// True when there are none, or the player lets them go.
bool SpecialGamesGivenUp(const TForm1& f) {
    const std::string count = f.Money.SonderspieleAnzahl().ToFixed(0);
    return count == "0" || AskConfirmation("Sie haben noch " + count + " Freispiele!" +
                                           " Die werden nicht ausbezahlt. Wollen Sie diese wirklich verfallen lassen?");
}

// The special games are gone; the cash box loses the whole credit.
void CloseTheAccount(TForm1& f) {
    f.SpielGeldSpeicherAnzeige->Canvas().TextOut(f.Program.SpielgeldTextX, f.Program.SpielgeldTextY,
                                                 FormatWithMask(f.Money.Spielgeld(), "########0,0"));
    f.Money.CloseAccount();
    f.DrawSpecialGames();
    MenueDlg->AutomatenGeldspeicherAnzeige->SetCaption(f.Money.Automatenkasse().ToFixed(2));
}

// The message's common start, up to the player's name.
std::string Settlement(const TForm1& f) {
    return "Schulden bisher " + f.Money.Schulden().ToFixed(2) + " Euro, diese werden mit dem Auszahlungsbetrag " +
           f.Money.Spielgeld().ToFixed(2) + " verrechnet! " + f.Program.SpielerName;
}

// The name, the cash box and the debt log are written before the result shows: a program
// closed or killed while the player reads it has kept them.
void KeepTheResult(TForm1& f, const std::string& amountText, const std::string& ending) {
    f.SavePlayerName();
    settings::WriteCashBoxText(settings::CashBoxTextAtPayout(f.Money.Automatenkasse()));
    if (DebtLogSwitchedOn()) f.AppendDebtLogEntry(amountText, ending);
}

// The credit does not cover the debt: the player is told what he still owes.
void SettleDebt(TForm1& f, const std::string& owed) {
    const std::string message = Settlement(f) + " hat noch " + owed + " Euro Schulden beim Tresolo!";
    KeepTheResult(f, owed, " Euro Schulden beim Tresolo gemacht!");
    ShowInformation(message);
}

// The credit covers the debt: what is left becomes the credit.
void SettleCredit(TForm1& f, const std::string& net) {
    const std::string message = Settlement(f) + " hat " + net + " Euro Guthaben beim Tresolo!";
    KeepTheResult(f, net, " Euro Guthaben beim Tresolo gemacht!");
    ShowInformation(message);
    f.Money.Settle();
    f.AnzeigeLoeschen();
    f.DrawCredit();
}

// The shark throws one note or coin out of the chest; the credit goes down by it.
void ThrowOut(TForm1& f, int piece) {
    TImage& money = *f.AuszahlungsImage;
    money.Picture().Assign((MenueDlg->*kPayoutPieces[piece].picture)->Picture());
    money.SetTransparent(IsCoinPicture(money));
    TImage& shark = MovingShark(f);
    shark.Show();
    PlaceMoneyPictureAtStart(f);
    money.Show();
    f.MachPause1->Pause(kSharkMs);
    shark.Hide();
    for (int step = 1; step <= kMoneyFlightSteps; ++step) {
        MoneyPictureFlightStep(f, step);
        f.MachPause1->Pause(kThrowStepMs);
    }
    money.Hide();
    f.Money.PayPiece(EuroDecimal::Parse(kPayoutPieces[piece].amount));
    if (kPayoutPieces[piece].clearsDisplay) f.AnzeigeLoeschen();
    f.DrawCredit();
}

}  // namespace

void TMenueDlg::ButtonGibsGeldHerClick(TObject* Sender) { Form1->AuszahlenButtonClick(Sender); }

// The payout runs alone: the book is closed to every other move from here, and the gate lets
// no other money move, game or quit start, until it has ended the program.
void TForm1::AuszahlenButtonClick(TObject*) {
    if (!Money.BeginPayout()) return;
    AuszahlungsListe->Clear();
    MenueDlg->Close();
    Game.RuhePhaseErlaubt = false;
    PausenTimer->SetEnabled(false);
    StopAttractShow();
    MachPause1->Pause(kBeforePayoutMs);
    if (!SpecialGamesGivenUp(*this)) {
        Money.GiveUpPayout();
        return;
    }
    CloseTheAccount(*this);
    const std::string net = (Money.Spielgeld() - Money.Schulden()).ToFixed(2);
    if (net.starts_with('-')) {
        SettleDebt(*this, net.substr(1));
        Application->Halt(0);
    }
    SettleCredit(*this, net);
    for (const std::string& name : PayoutPieceNames(Money.Spielgeld().ToFixed(2))) AuszahlungsListe->Add(name);
    for (int i = 0; i < AuszahlungsListe->Count(); ++i) ThrowOut(*this, PayoutPieceIndex(AuszahlungsListe->Strings(i)));
    Application->Halt(0);
}
