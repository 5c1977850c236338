// SPDX-License-Identifier: GPL-3.0-or-later
// The end of the program: the one step every way out takes, and the one way the program
// ends from the window (the debt log first, when it is switched on and the player owes
// money, then the process).
#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "support/write_failures.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

// Whatever ends the program (the window destroyed, the display lost, the page hidden): no box
// can show any more, so a failed save is told on stderr only; the play history closes the
// game and the session first, because the stored cash box names its last entry.
bool TForm1::KeepForNextStart() {
    SetWriteFailureListener(nullptr);
    Play->ProgramEnds();
    return SaveSettings();
}

// The book closes first: nothing moves between the log and the end.
void TForm1::EndProgram() {
    Game.ProgrammBeenden = true;
    Money.Close();
    if (DebtLogSwitchedOn() && Money.Schulden().ToFixed(2) != "0,00") WriteDebtLog();
    Application->Halt(0);
}

// The flag is set while the question shows, so the attract mode does not start behind it.
void TForm1::AskToEndProgram() {
    Game.ProgrammBeenden = true;
    if (!AskConfirmation("Programm jetzt beenden?")) {
        Game.ProgrammBeenden = false;
        return;
    }
    EndProgram();
}
