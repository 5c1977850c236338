// SPDX-License-Identifier: GPL-3.0-or-later
// INI profile strings: what a read finds, and what a write changes and keeps.
#include <gtest/gtest.h>

#include "support/profile_string.h"
#include "temp_folder.h"

namespace {

class ProfileString : public ::testing::Test {
protected:
    std::string Read(const char* section, const char* key) {
        return GetPrivateProfileString(section, key, "", ini_);
    }
    TempFolder folder_;
    std::filesystem::path ini_ = folder_ / "Tresolo.ini";
};

}  // namespace

TEST_F(ProfileString, MissingFileSectionOrKeyGiveTheDefault) {
    EXPECT_EQ(Read("Einstellungen", "Sound"), "");
    EXPECT_EQ(GetPrivateProfileString("Einstellungen", "Sound", "fallback", ini_), "fallback");
    WriteBytes(ini_, "[Andere]\nSound=0\n[Einstellungen]\nSpielerName=Eva\n");
    EXPECT_EQ(Read("Fehlt", "Sound"), "");
    EXPECT_EQ(Read("Einstellungen", "Sound"), "");
}

TEST_F(ProfileString, ReadsLikeTheWindowsProfileFunctions) {
    WriteBytes(ini_,
               "; Sound=0 in a comment does not count\n"
               "  [ einstellungen ]  \n"
               "  SOUND  =  1  \n"
               "Auswertung speichern=0\n"
               "SpielerName=\"  Eva Maria \"\n"
               "Leer=\n"
               "[Einstellungen]\n"
               "GroesseSchatztruhe=9\n");
    EXPECT_EQ(Read("Einstellungen", "sound"), "1");
    EXPECT_EQ(Read("EINSTELLUNGEN", "Auswertung Speichern"), "0");
    EXPECT_EQ(Read("Einstellungen", "SpielerName"), "  Eva Maria ");
    EXPECT_EQ(Read("Einstellungen", "Leer"), "");
    // Only the first section of a name is searched.
    EXPECT_EQ(Read("Einstellungen", "GroesseSchatztruhe"), "");
}

TEST_F(ProfileString, WritingCreatesTheFileAndTheSection) {
    ASSERT_TRUE(WritePrivateProfileString("Einstellungen", "Sound", "1", ini_));
    EXPECT_EQ(ReadBytes(ini_), "[Einstellungen]\nSound=1\n");
    ASSERT_TRUE(WritePrivateProfileString("Neu", "Name", "Eva", ini_));
    EXPECT_EQ(ReadBytes(ini_), "[Einstellungen]\nSound=1\n[Neu]\nName=Eva\n");
}

TEST_F(ProfileString, WritingChangesOneLineAndKeepsEverythingElse) {
    WriteBytes(ini_,
               "; settings\n"
               "[Einstellungen]\n"
               "sound = 1\n"
               "odd line without equals\n"
               "\n"
               "[Andere]\n"
               "Sound=1\n");
    ASSERT_TRUE(WritePrivateProfileString("einstellungen", "Sound", "0", ini_));
    ASSERT_TRUE(WritePrivateProfileString("Einstellungen", "SpielerName", "Eva", ini_));
    EXPECT_EQ(ReadBytes(ini_),
              "; settings\n"
              "[Einstellungen]\n"
              "Sound=0\n"
              "odd line without equals\n"
              "SpielerName=Eva\n"
              "\n"
              "[Andere]\n"
              "Sound=1\n");
}

TEST_F(ProfileString, CrlfFilesAndFilesWithoutFinalLineBreakStayReadable) {
    WriteBytes(ini_, "[Einstellungen]\r\nSound=0\r\nSpielerName=Eva");
    EXPECT_EQ(Read("Einstellungen", "Sound"), "0");
    EXPECT_EQ(Read("Einstellungen", "SpielerName"), "Eva");
    ASSERT_TRUE(WritePrivateProfileString("Einstellungen", "Auswertung speichern", "1", ini_));
    EXPECT_EQ(ReadBytes(ini_), "[Einstellungen]\r\nSound=0\r\nSpielerName=Eva\nAuswertung speichern=1\r\n");
    EXPECT_EQ(Read("Einstellungen", "SpielerName"), "Eva");
    EXPECT_EQ(Read("Einstellungen", "Auswertung speichern"), "1");
}

TEST_F(ProfileString, BareFileNameMeansTheWorkingDirectory) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder_.path());
    const bool written = WritePrivateProfileString("Einstellungen", "Sound", "0", "Tresolo.ini");
    const std::string read = GetPrivateProfileString("Einstellungen", "Sound", "", "Tresolo.ini");
    std::filesystem::current_path(previous);
    EXPECT_TRUE(written);
    EXPECT_EQ(read, "0");
    EXPECT_EQ(ReadBytes(ini_), "[Einstellungen]\nSound=0\n");
}
