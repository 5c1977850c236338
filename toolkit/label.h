// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text label; it takes the size of its caption unless AutoSize is off.
#include "toolkit/control.h"

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);
    TColor Color = clBtnFace;
    bool Transparent = false;
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TAlignment Alignment = TAlignment::taLeftJustify;
    bool WordWrap = false;

    void SetCaption(std::string caption) override;
    void FitToCaption();
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;

private:
    bool autoSize_ = true;
};

// Splits text into lines no wider than `width` pixels (explicit line breaks kept).
std::vector<std::string> WrapText(const TFont& font, const std::string& text, int width);
