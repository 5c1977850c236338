// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/windows.h"

#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "machine/name_dlg.h"
#include "statistics/attach.h"
#include "support/resource.h"

void CreateTresoloWindows(TApplication& app, PlatformServices services) {
    app.CreateForm(Form1, std::move(services));
    app.CreateForm(MenueDlg);
    app.CreateForm(NameEingabeDlg);
    AttachPlayHistory(*Form1, *MenueDlg);
}

void SetWindowIcon(TForm& form) {
    const Resource* r = FindResource("icon32");
    if (!r) return;
    TPicture icon;
    icon.LoadFromMemory(r->data, r->size, r->fileName);
    form.Icon = icon.Bitmap().Pixels();
}
