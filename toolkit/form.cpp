// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/form.h"

#include <algorithm>

#include "toolkit/application.h"
#include "toolkit/blit.h"
#include "toolkit/buttons.h"

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    Color = clBtnFace;
    SetVisible(false);
    Application->AddForm(this);
}

TForm::~TForm() {
    if (Application) Application->RemoveForm(this);
    if (window_ && Application) Application->Backend_().DestroyWindow(window_);
}

void TForm::SetBounds(int left, int top, int width, int height) {
    bool moved = left != Left() || top != Top();
    bool resized = width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (resized && !frame_.empty()) frame_.resize(Width(), Height());
    if (resized) InvalidateAll();
    if (moved && window_) Application->Backend_().MoveWindow(window_, Left(), Top());
}

void TForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TForm::DoDestroy() {
    if (OnDestroy) OnDestroy(this);
}

void TForm::EnsureWindow() {
    if (window_) return;
    WindowSpec desc;
    desc.title = Caption();
    desc.left = Left();
    desc.top = Top();
    desc.width = Width();
    desc.height = Height();
    desc.centred = Position == TPosition::poScreenCenter;
    desc.borderless = BorderStyle == TFormBorderStyle::bsNone;
    desc.stayOnTop = FormStyle == TFormStyle::fsStayOnTop;
    window_ = Application->Backend_().CreateWindow(desc);
    if (!Icon.empty()) Application->Backend_().SetWindowIcon(window_, Icon);
}

void TForm::Show() {
    if (shown_) {
        BringToFront();
        return;
    }
    if (Position == TPosition::poScreenCenter) {
        TPoint screen = Application->Backend_().ScreenSize();
        TControl::SetBounds((screen.X - Width()) / 2, (screen.Y - Height()) / 2, Width(), Height());
    }
    EnsureWindow();
    TellTextWanted();
    shown_ = true;
    SetVisible(true);
    frame_.resize(Width(), Height());
    InvalidateAll();
    if (!active_) SelectNext(true);
    if (OnShow) OnShow(this);
    Compose();
    Application->Backend_().ShowWindow(window_, true);
}

void TForm::Hide() {
    if (!shown_) return;
    shown_ = false;
    const bool hadFocus = Application->FormHasFocus(this);
    SetVisible(false);
    HideHintText();
    if (window_) Application->Backend_().ShowWindow(window_, false);
    // As on other desktops, the main window takes over from a closed dialog.
    TForm* main = Application->MainForm();
    if (main && main != this && main->shown_ && main->window_)
        Application->Backend_().PassFocus(main->window_, hadFocus);
    if (OnHide) OnHide(this);
}

void TForm::BringToFront() {
    if (window_) Application->Backend_().RaiseWindow(window_);
}

void TForm::Close() {
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (modal_) {
        if (modalResult_ == mrNone) modalResult_ = mrCancel;
        return;
    }
    Hide();
    if (Application->MainForm() == this) Application->Terminate();
}

TModalResult TForm::ShowModal() {
    modalResult_ = mrNone;
    modal_ = true;
    Show();
    Application->PushModal(this);
    struct Restore {
        TForm* f;
        ~Restore() {
            Application->PopModal();
            f->modal_ = false;
            f->Hide();
        }
    } restore{this};
    while (modalResult_ == mrNone && !Application->Terminated()) Application->HandleMessage();
    return modalResult_;
}

void TForm::SetActiveControl(TControl* c) {
    if (c == active_) return;
    TControl* old = active_;
    active_ = c;
    if (old) old->FocusChanged();
    if (active_) active_->FocusChanged();
    TellTextWanted();
}

void TForm::TellTextWanted() {
    if (window_) Application->Backend_().WantText(window_, active_ && active_->TakesText());
}

std::vector<TControl*> TForm::FocusOrder() {
    std::vector<TControl*> order;
    std::function<void(TWinControl*)> collect = [&](TWinControl* w) {
        std::vector<TControl*> kids = w->Controls();
        std::stable_sort(kids.begin(), kids.end(),
                         [](TControl* a, TControl* b) { return a->TabOrder < b->TabOrder; });
        for (TControl* c : kids) {
            if (!c->Visible() || !c->Enabled()) continue;
            if (c->CanFocus()) order.push_back(c);
            if (auto* inner = dynamic_cast<TWinControl*>(c)) collect(inner);
        }
    };
    collect(this);
    return order;
}

void TForm::SelectNext(bool forward) {
    std::vector<TControl*> order = FocusOrder();
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), active_);
    if (it == order.end()) {
        SetActiveControl(forward ? order.front() : order.back());
        return;
    }
    std::ptrdiff_t i = it - order.begin();
    std::ptrdiff_t n = static_cast<std::ptrdiff_t>(order.size());
    SetActiveControl(order[static_cast<std::size_t>((i + (forward ? 1 : n - 1)) % n)]);
}

void TForm::ControlRemoved(TControl* c) {
    if (hovered_ == c) hovered_ = nullptr;
    if (captured_ == c) captured_ = nullptr;
    if (active_ == c) {
        active_ = nullptr;
        TellTextWanted();
    }
    if (auto* w = dynamic_cast<TWinControl*>(c))
        for (TControl* k : w->Controls()) ControlRemoved(k);
}

