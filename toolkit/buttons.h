// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Push buttons, glyph buttons and flat buttons.
#include "toolkit/control.h"
#include "toolkit/graphics.h"

// A push button: caption, default and cancel roles, modal result.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    bool Default = false;
    bool Cancel = false;
    TModalResult ModalResult = mrNone;

    bool CanFocus() const override { return true; }
    void Click() override;
    bool KeyDown(Word& key, TShiftState shift) override;
    bool KeyUp(Word& key, TShiftState shift) override;
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;
    // Draws the face with its caption; subclasses add their glyph.
    virtual void PaintFace(PixelBuffer& target, const TRect& r, const TRect& clip);
};

// A button with a glyph bitmap; the glyph's bottom-left colour is left out.
class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
    TBitmap& Glyph() { return glyph_; }
    void PaintFace(PixelBuffer& target, const TRect& r, const TRect& clip) override;

private:
    TBitmap glyph_;
};

// A flat button that never takes the focus; its frame shows while the pointer is on it.
class TSpeedButton : public TControl {
public:
    explicit TSpeedButton(TComponent* owner);
    bool Flat = true;
    TBitmap& Glyph() { return glyph_; }
    void MouseEnter() override;
    void MouseLeave() override;
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;

private:
    TBitmap glyph_;
    bool hot_ = false;
};

// Draws a caption centred in r; an '&' marks the next letter as accelerator (underlined).
void DrawCaption(PixelBuffer& target, const TRect& r, const TFont& font, const std::string& caption,
                 const TRect& clip);
// The accelerator letter of a caption ("&Ja" gives 'j'), or 0.
char AcceleratorOf(const std::string& caption);
