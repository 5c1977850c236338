// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A multi-line text field showing its lines.
#include "toolkit/control.h"
#include "toolkit/stringlist.h"

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    TStringList& Lines() { return lines_; }
    bool ReadOnly = false;
    bool WordWrap = true;
    bool CanFocus() const override { return true; }
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;

private:
    TStringList lines_;
};
