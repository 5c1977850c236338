// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Top-level windows. Each form composes its controls into its own framebuffer and
// hands the changed part to the backend.
#include <functional>
#include <string>

#include "toolkit/backend.h"
#include "toolkit/control.h"
#include "toolkit/damage.h"

enum class TFormBorderStyle { bsNone, bsDialog, bsSingle };
enum class TPosition { poDesigned, poScreenCenter };
enum class TFormStyle { fsNormal, fsStayOnTop };

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    TFormBorderStyle BorderStyle = TFormBorderStyle::bsSingle;
    TPosition Position = TPosition::poDesigned;
    TFormStyle FormStyle = TFormStyle::fsNormal;
    bool KeyPreview = false;
    bool DoubleBuffered = false;
    PixelBuffer Icon;

    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    void SetClientSize(int w, int h) { SetBounds(Left(), Top(), w, h); }
    void SetBounds(int left, int top, int width, int height) override;

    // Runs OnCreate; the application calls it once the form's components exist.
    void DoCreate();
    // Runs OnDestroy; the application calls it before it frees the form.
    void DoDestroy();

    void Show();
    void Hide();
    void Close();
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r) { modalResult_ = r; }
    bool IsShown() const { return shown_; }
    void BringToFront();

    TNotifyEvent OnCreate, OnShow, OnPaint, OnDestroy, OnHide;
    TCloseEvent OnClose;
    TKeyEvent OnKeyDown;

    TControl* ActiveControl() const { return active_; }
    void SetActiveControl(TControl* c);
    void SelectNext(bool forward);

    // Composition.
    void InvalidateRect(const TRect& r);
    void InvalidateAll() { InvalidateRect({0, 0, Width(), Height()}); }
    // Calls OnPaint, draws the damaged part and presents it. Returns false if nothing to do.
    bool Compose();
    // True while OnPaint runs: what it sets off must not open a window of its own then.
    bool Painting() const { return painting_; }
    const PixelBuffer& Frame() const { return frame_; }
    void Paint(PixelBuffer& target, TPoint origin, const TRect& clip) override;

    // Input from the application's loop, in client coordinates.
    void HandleMouse(const InputEvent& ev);
    // A repeated key down (the key is held) presses no button.
    void HandleKey(Word key, TShiftState shift, bool repeat = false);
    void HandleKeyUp(Word key, TShiftState shift);
    void HandleText(const std::string& text);
    void ControlRemoved(TControl* c);

    // The hint overlay, drawn above everything.
    void ShowHintText(const std::string& text, TPoint at);
    void HideHintText();

    WindowId Window() const { return window_; }

private:
    void EnsureWindow();
    void TellTextWanted();
    std::vector<TControl*> FocusOrder();
    TControl* FindButton(bool cancel);
    void PaintHint(const TRect& clip);

    WindowId window_ = 0;
    bool shown_ = false;
    bool modal_ = false;
    bool painting_ = false;
    TModalResult modalResult_ = mrNone;
    TControl* active_ = nullptr;
    TControl* captured_ = nullptr;
    TControl* hovered_ = nullptr;
    PixelBuffer frame_;
    DamageRegion damage_;
    std::string hintText_;
    TRect hintRect_;
};
