// SPDX-License-Identifier: GPL-3.0-or-later
// The application as a whole is activated and deactivated; moving between its own
// windows is neither.
#include <gtest/gtest.h>

#include "toolkit/headless/harness.h"

namespace {

TEST(ActivationTest, OnlyLeavingAllOwnWindowsDeactivates) {
    HeadlessHarness h;
    std::vector<std::string> events;
    h.App().OnActivate = [&](TObject*) { events.push_back("an"); };
    h.App().OnDeactivate = [&](TObject*) { events.push_back("aus"); };
    TForm* main = nullptr;
    TForm* dialog = nullptr;
    h.App().CreateForm(main);
    h.App().CreateForm(dialog);
    main->SetBounds(0, 0, 100, 100);
    dialog->SetBounds(0, 0, 50, 50);
    main->Show();
    h.RunFor(10);
    dialog->Show();  // the focus moves to the dialog
    h.RunFor(10);
    dialog->Hide();  // and back to the main window
    h.RunFor(10);
    EXPECT_EQ(events, (std::vector<std::string>{"an"}));
    h.Focus(main, false);  // the user switches to another program
    h.RunFor(10);
    h.Focus(main, true);
    h.RunFor(10);
    EXPECT_EQ(events, (std::vector<std::string>{"an", "aus", "an"}));
}

TEST(ActivationTest, ClosingTheMainFormEndsTheLoop) {
    HeadlessHarness h;
    TForm* main = nullptr;
    h.App().CreateForm(main);
    main->SetBounds(0, 0, 100, 100);
    main->Show();
    h.Backend().Post(InputEvent::Of(InputEvent::CloseRequest, main->Window()), 50'000);
    h.RunFor(100);
    EXPECT_TRUE(h.App().Terminated());
}

}  // namespace
