#include "shell/program.h"

#include "shell/form1.h"
#include "shell/menue_dlg.h"
#include "shell/name_dlg.h"
#include "support/resource.h"

void CreateTresoloWindows(TApplication& app, ShellServices services) {
    app.CreateForm(Form1, std::move(services));
    app.CreateForm(MenueDlg);
    app.CreateForm(NameEingabeDlg);
}

void SetWindowIcon(TForm& form) {
    const Resource* r = FindResource("icon32");
    if (!r) return;
    TPicture icon;
    icon.LoadFromMemory(r->data, r->size, r->fileName);
    form.Icon = icon.Bitmap().Pixels();
}
