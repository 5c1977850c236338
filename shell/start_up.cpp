// FormCreate: the version check, the clock measurement, the game's start state, the
// layout, the displays, the installation folder and the stored cash box.
#include <filesystem>

#include "shell/form1.h"
#include "shell/settings_store.h"
#include "shell/version_check.h"
#include "support/decimal_mask.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

namespace {

constexpr int kSlowestKnownClockMHz = 500;

void UseDisplayFont(TCanvas& canvas) {
    canvas.Font.Name = "Arial";
    canvas.Font.Style = fsBold;
    canvas.Font.Size = 12;
}

std::string FolderWithSeparator(const std::filesystem::path& folder) {
    std::string text = folder.string();
    if (text.empty() || text.back() != std::filesystem::path::preferred_separator)
        text += std::filesystem::path::preferred_separator;
    return text;
}

}  // namespace

void TForm1::FormCreate(TObject*) {
    Shell.SpielerName.clear();
    Shell.AufloesungGeaendert = false;
    const TPoint screen = Application->Backend_().ScreenSize();
    Shell.StartBildschirmHoehe = screen.Y;
    Shell.StartBildschirmBreite = screen.X;

    Shell.WindowsVersionText = WindowsVersionErmitteln();
    Shell.WindowsVersionOK = VersionSupported(Shell.WindowsVersionText);
    if (!Shell.WindowsVersionOK) {
        ShowInformation(kUnsupportedSystemMessage);
        Application->Halt(1);
    }

    AuszahlungsListe = new TStringList();
    AuszahlungsListe->Sorted = false;
    Shell.KachelBreite = Wasser_kachel->Picture().Width();
    Shell.KachelHoehe = Wasser_kachel->Picture().Height();
    Chest.TruheInOriginalGroesse = true;

    const int mhz = static_cast<int>(GetCPUSpeed());
    Shell.CPUTaktMHz = mhz > kSlowestKnownClockMHz ? mhz : 0;

    Application->OnDeactivate = Handler(this, &TForm1::AppDeactivate);
    Application->OnActivate = Handler(this, &TForm1::ApplicationActivate);

    Elemente_an_Monitor_anpassen();
    Chest.AuszahlungsBildLinks = SonderSpieleAnzeige->Left();
    Chest.AuszahlungsBildOben = 360;
    Chest.AuszahlungsBildHoehe = 57;
    Chest.AuszahlungsBildBreite = 81;
    PlaceShellAndTitle();
    SetUpDisplays();
    FindInstallFolder();
    ReadCashBox();
    Game.RuhePhaseErlaubt = true;
    ShowLaddersUnlit();
    DoubleBuffered = true;

    Hai.HaiBildZaehler = 0;
    Hai.HaiGebuecktZaehler = 0;
    Hai.HaiSchwimmtNachLinks = false;
    Timer4->SetEnabled(true);
}

std::string TForm1::WindowsVersionErmitteln() { return OsVersionText(Services.queryOsVersion()); }

// The shell and the title sit at the lower right of the full-size chest; the title's
// place uses its size from before it is made smaller.
void TForm1::PlaceShellAndTitle() {
    const TRect scene = Hintergrund2->BoundsRect();
    Muschel->SetLeft(scene.Left + scene.Width() - scene.Width() / 3 + 20);
    Muschel->SetTop(scene.Bottom - Muschel->Height() - 40);
    Tresolo_Ueberschrift->SetLeft(Muschel->Left() - Tresolo_Ueberschrift->Width() - 40);
    Tresolo_Ueberschrift->SetTop(scene.Bottom - Tresolo_Ueberschrift->Height() - 15);
    Tresolo_Ueberschrift->SetHeight(67);
    Tresolo_Ueberschrift->SetWidth(168);
}

void TForm1::SetUpDisplays() {
    TCanvas& credit = SpielGeldSpeicherAnzeige->Canvas();
    UseDisplayFont(credit);
    Money.Spielgeld = EuroDecimal::Parse("0");
    Shell.SpielgeldTextX = SpielGeldSpeicherAnzeige->Width() / 6;
    Shell.SpielgeldTextY = 1;
    credit.TextOut(Shell.SpielgeldTextX, Shell.SpielgeldTextY, FormatWithMask(Money.Spielgeld, "########0,0"));

    TCanvas& games = SonderSpieleAnzeige->Canvas();
    UseDisplayFont(games);
    Game.SonderspieleAnzahl = EuroDecimal::Parse("0");
    Game.SonderspieleTextX = SonderSpieleAnzeige->Width() / 2;
    Game.SonderspieleTextY = 1;
    games.TextOut(Game.SonderspieleTextX, Game.SonderspieleTextY,
                  FormatWithMask(Game.SonderspieleAnzahl, "########0#"));
}

// The working folder is the installation folder when the program file lies in it;
// otherwise the folder an earlier start recorded is used.
void TForm1::FindInstallFolder() {
    std::error_code error;
    Shell.AnwendungsPfad = FolderWithSeparator(std::filesystem::current_path(error));
    Shell.IniDateiName = Shell.AnwendungsPfad + std::string(settings::kIniFileName);
    const std::string programFile = Shell.AnwendungsPfad + Services.programFileName;
    if (std::filesystem::is_regular_file(programFile, error)) {
        SchreibAnwendungsPfadINRegistry(programFile);
        return;
    }
    Shell.AnwendungsPfad = LiesAnwendungsPfadINRegistry();
    Shell.IniDateiName = Shell.AnwendungsPfad + std::string(settings::kIniFileName);
}

void TForm1::ReadCashBox() {
    const settings::CashBox box = settings::CashBoxFromStored(settings::ReadCashBoxText());
    Money.Automatenkasse = box.amount;
    Shell.AutomatenkasseText = box.text;
}

void TForm1::ShowLaddersUnlit() {
    TImage* const steps[] = {Sondersp20Image, Sondersp10Image, Sondersp5Image, Euro_2_20_Image,
                             Euro_1_50_Image, Cent_50_Image,   Image_00,       Sondersp40Image,
                             Sondersp30Image, Sondersp15Image, Euro_3_70_Image, Euro_2_50_Image,
                             Euro_1_20_Image, Image_00_2};
    for (TImage* step : steps) {
        auto* normal = dynamic_cast<TImage*>(FindComponent(step->Name() + "_normal"));
        step->Picture().Assign(normal->Picture().Bitmap());
    }
}

void TForm1::SchreibAnwendungsPfadINRegistry(const std::string& programmDatei) {
    settings::RecordInstallFolder(programmDatei, Shell.AnwendungsPfad);
}

std::string TForm1::LiesAnwendungsPfadINRegistry() { return settings::RecordedInstallFolder(); }
