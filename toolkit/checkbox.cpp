// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/checkbox.h"

#include "toolkit/blit.h"

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 97, 17); }

void TCheckBox::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Invalidate();
    if (!clicking_) TControl::Click();
}

void TCheckBox::Click() {
    // A click toggles the box; the change itself runs the handler once.
    clicking_ = true;
    SetChecked(!checked_);
    clicking_ = false;
    TControl::Click();
}

bool TCheckBox::KeyDown(Word& key, TShiftState) { return SpaceDown(key); }

bool TCheckBox::KeyUp(Word& key, TShiftState) {
    if (!SpaceUp(key)) return false;
    Click();
    return true;
}

void TCheckBox::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    TRect r = Bounds(origin.X, origin.Y, Width(), Height());
    TRect c = r.Intersect(clip);
    FillRect(target, c, Color);
    const int box = 13;
    int by = r.Top + (r.Height() - box) / 2;
    bool boxLeft = Alignment == TAlignment::taRightJustify;
    int bx = boxLeft ? r.Left : r.Right - box;
    TRect b = Bounds(bx, by, box, box);
    FillRect(target, b.Intersect(c), Enabled() ? clWhite : clBtnFace);
    Frame3D(target, b, clBtnShadow, clBtnHighlight, c);
    Frame3D(target, {b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1}, clBlack, clBtnFace, c);
    if (checked_) {
        // A tick of three short strokes.
        static const int tick[][2] = {{3, 5}, {3, 6}, {3, 7}, {4, 6}, {4, 7}, {4, 8}, {5, 7}, {5, 8}, {5, 9},
                                      {6, 6}, {6, 7}, {6, 8}, {7, 5}, {7, 6}, {7, 7}, {8, 4}, {8, 5}, {8, 6},
                                      {9, 3}, {9, 4}, {9, 5}};
        for (auto& p : tick) {
            int x = b.Left + p[0], y = b.Top + p[1];
            if (c.Contains(x, y)) target.setPixel(x, y, Bgr{0, 0, 0});
        }
    }
    FontEngine& fe = FontEngine::Instance();
    TextExtent e = fe.Measure(Font(), Caption());
    int tx = boxLeft ? b.Right + 4 : r.Left;
    int ty = r.Top + (r.Height() - e.height) / 2;
    TFont f = Font();
    if (!Enabled()) f.Color = clGray;
    fe.Draw(target, tx, ty, f, Caption(), c);
    if (Focused()) FocusRect(target, Bounds(tx - 1, ty, e.width + 2, e.height), c);
}
