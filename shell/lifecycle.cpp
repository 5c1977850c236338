// SPDX-License-Identifier: GPL-3.0-or-later
// Activation, closing and destruction of the main window.
#include "machine/form1.h"
#include "machine/settings_store.h"
#include "platform/taskbar.h"

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

bool TForm1::SavePlayerName() {
    return Program.SpielerName.empty() ||
           settings::WriteIniKey(Program.IniDateiName, settings::kPlayerKey, Program.SpielerName);
}

// A start refused for the system saves nothing.
bool TForm1::SaveSettings() {
    if (!Program.WindowsVersionOK) return true;
    const bool nameSaved = SavePlayerName();
    const bool cashBoxSaved = Kept.Store(Money.Automatenkasse());
    return nameSaved && cashBoxSaved;
}

void TForm1::FormDestroy(TObject*) {
    KeepForNextStart();
    delete AuszahlungsListe;
    AuszahlungsListe = nullptr;
}
