// Activation, closing and destruction of the main window.
#include "shell/form1.h"
#include "shell/settings_store.h"
#include "platform/taskbar.h"

void TForm1::ApplicationActivate(TObject*) {
    Shell.AnwendungInaktiv = false;
    CompareScreenSize();
    Timer4->SetEnabled(true);
}

void TForm1::AppDeactivate(TObject*) {
    Shell.AnwendungInaktiv = true;
    CompareScreenSize();
    Shell.RuhePhaseAktiv = false;
}

void TForm1::FormClose(TObject*, TCloseAction&) { ShowTaskbar(); }

// Saves the player's name and the cash box; a start refused for the system saves nothing.
void TForm1::FormDestroy(TObject*) {
    if (!Shell.WindowsVersionOK) return;
    if (!Shell.SpielerName.empty())
        settings::WriteIniKey(Shell.IniDateiName, settings::kPlayerKey, Shell.SpielerName);
    delete AuszahlungsListe;
    AuszahlungsListe = nullptr;
    settings::WriteCashBoxText(settings::CashBoxTextAtExit(Money.Automatenkasse));
}
