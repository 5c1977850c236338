// SPDX-License-Identifier: GPL-3.0-or-later
// FormCreate: the version check, the clock measurement, the game's start state, the
// layout, the displays, the installation folder and the stored cash box.
#include <filesystem>
#include <future>

#include "machine/form1.h"
#include "machine/ladder_fields.h"
#include "machine/scene_geometry.h"
#include "machine/scene_pictures.h"
#include "machine/settings_store.h"
#include "platform/threads.h"
#include "shell/version_check.h"
#include "support/user_store_path.h"
#include "support/decimal_mask.h"
#include "support/write_failures.h"
#include "toolkit/application.h"
#include "toolkit/screen.h"
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

// An installed program takes its help and coin sound from its data folder and keeps its
// INI file beside the per-user store; it records no folder, so a build started from
// elsewhere still finds its own.
bool UseInstalledLayout(ProgramState& program, const std::filesystem::path& dataDir) {
    if (dataDir.empty()) return false;
    program.DataPath = FolderWithSeparator(dataDir);
    program.AnwendungsPfad = program.DataPath;
    const std::filesystem::path userFolder = UserStorePath().parent_path();
    std::error_code error;
    std::filesystem::create_directories(userFolder, error);
    // Without a home folder the bare name is left, as for a program with no folder.
    program.IniDateiName =
        (userFolder.empty() ? std::string() : FolderWithSeparator(userFolder)) + std::string(settings::kIniFileName);
    return true;
}

}  // namespace

void TForm1::FormCreate(TObject*) {
    SetWriteFailureListener([this](const WriteFailure& failure) { ShowWriteFailure(failure); });
    Program.SpielerName.clear();
    Program.AufloesungGeaendert = false;
    Program.StartBildschirmHoehe = Screen->Height();
    Program.StartBildschirmBreite = Screen->Width();

    Program.WindowsVersionText = WindowsVersionErmitteln();
    Program.WindowsVersionOK = VersionSupported(Program.WindowsVersionText);
    if (!Program.WindowsVersionOK) {
        ShowInformation(kUnsupportedSystemMessage);
        Application->Halt(1);
    }

    AuszahlungsListe = new TStringList();
    AuszahlungsListe->Sorted = false;
    TakeWaterTileSize(*this);
    Chest.TruheInOriginalGroesse = true;

    // The measurement sleeps 500 ms. It runs beside the program rather than before its
    // first frame; its only reader, the risk game, comes seconds later and waits for it.
    // Without a thread to spare, the reader measures when it first needs the clock.
    CpuClockMeasurement = std::async(kBesidePolicy, &TForm1::GetCPUSpeed, this);

    Application->OnDeactivate = Handler(this, &TForm1::AppDeactivate);
    Application->OnActivate = Handler(this, &TForm1::ApplicationActivate);

    Elemente_an_Monitor_anpassen();
    Chest.SetFullSizeGeometry(SonderSpieleAnzeige->Left());
    PlaceClamAndTitleAtFullChest(*this);
    SetUpDisplays();
    FindInstallFolder();
    ReadCashBox();
    Game.RuhePhaseErlaubt = true;
    ShowLaddersUnlit();
    DoubleBuffered = true;

    Shark.HaiBildZaehler = 0;
    Shark.HaiGebuecktZaehler = 0;
    Shark.HaiSchwimmtNachLinks = false;
    Timer4->SetEnabled(true);
}

void TForm1::AwaitCpuClock() {
    if (!CpuClockMeasurement.valid()) return;
    const int mhz = static_cast<int>(CpuClockMeasurement.get());
    Program.CPUTaktMHz = mhz > kSlowestKnownClockMHz ? mhz : 0;
}

std::string TForm1::WindowsVersionErmitteln() { return OsVersionText(Services.queryOsVersion()); }

void TForm1::SetUpDisplays() {
    TCanvas& credit = SpielGeldSpeicherAnzeige->Canvas();
    UseDisplayFont(credit);
    LedgerBalances opening = Money.Balances();
    opening.Spielgeld = EuroDecimal::Parse("0");
    opening.SonderspieleAnzahl = EuroDecimal::Parse("0");
    Money.Open(opening);
    Program.SpielgeldTextX = SpielGeldSpeicherAnzeige->Width() / 6;
    Program.SpielgeldTextY = 1;
    credit.TextOut(Program.SpielgeldTextX, Program.SpielgeldTextY, FormatWithMask(Money.Spielgeld(), "########0,0"));

    TCanvas& games = SonderSpieleAnzeige->Canvas();
    UseDisplayFont(games);
    Game.SonderspieleTextX = SonderSpieleAnzeige->Width() / 2;
    Game.SonderspieleTextY = 1;
    games.TextOut(Game.SonderspieleTextX, Game.SonderspieleTextY,
                  FormatWithMask(Money.SonderspieleAnzahl(), "########0#"));
}

// The working folder is the installation folder when the program file lies in it;
// otherwise the folder an earlier start recorded is used.
void TForm1::FindInstallFolder() {
    if (UseInstalledLayout(Program, Services.installedDataDir()))
        return;
    std::error_code error;
    Program.AnwendungsPfad = FolderWithSeparator(std::filesystem::current_path(error));
    Program.IniDateiName = Program.AnwendungsPfad + std::string(settings::kIniFileName);
    const std::string programFile = Program.AnwendungsPfad + Services.programFileName;
    if (std::filesystem::is_regular_file(programFile, error)) {
        SchreibAnwendungsPfadINRegistry(programFile);
        return;
    }
    Program.AnwendungsPfad = LiesAnwendungsPfadINRegistry();
    Program.IniDateiName = Program.AnwendungsPfad + std::string(settings::kIniFileName);
}

void TForm1::ReadCashBox() {
    const settings::CashBox box = settings::CashBoxFromStored(settings::ReadCashBoxText());
    LedgerBalances opening = Money.Balances();
    opening.Automatenkasse = box.amount;
    Money.Open(opening);
    Program.AutomatenkasseText = box.text;
    Kept.Load(box.amount);
}

void TForm1::TakeCashBox(const KeptCashBox& agreed) {
    LedgerBalances opening = Money.Balances();
    opening.Automatenkasse = agreed.amount;
    Money.Open(opening);
    Program.AutomatenkasseText = agreed.amount.ToFixed(2);
    Kept.Take(agreed);
}

void TForm1::ShowLaddersUnlit() {
    for (Ladder ladder : kBothLadders)
        for (int i = 0; i < kLadderFieldCount; ++i) ShowFieldLook(*this, ladder, i, &LadderField::normal);
}

void TForm1::SchreibAnwendungsPfadINRegistry(const std::string& programmDatei) {
    settings::RecordInstallFolder(programmDatei, Program.AnwendungsPfad);
}

std::string TForm1::LiesAnwendungsPfadINRegistry() { return settings::RecordedInstallFolder(); }
