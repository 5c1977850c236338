// The player's name: asked at the menu's first showing, at most 20 characters.
#include "machine/menue_dlg.h"
#include "machine/name_dlg.h"

void TMenueDlg::SpielernameAbfragen() {}
void TNameEingabeDlg::OKBtnClick(TObject*) {}
void TNameEingabeDlg::Button1Click(TObject*) {}
void TNameEingabeDlg::Edit1Change(TObject*) {}
