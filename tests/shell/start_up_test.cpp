// SPDX-License-Identifier: GPL-3.0-or-later
// The program started headless in a fresh folder: start-up, first paint, settings read
// and saved at the end.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "codecs/picture_file.h"
#include "support/resource.h"
#include "tests/machine/started_program.h"

namespace {

class StartUp : public ::testing::Test {
protected:
    StartedProgram program;
};

const PixelBuffer& PixelsOf(const TImage* image) { return image->Picture().Bitmap().Pixels(); }

// A display's artwork with a number drawn on it at (x, 1), as the displays draw numbers.
PixelBuffer DisplayShowing(const char* artwork, int x, const std::string& text) {
    const Resource* file = FindResource(artwork);
    TBitmap display;
    display.Assign(DecodePicture({file->data, file->size}));
    TCanvas& canvas = display.Canvas();
    canvas.Font.Name = "Arial";
    canvas.Font.Style = fsBold;
    canvas.Font.Size = 12;
    canvas.TextOut(x, 1, text);
    return display.Pixels();
}

// Records the screen flag just before and after the program's own handler (the first
// call only), so a paint, which compares the screen too, cannot be what noticed a change.
void Around(TNotifyEvent& handler, bool& before, bool& after) {
    handler = [own = handler, &before, &after, called = false](TObject* sender) mutable {
        if (!called) before = Form1->Program.AufloesungGeaendert;
        own(sender);
        if (!called) after = Form1->Program.AufloesungGeaendert;
        called = true;
    };
}

}  // namespace

TEST_F(StartUp, FirstStartFromTheOwnFolderRecordsItAndSavesAtTheEnd) {
    WriteBytes(program.folder / "tresolo", "");
    program.Start();
    EXPECT_TRUE(program.harness->RunFor(2000));
    EXPECT_EQ(Form1->Program.AnwendungsPfad, program.Folder());
    EXPECT_EQ(Form1->Program.IniDateiName, program.Folder() + "Tresolo.ini");
    EXPECT_EQ(program.Registry("Software\\Tresolo", "InstallPfad"), program.Folder());
    EXPECT_EQ(program.Registry("Software\\Tresolo", ""), program.Folder() + "tresolo");
    Form1->Program.SpielerName = "Max";
    Form1->Close();
    program.Stop();
    EXPECT_EQ(program.Ini("SpielerName"), "Max");
    EXPECT_EQ(program.Registry("Software\\TresoloKasse", "KA"), "0 00");
}

TEST_F(StartUp, FromAnotherFolderTheRecordedFolderOrTheBareNameIsUsed) {
    program.Start();
    EXPECT_EQ(Form1->Program.AnwendungsPfad, "");
    EXPECT_EQ(Form1->Program.IniDateiName, "Tresolo.ini");
    EXPECT_EQ(program.Registry("Software\\Tresolo", "InstallPfad"), "<none>");
    program.Stop();

    program.SetRegistry("Software\\Tresolo", "InstallPfad", "/opt/tresolo/");
    program.Start();
    EXPECT_EQ(Form1->Program.IniDateiName, "/opt/tresolo/Tresolo.ini");
}

// Installed, the program reads its help and coin sound from the share folder and keeps
// its INI file beside the per-user store, wherever the desktop starts it.
TEST_F(StartUp, AnInstalledProgramKeepsItsDataAndItsSettingsApart) {
    const std::filesystem::path data = program.home / "share";
    std::filesystem::create_directory(data);
    WriteBytes(data / "Tresolo-Hilfe.pdf", "%PDF-1.4");
    WriteBytes(program.folder / "tresolo", "");  // even a program file here changes nothing
    std::vector<std::string> opened;
    PlatformServices services = QuietServices();
    services.installedDataDir = [&] { return data; };
    services.openDocument = [&](const std::string& path, NoViewerCall) { opened.push_back(path); return true; };
    program.Start(services);
    EXPECT_EQ(Form1->Program.IniDateiName, (program.home / "Tresolo.ini").string());
    EXPECT_EQ(program.Registry("Software\\Tresolo", "InstallPfad"), "<none>");
    program.harness->ClickControl(*Form1->HilfeBtn);
    program.harness->RunFor(50);
    EXPECT_EQ(opened, std::vector<std::string>{(data / "Tresolo-Hilfe.pdf").string()});
    Form1->PlayCoinSound();
    EXPECT_EQ(std::filesystem::path(Form1->MediaPlayer1->FileName), data / "Muenze.WAV");
    Form1->Program.SpielerName = "Max";
    program.Stop();
    EXPECT_EQ(GetPrivateProfileString("Einstellungen", "SpielerName", "", program.home / "Tresolo.ini"), "Max");
    EXPECT_FALSE(std::filesystem::exists(program.folder / "Tresolo.ini"));
}

