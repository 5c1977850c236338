// SPDX-License-Identifier: GPL-3.0-or-later
// The debt log: one line in a file named after the player, the date and the time.
#include <cerrno>
#include <filesystem>

#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "money/debt_log_text.h"
#include "platform/documents_folder.h"
#include "support/atomic_file.h"
#include "support/write_failures.h"

namespace {

// Names taken by earlier entries of the same second are passed over, up to this many.
constexpr int kMostEntriesASecond = 100;

}  // namespace

void TForm1::WriteDebtLog() {
    AppendDebtLogEntry(Money.Schulden().ToFixed(2), " Euro Schulden beim Tresolo gemacht!");
}

// The line goes through the menu's memo, as the log always has, and is written in UTF-8
// so that a name like Jürgen reads right. It goes to the working folder, or to the
// documents folder when a desktop started the program in "/" or a folder it cannot write.
// An existing log is never replaced: two names that clean up alike ("AC/DC", "AC_DC") in
// the same second get the next free name. A log that cannot be written is reported and
// skipped: the program still ends where the caller ends it.
void TForm1::AppendDebtLogEntry(const std::string& amountText, const std::string& ending) {
    const std::filesystem::path folder = PlayerFilesFolder();
    TStringList& lines = MenueDlg->Memo1->Lines();
    lines.Clear();
    lines.Add(DebtLogLine(Program.SpielerName, Program.DatumText, Program.UhrzeitText, amountText, ending));
    std::filesystem::path file;
    Outcome written;
    for (int number = 1; number <= kMostEntriesASecond; ++number) {
        file = folder / DebtLogFileName(Program.SpielerName, Program.DatumText, Program.UhrzeitText, number);
        written = WriteFileAtomically(file, lines.Text(), {.replace = false});
        if (written || written.errorNumber != EEXIST) break;
    }
    if (!written)
        ReportWriteFailure({file, written.errorNumber, written.reason}, "Schulden-Protokoll nicht geschrieben: ");
}
