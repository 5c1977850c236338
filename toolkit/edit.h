// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line edit field: UTF-8 typing, caret, Backspace and Delete, and a change
// event on every change of the text, programmatic ones included.
#include "toolkit/control.h"

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& t);
    int MaxLength = 0;  // in characters; 0 = no limit
    bool ReadOnly = false;
    TNotifyEvent OnChange;

    bool CanFocus() const override { return true; }
    bool KeyDown(Word& key, TShiftState shift) override;
    void TextInput(const std::string& text) override;
    bool TakesText() const override { return !ReadOnly; }
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;

private:
    void Changed();
    std::size_t ByteOffset(int chars) const;
    int Length() const;

    std::string text_;
    int caret_ = 0;
};

// The number of code points in a UTF-8 text.
int Utf8Length(const std::string& s);
