// SPDX-License-Identifier: GPL-3.0-or-later
// The name dialog's components with their texts and places.
#include "machine/name_dlg.h"

#include "machine/form1.h"
#include "machine/window_parts.h"

TNameEingabeDlg* NameEingabeDlg = nullptr;

TNameEingabeDlg::TNameEingabeDlg(TComponent* owner) : TForm(owner) {
    SetName("NameEingabeDlg");
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetCaption("Spielername-Eingabe");
    SetClientSize(313, 214);
    Bevel1 = MakeBevel(*this, "Bevel1", {8, 8, 297, 161}, TBevelShape::bsFrame, TBevelStyle::bsLowered);
    Label2 = MakeDialogLabel(*this, "Label2", {24, 40, 106, 13}, "Vorheriger Spieler:", BoldFont());
    Button1 = MakeDialogButton(*this, "Button1", {24, 64, 265, 25}, "Name übernehmen");
    Label1 = MakeDialogLabel(*this, "Label1", {24, 112, 161, 13}, "Geben Sie Ihren Namen ein:", BoldFont());
    Edit1 = MakeControl<TEdit>(*this, "Edit1", {24, 136, 265, 21});
    OKBtn = MakeDialogButton(*this, "OKBtn", {119, 180, 75, 25}, "OK");
    OKBtn->Default = true;
    OKBtn->ModalResult = mrOk;
    OKBtn->OnClick = Gated(Form1->Gate, Input::NameOk, this, &TNameEingabeDlg::OKBtnClick);
    Button1->OnClick = Gated(Form1->Gate, Input::NameTakeOver, this, &TNameEingabeDlg::Button1Click);
    Edit1->OnChange = Handler(this, &TNameEingabeDlg::Edit1Change);
}

TNameEingabeDlg::~TNameEingabeDlg() {
    if (NameEingabeDlg == this) NameEingabeDlg = nullptr;
}
