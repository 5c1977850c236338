#pragma once
// Small makers for the dialogs' components: a name, a parent, a place and a look.
#include <string>

#include "toolkit/buttons.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"

struct Place {
    int left, top, width, height;
};

// Bold text 11 pixels high, unless another height is given.
TFont BoldFont(TColor color = clBlack, int height = 11);

TLabel* MakeDialogLabel(TForm& form, const char* name, Place at, const std::string& caption,
                        const TFont& font);
TBevel* MakeBevel(TForm& form, const char* name, Place at, TBevelShape shape, TBevelStyle style);
TButton* MakeDialogButton(TForm& form, const char* name, Place at, const std::string& caption);

template <class C>
C* MakeControl(TForm& form, const char* name, Place at) {
    auto* c = new C(&form);
    c->SetName(name);
    c->SetParent(&form);
    c->SetBounds(at.left, at.top, at.width, at.height);
    return c;
}
