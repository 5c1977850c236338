// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged or unreachable settings files: reads fall back to defaults, writes fail without
// throwing and say why on stderr.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <random>

#include "support/atomic_file.h"
#include "support/profile_string.h"
#include "support/tstregini.h"
#include "temp_folder.h"

namespace {

using ::testing::HasSubstr;

std::string Garbage(std::size_t size, unsigned seed) {
    std::mt19937 rng(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(rng() & 0xFF);
    return bytes;
}

class DamagedFiles : public ::testing::Test {
protected:
    std::string ReadIni(const std::filesystem::path& file) {
        return GetPrivateProfileString("Einstellungen", "Sound", "", file);
    }
    // Writes a profile string and a registry value to files in `folder`, capturing stderr.
    std::string WriteBothInto(const std::filesystem::path& folder, bool& iniOk, bool& storeOk) {
        ::testing::internal::CaptureStderr();
        iniOk = WritePrivateProfileString("Einstellungen", "Sound", "0", folder / "Tresolo.ini");
        TStRegIni reg(TStRegIni::RIUsers, folder / "registry.ini");
        reg.SetCurSubKey("Software\\Tresolo");
        storeOk = reg.WriteString("InstallPfad", "/x/");
        return ::testing::internal::GetCapturedStderr();
    }
    TempFolder folder_;
    std::filesystem::path ini_ = folder_ / "Tresolo.ini";
};

}  // namespace

TEST_F(DamagedFiles, BinaryGarbageReadsAsDefaultsAndSurvivesAWrite) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::string garbage = Garbage(4096, seed);
        WriteBytes(ini_, garbage);
        EXPECT_EQ(ReadIni(ini_), "");
        ASSERT_TRUE(WritePrivateProfileString("Einstellungen", "Sound", "0", ini_));
        EXPECT_EQ(ReadIni(ini_), "0");
        EXPECT_EQ(ReadBytes(ini_).substr(0, garbage.size()), garbage);
    }
}

// An empty file, as a crash of some other editor may leave, is no file at all.
TEST_F(DamagedFiles, EmptyFilesReadAsDefaultsAndTakeAWrite) {
    const auto store = folder_ / "registry.ini";
    WriteBytes(ini_, "");
    WriteBytes(store, "");
    EXPECT_EQ(ReadIni(ini_), "");
    TStRegIni reg(TStRegIni::RIUsers, store);
    reg.SetCurSubKey("Software\\TresoloKasse");
    EXPECT_EQ(reg.ReadString("KA", "<none>"), "<none>");
    bool iniOk = false, storeOk = false;
    WriteBothInto(folder_.path(), iniOk, storeOk);
    ASSERT_TRUE(iniOk && storeOk);
    EXPECT_EQ(ReadBytes(ini_), "[Einstellungen]\nSound=0\n");
    EXPECT_EQ(ReadBytes(store), "[Software\\Tresolo]\nInstallPfad=\"/x/\"\n");
}

TEST_F(DamagedFiles, ValuesStopAtAZeroByte) {
    WriteBytes(ini_, std::string("[Einstellungen]\nSound=1\0garbage\n", 32));
    EXPECT_EQ(ReadIni(ini_), "1");
}

TEST_F(DamagedFiles, HugeLinesAreHarmless) {
    WriteBytes(ini_, std::string(100000, 'z') + "\n[Einstellungen]\nSound=" + std::string(100000, '1'));
    EXPECT_EQ(ReadIni(ini_), std::string(254, '1'));
    WriteBytes(ini_, "[Einstellungen" + std::string(100000, ' ') + "\nSound=0");
    EXPECT_EQ(ReadIni(ini_), "0");
}

TEST_F(DamagedFiles, GarbageStoreReadsAsDefaultThenTakesAWrite) {
    const auto store = folder_ / "registry.ini";
    WriteBytes(store, Garbage(100000, 7));
    TStRegIni reg(TStRegIni::RIUsers, store);
    reg.SetCurSubKey("Software\\Tresolo");
    EXPECT_EQ(reg.ReadString("InstallPfad", ""), "");
    ASSERT_TRUE(reg.WriteString("InstallPfad", "/x/"));
    EXPECT_EQ(reg.ReadString("InstallPfad", ""), "/x/");
}

TEST_F(DamagedFiles, AFolderInPlaceOfTheFileIsReportedNotOverwritten) {
    std::filesystem::create_directory(ini_);
    std::filesystem::create_directory(folder_ / "registry.ini");
    EXPECT_EQ(ReadIni(ini_), "");
    bool iniOk = true, storeOk = true;
    const std::string errors = WriteBothInto(folder_.path(), iniOk, storeOk);
    EXPECT_FALSE(iniOk);
    EXPECT_FALSE(storeOk);
    EXPECT_THAT(errors, HasSubstr("Tresolo.ini"));
    EXPECT_THAT(errors, HasSubstr("registry.ini"));
    EXPECT_TRUE(std::filesystem::is_directory(ini_));
}

