// SPDX-License-Identifier: GPL-3.0-or-later
// Keys, focus and clicks as a player uses them.
#include <gtest/gtest.h>

#include "toolkit/buttons.h"
#include "toolkit/checkbox.h"
#include "toolkit/edit.h"
#include "toolkit/headless/harness.h"
#include "toolkit/image.h"

namespace {

struct InputTest : ::testing::Test {
    HeadlessHarness h;
    TForm* form = nullptr;
    void SetUp() override {
        h.App().CreateForm(form);
        form->SetBounds(0, 0, 300, 200);
    }
    template <class T>
    T* Add(int left, int top, int width, int height) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(left, top, width, height);
        return c;
    }
};

TEST_F(InputTest, EnterAndSpacePressTheFocusedButtonEscapeTheCancelButton) {
    auto* a = Add<TButton>(10, 10, 75, 25);
    auto* b = Add<TButton>(100, 10, 75, 25);
    auto* cancel = Add<TButton>(190, 10, 75, 25);
    cancel->Cancel = true;
    int clicksA = 0, clicksB = 0, cancels = 0;
    a->OnClick = [&](TObject*) { ++clicksA; };
    b->OnClick = [&](TObject*) { ++clicksB; };
    cancel->OnClick = [&](TObject*) { ++cancels; };
    form->Show();
    b->SetFocus();
    h.Key(VK_RETURN);
    h.Key(VK_SPACE, 10);
    h.Key(VK_ESCAPE, 20);
    h.RunFor(50);
    EXPECT_EQ(clicksA, 0);
    EXPECT_EQ(clicksB, 2);
    EXPECT_EQ(cancels, 1);
}

TEST_F(InputTest, TabMovesTheFocusInTabOrder) {
    auto* first = Add<TButton>(10, 10, 75, 25);
    auto* second = Add<TCheckBox>(10, 50, 75, 20);
    auto* third = Add<TEdit>(10, 90, 75, 21);
    first->TabOrder = 0;
    third->TabOrder = 1;
    second->TabOrder = 2;
    form->Show();
    EXPECT_TRUE(first->Focused());
    h.Key(VK_TAB);
    h.RunFor(1);
    EXPECT_TRUE(third->Focused());
    h.Key(VK_TAB);
    h.RunFor(1);
    EXPECT_TRUE(second->Focused());
    h.Key(VK_TAB, 0, ssShift);
    h.RunFor(1);
    EXPECT_TRUE(third->Focused());
}

TEST_F(InputTest, KeyPreviewSeesKeysFirstAndCanSwallowThem) {
    auto* b = Add<TButton>(10, 10, 75, 25);
    int clicks = 0;
    std::vector<Word> seen;
    b->OnClick = [&](TObject*) { ++clicks; };
    form->KeyPreview = true;
    form->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
        seen.push_back(key);
        if (key == VK_ESCAPE) key = 0;
    };
    form->Show();
    b->SetFocus();
    h.Key(VK_ESCAPE);
    h.Key(VK_RETURN, 1);
    h.RunFor(5);
    EXPECT_EQ(seen, (std::vector<Word>{VK_ESCAPE, VK_RETURN}));
    EXPECT_EQ(clicks, 1);
}

TEST_F(InputTest, ClicksReachTheTopmostControlAndOnlyOnRelease) {
    auto* below = Add<TImage>(0, 0, 100, 100);
    auto* above = Add<TImage>(50, 50, 100, 100);
    auto* hidden = Add<TImage>(50, 50, 100, 100);
    hidden->Hide();
    int belowClicks = 0, aboveClicks = 0;
    below->OnClick = [&](TObject*) { ++belowClicks; };
    above->OnClick = [&](TObject*) { ++aboveClicks; };
    form->Show();
    h.Click(*form, 60, 60);
    h.Click(*form, 10, 10, 5);
    h.Click(*form, 250, 180, 10);  // empty space
    h.RunFor(20);
    EXPECT_EQ(aboveClicks, 1);
    EXPECT_EQ(belowClicks, 1);
}

