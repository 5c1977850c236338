// SPDX-License-Identifier: GPL-3.0-or-later
// The player's name: asked at the menu's first showing, at most 20 characters.
#include <string>

#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "machine/name_dlg.h"
#include "machine/settings_store.h"
#include "support/text_util.h"
#include "toolkit/application.h"
#include "toolkit/edit.h"
#include "toolkit/font.h"

namespace {

constexpr int kMaxNameCharacters = 20;
const std::string kPreviousPlayer = "Vorheriger Spieler: ";

// The first n characters of a UTF-8 text; a character is never split.
std::string FirstCharacters(const std::string& text, int n) {
    std::size_t end = 0;
    for (int i = 0; i < n && end < text.size(); ++i) NextCodePoint(text, end);
    return text.substr(0, end);
}

bool Blank(const std::string& name) { return TrimBlanks(name).empty(); }

void OfferPreviousPlayer(TNameEingabeDlg& dlg, const std::string& iniFile) {
    const std::string previous = settings::ReadIniKey(iniFile, settings::kPlayerKey);
    if (previous.empty()) {
        dlg.Label2->SetCaption("");
        return;
    }
    dlg.Label2->SetCaption(kPreviousPlayer + previous);
    dlg.Label2->Show();
    dlg.Button1->Show();
}

}  // namespace

// Typing already sets the name, so a dialog closed without OK keeps what was typed; it
// comes back until the name is more than blanks.
void TMenueDlg::AskPlayerName() {
    TNameEingabeDlg& dlg = *NameEingabeDlg;
    std::string& name = Form1->Program.SpielerName;
    OfferPreviousPlayer(dlg, Form1->Program.IniDateiName);
    bool blank = Blank(dlg.Edit1->Text());
    while (blank && !Application->Terminated()) {
        dlg.Edit1->SetFocus();
        if (dlg.ShowModal() == mrOk) name = dlg.Edit1->Text();
        blank = Blank(name);
    }
    // Kept at once, as the cash box is with every move: the end's save may not land (a page
    // going away, a kill), and the next start offers this name.
    if (!blank) Form1->SavePlayerName();
}

void TNameEingabeDlg::OKBtnClick(TObject*) {
    SetModalResult(mrOk);
}

void TNameEingabeDlg::Button1Click(TObject*) {
    const std::string& caption = Label2->Caption();
    Edit1->SetText(caption.size() > kPreviousPlayer.size() ? caption.substr(kPreviousPlayer.size()) : "");
    Form1->Program.SpielerName = Edit1->Text();
}

void TNameEingabeDlg::Edit1Change(TObject*) {
    std::string text = Edit1->Text();
    if (Utf8Length(text) > kMaxNameCharacters) {
        text = FirstCharacters(text, kMaxNameCharacters);
        Edit1->SetText(text);
    }
    Form1->Program.SpielerName = text;
}
