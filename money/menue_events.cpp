// The menu dialog: opening, closing, the risk switch, the automatic start box, help, quit.
#include "machine/form1.h"
#include "machine/menue_dlg.h"

void TMenueDlg::FormCreate(TObject*) {}
void TMenueDlg::FormShow(TObject*) {}
void TMenueDlg::FormClose(TObject*, TCloseAction&) {}
void TMenueDlg::CancelBtnClick(TObject*) {}
void TMenueDlg::ButtonRisikoClick(TObject*) {}
void TMenueDlg::AutoStartCheckBoxClick(TObject*) {}
void TMenueDlg::Button1Click(TObject*) {}
void TMenueDlg::Button2Click(TObject*) {}