void TForm::InvalidateRect(const TRect& r) {
    damage_.Add(r.Intersect({0, 0, Width(), Height()}));
}

bool TForm::Compose() {
    if (!shown_ || !window_ || damage_.Empty()) return false;
    if (OnPaint) {
        struct Scope {
            bool& flag;
            bool was;
            ~Scope() { flag = was; }
        } scope{painting_, painting_};
        painting_ = true;
        OnPaint(this);
    }
    const DamageRegion dirty = damage_;
    damage_.Clear();
    if (frame_.width() != Width() || frame_.height() != Height()) frame_.resize(Width(), Height());
    for (const TRect& r : dirty.Rects()) {
        Paint(frame_, {0, 0}, r);
        PaintHint(r);
    }
    Application->Backend_().Present(window_, frame_, dirty.Rects());
    return true;
}

void TForm::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    // The window's colour shows only where no picture covers the clip.
    if (!OpaqueCover(origin, clip)) FillRect(target, clip, Color);
    PaintChildren(target, origin, clip);
}

// ---- input ----

void TForm::HandleMouse(const InputEvent& ev) {
    TControl* target = captured_ ? captured_ : ControlAt(ev.x, ev.y);
    if (ev.kind == InputEvent::MouseMove || ev.kind == InputEvent::MouseLeave) {
        TControl* over = ev.kind == InputEvent::MouseLeave ? nullptr : ControlAt(ev.x, ev.y);
        if (over != hovered_) {
            if (hovered_) hovered_->MouseLeave();
            hovered_ = over;
            if (hovered_) hovered_->MouseEnter();
        }
        return;
    }
    if (!target || !target->Enabled()) return;
    TPoint o = target->FormOrigin();
    if (ev.kind == InputEvent::MouseDown) {
        captured_ = target;
        target->MouseDown(ev.button, ev.x - o.X, ev.y - o.Y);
    } else if (ev.kind == InputEvent::MouseUp) {
        captured_ = nullptr;
        target->MouseUp(ev.button, ev.x - o.X, ev.y - o.Y);
    }
}

TControl* TForm::FindButton(bool cancel) {
    std::function<TControl*(TWinControl*)> find = [&](TWinControl* w) -> TControl* {
        for (TControl* c : w->Controls()) {
            if (!c->Visible() || !c->Enabled()) continue;
            if (auto* b = dynamic_cast<TButton*>(c))
                if (cancel ? b->Cancel : b->Default) return b;
            if (auto* inner = dynamic_cast<TWinControl*>(c))
                if (TControl* found = find(inner)) return found;
        }
        return nullptr;
    };
    return find(this);
}

namespace {
// The keys that press buttons: a held one presses once.
bool PressesButtons(Word key) { return key == VK_RETURN || key == VK_SPACE || key == VK_ESCAPE; }
}  // namespace

void TForm::HandleKey(Word key, TShiftState shift, bool repeat) {
    if (repeat && PressesButtons(key)) return;
    if (KeyPreview && OnKeyDown) {
        OnKeyDown(this, key, shift);
        if (key == 0) return;
    }
    if (active_ && active_->Visible() && active_->Enabled() && active_->KeyDown(key, shift)) return;
    if (key == VK_TAB) {
        SelectNext(!(shift & ssShift));
    } else if (key == VK_RETURN || key == VK_ESCAPE) {
        if (TControl* b = FindButton(key == VK_ESCAPE)) b->Click();
    } else if (!KeyPreview && OnKeyDown) {
        OnKeyDown(this, key, shift);
    }
}

void TForm::HandleKeyUp(Word key, TShiftState shift) {
    if (active_ && active_->Visible() && active_->Enabled()) active_->KeyUp(key, shift);
}

void TForm::HandleText(const std::string& text) {
    if (active_ && active_->Visible() && active_->Enabled()) active_->TextInput(text);
}

// ---- hints ----

void TForm::ShowHintText(const std::string& text, TPoint at) {
    HideHintText();
    TFont f;
    TextExtent e = FontEngine::Instance().Measure(f, text);
    int w = e.width + 8, h = e.height + 4;
    int x = std::clamp(at.X, 0, std::max(0, Width() - w));
    int y = at.Y + 20;
    if (y + h > Height()) y = std::max(0, at.Y - h - 4);
    hintText_ = text;
    hintRect_ = Bounds(x, y, w, h);
    InvalidateRect(hintRect_);
}

void TForm::HideHintText() {
    if (hintText_.empty()) return;
    hintText_.clear();
    InvalidateRect(hintRect_);
}

void TForm::PaintHint(const TRect& clip) {
    if (hintText_.empty()) return;
    TRect c = hintRect_.Intersect(clip);
    if (c.Empty()) return;
    FillRect(frame_, c, clInfoBk);
    Frame3D(frame_, hintRect_, clBlack, clBlack, c);
    TFont f;
    FontEngine::Instance().Draw(frame_, hintRect_.Left + 4, hintRect_.Top + 2, f, hintText_, c);
}
