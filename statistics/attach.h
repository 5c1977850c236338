// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play history joins the program: its recorder hears the main window and opens its window.
class TForm1;

// Starts the play history for the main window.
void AttachPlayHistory(TForm1& main);
