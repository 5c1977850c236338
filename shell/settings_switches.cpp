// The menu's two stored switches write their state whenever they change.
#include "shell/form1.h"
#include "shell/menue_dlg.h"
#include "shell/settings_store.h"

void TMenueDlg::PC_LautsprHoerenClick(TObject*) {
    settings::WriteIniKey(Form1->Shell.IniDateiName, settings::kSoundKey, settings::SwitchText(PC_LautsprHoeren->Checked()));
}

void TMenueDlg::LogDateiSpeichernClick(TObject*) {
    settings::WriteIniKey(Form1->Shell.IniDateiName, settings::kLogKey,
                          settings::SwitchText(LogDateiSpeichern->Checked()));
}
