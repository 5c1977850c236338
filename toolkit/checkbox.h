// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A check box. Setting Checked in code runs the click handler, as a click does.
#include "toolkit/control.h"

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    // taLeftJustify puts the caption left of the box.
    TAlignment Alignment = TAlignment::taRightJustify;

    bool CanFocus() const override { return true; }
    void Click() override;
    bool KeyDown(Word& key, TShiftState shift) override;
    bool KeyUp(Word& key, TShiftState shift) override;
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;

private:
    bool checked_ = false;
    bool clicking_ = false;
};
