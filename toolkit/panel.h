// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Panels (containers with a colour and an optional bevel) and bevels.
#include "toolkit/control.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);
    TBevelCut BevelOuter = TBevelCut::bvRaised;
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;
};

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TControl {
public:
    explicit TBevel(TComponent* owner);
    TBevelShape Shape = TBevelShape::bsBox;
    TBevelStyle Style = TBevelStyle::bsLowered;
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;
};
