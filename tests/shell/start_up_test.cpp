// The program started headless in a fresh folder: start-up, first paint, settings read
// and saved at the end.
#include <gtest/gtest.h>

#include "tests/machine/started_program.h"

namespace {

class StartUp : public ::testing::Test {
protected:
    StartedProgram program;
};

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

TEST_F(StartUp, StartStateOfTheGameAndTheDisplays) {
    PlatformServices services = QuietServices();
    services.cpuClock.readCounter = [n = 0]() mutable { return std::optional<std::uint64_t>(n++ * 1'500'000'000ull); };
    program.Start(services);
    EXPECT_EQ(Form1->Program.CPUTaktMHz, 3000);
    EXPECT_TRUE(Form1->Program.WindowsVersionOK);
    EXPECT_TRUE(Form1->Game.RuhePhaseErlaubt);
    EXPECT_TRUE(Form1->Timer4->Enabled());
    EXPECT_EQ(Form1->Money.Spielgeld, EuroDecimal());
    EXPECT_EQ(Form1->Chest.AuszahlungsBildLinks, Form1->SonderSpieleAnzeige->Left());
    // Showing the window painted it: the chest was fitted with 9 steps and a second layout pass.
    EXPECT_EQ(Form1->Chest.AuszahlungsBildOben, 360 - 9 * 5);
    EXPECT_EQ(Form1->Program.KachelBreite, 111 - 2 * 2);
    EXPECT_EQ(Form1->Sondersp20Image->Picture().Width(), 90);
    EXPECT_EQ(Form1->Program.SpielgeldTextX, Form1->SpielGeldSpeicherAnzeige->Width() / 6);
    EXPECT_EQ(Form1->Game.SonderspieleTextX, Form1->SonderSpieleAnzeige->Width() / 2);
}

TEST_F(StartUp, SlowOrUnknownClockCountsAsZero) {
    PlatformServices services = QuietServices();
    services.cpuClock.readCounter = [n = 0]() mutable { return std::optional<std::uint64_t>(n++ * 250'000'000ull); };
    program.Start(services);
    EXPECT_EQ(Form1->Program.CPUTaktMHz, 0);  // 500 MHz is not above 500
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
    EXPECT_EQ(Form1->Walze_mitte1->Picture().Width(), Form1->Walzenbild3->Picture().Width());
    EXPECT_FALSE(Form1->Walze_links1->Picture().Empty());
    EXPECT_TRUE(Form1->ImageRisiko->Visible());  // the risk game is on at start
    EXPECT_EQ(Form1->Money.Automatenkasse, EuroDecimal::Parse("12,5"));
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
    EXPECT_EQ(Form1->Money.Automatenkasse, EuroDecimal::Parse("7,3"));
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
    f.AppDeactivate(nullptr);
    EXPECT_TRUE(f.Program.AnwendungInaktiv);
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
