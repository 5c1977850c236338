// SPDX-License-Identifier: GPL-3.0-or-later
// Activation, closing and destruction of the main window.
#include "machine/form1.h"
#include "machine/settings_store.h"
#include "platform/taskbar.h"
#include "support/write_failures.h"

void TForm1::ApplicationActivate(TObject*) {
    Program.AnwendungInaktiv = false;
    CompareScreenSize();
    Timer4->SetEnabled(true);
}

void TForm1::AppDeactivate(TObject*) {
    Program.AnwendungInaktiv = true;
    CompareScreenSize();
    Program.RuhePhaseAktiv = false;
}

void TForm1::FormClose(TObject*, TCloseAction&) { ShowTaskbar(); }

// A start refused for the system saves nothing.
bool TForm1::SaveSettings() {
    if (!Program.WindowsVersionOK) return true;
    const bool nameSaved = Program.SpielerName.empty() ||
                           settings::WriteIniKey(Program.IniDateiName, settings::kPlayerKey, Program.SpielerName);
    const bool cashBoxSaved = Kept.Store(Money.Automatenkasse());
    return nameSaved && cashBoxSaved;
}

// The play history first: the stored cash box names its last entry.
bool TForm1::KeepForNextStart() {
    Play->ProgramEnds();
    return SaveSettings();
}

// At the end no box can open any more: a failed save is told on stderr only.
void TForm1::FormDestroy(TObject*) {
    SetWriteFailureListener(nullptr);
    KeepForNextStart();
    delete AuszahlungsListe;
    AuszahlungsListe = nullptr;
}
