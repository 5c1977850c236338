// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's two stored switches write their state whenever they change.
#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "machine/settings_store.h"

void TMenueDlg::PC_LautsprHoerenClick(TObject*) {
    settings::WriteIniKey(Form1->Program.IniDateiName, settings::kSoundKey, settings::SwitchText(PC_LautsprHoeren->Checked()));
}

void TMenueDlg::LogDateiSpeichernClick(TObject*) {
    settings::WriteIniKey(Form1->Program.IniDateiName, settings::kLogKey,
                          settings::SwitchText(LogDateiSpeichern->Checked()));
}
