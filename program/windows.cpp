// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/windows.h"

#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "machine/name_dlg.h"
#include "statistics/attach.h"
#include "machine/window_parts.h"

void CreateTresoloWindows(TApplication& app, PlatformServices services) {
    app.CreateForm(Form1, std::move(services));
    app.CreateForm(MenueDlg);
    app.CreateForm(NameEingabeDlg);
    AttachPlayHistory(*Form1);
}

void SetWindowIcon(TForm& form) {
    TPicture icon;
    LoadArtwork(icon, "icon32");
    form.Icon = icon.Bitmap().Pixels();
}
