// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's switches as the rest of the program reads them.
#include "machine/menue_dlg.h"

bool AutoStartSwitchedOn() { return MenueDlg != nullptr && MenueDlg->AutoStartCheckBox->Checked(); }
bool SpeakerSwitchedOn() { return MenueDlg != nullptr && MenueDlg->PC_LautsprHoeren->Checked(); }
bool DebtLogSwitchedOn() { return MenueDlg != nullptr && MenueDlg->LogDateiSpeichern->Checked(); }
