// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes: modal, answered by keys and clicks, with the loop running behind them.
#include <gtest/gtest.h>

#include <stdexcept>

#include "toolkit/buttons.h"
#include "toolkit/dialogs.h"
#include "toolkit/headless/harness.h"
#include "toolkit/timer.h"

namespace {

struct DialogTest : ::testing::Test {
    HeadlessHarness h;
    TForm* form = nullptr;
    TButton* button = nullptr;
    void SetUp() override {
        h.App().CreateForm(form);
        form->SetBounds(0, 0, 300, 200);
        button = new TButton(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 75, 25);
        form->Show();
    }
};

TEST_F(DialogTest, TimersKeepTickingWhileABoxIsOpen) {
    int ticks = 0;
    auto* t = new TTimer(&h.App());
    t->SetInterval(100);
    t->OnTimer = [&](TObject*) { ++ticks; };
    bool answered = false;
    button->OnClick = [&](TObject*) {
        ShowInformation("Hallo");
        answered = true;
    };
    h.ClickControl(*button);
    h.Key(VK_RETURN, 1000);
    h.RunFor(1100);
    EXPECT_TRUE(answered);
    EXPECT_GE(ticks, 10);
    ASSERT_EQ(h.MessageBoxes().size(), 1u);
    EXPECT_EQ(h.MessageBoxes()[0].first, "Information");
    EXPECT_EQ(h.MessageBoxes()[0].second, "Hallo");
}

TEST_F(DialogTest, ConfirmationAnswersByAcceleratorEnterAndEscape) {
    std::vector<bool> answers;
    button->OnClick = [&](TObject*) { answers.push_back(AskConfirmation("Beenden?")); };
    h.ClickControl(*button);
    h.Key('N', 10);
    h.ClickControl(*button, 20);
    h.Key(VK_RETURN, 30);  // the first button, Ja, has the focus
    h.ClickControl(*button, 40);
    h.Key(VK_ESCAPE, 50);
    h.ClickControl(*button, 60);
    h.Key('J', 70);
    h.RunFor(100);
    EXPECT_EQ(answers, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(h.MessageBoxes()[0].first, "Bestätigung");
}

TEST_F(DialogTest, ClicksOnOtherWindowsAreIgnoredWhileModal) {
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        if (clicks == 1) ShowInformation("Erst schließen");
    };
    h.ClickControl(*button);
    h.ClickControl(*button, 10);  // lands on the main window behind the box
    h.Key(VK_RETURN, 20);
    h.ClickControl(*button, 30);
    h.RunFor(50);
    EXPECT_EQ(clicks, 2);
}

TEST_F(DialogTest, AnExceptionInAHandlerShowsTheErrorBoxAndTheLoopGoesOn) {
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        if (++clicks == 1) throw std::runtime_error("Gerät nicht bereit");
    };
    h.ClickControl(*button);
    h.Key(VK_RETURN, 10);
    h.ClickControl(*button, 20);
    h.RunFor(50);
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(h.MessageBoxes().size(), 1u);
    EXPECT_EQ(h.MessageBoxes()[0].second, "Gerät nicht bereit");
}

TEST_F(DialogTest, HaltUnwindsNestedLoopsAndStopsTheProgram) {
    auto* opener = new TTimer(&h.App());
    opener->SetInterval(50);
    opener->OnTimer = [&](TObject*) {
        opener->SetEnabled(false);
        ShowInformation("läuft");
    };
    auto* quitter = new TTimer(&h.App());
    quitter->SetInterval(200);  // fires while the box is open
    quitter->OnTimer = [&](TObject*) { Application->Halt(3); };
    EXPECT_FALSE(h.RunFor(500));
    EXPECT_TRUE(h.Halted());
    EXPECT_EQ(h.ExitCode(), 3);
}

// The desktop closing the main window while a box is open ends the program there and then:
// the box's loop is unwound (the close used to wait behind the box).
TEST_F(DialogTest, MainWindowClosedBehindABoxEndsTheProgram) {
    auto* opener = new TTimer(&h.App());
    opener->SetInterval(50);
    opener->OnTimer = [&](TObject*) {
        opener->SetEnabled(false);
        ShowInformation("läuft");
    };
    h.Backend().Post(InputEvent::Of(InputEvent::CloseRequest, form->Window()), 100'000);
    h.Key(VK_RETURN, 500);  // answers the box, should the close not get through
    EXPECT_FALSE(h.RunFor(1000));
    EXPECT_EQ(h.NowMs(), 100);
    EXPECT_EQ(h.ExitCode(), 0);
}

}  // namespace
