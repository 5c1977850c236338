// The debt log: one line in a file named after the player, the date and the time.
#include <filesystem>
#include <iostream>

#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "money/debt_log_text.h"
#include "platform/documents_folder.h"
#include "support/atomic_file.h"

void TForm1::SchuldenLogSchreiben() {
    SchuldenLogEintrag(Money.Schulden.ToFixed(2), " Euro Schulden beim Tresolo gemacht!");
}

// The line goes through the menu's memo, as the log always has, and is written in UTF-8
// so that a name like Jürgen reads right. It goes to the working folder, or to the
// documents folder when a desktop started the program in "/" or a folder it cannot write.
// A log that cannot be written is reported and skipped: the program still ends where the
// caller ends it.
void TForm1::SchuldenLogEintrag(const std::string& betrag, const std::string& endung) {
    const std::filesystem::path datei =
        PlayerFilesFolder() / DebtLogFileName(Program.SpielerName, Program.DatumText, Program.UhrzeitText);
    TStringList& lines = MenueDlg->Memo1->Lines();
    lines.Clear();
    lines.Add(DebtLogLine(Program.SpielerName, Program.DatumText, Program.UhrzeitText, betrag, endung));
    if (const WriteOutcome written = WriteFileAtomically(datei, lines.Text()); !written)
        std::cerr << "tresolo: Schulden-Protokoll nicht geschrieben: " << written.error << '\n';
}
