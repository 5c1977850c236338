// SPDX-License-Identifier: GPL-3.0-or-later
// The debt log: its line, its file name, and the file the program writes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "money/debt_log_text.h"
#include "tests/machine/started_program.h"

namespace {

constexpr const char* kDebt = " Euro Schulden beim Tresolo gemacht!";

TEST(DebtLogText, LineAndFileName) {
    EXPECT_EQ(DebtLogLine("Max", "06.12.2026", "22:39:00", "50,00", kDebt),
              "Max hat am 06.12.2026 22:39:00 50,00 Euro Schulden beim Tresolo gemacht!");
    EXPECT_EQ(DebtLogFileName("Max", "06.12.2026", "22:39:00"), "Max 06_12_2026 22_39_00.txt");
    EXPECT_EQ(DebtLogFileName("Dr. Max", "06.12.2026", "22:39:00"), "Dr_ Max 06_12_2026 22_39_00.txt");
    EXPECT_EQ(DebtLogFileName("Max", "06.12.2026", "22:39:00", 2), "Max 06_12_2026 22_39_00 (2).txt");
}

TEST(DebtLogText, LeadingBlanksStayInTheLineOnly) {
    EXPECT_EQ(DebtLogLine("  Max", "06.12.2026", "22:39:00", "0,00", " Euro Guthaben beim Tresolo gemacht!"),
              "  Max hat am 06.12.2026 22:39:00 0,00 Euro Guthaben beim Tresolo gemacht!");
    EXPECT_EQ(DebtLogFileName("  Max ", "06.12.2026", "22:39:00"), "Max 06_12_2026 22_39_00.txt");
}

// Whatever the name or the date format, the file lands in the current folder.
TEST(DebtLogText, FileNameHasNoCharacterAFileSystemRefuses) {
    EXPECT_EQ(DebtLogFileName("AC/DC", "06.12.2026", "22:39:00"), "AC_DC 06_12_2026 22_39_00.txt");
    EXPECT_EQ(DebtLogFileName("a\\b<c>d\"e|f?g*h\x01", "12/06/2026", "10:39:00 PM"),
              "a_b_c_d_e_f_g_h_ 12_06_2026 10_39_00 PM.txt");
    EXPECT_EQ(DebtLogFileName("..", "", ""), "__  .txt");
    EXPECT_EQ(DebtLogFileName("", "06.12.2026", "22:39:00"), " 06_12_2026 22_39_00.txt");
}

// $HOME and $XDG_CONFIG_HOME in one folder until destroyed.
class HomeAt {
public:
    explicit HomeAt(const std::filesystem::path& home) : home_(Saved("HOME")), config_(Saved("XDG_CONFIG_HOME")) {
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    }
    ~HomeAt() {
        Restore("HOME", home_);
        Restore("XDG_CONFIG_HOME", config_);
    }

private:
    static std::optional<std::string> Saved(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    std::optional<std::string> home_, config_;
};

class DebtLogFile : public ::testing::Test {
protected:
    DebtLogFile() {
        program.Start();
        program.harness->RunFor(1100);  // the clock has ticked
        Form1->Program.SpielerName = "Jürgen";
        SetDebt(Form1->Money, "50");
    }
    StartedProgram program;
};

// One line ended by CR LF, in UTF-8. A log of the same name is never replaced: the new
// entry takes the next free name.
TEST_F(DebtLogFile, HoldsExactlyTheOneLine) {
    const auto file = program.folder / "Jürgen 06_12_2026 22_39_00.txt";
    WriteBytes(file, "old\r\nlines\r\n");
    Form1->WriteDebtLog();
    EXPECT_EQ(ReadBytes(file), "old\r\nlines\r\n");
    EXPECT_EQ(ReadBytes(program.folder / "Jürgen 06_12_2026 22_39_00 (2).txt"),
              "Jürgen hat am 06.12.2026 22:39:00 50,00 Euro Schulden beim Tresolo gemacht!\r\n");
    EXPECT_EQ(MenueDlg->Memo1->Lines().Count(), 1);
    Form1->AppendDebtLogEntry("12,30", " Euro Guthaben beim Tresolo gemacht!");
    EXPECT_EQ(ReadBytes(program.folder / "Jürgen 06_12_2026 22_39_00 (3).txt"),
              "Jürgen hat am 06.12.2026 22:39:00 12,30 Euro Guthaben beim Tresolo gemacht!\r\n");
}

// "AC/DC" and "AC_DC" clean up to one file name; in the same second both logs stay.
TEST_F(DebtLogFile, TwoNamesAlikeInOneSecondKeepBothLogs) {
    Form1->Program.SpielerName = "AC/DC";
    Form1->WriteDebtLog();
    Form1->Program.SpielerName = "AC_DC";
    Form1->AppendDebtLogEntry("12,30", " Euro Guthaben beim Tresolo gemacht!");
    EXPECT_EQ(ReadBytes(program.folder / "AC_DC 06_12_2026 22_39_00.txt"),
              "AC/DC hat am 06.12.2026 22:39:00 50,00 Euro Schulden beim Tresolo gemacht!\r\n");
    EXPECT_EQ(ReadBytes(program.folder / "AC_DC 06_12_2026 22_39_00 (2).txt"),
              "AC_DC hat am 06.12.2026 22:39:00 12,30 Euro Guthaben beim Tresolo gemacht!\r\n");
}

// A desktop may start the program in "/": the log goes to the documents folder that the
// user's XDG folder list names, made when missing.
TEST_F(DebtLogFile, FromTheRootFolderTheLogGoesToTheDocumentsFolder) {
    HomeAt home(program.home.path());
    WriteBytes(program.home / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    WorkingFolder root("/");
    Form1->WriteDebtLog();
    EXPECT_EQ(ReadBytes(program.home / "Dokumente" / "Jürgen 06_12_2026 22_39_00.txt"),
              "Jürgen hat am 06.12.2026 22:39:00 50,00 Euro Schulden beim Tresolo gemacht!\r\n");
}

// Neither the working folder nor a documents folder can take the file.
TEST_F(DebtLogFile, AFolderThatCannotBeWrittenIsReportedNotThrown) {
    WriteBytes(program.home / "file", "");
    HomeAt home(program.home / "file");  // no folder can be made below a file, not even by root
    const std::filesystem::path gone = program.folder / "gone";
    std::filesystem::create_directory(gone);
    WorkingFolder inside(gone);
    std::filesystem::remove(gone);  // no file can be made here either
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(Form1->WriteDebtLog());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Jürgen 06_12_2026 22_39_00.txt"), std::string::npos);
}

// Every way out ends through one tail: with the switch on and money owed the whole debt is
// logged first; with the switch off nothing is written. The key and the menu's button ask
// first, a changed screen resolution only tells.
TEST(DebtLogAtTheEnd, EveryWayOutLogsTheDebtOnlyWithTheSwitchOn) {
    enum Way { EscapeKey, MenuButton, Resolution };
    for (const bool on : {true, false})
        for (const Way way : {EscapeKey, MenuButton, Resolution}) {
            SCOPED_TRACE(testing::Message() << "switch " << on << ", way " << way);
            StartedProgram program;
            program.Start();
            HeadlessHarness& h = *program.harness;
            h.RunFor(1100);
            Form1->Program.SpielerName = "Jürgen";
            SetDebt(Form1->Money, "50");
            MenueDlg->LogDateiSpeichern->SetChecked(on);
            if (way == EscapeKey) {
                h.App().QueueCall([] {
                    Word key = VK_ESCAPE;
                    Form1->FormKeyDown(nullptr, key, 0);
                });
            }
            if (way == MenuButton) h.App().QueueCall([] { MenueDlg->Button2Click(nullptr); });
            if (way == Resolution) Form1->Program.AufloesungGeaendert = true;
            h.Key(way == Resolution ? VK_RETURN : 'J', 2500);
            EXPECT_FALSE(h.RunFor(4000));
            ASSERT_TRUE(h.Halted());
            EXPECT_EQ(h.ExitCode(), 0);
            const auto file = program.folder / "Jürgen 06_12_2026 22_39_00.txt";
            EXPECT_EQ(std::filesystem::exists(file), on);
            if (on) {
                EXPECT_EQ(ReadBytes(file),
                          "Jürgen hat am 06.12.2026 22:39:00 50,00 Euro Schulden beim Tresolo gemacht!\r\n");
            }
        }
}

}  // namespace
