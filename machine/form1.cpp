// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as an object: its look, its components and which handler runs when.
#include "machine/form1.h"

#include "toolkit/application.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner, PlatformServices services) : TForm(owner), Services(std::move(services)) {
    SetName("Form1");
    BorderStyle = TFormBorderStyle::bsNone;
    Color = clBlack;
    SetCaption("Form1");
    Font().Height = 11;
    KeyPreview = true;
    SetBounds(54, 24, 820, 649);
    CreateScene();
    BindHandlers();
    Kept.Follow(Money);
}

TForm1::~TForm1() {
    delete AuszahlungsListe;
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::BindHandlers() {
    OnCreate = Handler(this, &TForm1::FormCreate);
    OnPaint = Handler(this, &TForm1::FormPaint);
    OnClose = [this](TObject* sender, TCloseAction& action) {
        Gate.Run(Input::Close, [&] { FormClose(sender, action); });
    };
    OnDestroy = Handler(this, &TForm1::FormDestroy);
    UhrzeitTimer->OnTimer = Gated(Gate, Input::Clock, this, &TForm1::UhrzeitTimerTimer);
    AufloesungsTimer->OnTimer = Gated(Gate, Input::ResolutionChange, this, &TForm1::AufloesungsTimerTimer);
    HilfeBtn->OnClick = Gated(Gate, Input::HilfeBtn, this, &TForm1::HilfeBtnClick);
    Timer4->OnTimer = Gated(Gate, Input::Shark, this, &TForm1::Timer4Timer);
    PausenTimer->OnTimer = Gated(Gate, Input::AttractShow, this, &TForm1::PausenTimerTimer);
    Timer1->OnTimer = Gated(Gate, Input::ReelTimer, this, &TForm1::Timer1Timer);
    Timer2->OnTimer = Gated(Gate, Input::ReelTimer, this, &TForm1::Timer2Timer);
    Timer3->OnTimer = Gated(Gate, Input::ReelTimer, this, &TForm1::Timer3Timer);
    GewinnLeiste00Timer->OnTimer = Gated(Gate, Input::LadderTimer, this, &TForm1::GewinnLeiste00TimerTimer);
    GewinnLeisteTimer2->OnTimer = Gated(Gate, Input::LadderTimer, this, &TForm1::GewinnLeisteTimer2Timer);
    StartBtn->OnClick = Gated(Gate, Input::StartBtn, this, &TForm1::StartBtnClick);
    StopWalzenBtn->OnClick = Gated(Gate, Input::StopWalzenBtn, this, &TForm1::StopWalzenBtnClick);
    MenueBtn->OnClick = Gated(Gate, Input::MenueBtn, this, &TForm1::MenueBtnClick);
    StopBtn1->OnClick = Gated(Gate, Input::StopBtn1, this, &TForm1::StopBtn1Click);
    StopBtn2->OnClick = Gated(Gate, Input::StopBtn2, this, &TForm1::StopBtn2Click);
    EinzahlenButton->OnClick = Handler(this, &TForm1::EinzahlenButtonClick);
    AuszahlenButton->OnClick = Gated(Gate, Input::Payout, this, &TForm1::AuszahlenButtonClick);
    OnKeyDown = [this](TObject* sender, Word& key, TShiftState shift) { FormKeyDown(sender, key, shift); };
    Flagge->OnClick = Gated(Gate, Input::Flagge, this, &TForm1::FlaggeClick);
}
