// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modal dialog that asks for the player's name.
#include "toolkit/buttons.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"

class TNameEingabeDlg : public TForm {
public:
    explicit TNameEingabeDlg(TComponent* owner);
    ~TNameEingabeDlg() override;

    TBevel* Bevel1;
    TLabel* Label2;
    TButton* Button1;
    TLabel* Label1;
    TEdit* Edit1;
    TButton* OKBtn;

    // Built and laid out in machine/; the handlers are defined in money/.
    void OKBtnClick(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Edit1Change(TObject* Sender);
};

extern TNameEingabeDlg* NameEingabeDlg;
