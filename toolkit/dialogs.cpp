// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/dialogs.h"

#include <algorithm>
#include <cctype>

#include "toolkit/application.h"
#include "toolkit/blit.h"
#include "toolkit/buttons.h"
#include "toolkit/form.h"
#include "toolkit/label.h"

namespace {

std::string CaptionFor(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::mtInformation: return "Information";
        case TMsgDlgType::mtConfirmation: return "Bestätigung";
        case TMsgDlgType::mtWarning: return "Warnung";
        case TMsgDlgType::mtError: return "Fehler";
    }
    return "";
}

// The round symbol left of the text: "i" on blue, "?" on blue, "!" on yellow, "x" on red.
class TSymbol : public TControl {
public:
    TSymbol(TComponent* owner, TMsgDlgType type) : TControl(owner), type_(type) { SetBounds(14, 14, 32, 32); }
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override {
        TColor fill = type_ == TMsgDlgType::mtError     ? RGB(200, 30, 30)
                      : type_ == TMsgDlgType::mtWarning ? RGB(240, 200, 0)
                                                        : RGB(30, 90, 200);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                int dx = 2 * x - 31, dy = 2 * y - 31;
                if (dx * dx + dy * dy <= 31 * 31 && clip.Contains(origin.X + x, origin.Y + y))
                    target.setPixel(origin.X + x, origin.Y + y, ToBgr(fill));
            }
        TFont f;
        f.Name = "Liberation Serif";
        f.Height = 24;
        f.Style = fsBold;
        f.Color = type_ == TMsgDlgType::mtWarning ? clBlack : clWhite;
        const char* mark = type_ == TMsgDlgType::mtInformation  ? "i"
                           : type_ == TMsgDlgType::mtConfirmation ? "?"
                           : type_ == TMsgDlgType::mtWarning      ? "!"
                                                                  : "x";
        DrawCaption(target, Bounds(origin.X, origin.Y, 32, 32), f, mark, clip);
    }

private:
    TMsgDlgType type_;
};

class TMessageForm : public TForm {
public:
    TMessageForm(TComponent* owner, const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                 const std::string& caption)
        : TForm(owner) {
        BorderStyle = TFormBorderStyle::bsDialog;
        Position = TPosition::poScreenCenter;
        FormStyle = TFormStyle::fsStayOnTop;
        KeyPreview = true;
        SetCaption(caption.empty() ? CaptionFor(type) : caption);
        (new TSymbol(this, type))->SetParent(this);
        auto* label = new TLabel(this);
        label->SetParent(this);
        label->WordWrap = true;
        label->SetAutoSize(false);
        label->SetBounds(60, 16, 360, 13);
        label->SetCaption(text);
        label->FitToCaption();
        int textWidth = 0;
        for (const std::string& line : WrapText(label->Font(), text, 360))
            textWidth = std::max(textWidth, FontEngine::Instance().Measure(label->Font(), line).width);
        label->SetWidth(textWidth + 2);
        AddButtons(buttons);
        int buttonsWidth = static_cast<int>(buttons_.size()) * 83 - 8;
        int width = std::max({60 + textWidth + 20, buttonsWidth + 40, 180});
        int height = std::max(label->Top() + label->Height(), 46) + 20 + 25 + 14;
        SetClientSize(width, height);
        int x = (width - buttonsWidth) / 2;
        for (TButton* b : buttons_) {
            b->SetBounds(x, height - 25 - 12, 75, 25);
            x += 83;
        }
        OnKeyDown = [this](TObject*, Word& key, TShiftState shift) { Accelerator(key, shift); };
    }

private:
    void AddButtons(TMsgDlgButtons buttons) {
        struct Def { TMsgDlgBtn bit; const char* caption; TModalResult result; };
        static const Def defs[] = {{mbYes, "&Ja", mrYes}, {mbNo, "&Nein", mrNo},
                                   {mbOK, "OK", mrOk}, {mbCancel, "Abbrechen", mrCancel}};
        for (const Def& d : defs) {
            if (!(buttons & d.bit)) continue;
            auto* b = new TButton(this);
            b->SetParent(this);
            b->SetCaption(d.caption);
            b->ModalResult = d.result;
            b->TabOrder = static_cast<int>(buttons_.size());
            buttons_.push_back(b);
        }
        if (buttons_.empty()) return;
        buttons_.front()->Default = true;
        // Escape takes the cancelling answer: Abbrechen, else Nein, else the only button.
        TButton* cancel = buttons_.back();
        for (TButton* b : buttons_)
            if (b->ModalResult == mrCancel || (b->ModalResult == mrNo && cancel->ModalResult != mrCancel))
                cancel = b;
        if (buttons_.size() == 1 || cancel->ModalResult == mrCancel || cancel->ModalResult == mrNo)
            cancel->Cancel = true;
        SetActiveControl(buttons_.front());
    }

    void Accelerator(Word& key, TShiftState) {
        if (key < 'A' || key > 'Z') return;
        for (TButton* b : buttons_)
            if (AcceleratorOf(b->Caption()) == std::tolower(key)) {
                key = 0;
                b->Click();
                return;
            }
    }

    std::vector<TButton*> buttons_;
};

}  // namespace

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                        const std::string& caption) {
    auto* box = new TMessageForm(Application, text, type, buttons, caption);
    struct Free {
        TMessageForm* f;
        ~Free() { delete f; }
    } free{box};
    if (Application->OnMessageBox) Application->OnMessageBox(box->Caption(), text);
    return box->ShowModal();
}

void ShowInformation(const std::string& text) {
    MessageDlg(text, TMsgDlgType::mtInformation, mbOK);
}

bool AskConfirmation(const std::string& text) {
    return MessageDlg(text, TMsgDlgType::mtConfirmation, mbYes | mbNo) == mrYes;
}
