// The debt log: its line, its file name, and the file the program writes.
#include <gtest/gtest.h>

#include "money/debt_log_text.h"
#include "tests/machine/started_program.h"

namespace {

constexpr const char* kDebt = " Euro Schulden beim Tresolo gemacht!";

TEST(DebtLogText, LineAndFileName) {
    EXPECT_EQ(DebtLogLine("Max", "06.12.2026", "22:39:00", "50,00", kDebt),
              "Max hat am 06.12.2026 22:39:00 50,00 Euro Schulden beim Tresolo gemacht!");
    EXPECT_EQ(DebtLogFileName("Max", "06.12.2026", "22:39:00"), "Max 06_12_2026 22_39_00.txt");
    EXPECT_EQ(DebtLogFileName("Dr. Max", "06.12.2026", "22:39:00"), "Dr_ Max 06_12_2026 22_39_00.txt");
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

class DebtLogFile : public ::testing::Test {
protected:
    DebtLogFile() {
        program.Start();
        program.harness->RunFor(1100);  // the clock has ticked
        Form1->Program.SpielerName = "Jürgen";
        Form1->Money.Schulden = EuroDecimal::Parse("50");
    }
    StartedProgram program;
};

// One line ended by CR LF, in UTF-8; an older file of the same name is replaced.
TEST_F(DebtLogFile, HoldsExactlyTheOneLine) {
    const auto file = program.folder / "Jürgen 06_12_2026 22_39_00.txt";
    WriteBytes(file, "old\r\nlines\r\n");
    Form1->SchuldenLogSchreiben();
    EXPECT_EQ(ReadBytes(file), "Jürgen hat am 06.12.2026 22:39:00 50,00 Euro Schulden beim Tresolo gemacht!\r\n");
    EXPECT_EQ(MenueDlg->Memo1->Lines().Count(), 1);
    Form1->SchuldenLogEintrag("12,30", " Euro Guthaben beim Tresolo gemacht!");
    EXPECT_EQ(ReadBytes(file), "Jürgen hat am 06.12.2026 22:39:00 12,30 Euro Guthaben beim Tresolo gemacht!\r\n");
}

TEST_F(DebtLogFile, AFolderThatCannotBeWrittenIsReportedNotThrown) {
    const std::filesystem::path gone = program.folder / "gone";
    std::filesystem::create_directory(gone);
    WorkingFolder inside(gone);
    std::filesystem::remove(gone);  // no file can be made here, not even by root
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(Form1->SchuldenLogSchreiben());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Jürgen 06_12_2026 22_39_00.txt"), std::string::npos);
}

}  // namespace
