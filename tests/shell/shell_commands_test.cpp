// SPDX-License-Identifier: GPL-3.0-or-later
// The clock, the help document and the flag's web link.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <thread>

#include "tests/machine/started_program.h"

namespace {

class ShellCommands : public ::testing::Test {
protected:
    void Start() {
        PlatformServices s = QuietServices();
        s.openDocument = [this](const std::string& what, NoViewerCall noViewer) {
            opened.push_back(what);
            // The opener's verdict comes from its own thread, as the real one's does.
            if (viewer == Viewer::FoundLater) std::thread(noViewer).join();
            return viewer != Viewer::NoOpener;
        };
        s.internetConnected = [this] { return online; };
        program.Start(s);
    }

    enum class Viewer { Shown, NoOpener, FoundLater };
    Viewer viewer = Viewer::Shown;
    StartedProgram program;
    std::vector<std::string> opened;
    bool online = false;
};

}  // namespace

TEST_F(ShellCommands, ClockTicksAfterOneSecond) {
    Start();
    program.harness->RunFor(999);
    EXPECT_EQ(Form1->Label1->Caption(), "Label1");
    EXPECT_EQ(Form1->Program.DatumText, "");
    EXPECT_EQ(Form1->Program.UhrzeitText, "");
    program.harness->RunFor(2);  // a tick due at the very end of a run waits for the next run
    EXPECT_EQ(Form1->Label1->Caption(), "22:39:00");
    EXPECT_EQ(Form1->Program.DatumText, "06.12.2026");
    EXPECT_EQ(Form1->Program.UhrzeitText, "22:39:00");
    EXPECT_DOUBLE_EQ(Form1->Program.Uhrzeit, (22 * 3600 + 39 * 60) / 86400.0);
}

TEST_F(ShellCommands, HelpOpensTheDocumentBesideTheProgram) {
    WriteBytes(program.folder / "tresolo", "");
    WriteBytes(program.folder / "Tresolo-Hilfe.pdf", "%PDF-1.4");
    Start();
    program.harness->ClickControl(*Form1->HilfeBtn);
    program.harness->RunFor(50);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], program.Folder() + "Tresolo-Hilfe.pdf");
    EXPECT_TRUE(program.harness->MessageBoxes().empty());
}

// No opener, or an opener that finds no PDF viewer: either way a box says so and names the
// help's place; the box of the late verdict comes on the program's own thread.
TEST_F(ShellCommands, HelpWithoutAViewerSaysWhereTheDocumentIs) {
    WriteBytes(program.folder / "tresolo", "");
    WriteBytes(program.folder / "Tresolo-Hilfe.pdf", "%PDF-1.4");
    for (Viewer v : {Viewer::NoOpener, Viewer::FoundLater}) {
        SCOPED_TRACE(static_cast<int>(v));
        viewer = v;
        Start();
        program.harness->ClickControl(*Form1->HilfeBtn);
        program.harness->Key(VK_RETURN, 100);
        program.harness->RunFor(200);
        ASSERT_EQ(program.harness->MessageBoxes().size(), 1u);
        EXPECT_EQ(program.harness->MessageBoxes()[0].first, "Information");
        EXPECT_EQ(program.harness->MessageBoxes()[0].second,
                  "Zum Anzeigen der Hilfe ist kein PDF-Betrachter installiert.\nSie finden die Hilfe hier:\n" +
                      program.Folder() + "Tresolo-Hilfe.pdf");
        program.Stop();
    }
}

TEST_F(ShellCommands, MissingHelpSaysSoInGerman) {
    WriteBytes(program.folder / "tresolo", "");
    Start();
    program.harness->ClickControl(*Form1->HilfeBtn);
    program.harness->Key(VK_RETURN, 100);
    program.harness->RunFor(200);
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(program.harness->MessageBoxes().size(), 1u);
    EXPECT_EQ(program.harness->MessageBoxes()[0].first, "Information");
    EXPECT_NE(program.harness->MessageBoxes()[0].second.find("Tresolo-Hilfe.pdf"), std::string::npos);
}

TEST_F(ShellCommands, FlagOfflineChangesOnlyItsHintThenOnlineOpensThePage) {
    Start();
    EXPECT_EQ(Form1->Flagge->Hint(), "");
    Form1->FlaggeClick(Form1->Flagge);
    EXPECT_EQ(Form1->Flagge->Hint(), "Es besteht keine Verbindung zum Internet");
    EXPECT_TRUE(opened.empty());
    online = true;
    Form1->FlaggeClick(Form1->Flagge);
    EXPECT_EQ(Form1->Flagge->Hint(), "Webseite tresolo.example.org");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "https://tresolo.example.org/");
}

// A system clock set to the first second of 1970 in Germany (before the epoch in UTC) or to
// the last second of 2100: the clock shows it, and the debt log is named after it.
TEST(ClockAtTheEdges, ShowsTheDateAndNamesTheDebtLogAfterIt) {
    const char* oldZone = std::getenv("TZ");
    const std::string keptZone = oldZone ? oldZone : "";
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    std::time_t now = -3600;
    PlatformServices s = QuietServices();
    s.localTime = [&now] {
        std::tm local{};
        localtime_r(&now, &local);
        return local;
    };
    StartedProgram program;
    program.Start(s);
    Form1->Program.SpielerName = "Max";
    SetDebt(Form1->Money, "5");
    const struct {
        std::int64_t at;
        const char *time, *date, *logFile;
    } edges[] = {{-3600, "00:00:00", "01.01.1970", "Max 01_01_1970 00_00_00.txt"},
                 {4133977199, "23:59:59", "31.12.2100", "Max 31_12_2100 23_59_59.txt"}};
    for (const auto& edge : edges) {
        // A 32-bit time_t (the page's build, which takes its time from the page) ends in 2038.
        if (static_cast<std::time_t>(edge.at) != edge.at) continue;
        now = static_cast<std::time_t>(edge.at);
        program.harness->RunFor(1001);
        EXPECT_EQ(Form1->Label1->Caption(), edge.time);
        EXPECT_EQ(Form1->Program.DatumText, edge.date);
        Form1->WriteDebtLog();
        EXPECT_EQ(ReadBytes(program.folder / edge.logFile), std::string("Max hat am ") + edge.date + " " + edge.time +
                                                                  " 5,00 Euro Schulden beim Tresolo gemacht!\r\n");
    }
    program.Stop();
    oldZone ? setenv("TZ", keptZone.c_str(), 1) : unsetenv("TZ");
    tzset();
}
