// SPDX-License-Identifier: GPL-3.0-or-later
// FormPaint: every paint watches the screen size; the first one finishes the set-up
// that needs the menu dialog, and fits the chest above the button bar.
#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "machine/scene_pictures.h"
#include "machine/settings_store.h"
#include "toolkit/application.h"
#include "toolkit/screen.h"

namespace {

// Shrink steps of 15 pixels that lift a lower edge above the bar's top.
int StepsAbove(int bottom, int barTop) { return (bottom - barTop) / 15 + 1; }

}  // namespace

void TForm1::CompareScreenSize() {
    if (Screen->Height() != Program.StartBildschirmHoehe || Screen->Width() != Program.StartBildschirmBreite)
        Program.AufloesungGeaendert = true;
}

void TForm1::FormPaint(TObject*) {
    CompareScreenSize();
    if (!Program.ErstesZeichnen) return;
    // Cleared first: the chest fitting lays the scene out again, which paints.
    Program.ErstesZeichnen = false;
    MenueBtn->SetFocus();
    ShowPicture(*Walze_links1, *Walzenbild1);
    ShowPicture(*Walze_mitte1, *Walzenbild3);
    ShowPicture(*Walze_rechts1, *Walzenbild1);
    ImageRisiko->SetVisible(Game.RisikospielEin);
    MenueBtn->SetFocus();
    ApplyStoredSwitches();
    FitChest();
}

void TForm1::ApplyStoredSwitches() {
    if (!MenueDlg) return;
    MenueDlg->AutomatenGeldspeicherAnzeige->SetCaption(Program.AutomatenkasseText);
    const std::string& ini = Program.IniDateiName;
    MenueDlg->PC_LautsprHoeren->SetChecked(settings::SwitchOn(settings::ReadIniKey(ini, settings::kSoundKey)));
    MenueDlg->LogDateiSpeichern->SetChecked(settings::SwitchOn(settings::ReadIniKey(ini, settings::kLogKey)));
}

void TForm1::FitChest() {
    const std::string stored = settings::ReadIniKey(Program.IniDateiName, settings::kChestSizeKey);
    if (std::optional<int> steps = settings::StoredChestSteps(stored)) GroesseTruheEinstellen(*steps);
    const int chestBottom = VordergrundImage->Top() + VordergrundImage->Height();
    if (chestBottom >= Panel1->Top()) GroesseTruheEinstellen(StepsAbove(chestBottom, Panel1->Top()));
    const int sceneBottom = Hintergrund2->Top() + Hintergrund2->Height();
    if (sceneBottom >= Panel1->Top() && Chest.TruheInOriginalGroesse)
        GroesseTruheEinstellen(StepsAbove(sceneBottom, Panel1->Top()));
}
