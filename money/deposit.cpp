// SPDX-License-Identifier: GPL-3.0-or-later
// Deposits: the twelve notes and coins of the menu, and the animation that sinks them.
#include <string>

#include "machine/denominations.h"
#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "machine/scene_geometry.h"
#include "toolkit/dialogs.h"

namespace {

// Above this whole-euro credit the machine refuses notes and coins from 50 cents up.
constexpr int kEuroLimit = 10000;
// Coins (kCoinHeightMax, a picture of exactly that height included, so that it shrinks like
// one) sink transparently, shrink less and ring.
constexpr int kNoteShrink = 13, kLargeCoinShrink = 5, kSmallCoinShrink = 4;
constexpr int kLargeCoinHeight = 65;
constexpr int kSmallestFallStep = 18, kSmallChestFallStep = 16;
constexpr int kShowMs = 500, kSinkStepMs = 50, kAfterDepositMs = 2000;

int WholeEuros(const EuroDecimal& amount) {
    const std::string text = amount.ToFixed(2);
    return std::stoi(text.substr(0, text.find(',')));
}

std::string DebtLine(const std::string& player, const EuroDecimal& debt) {
    return player + " schuldet dem Tresolo " + debt.ToFixed(2) + " Euro.";
}

// Too much credit: nothing is taken, the menu closes and automatic play goes on.
void Refuse(TForm1& f) {
    ShowInformation("Sie haben schon genug eingezahlt! Einzahlung wird abgelehnt.");
    f.EinzahlenButtonClick(nullptr);
    if (AutoStartSwitchedOn()) f.RequestAutoStart();
}

void Book(TMenueDlg& menu, TForm1& f, const EuroDecimal& amount) {
    if (!f.Money.Deposit(amount)) return;
    menu.BisherEingezahltLabel1->SetCaption(DebtLine(f.Program.SpielerName, f.Money.Schulden()));
    f.DrawCredit();
    menu.AutomatenGeldspeicherAnzeige->SetCaption(f.Money.Automatenkasse().ToFixed(2));
}

// The amount is booked only after the picture has sunk into the machine; until then it
// counts for the player's own limit, so that a deposit made meanwhile cannot pass it.
void Deposit(TMenueDlg& menu, const Denomination& d) {
    TForm1& f = *Form1;
    if (d.limitChecked) {
        f.Game.SpielgeldEuroGanz = WholeEuros(f.Money.Spielgeld());
        if (f.Game.SpielgeldEuroGanz > kEuroLimit) {
            Refuse(f);
            return;
        }
    }
    const EuroDecimal value = EuroDecimal::Parse(d.amount);
    if (const Outcome allowed = f.Play->DepositAllowed(value, f.Money.Sinking()); !allowed) {
        ShowInformation(allowed.reason);
        return;
    }
    f.Money.DepositSinking(value);
    f.Schein->Picture().Assign((menu.*d.picture)->Picture().Bitmap());
    f.EinzahlenButtonClick(nullptr);
    Book(menu, f, value);
    f.MachPause1->Pause(kAfterDepositMs);
    if (AutoStartSwitchedOn())
        f.RequestAutoStart();
    else
        f.StartBtn->SetFocus();
}

// The sinking picture's size from its bitmap's, and how much it shrinks per step.
struct Sinking {
    int width, height, shrink;
};

Sinking SinkingOf(int pictureWidth, int pictureHeight) {
    const int pw = pictureWidth, ph = pictureHeight;
    if (ph > kCoinHeightMax) return {pw / 2 + pw / 3, ph / 2 + ph / 5, kNoteShrink};
    return {pw / 2 + pw / 4, ph - ph / 4, ph >= kLargeCoinHeight ? kLargeCoinShrink : kSmallCoinShrink};
}

}  // namespace

// One handler per picture; its amount and limit are the table's.
#define DEPOSIT(picture) \
    void TMenueDlg::picture##Click(TObject*) { Deposit(*this, DenominationOf(&TMenueDlg::picture)); }
DEPOSIT(Button_500_Euro)
DEPOSIT(Button_200_Euro)
DEPOSIT(Button_100_Euro)
DEPOSIT(Button_50_Euro)
DEPOSIT(Button_20_Euro)
DEPOSIT(Button_10_Euro)
DEPOSIT(Button_5_Euro)
DEPOSIT(Button_2_Euro)
DEPOSIT(Button_1_Euro)
DEPOSIT(Button_50_Cent)
DEPOSIT(Button_20_Cent)
DEPOSIT(Button_10_Cent)
#undef DEPOSIT

// The deposited note or coin appears below the ladders' middle and sinks into the chest.
void TForm1::EinzahlenButtonClick(TObject*) {
    Game.RuhePhaseErlaubt = false;
    PausenTimer->SetEnabled(false);
    if (MenueDlg) MenueDlg->Close();
    if (Game.SpielgeldEuroGanz > kEuroLimit) return;

    const int ph = Schein->Picture().Height();
    const bool coin = ph <= kCoinHeightMax;
    const Sinking s = SinkingOf(Schein->Picture().Width(), ph);
    Schein->SetTransparent(coin);
    Schein->SetBounds(Width() - Width() / 2 - s.width / 2, ImageRisiko->Top(), s.width, s.height);
    Schein->Show();
    MachPause1->Pause(kShowMs);

    int& fall = Chest.ScheinFallSchritt;
    if (fall < kSmallestFallStep) fall = kSmallChestFallStep;
    while (Schein->Height() > 0) {
        Schein->SetBounds(Schein->Left(), Schein->Top() + fall, Schein->Width(), Schein->Height() - s.shrink);
        MachPause1->Pause(kSinkStepMs);
    }
    Schein->Hide();
    Schein->SetHeight(ph);
    if (coin) PlayCoinSound();
    PausenTimer->SetEnabled(true);
}
