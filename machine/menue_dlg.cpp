// SPDX-License-Identifier: GPL-3.0-or-later
// The menu dialog's components with their texts, looks and places.
#include "machine/menue_dlg.h"

#include "machine/denominations.h"
#include "machine/form1.h"
#include "machine/window_parts.h"

TMenueDlg* MenueDlg = nullptr;

namespace {

// The menu's switches start switched on, in their own tab order.
TCheckBox* MakeMenuSwitch(TForm& form, const char* name, Place at, const char* caption, int tabOrder) {
    TCheckBox* box = MakeSwitch(form, name, at, caption);
    box->SetChecked(true);
    box->TabOrder = tabOrder;
    return box;
}

}  // namespace

TMenueDlg::TMenueDlg(TComponent* owner) : TForm(owner) {
    SetName("MenueDlg");
    BorderStyle = TFormBorderStyle::bsDialog;
    FormStyle = TFormStyle::fsStayOnTop;
    Position = TPosition::poScreenCenter;
    SetCaption("Tresolo Version 2.5");
    SetClientSize(717, 435);
    Bevel1 = MakeBevel(*this, "Bevel1", {3, 3, 711, 422}, TBevelShape::bsFrame, TBevelStyle::bsLowered);
    Label1 = MakeDialogLabel(*this, "Label1", {74, 16, 517, 24},
                             "Klicken Sie den Betrag an, mit dem Sie spielen wollen! ", BoldFont(clBlue, 19));
    CreateMoneyPictures();
    CreateSwitches();
    CreateLowerPart();
    BindHandlers();
}

void TMenueDlg::BindHandlers() {
    OnCreate = Handler(this, &TMenueDlg::FormCreate);
    OnShow = Handler(this, &TMenueDlg::FormShow);
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    InputGate& gate = Form1->Gate;
    CancelBtn->OnClick = Gated(gate, Input::MenuOk, this, &TMenueDlg::CancelBtnClick);
    ButtonGibsGeldHer->OnClick = Gated(gate, Input::Payout, this, &TMenueDlg::ButtonGibsGeldHerClick);
    ButtonRisiko->OnClick = Gated(gate, Input::RiskSwitch, this, &TMenueDlg::ButtonRisikoClick);
    AutoStartCheckBox->OnClick = Gated(gate, Input::AutoStartSwitch, this, &TMenueDlg::AutoStartCheckBoxClick);
    Button1->OnClick = Gated(gate, Input::MenuHelp, this, &TMenueDlg::Button1Click);
    Button2->OnClick = Gated(gate, Input::MenuQuit, this, &TMenueDlg::Button2Click);
    PC_LautsprHoeren->OnClick = Gated(gate, Input::SoundSwitch, this, &TMenueDlg::PC_LautsprHoerenClick);
    LogDateiSpeichern->OnClick = Gated(gate, Input::LogSwitch, this, &TMenueDlg::LogDateiSpeichernClick);
    StatistikBtn->OnClick = Gated(gate, Input::Statistics, this, &TMenueDlg::StatistikBtnClick);
    for (const Denomination& m : kDenominations)
        (this->*m.picture)->OnClick = Gated(gate, Input::Deposit, this, m.click);
}

void TMenueDlg::CreateMoneyPictures() {
    for (const Denomination& m : kDenominations) {
        const unsigned looks = look::Stretch | look::Artwork | (m.coin ? look::Transparent : 0u);
        this->*m.picture = MakePicture(*this, m.name, m.at, looks);
    }
}

void TMenueDlg::CreateSwitches() {
    Bevel5 = MakeBevel(*this, "Bevel5", {464, 174, 233, 96}, TBevelShape::bsBox, TBevelStyle::bsLowered);
    AutoStartCheckBox = MakeMenuSwitch(*this, "AutoStartCheckBox", {471, 185, 218, 14}, "Automatischer Start", 5);
    AutoStartCheckBox->Alignment = TAlignment::taLeftJustify;
    PC_LautsprHoeren =
        MakeMenuSwitch(*this, "PC_LautsprHoeren", {471, 206, 218, 17}, "Geräusche (PC-Lautsprecher) ein", 1);
    LogDateiSpeichern = MakeMenuSwitch(*this, "LogDateiSpeichern", {471, 229, 218, 17}, "Auswertung speichern", 3);
    AutomatenGeldspeicherAnzeige =
        MakeDialogLabel(*this, "AutomatenGeldspeicherAnzeige", {473, 256, 40, 13}, "100,00", BoldFont(clRed));
    LabelEurostand = MakeDialogLabel(*this, "LabelEurostand", {537, 256, 141, 13}, "Euros in der Schatztruhe",
                                     BoldFont(clRed));
}

void TMenueDlg::CreateLowerPart() {
    Bevel2 = MakeBevel(*this, "Bevel2", {5, 276, 701, 4}, TBevelShape::bsTopLine, TBevelStyle::bsRaised);
    Label2 = MakeDialogLabel(*this, "Label2", {71, 294, 549, 13},
                             "Tastaturbefehle sind: [Esc] = Programm beenden, [Enter] oder [Leertaste] = "
                             "Spielstart bzw. Stop.",
                             BoldFont());
    Bevel3 = MakeBevel(*this, "Bevel3", {5, 316, 699, 4}, TBevelShape::bsTopLine, TBevelStyle::bsRaised);
    Bevel4 = MakeBevel(*this, "Bevel4", {430, 328, 4, 96}, TBevelShape::bsLeftLine, TBevelStyle::bsRaised);
    BisherEingezahltLabel1 =
        MakeDialogLabel(*this, "BisherEingezahltLabel1", {6, 334, 6, 16}, "-", BoldFont(clRed, 13));
    Memo1 = MakeControl<TMemo>(*this, "Memo1", {328, 350, 89, 47});
    Memo1->SetVisible(false);
    Memo1->ReadOnly = true;
    Memo1->WordWrap = false;
    Memo1->TabOrder = 2;
    ButtonRisiko = MakeFlatButton(*this, "ButtonRisiko", {448, 332, 121, 37}, "Risikospiel ist ein", clBlack,
                                  "Risiko: Doppelter Gewinn, einfacher oder nichts");
    ButtonGibsGeldHer = MakeFlatButton(*this, "ButtonGibsGeldHer", {576, 332, 121, 37}, "Auszahlung", clBlue,
                                       "Guthaben wird ausbezahlt");
    Button2 = MakeDialogButton(*this, "Button2", {448, 380, 121, 37}, "Programm beenden");
    Button2->TabOrder = 6;
    Button1 = MakeDialogButton(*this, "Button1", {576, 380, 51, 37}, "Hilfe");
    Button1->TabOrder = 4;
    CancelBtn = MakeDialogButton(*this, "CancelBtn", {640, 380, 57, 37}, "Ok");
    CancelBtn->SetHint("Schließt das Menü");
    CancelBtn->Cancel = true;
    CancelBtn->TabOrder = 0;
    // Below the debt line, left of the separator, where no other control stands.
    StatistikBtn = MakeFlatButton(*this, "StatistikBtn", {6, 380, 121, 37}, "Statistik", clBlack,
                                  "Zeigt die Spielstatistik und den Spielerschutz (F2)");
}

TMenueDlg::~TMenueDlg() {
    if (MenueDlg == this) MenueDlg = nullptr;
}
