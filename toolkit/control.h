// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Visual controls: position, size, visibility, hint, click, focus, painting.
// Windowed controls (panels, buttons, check boxes, edits) hold children and are
// drawn above the plain controls (pictures, labels) of the same parent.
#include <optional>
#include <string>
#include <vector>

#include "codecs/pixel_buffer.h"
#include "toolkit/component.h"
#include "toolkit/font.h"

class TWinControl;
class TForm;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    TForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    // Top-left corner in the coordinates of the form's client area.
    TPoint FormOrigin() const;

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible with every parent up to a visible form.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string h) { hint_ = std::move(h); }
    bool ShowHint = true;

    TFont& Font() { return font_; }
    void SetFont(const TFont& f);
    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(std::string c);

    TNotifyEvent OnClick;
    virtual void Click();

    virtual bool IsWindowed() const { return false; }
    virtual bool CanFocus() const { return false; }
    bool Focused() const;
    void SetFocus();
    int TabOrder = 0;

    // Marks the control's area as needing a new composition.
    void Invalidate();
    // Draws the control; `origin` is its top-left corner in `target`.
    virtual void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) = 0;
    // True when painting fills every pixel of the control: what lies below it need not be
    // painted where it covers.
    virtual bool PaintsOpaque() const { return false; }

    // Input, in the control's own coordinates.
    virtual void MouseDown(TMouseButton button, int x, int y);
    virtual void MouseUp(TMouseButton button, int x, int y);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // Returns true when the control used the key.
    virtual bool KeyDown(Word& key, TShiftState shift);
    virtual bool KeyUp(Word& key, TShiftState shift);
    virtual void TextInput(const std::string&) {}
    virtual bool TakesText() const { return false; }
    virtual void FocusChanged();

protected:
    // Space presses a button when it is released, as on the desktop: the button looks pressed
    // while the key is down, and losing the focus meanwhile cancels the press. SpaceDown takes
    // the key's press; SpaceUp is true when its release completes a press begun here.
    bool SpaceDown(Word key);
    bool SpaceUp(Word key);

    bool pressed_ = false;
    bool spaceHeld_ = false;

private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true, enabled_ = true;
    std::string hint_, caption_;
    TFont font_;
};

class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;
    bool IsWindowed() const override { return true; }

    TColor Color = clBtnFace;
    const std::vector<TControl*>& Controls() const { return children_; }
    // The topmost visible, enabled control at a point of this control's area.
    TControl* ControlAt(int x, int y);
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;
    void PaintChildren(PixelBuffer& target, TPoint origin, const TRect& clip);
    // The topmost plain child that paints all of the clip opaquely: nothing below it shows
    // there. Nothing when there is none.
    std::optional<std::size_t> OpaqueCover(TPoint origin, const TRect& clip) const;

private:
    friend class TControl;
    std::vector<TControl*> children_;
};