TEST_F(InputTest, CheckBoxClickAndCodeBothRunTheHandlerOncePerChange) {
    auto* box = Add<TCheckBox>(10, 10, 120, 17);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    box->SetChecked(true);  // no change, no handler
    EXPECT_EQ(clicks, 1);
    form->Show();
    h.ClickControl(*box);
    h.RunFor(1);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
    box->SetFocus();
    h.Key(VK_SPACE);
    h.RunFor(1);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 3);
}

// A held key presses once, as on the desktop: Enter and Escape when they go down, the space
// bar when it comes up; the keyboard's repeats in between press nothing. A held Backspace
// still repeats in an edit.
TEST_F(InputTest, HeldKeyPressesOnce) {
    auto* button = Add<TButton>(10, 10, 75, 25);
    auto* box = Add<TCheckBox>(10, 50, 75, 20);
    auto* edit = Add<TEdit>(10, 90, 75, 21);
    auto* cancel = Add<TButton>(190, 10, 75, 25);
    cancel->Cancel = true;
    int clicks = 0, cancels = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    cancel->OnClick = [&](TObject*) { ++cancels; };
    form->Show();
    // Held from `at` for 500 ms, repeated every 30 ms from the 250th.
    auto hold = [&](Word key, int at) {
        h.KeyDown(key, at);
        for (int t = at + 250; t < at + 500; t += 30) h.KeyDown(key, t, true);
        h.KeyUp(key, at + 500);
    };
    button->SetFocus();
    hold(VK_RETURN, 0);
    h.RunFor(1);
    EXPECT_EQ(clicks, 1);
    hold(VK_SPACE, 1000);
    h.RunFor(1499);
    EXPECT_EQ(clicks, 1);
    h.RunFor(2);
    EXPECT_EQ(clicks, 2);
    hold(VK_ESCAPE, 1000);
    h.RunFor(1600);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(clicks, 2);
    // The focus leaves the button while the space bar is down: no press.
    h.KeyDown(VK_SPACE);
    h.RunFor(1);
    box->SetFocus();
    h.KeyUp(VK_SPACE);
    h.RunFor(1);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box->Checked());
    hold(VK_SPACE, 0);
    h.RunFor(600);
    EXPECT_TRUE(box->Checked());
    edit->SetFocus();
    edit->SetText("abcdefghijkl");
    hold(VK_BACK, 0);
    h.RunFor(600);
    EXPECT_EQ(edit->Text(), "ab");  // the press and nine repeats
}

TEST_F(InputTest, EditTakesUtf8EditsAndReportsEveryChange) {
    auto* edit = Add<TEdit>(10, 10, 200, 21);
    edit->MaxLength = 6;
    std::vector<std::string> changes;
    edit->OnChange = [&](TObject*) { changes.push_back(edit->Text()); };
    form->Show();
    edit->SetFocus();
    h.Type("Jörg");
    h.Key(VK_BACK, 1);
    h.Type("ü\x01ßxyz", 2);  // control characters are dropped, the length is capped
    h.Key(VK_HOME, 3);
    h.Key(VK_DELETE, 4);
    h.RunFor(10);
    EXPECT_EQ(edit->Text(), "örüßx");
    edit->SetText("Anna");
    EXPECT_EQ(changes.back(), "Anna");
    EXPECT_EQ(changes.size(), 5u);
}

// The window system hears whether typed text is wanted: a touch screen's keyboard follows it.
TEST_F(InputTest, TheWindowWantsTextWhileAWritableEditHasTheFocus) {
    auto* button = Add<TButton>(10, 10, 75, 25);
    auto* edit = Add<TEdit>(10, 50, 200, 21);
    auto* locked = Add<TEdit>(10, 80, 200, 21);
    locked->ReadOnly = true;
    button->TabOrder = 0;
    const auto wanted = [&] { return h.Backend().Find(form->Window())->textWanted; };
    form->Show();
    EXPECT_FALSE(wanted());
    h.ClickControl(*edit);
    h.RunFor(10);
    EXPECT_TRUE(edit->Focused());
    EXPECT_TRUE(wanted());
    locked->SetFocus();
    EXPECT_FALSE(wanted());
    edit->SetFocus();
    delete edit;
    EXPECT_FALSE(wanted());
}

}  // namespace
