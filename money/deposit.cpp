// Deposits: the twelve notes and coins of the menu, and the animation that sinks them.
#include "machine/form1.h"
#include "machine/menue_dlg.h"

void TMenueDlg::Button_500_EuroClick(TObject*) {}
void TMenueDlg::Button_200_EuroClick(TObject*) {}
void TMenueDlg::Button_100_EuroClick(TObject*) {}
void TMenueDlg::Button_50_EuroClick(TObject*) {}
void TMenueDlg::Button_20_EuroClick(TObject*) {}
void TMenueDlg::Button_10_EuroClick(TObject*) {}
void TMenueDlg::Button_5_EuroClick(TObject*) {}
void TMenueDlg::Button_2_EuroClick(TObject*) {}
void TMenueDlg::Button_1_EuroClick(TObject*) {}
void TMenueDlg::Button_50_CentClick(TObject*) {}
void TMenueDlg::Button_20_CentClick(TObject*) {}
void TMenueDlg::Button_10_CentClick(TObject*) {}
void TForm1::EinzahlenButtonClick(TObject*) {}
