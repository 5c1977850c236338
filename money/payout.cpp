// The payout: the debt offset against the credit, the result, the notes and coins thrown out.
#include "machine/form1.h"
#include "machine/menue_dlg.h"

void TMenueDlg::ButtonGibsGeldHerClick(TObject*) {}
void TForm1::AuszahlenButtonClick(TObject*) {}
