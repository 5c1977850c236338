// SPDX-License-Identifier: GPL-3.0-or-later
// The clock, the help document and the maker's web page behind the flag.
#include <ctime>
#include <filesystem>

#include "shell/clock_text.h"
#include "machine/form1.h"
#include "shell/maker.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

namespace {

constexpr const char* kHelpFileName = "Tresolo-Hilfe.pdf";

void TellNoViewer(const std::string& path) {
    ShowInformation("Zum Anzeigen der Hilfe ist kein PDF-Betrachter installiert.\n"
                    "Sie finden die Hilfe hier:\n" + path);
}

}  // namespace

void TForm1::UhrzeitTimerTimer(TObject*) {
    const std::tm now = Services.localTime();
    Program.Uhrzeit = TimeOfDayInDays(now);
    Label1->SetCaption(LongTimeText(now));
    Program.DatumText = ShortDateText(now);
    Program.UhrzeitText = LongTimeText(now);
}

void TForm1::HilfeBtnClick(TObject*) {
    const std::string path = Program.AnwendungsPfad + kHelpFileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        ShowInformation("Die Hilfe \"" + std::string(kHelpFileName) + "\" wurde nicht gefunden.\n" +
                        "Sie gehört in den Ordner des Programms.");
        return;
    }
    // Without a viewer the opener fails at once (none installed) or a moment later (nothing
    // shows PDF files); either way the box says where the help is.
    const std::string place = std::filesystem::absolute(path, error).string();
    const auto noViewer = [place] { TApplication::QueueFromThread([place] { TellNoViewer(place); }); };
    if (!Services.openDocument(path, noViewer)) TellNoViewer(place);
}

bool TForm1::InternetVerbindungVorhanden() {
    return Services.internetConnected();
}

void TForm1::FlaggeClick(TObject*) {
    if (!InternetVerbindungVorhanden()) {
        Flagge->SetHint("Es besteht keine Verbindung zum Internet");
        return;
    }
    Flagge->SetHint("Webseite " + HostOf(kMakerWebPage));
    const std::string url(kMakerWebPage);
    Services.openDocument(url, {});
}
