// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu dialog: deposits, payout, the switches, help and quit. It stays on top of
// the main window without blocking it.
#include "toolkit/buttons.h"
#include "toolkit/checkbox.h"
#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/memo.h"
#include "toolkit/panel.h"

class TMenueDlg : public TForm {
public:
    explicit TMenueDlg(TComponent* owner);
    ~TMenueDlg() override;

    TBevel* Bevel1;
    TLabel* Label1;
    TImage *Button_500_Euro, *Button_200_Euro, *Button_100_Euro, *Button_50_Euro;
    TImage *Button_20_Euro, *Button_10_Euro, *Button_5_Euro;
    TImage *Button_2_Euro, *Button_1_Euro, *Button_50_Cent, *Button_20_Cent, *Button_10_Cent;
    TBevel* Bevel5;
    TCheckBox *AutoStartCheckBox, *PC_LautsprHoeren, *LogDateiSpeichern;
    TLabel *AutomatenGeldspeicherAnzeige, *LabelEurostand;
    TBevel* Bevel2;
    TLabel* Label2;
    TBevel *Bevel3, *Bevel4;
    TLabel* BisherEingezahltLabel1;
    TMemo* Memo1;
    TSpeedButton *ButtonRisiko, *ButtonGibsGeldHer, *StatistikBtn;
    TButton *Button2, *Button1, *CancelBtn;

    // Built and laid out in machine/; every handler below is defined in money/.

    // Opening and closing, and the buttons.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void CancelBtnClick(TObject* Sender);
    void ButtonGibsGeldHerClick(TObject* Sender);
    void ButtonRisikoClick(TObject* Sender);
    void AutoStartCheckBoxClick(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    // The stored switches: "1" or "0" in the settings on every change.
    void PC_LautsprHoerenClick(TObject* Sender);
    void LogDateiSpeichernClick(TObject* Sender);
    void StatistikBtnClick(TObject* Sender);

    // The deposits.
    void Button_500_EuroClick(TObject* Sender);
    void Button_200_EuroClick(TObject* Sender);
    void Button_100_EuroClick(TObject* Sender);
    void Button_50_EuroClick(TObject* Sender);
    void Button_20_EuroClick(TObject* Sender);
    void Button_10_EuroClick(TObject* Sender);
    void Button_5_EuroClick(TObject* Sender);
    void Button_2_EuroClick(TObject* Sender);
    void Button_1_EuroClick(TObject* Sender);
    void Button_50_CentClick(TObject* Sender);
    void Button_20_CentClick(TObject* Sender);
    void Button_10_CentClick(TObject* Sender);

    // The player's name, asked at the first showing in a run.
    void AskPlayerName();

private:
    // The layout and which handler runs when: machine/.
    void BindHandlers();
    void CreateMoneyPictures();
    void CreateSwitches();
    void CreateLowerPart();
};

extern TMenueDlg* MenueDlg;

// The menu's switches, read afresh at every call; all off before the menu exists.
// Defined in machine/.
bool AutoStartSwitchedOn();
bool SpeakerSwitchedOn();
bool DebtLogSwitchedOn();