TEST_F(StartUp, StartStateOfTheGameAndTheDisplays) {
    PlatformServices services = QuietServices();
    services.cpuClock.readCounter = [n = 0]() mutable { return std::optional<std::uint64_t>(n++ * 1'500'000'000ull); };
    program.Start(services);
    Form1->AwaitCpuClock();
    EXPECT_EQ(Form1->Program.CPUTaktMHz, 3000);
    EXPECT_TRUE(Form1->Program.WindowsVersionOK);
    EXPECT_TRUE(Form1->Game.RuhePhaseErlaubt);
    EXPECT_TRUE(Form1->Timer4->Enabled());
    EXPECT_EQ(Form1->Money.Spielgeld(), EuroDecimal());
    EXPECT_EQ(Form1->Chest.AuszahlungsBildLinks, Form1->SonderSpieleAnzeige->Left());
    // Showing the window painted it: the chest was fitted with 9 steps and a second layout pass.
    EXPECT_EQ(Form1->Chest.AuszahlungsBildOben, 360 - 9 * 5);
    EXPECT_EQ(Form1->Program.KachelBreite, 111 - 2 * 2);
    // The fourteen ladder steps unlit: each shows its own "_normal" picture, not the lit one.
    for (const char* step : {"Sondersp20Image", "Sondersp10Image", "Sondersp5Image", "Euro_2_20_Image",
                             "Euro_1_50_Image", "Cent_50_Image", "Image_00", "Sondersp40Image",
                             "Sondersp30Image", "Sondersp15Image", "Euro_3_70_Image", "Euro_2_50_Image",
                             "Euro_1_20_Image", "Image_00_2"}) {
        auto picture = [&](const std::string& suffix) {
            return PixelsOf(dynamic_cast<TImage*>(Form1->FindComponent(step + suffix)));
        };
        EXPECT_TRUE(picture("") == picture("_normal")) << step;
        EXPECT_FALSE(picture("") == picture("_gelb")) << step;
    }
    // The credit display shows "0,0" a sixth into its 126 pixels, the special games "0"
    // (the count mask forces one digit) at the middle, in bold 12-point Arial.
    const PixelBuffer credit = DisplayShowing("SpielGeldSpeicherAnzeige", 21, "0,0");
    ASSERT_FALSE(credit == DisplayShowing("SpielGeldSpeicherAnzeige", 21, "0,00"));
    EXPECT_TRUE(PixelsOf(Form1->SpielGeldSpeicherAnzeige) == credit);
    const PixelBuffer games = DisplayShowing("SonderSpieleAnzeige", 63, "0");
    ASSERT_FALSE(games == DisplayShowing("SonderSpieleAnzeige", 63, "00"));
    EXPECT_TRUE(PixelsOf(Form1->SonderSpieleAnzeige) == games);
    EXPECT_EQ(Form1->Program.SpielgeldTextX, Form1->SpielGeldSpeicherAnzeige->Width() / 6);
    EXPECT_EQ(Form1->Game.SonderspieleTextX, Form1->SonderSpieleAnzeige->Width() / 2);
}

TEST_F(StartUp, SlowOrUnknownClockCountsAsZero) {
    PlatformServices services = QuietServices();
    services.cpuClock.readCounter = [n = 0]() mutable { return std::optional<std::uint64_t>(n++ * 250'000'000ull); };
    program.Start(services);
    Form1->AwaitCpuClock();
    EXPECT_EQ(Form1->Program.CPUTaktMHz, 0);  // 500 MHz is not above 500
}

// The start does not wait for the clock's 500 ms; a risk game that comes before the
// measurement is done waits for it and blinks at the measured pace.
TEST_F(StartUp, ClockIsMeasuredBesideTheStartAndTheRiskGameWaitsForIt) {
    std::promise<void> entered, release;
    std::shared_future<void> released = release.get_future().share();
    PlatformServices services = QuietServices();
    services.cpuClock.readCounter = [n = 0]() mutable { return std::optional<std::uint64_t>(n++ * 1'000'000'000ull); };
    services.cpuClock.sleep = [&entered, released](int) {
        entered.set_value();
        released.wait_for(std::chrono::seconds(5));
    };
    program.Start(services);
    EXPECT_EQ(Form1->Program.CPUTaktMHz, 0);
    // The measurement runs by itself, without waiting for anyone to ask for the clock.
    ASSERT_EQ(entered.get_future().wait_for(std::chrono::seconds(5)), std::future_status::ready);
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        release.set_value();
    });
    program.harness->App().Rng().Script({0, 40});  // twenty passes, then the result
    const std::int64_t before = program.harness->NowMs();
    Form1->RisikoSpiel();
    releaser.join();
    EXPECT_EQ(Form1->Program.CPUTaktMHz, 2000);
    // Twenty passes of three steps of 2000 div 200 + 10 = 20 ms, then 500 ms.
    EXPECT_EQ(program.harness->NowMs() - before, 20 * 3 * 20 + 500);
    Form1->AwaitCpuClock();
    EXPECT_EQ(Form1->Program.CPUTaktMHz, 2000);
}

TEST_F(StartUp, UnsupportedSystemIsRefusedAndNothingIsSaved) {
    PlatformServices services = QuietServices();
    services.queryOsVersion = [] { return std::optional<OsVersion>(); };
    program.harness = std::make_unique<HeadlessHarness>();
    program.harness->Key(VK_RETURN, 10);
    EXPECT_THROW(CreateTresoloWindows(program.harness->App(), services), HaltRequest);
    ASSERT_EQ(program.harness->MessageBoxes().size(), 1u);
    EXPECT_EQ(program.harness->MessageBoxes()[0].second, "Der Tresolo schwimmt nur unter Windows XP oder höher!");
    EXPECT_EQ(MenueDlg, nullptr);
    program.Stop();
    EXPECT_FALSE(std::filesystem::exists(program.store));
    EXPECT_FALSE(std::filesystem::exists(program.folder / "Tresolo.ini"));
}

TEST_F(StartUp, FirstPaintShowsReelsAndCashBoxOnce) {
    program.SetRegistry("Software\\TresoloKasse", "KA", "12 50");
    program.Start();
    program.harness->RunFor(100);
    EXPECT_FALSE(Form1->Program.ErstesZeichnen);
    // The reels show the first, third and first symbol pictures, pixel for pixel.
    ASSERT_FALSE(PixelsOf(Form1->Walzenbild1) == PixelsOf(Form1->Walzenbild3));
    EXPECT_TRUE(PixelsOf(Form1->Walze_links1) == PixelsOf(Form1->Walzenbild1));
    EXPECT_TRUE(PixelsOf(Form1->Walze_mitte1) == PixelsOf(Form1->Walzenbild3));
    EXPECT_TRUE(PixelsOf(Form1->Walze_rechts1) == PixelsOf(Form1->Walzenbild1));
    EXPECT_TRUE(Form1->ImageRisiko->Visible());  // the risk game is on at start
    EXPECT_EQ(Form1->Money.Automatenkasse(), EuroDecimal::Parse("12,5"));
    EXPECT_EQ(MenueDlg->AutomatenGeldspeicherAnzeige->Caption(), "12,50");
    EXPECT_EQ(Form1->ActiveControl(), Form1->MenueBtn);
    // A later paint only watches the screen.
    MenueDlg->AutomatenGeldspeicherAnzeige->SetCaption("-");
    Form1->InvalidateAll();
    program.harness->RunFor(100);
    EXPECT_EQ(MenueDlg->AutomatenGeldspeicherAnzeige->Caption(), "-");
    program.Stop();
    EXPECT_EQ(program.Registry("Software\\TresoloKasse", "KA"), "12 50");
}

TEST_F(StartUp, CashBoxStoredWithCommaOrDamaged) {
    program.SetRegistry("Software\\TresoloKasse", "KA", "7,30");
    program.Start();
    EXPECT_EQ(Form1->Money.Automatenkasse(), EuroDecimal::Parse("7,3"));
    program.Stop();
    EXPECT_EQ(program.Registry("Software\\TresoloKasse", "KA"), "7 30");

    program.SetRegistry("Software\\TresoloKasse", "KA", "viel Geld");
    program.Start();
    program.harness->RunFor(100);
    EXPECT_EQ(MenueDlg->AutomatenGeldspeicherAnzeige->Caption(), "0,00");
    program.Stop();
    EXPECT_EQ(program.Registry("Software\\TresoloKasse", "KA"), "0 00");
}

TEST_F(StartUp, StoredSwitchesTickTheMenuBoxes) {
    WriteBytes(program.folder / "tresolo", "");
    struct Case {
        const char* stored;
        bool on;
        const char* afterwards;
    };
    for (const Case& c : {Case{nullptr, true, ""}, Case{"", true, ""}, Case{"1", true, "1"},
                          Case{"0", false, "0"}, Case{"x", false, "0"}}) {
        std::filesystem::remove(program.folder / "Tresolo.ini");
        if (c.stored) {
            program.SetIni("Sound", c.stored);
            program.SetIni("Auswertung speichern", c.stored);
        }
        program.Start();
        program.harness->RunFor(100);
        EXPECT_EQ(MenueDlg->PC_LautsprHoeren->Checked(), c.on) << (c.stored ? c.stored : "absent");
        EXPECT_EQ(MenueDlg->LogDateiSpeichern->Checked(), c.on);
        EXPECT_EQ(program.Ini("Sound"), c.afterwards);
        EXPECT_EQ(program.Ini("Auswertung speichern"), c.afterwards);
        program.Stop();
    }
}

TEST_F(StartUp, AnEmptyPlayerNameIsNeverWritten) {
    WriteBytes(program.folder / "tresolo", "");
    program.SetIni("SpielerName", "Moritz");
    program.Start();
    program.harness->RunFor(50);
    program.Stop();
    EXPECT_EQ(program.Ini("SpielerName"), "Moritz");
}

TEST_F(StartUp, ActivationAndScreenWatch) {
    program.Start();
    program.harness->RunFor(50);
    TForm1& f = *Form1;
    f.Program.RuhePhaseAktiv = true;  // the idle loop runs
    f.AppDeactivate(nullptr);
    EXPECT_TRUE(f.Program.AnwendungInaktiv);
    EXPECT_FALSE(f.Program.RuhePhaseAktiv);
    EXPECT_FALSE(f.Program.AufloesungGeaendert);
    f.Timer4->SetEnabled(false);
    f.ApplicationActivate(nullptr);
    EXPECT_FALSE(f.Program.AnwendungInaktiv);
    EXPECT_TRUE(f.Timer4->Enabled());
    program.harness->Backend().SetScreenSize({1024, 768});
    f.InvalidateAll();
    program.harness->App().ProcessMessages();
    EXPECT_TRUE(f.Program.AufloesungGeaendert);
}

// The player switches away (or back) right after the resolution watch last looked, with
// the screen's resolution changed: the switch itself notices it, the message follows
// within two seconds, and once the player has read it the program ends and saves the
// player's name and the cash box.
TEST_F(StartUp, ResolutionChangeSeenOnSwitchingAwayOrBackEndsTheProgramAndSaves) {
    WriteBytes(program.folder / "tresolo", "");
    struct Case {
        bool onActivation;
        const char* player;
        const char* cashBox;
        const char* stored;
    };
    for (const Case& c : {Case{false, "Moritz", "7,5", "7 50"}, Case{true, "Max", "12,25", "12 25"}}) {
        SCOPED_TRACE(c.onActivation ? "activation" : "deactivation");
        program.Start();
        HeadlessHarness& h = *program.harness;
        h.RunFor(100);
        if (c.onActivation) {
            h.Focus(Form1, false);
            h.RunFor(100);
        }
        Form1->Program.SpielerName = c.player;
        SetCashBox(Form1->Money, c.cashBox);
        bool before = true, after = false;
        Around(c.onActivation ? h.App().OnActivate : h.App().OnDeactivate, before, after);
        std::int64_t changedAt = -1, shownAt = -1;
        TTimer& watch = *Form1->AufloesungsTimer;
        watch.OnTimer = [&, own = watch.OnTimer](TObject* sender) {
            own(sender);
            if (changedAt >= 0) return;
            changedAt = h.NowMs();
            h.Backend().SetScreenSize({1024, 768});
            h.Focus(Form1, c.onActivation);
        };
        h.App().OnMessageBox = [&, own = h.App().OnMessageBox](const std::string& caption, const std::string& text) {
            own(caption, text);
            shownAt = h.NowMs();
            h.Key(VK_RETURN, 500);  // the player reads it and presses Enter
        };

        EXPECT_FALSE(h.RunFor(10000));
        EXPECT_FALSE(before);
        EXPECT_TRUE(after);
        ASSERT_EQ(h.MessageBoxes().size(), 1u);
        EXPECT_EQ(h.MessageBoxes()[0].second,
                  "Die Monitor-Auflösung hat sich geändert. Tresolo wird jetzt beendet. "
                  "Starten Sie ihn danach erneut!");
        EXPECT_GT(shownAt, changedAt);
        EXPECT_LE(shownAt - changedAt, 2000);
        program.Stop();
        EXPECT_EQ(program.Ini("SpielerName"), c.player);
        EXPECT_EQ(program.Registry("Software\\TresoloKasse", "KA"), c.stored);
    }
}
