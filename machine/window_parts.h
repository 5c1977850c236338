// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one factory for every window's components: each is made with a name, a parent, a
// place and a look, so that a window's layout reads as a list of rows.
#include <string>

#include "toolkit/buttons.h"
#include "toolkit/checkbox.h"
#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"

struct Place {
    int left, top, width, height;
};

// How a picture shows; the flags are or'ed. Artwork loads the built-in picture of the
// component's name.
namespace look {
enum : unsigned { AutoSize = 1, Stretch = 2, Transparent = 4, Artwork = 8, Hidden = 16 };
}

// Bold text 11 pixels high, unless another height is given.
TFont BoldFont(TColor color = clBlack, int height = 11);

// The built-in picture of that name. Every name asked for is built in, so a missing one
// is a fault of the build and throws.
void LoadArtwork(TPicture& picture, const std::string& name);

// A component of the form, shown in `parent` (the form itself when none is given).
template <class C>
C* MakeControl(TForm& form, const char* name, Place at, TWinControl* parent = nullptr) {
    auto* c = new C(&form);
    c->SetName(name);
    c->SetParent(parent ? parent : &form);
    c->SetBounds(at.left, at.top, at.width, at.height);
    return c;
}

TImage* MakePicture(TForm& form, const char* name, Place at, unsigned looks, const std::string& hint = "");
// A label that shows its own name until it is given a text; it grows and shrinks with its text.
TLabel* MakeNamedLabel(TForm& form, const char* name, Place at);
TLabel* MakeDialogLabel(TForm& form, const char* name, Place at, const std::string& caption,
                        const TFont& font);
TBevel* MakeBevel(TForm& form, const char* name, Place at, TBevelShape shape, TBevelStyle style);
TButton* MakeDialogButton(TForm& form, const char* name, Place at, const std::string& caption);
// A label of fixed size: the text is aligned, or wrapped, inside its place.
TLabel* MakeFixedLabel(TForm& form, const char* name, Place at, const std::string& caption, const TFont& font,
                       TAlignment alignment = TAlignment::taLeftJustify, bool wordWrap = false);
// A check box with a bold caption.
TCheckBox* MakeSwitch(TForm& form, const char* name, Place at, const std::string& caption);
// A flat button with a bold caption: it takes no focus, so a window's tab order stays as it is.
TSpeedButton* MakeFlatButton(TForm& form, const char* name, Place at, const std::string& caption, TColor color,
                             const std::string& hint);
// A button with the built-in picture of its name as its glyph.
TBitBtn* MakeGlyphButton(TForm& form, TWinControl& parent, const char* name, Place at, const std::string& hint);
