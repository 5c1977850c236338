// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/memo.h"

#include "toolkit/blit.h"

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 89);
    Color = clWindow;
}

void TMemo::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    TRect r = Bounds(origin.X, origin.Y, Width(), Height());
    TRect c = r.Intersect(clip);
    FillRect(target, c, Color);
    Frame3D(target, r, clBtnShadow, clBtnHighlight, c);
    FontEngine& fe = FontEngine::Instance();
    TRect inner{r.Left + 3, r.Top + 2, r.Right - 3, r.Bottom - 2};
    int y = inner.Top;
    for (int i = 0; i < lines_.Count() && y < inner.Bottom; ++i) {
        fe.Draw(target, inner.Left, y, Font(), lines_[i], inner.Intersect(c));
        y += fe.Measure(Font(), lines_[i]).height;
    }
}
