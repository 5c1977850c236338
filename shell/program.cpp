#include "shell/program.h"

#include "platform/user_config_dir.h"
#include "shell/form1.h"
#include "shell/menue_dlg.h"
#include "shell/name_dlg.h"
#include "support/resource.h"
#include "support/user_store_path.h"

void UseUserStore() { SetUserStorePath(UserConfigDir() / "registry.ini"); }

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
