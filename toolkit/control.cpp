// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/control.h"

#include <algorithm>

#include "toolkit/form.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    if (parent_) {
        Invalidate();
        SetParent(nullptr);
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) {
        Invalidate();
        if (TForm* f = ParentForm()) f->ControlRemoved(this);
        auto& kids = parent_->children_;
        kids.erase(std::remove(kids.begin(), kids.end(), this), kids.end());
    }
    parent_ = parent;
    if (parent_) {
        parent_->children_.push_back(this);
        Invalidate();
    }
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return const_cast<TForm*>(dynamic_cast<const TForm*>(c));
}

TPoint TControl::FormOrigin() const {
    TPoint p{0, 0};
    for (const TControl* c = this; c->parent_; c = c->parent_) {
        p.X += c->left_;
        p.Y += c->top_;
    }
    return p;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    left_ = left; top_ = top; width_ = width; height_ = height;
    Invalidate();
}

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    if (visible_) Invalidate();
    visible_ = v;
    if (visible_) Invalidate();
    if (!visible_)
        if (TForm* f = ParentForm()) f->ControlRemoved(this);
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    TForm* f = ParentForm();
    return f && f->IsShown();
}

void TControl::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Invalidate();
}

void TControl::SetFont(const TFont& f) {
    font_ = f;
    Invalidate();
}

void TControl::SetCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    Invalidate();
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

bool TControl::Focused() const {
    TForm* f = ParentForm();
    return f && f->ActiveControl() == this;
}

void TControl::SetFocus() {
    if (TForm* f = ParentForm()) f->SetActiveControl(this);
}

void TControl::Invalidate() {
    if (!parent_) return;
    TForm* f = ParentForm();
    if (!f) return;
    // Hidden parents hide their children: nothing on screen changes.
    for (const TControl* c = this; c != f; c = c->parent_)
        if (!c->visible_) return;
    TPoint o = FormOrigin();
    f->InvalidateRect(Bounds(o.X, o.Y, width_, height_));
}

void TControl::MouseDown(TMouseButton button, int, int) {
    if (button != TMouseButton::mbLeft) return;
    pressed_ = true;
    if (CanFocus()) SetFocus();
    Invalidate();
}

void TControl::MouseUp(TMouseButton button, int x, int y) {
    if (button != TMouseButton::mbLeft || !pressed_) return;
    pressed_ = false;
    Invalidate();
    if (x >= 0 && y >= 0 && x < width_ && y < height_) Click();
}

bool TControl::KeyDown(Word&, TShiftState) { return false; }
bool TControl::KeyUp(Word&, TShiftState) { return false; }

void TControl::FocusChanged() {
    if (spaceHeld_ && !Focused()) spaceHeld_ = pressed_ = false;
    Invalidate();
}

bool TControl::SpaceDown(Word key) {
    if (key != VK_SPACE) return false;
    spaceHeld_ = pressed_ = true;
    Invalidate();
    return true;
}

bool TControl::SpaceUp(Word key) {
    if (key != VK_SPACE || !spaceHeld_) return false;
    spaceHeld_ = pressed_ = false;
    Invalidate();
    return true;
}

// ---- TWinControl ----

TWinControl::~TWinControl() {
    for (TControl* c : children_) c->parent_ = nullptr;
    children_.clear();
}

TControl* TWinControl::ControlAt(int x, int y) {
    // Windowed children lie above the plain ones; later ones above earlier ones.
    for (int pass = 0; pass < 2; ++pass) {
        for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
            TControl* c = *it;
            if (c->IsWindowed() != (pass == 0) || !c->Visible()) continue;
            if (!c->BoundsRect().Contains(x, y)) continue;
            if (auto* w = dynamic_cast<TWinControl*>(c)) {
                TControl* inner = w->ControlAt(x - c->Left(), y - c->Top());
                return inner ? inner : c;
            }
            return c;
        }
    }
    return nullptr;
}

void TWinControl::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    TRect area = Bounds(origin.X, origin.Y, Width(), Height()).Intersect(clip);
    if (area.Empty()) return;
    PaintChildren(target, origin, area);
}

std::optional<std::size_t> TWinControl::OpaqueCover(TPoint origin, const TRect& clip) const {
    for (std::size_t i = children_.size(); i-- > 0;) {
        const TControl* c = children_[i];
        if (c->IsWindowed() || !c->Visible() || !c->PaintsOpaque()) continue;
        const TRect bounds = Bounds(origin.X + c->Left(), origin.Y + c->Top(), c->Width(), c->Height());
        if (bounds.Intersect(clip) == clip) return i;
    }
    return std::nullopt;
}

void TWinControl::PaintChildren(PixelBuffer& target, TPoint origin, const TRect& clip) {
    // Graphic controls below the topmost opaque one that covers the whole clip are hidden.
    const std::size_t first = OpaqueCover(origin, clip).value_or(0);
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = pass == 0 ? first : 0; i < children_.size(); ++i) {
            TControl* c = children_[i];
            if (c->IsWindowed() != (pass == 1) || !c->Visible()) continue;
            TPoint o{origin.X + c->Left(), origin.Y + c->Top()};
            TRect area = Bounds(o.X, o.Y, c->Width(), c->Height()).Intersect(clip);
            if (!area.Empty()) c->Paint(target, o, area);
        }
    }
}
