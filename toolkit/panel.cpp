// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/panel.h"

#include "toolkit/blit.h"
#include "toolkit/buttons.h"

TPanel::TPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    TRect r = Bounds(origin.X, origin.Y, Width(), Height());
    FillRect(target, r.Intersect(clip), Color);
    if (BevelOuter == TBevelCut::bvRaised) Frame3D(target, r, clBtnHighlight, clBtnShadow, clip);
    if (BevelOuter == TBevelCut::bvLowered) Frame3D(target, r, clBtnShadow, clBtnHighlight, clip);
    DrawCaption(target, r, Font(), Caption(), clip);
    PaintChildren(target, origin, r.Intersect(clip));
}

TBevel::TBevel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    TRect r = Bounds(origin.X, origin.Y, Width(), Height());
    TColor first = Style == TBevelStyle::bsLowered ? clBtnShadow : clBtnHighlight;
    TColor second = Style == TBevelStyle::bsLowered ? clBtnHighlight : clBtnShadow;
    auto line = [&](TRect a, TRect b) {
        FillRect(target, a.Intersect(clip), first);
        FillRect(target, b.Intersect(clip), second);
    };
    switch (Shape) {
        case TBevelShape::bsBox:
            Frame3D(target, r, first, second, clip);
            break;
        case TBevelShape::bsFrame:
            Frame3D(target, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, first, first, clip);
            Frame3D(target, {r.Left + 1, r.Top + 1, r.Right, r.Bottom}, second, second, clip);
            break;
        case TBevelShape::bsTopLine:
            line({r.Left, r.Top, r.Right, r.Top + 1}, {r.Left, r.Top + 1, r.Right, r.Top + 2});
            break;
        case TBevelShape::bsBottomLine:
            line({r.Left, r.Bottom - 2, r.Right, r.Bottom - 1}, {r.Left, r.Bottom - 1, r.Right, r.Bottom});
            break;
        case TBevelShape::bsLeftLine:
            line({r.Left, r.Top, r.Left + 1, r.Bottom}, {r.Left + 1, r.Top, r.Left + 2, r.Bottom});
            break;
        case TBevelShape::bsRightLine:
            line({r.Right - 2, r.Top, r.Right - 1, r.Bottom}, {r.Right - 1, r.Top, r.Right, r.Bottom});
            break;
        case TBevelShape::bsSpacer:
            break;
    }
}
