// SPDX-License-Identifier: GPL-3.0-or-later
// A file the player keeps could not be written: he is told in a box, once per file and
// run, and the game goes on. The end of the program tells stderr only.
#include <cerrno>
#include <cstring>

#include "machine/form1.h"
#include "support/write_failures.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

namespace {

std::string Reason(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC: return "Der Datenträger ist voll";
        case EDQUOT: return "Der zugeteilte Speicherplatz ist aufgebraucht";
        case EROFS: return "Der Datenträger ist schreibgeschützt";
        case EACCES:
        case EPERM: return "Keine Schreibberechtigung";
        case ENOENT: return "Der Ordner fehlt";
        case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner";
        case EISDIR: return "An ihrer Stelle steht ein Ordner";
        case EIO: return "Ein-/Ausgabefehler des Datenträgers";
        case 0: return "Sie kann nicht gelesen werden";
        default: return std::strerror(errorNumber);
    }
}

void ShowNotice(const std::string& text) { MessageDlg(text, TMsgDlgType::mtWarning, mbOK); }

}  // namespace

void TForm1::ShowWriteFailure(const WriteFailure& failure) {
    if (Application->Terminated()) return;
    if (!Program.WriteFailuresShown.insert(failure.file.string()).second) return;
    const std::string text = "Die Datei \"" + failure.file.string() + "\" konnte nicht gespeichert werden: " +
                             Reason(failure.errorNumber) + ". Das Spiel geht weiter.";
    // Outside the loop, or while the window paints, the box waits for the loop.
    if (Application->HandlerDepth() == 0 || Painting())
        Application->QueueCall([text] { ShowNotice(text); });
    else
        ShowNotice(text);
}