TEST_F(DamagedFiles, MissingIniFolderFailsTheWriteAndCreatesNothing) {
    const auto missing = folder_ / "gone";
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(WritePrivateProfileString("Einstellungen", "Sound", "0", missing / "Tresolo.ini"));
    EXPECT_THAT(::testing::internal::GetCapturedStderr(), HasSubstr("gone/Tresolo.ini"));
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(ReadIni(missing / "Tresolo.ini"), "");
}

TEST_F(DamagedFiles, StoreFolderIsMadeOnFirstWrite) {
    const auto store = folder_ / "a" / "b" / "tresolo" / "registry.ini";
    TStRegIni reg(TStRegIni::RIUsers, store);
    reg.SetCurSubKey("Software\\TresoloKasse");
    EXPECT_EQ(reg.ReadString("KA", ""), "");
    ASSERT_TRUE(reg.WriteString("KA", "0 00"));
    EXPECT_EQ(reg.ReadString("KA", ""), "0 00");
    EXPECT_EQ(std::filesystem::status(store).permissions() & std::filesystem::perms::others_read,
              std::filesystem::perms::none);
}

TEST_F(DamagedFiles, AFolderBelowARegularFileCannotBeWrittenEvenByRoot) {
    const auto blocker = folder_ / "plain-file";
    WriteBytes(blocker, "x");
    bool iniOk = true, storeOk = true;
    const std::string errors = WriteBothInto(blocker, iniOk, storeOk);
    EXPECT_FALSE(iniOk);
    EXPECT_FALSE(storeOk);
    EXPECT_THAT(errors, HasSubstr("plain-file/Tresolo.ini"));
    EXPECT_THAT(errors, HasSubstr("plain-file/registry.ini"));
    EXPECT_EQ(ReadIni(blocker / "Tresolo.ini"), "");
}

TEST_F(DamagedFiles, ReadOnlyFolderFailsTheWriteAndKeepsTheOldFile) {
    WriteBytes(ini_, "[Einstellungen]\nSound=1\n");
    ASSERT_EQ(::chmod(folder_.path().c_str(), 0555), 0);
    if (::access(folder_.path().c_str(), W_OK) == 0) GTEST_SKIP() << "this user may write to read-only folders";
    bool iniOk = true, storeOk = true;
    const std::string errors = WriteBothInto(folder_.path(), iniOk, storeOk);
    EXPECT_FALSE(iniOk);
    EXPECT_FALSE(storeOk);
    EXPECT_THAT(errors, HasSubstr("Permission denied"));
    EXPECT_EQ(ReadIni(ini_), "1");
}

TEST(AtomicFile, ReplacesContentKeepsPermissionsAndLeavesNoTemporaries) {
    TempFolder folder;
    const auto file = folder / "data.txt";
    ASSERT_TRUE(WriteFileAtomically(file, "first"));
    EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0644));
    std::filesystem::permissions(file, std::filesystem::perms(0640));
    ASSERT_TRUE(WriteFileAtomically(file, std::string(1 << 20, 'b')));
    EXPECT_EQ(ReadBytes(file), std::string(1 << 20, 'b'));
    EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0640));
    const Outcome failed = WriteFileAtomically(folder / "data.txt" / "below", "x");
    EXPECT_FALSE(failed);
    EXPECT_THAT(failed.reason, HasSubstr("data.txt/below"));
    EXPECT_EQ(EntryCount(folder.path()), 1u);
}

// A writer killed between its temporary and the rename leaves the temporary behind; the next
// successful write of that file removes it, unless its writer still runs.
TEST(AtomicFile, AWriteRemovesTheTemporariesOfKilledWriters) {
    TempFolder folder;
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_GT(gone, 0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string dead = ".Tresolo.ini." + std::to_string(gone) + ".a1B2c3";
    const std::string own = ".Tresolo.ini." + std::to_string(::getpid()) + ".x9Y8z7";
    const std::string alive = ".Tresolo.ini." + std::to_string(::getppid()) + ".q1W2e3";
    const std::string others[] = {".registry.ini." + std::to_string(gone) + ".a1B2c3", ".Tresolo.ini.12ab.a1B2c3",
                                  ".Tresolo.ini." + std::to_string(gone) + ".toolong"};
    for (const std::string& name : {dead, own, alive}) WriteBytes(folder / name, "[Einst");
    for (const std::string& name : others) WriteBytes(folder / name, "x");
    ASSERT_TRUE(WriteFileAtomically(folder / "Tresolo.ini", "[Einstellungen]\nSound=1\n"));
    EXPECT_FALSE(std::filesystem::exists(folder / dead));
    EXPECT_FALSE(std::filesystem::exists(folder / own));
    EXPECT_TRUE(std::filesystem::exists(folder / alive));
    for (const std::string& name : others) EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    EXPECT_EQ(ReadBytes(folder / "Tresolo.ini"), "[Einstellungen]\nSound=1\n");
}
