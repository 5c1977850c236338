// SPDX-License-Identifier: GPL-3.0-or-later
// A file the player keeps could not be written: he is told in a box, once per file and
// run, and the game goes on. The end of the program tells stderr only.
#include "machine/form1.h"
#include "support/failure_reasons.h"
#include "support/write_failures.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

namespace {

void ShowNotice(const std::string& text) { MessageDlg(text, TMsgDlgType::mtWarning, mbOK); }

}  // namespace

void TForm1::ShowWriteFailure(const WriteFailure& failure) {
    if (Application->Terminated()) return;
    if (!Program.WriteFailuresShown.insert(failure.file.string()).second) return;
    const std::string text = "Die Datei \"" + failure.file.string() + "\" konnte nicht gespeichert werden: " +
                             ReasonOfErrno(failure.errorNumber) + ". Das Spiel geht weiter.";
    // Outside the loop, or while the window paints, the box waits for the loop.
    if (Application->HandlerDepth() == 0 || Painting())
        Application->QueueCall([text] { ShowNotice(text); });
    else
        ShowNotice(text);
}
