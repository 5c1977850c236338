// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/window_parts.h"

#include <stdexcept>

#include "support/resource.h"

TFont BoldFont(TColor color, int height) {
    TFont font;
    font.Height = height;
    font.Style = fsBold;
    font.Color = color;
    return font;
}

void LoadArtwork(TPicture& picture, const std::string& name) {
    const Resource* r = FindResource(name);
    if (!r) throw std::runtime_error("Bild fehlt im Programm: " + name);
    picture.LoadFromMemory(r->data, r->size, name);
}

TImage* MakePicture(TForm& form, const char* name, Place at, unsigned looks, const std::string& hint) {
    auto* image = MakeControl<TImage>(form, name, at);
    image->SetAutoSize(looks & look::AutoSize);
    image->SetStretch(looks & look::Stretch);
    image->SetTransparent(looks & look::Transparent);
    if (looks & look::Artwork) LoadArtwork(image->Picture(), name);
    image->SetVisible(!(looks & look::Hidden));
    image->SetHint(hint);
    return image;
}

TLabel* MakeNamedLabel(TForm& form, const char* name, Place at) {
    auto* label = MakeControl<TLabel>(form, name, at);
    label->SetCaption(name);
    return label;
}

TLabel* MakeDialogLabel(TForm& form, const char* name, Place at, const std::string& caption,
                        const TFont& font) {
    auto* label = MakeControl<TLabel>(form, name, at);
    label->SetFont(font);
    label->SetCaption(caption);
    return label;
}

TBevel* MakeBevel(TForm& form, const char* name, Place at, TBevelShape shape, TBevelStyle style) {
    auto* bevel = MakeControl<TBevel>(form, name, at);
    bevel->Shape = shape;
    bevel->Style = style;
    return bevel;
}

TButton* MakeDialogButton(TForm& form, const char* name, Place at, const std::string& caption) {
    auto* button = MakeControl<TButton>(form, name, at);
    button->SetFont(BoldFont());
    button->SetCaption(caption);
    return button;
}

TBitBtn* MakeGlyphButton(TForm& form, TWinControl& parent, const char* name, Place at, const std::string& hint) {
    auto* button = MakeControl<TBitBtn>(form, name, at, &parent);
    button->SetHint(hint);
    TPicture glyph;
    LoadArtwork(glyph, name);
    button->Glyph().Assign(glyph.Bitmap());
    return button;
}

TLabel* MakeFixedLabel(TForm& form, const char* name, Place at, const std::string& caption, const TFont& font,
                       TAlignment alignment, bool wordWrap) {
    TLabel* label = MakeDialogLabel(form, name, at, caption, font);
    label->SetAutoSize(false);
    label->SetBounds(at.left, at.top, at.width, at.height);
    label->Alignment = alignment;
    label->WordWrap = wordWrap;
    return label;
}

TCheckBox* MakeSwitch(TForm& form, const char* name, Place at, const std::string& caption) {
    auto* box = MakeControl<TCheckBox>(form, name, at);
    box->SetFont(BoldFont());
    box->SetCaption(caption);
    return box;
}

TSpeedButton* MakeFlatButton(TForm& form, const char* name, Place at, const std::string& caption, TColor color,
                             const std::string& hint) {
    auto* button = MakeControl<TSpeedButton>(form, name, at);
    button->SetFont(BoldFont(color));
    button->SetCaption(caption);
    button->SetHint(hint);
    return button;
}
