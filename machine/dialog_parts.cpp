#include "machine/dialog_parts.h"

TFont BoldFont(TColor color, int height) {
    TFont font;
    font.Height = height;
    font.Style = fsBold;
    font.Color = color;
    return font;
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
