// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play history joins the program: its recorder hears the main window, and its window
// opens from the menu and with F2.
class TForm1;
class TMenueDlg;

// Starts the play history for the main window and puts its window on the menu and on F2.
void AttachPlayHistory(TForm1& main, TMenueDlg& menu);
