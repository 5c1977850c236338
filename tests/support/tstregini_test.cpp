// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user registry class over its store file.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/tstregini.h"
#include "support/user_store_path.h"
#include "temp_folder.h"

namespace {

class RegistryStore : public ::testing::Test {
protected:
    TStRegIni At(const char* subKey) const {
        TStRegIni reg(TStRegIni::RIUsers, store_);
        reg.SetCurSubKey(subKey);
        return reg;
    }
    std::string Read(const char* subKey, const char* name) const {
        return At(subKey).ReadString(name, "none");
    }
    bool Write(const char* subKey, const char* name, std::string_view value) const {
        return At(subKey).WriteString(name, value);
    }
    TempFolder folder_;
    std::filesystem::path store_ = folder_ / "config" / "tresolo" / "registry.ini";
};

}  // namespace

TEST_F(RegistryStore, RecordingTheInstallFolderCreatesTheKeyAndBothValues) {
    TStRegIni reg(TStRegIni::RIUsers, store_);
    reg.SetCurSubKey("Software");
    ASSERT_TRUE(reg.CreateKey("Tresolo"));
    reg.SetCurSubKey("Software\\Tresolo");
    ASSERT_TRUE(reg.WriteString("", "/opt/tresolo/TRESOLO.EXE"));
    ASSERT_TRUE(reg.WriteString("InstallPfad", "/opt/tresolo/"));
    EXPECT_EQ(ReadBytes(store_),
              "[Software\\Tresolo]\n"
              "@=\"/opt/tresolo/TRESOLO.EXE\"\n"
              "InstallPfad=\"/opt/tresolo/\"\n");
    EXPECT_EQ(Read("Software\\Tresolo", "InstallPfad"), "/opt/tresolo/");
    EXPECT_EQ(Read("Software\\Tresolo", ""), "/opt/tresolo/TRESOLO.EXE");
}

TEST_F(RegistryStore, MissingStoreKeyOrValueGiveTheDefault) {
    EXPECT_EQ(Read("Software\\Tresolo", "InstallPfad"), "none");
    ASSERT_TRUE(Write("Software\\TresoloKasse", "KA", "100 00"));
    EXPECT_EQ(Read("Software\\Tresolo", "InstallPfad"), "none");
    EXPECT_EQ(Read("Software\\TresoloKasse", "Other"), "none");
    EXPECT_EQ(Read("Software", "KA"), "none");
}

TEST_F(RegistryStore, StringsComeBackExactly) {
    for (const std::string value : {"100 00", "100,00", "", "  blanks at both ends  ", "C:\\Tresolo\\",
                                    "\"quoted\"", "line\nbreak\r\tand tab", "Grüße ÄÖÜ", "a=b; [c]", "\\x41"}) {
        ASSERT_TRUE(Write("Software\\TresoloKasse", "KA", value));
        EXPECT_EQ(Read("Software\\TresoloKasse", "KA"), value);
    }
    ASSERT_TRUE(Write("Software\\Tresolo", "odd name = [x]", "v"));
    EXPECT_EQ(Read("Software\\Tresolo", "odd name = [x]"), "v");
    EXPECT_EQ(Read("Software\\Tresolo", "odd name"), "none");
}

TEST_F(RegistryStore, KeyPathsAndValueNamesIgnoreCaseAndExtraBackslashes) {
    ASSERT_TRUE(Write("software\\tresolo", "installpfad", "/a/"));
    EXPECT_EQ(Read("SOFTWARE\\TRESOLO", "InstallPfad"), "/a/");
    EXPECT_EQ(Read("\\Software\\\\Tresolo\\", "INSTALLPFAD"), "/a/");
    ASSERT_TRUE(Write("Software\\Tresolo", "InstallPfad", "/b/"));
    EXPECT_EQ(ReadBytes(store_), "[software\\tresolo]\nInstallPfad=\"/b/\"\n");
}

TEST_F(RegistryStore, CreatingAnExistingKeyLeavesItAlone) {
    ASSERT_TRUE(Write("Software\\Tresolo", "InstallPfad", "/a/"));
    const std::string before = ReadBytes(store_);
    TStRegIni reg = At("Software");
    ASSERT_TRUE(reg.CreateKey("TRESOLO"));
    EXPECT_EQ(ReadBytes(store_), before);
    ASSERT_TRUE(reg.CreateKey("TresoloKasse"));
    EXPECT_EQ(ReadBytes(store_), before + "[Software\\TresoloKasse]\n");
}

// A second name for the store keeps the file it named: a replacement of the store leaves it
// behind with its old text, so the store's link count shows whether the file was replaced.
TEST_F(RegistryStore, WritingWhatIsStoredAlreadyLeavesTheFileAlone) {
    ASSERT_TRUE(Write("Software\\Tresolo", "InstallPfad", "/a/"));
    std::filesystem::create_hard_link(store_, folder_ / "second-name");
    ASSERT_TRUE(At("Software").CreateKey("Tresolo"));
    ASSERT_TRUE(At("SOFTWARE\\Tresolo").WriteStrings({{"InstallPfad", "/a/"}}));
    EXPECT_EQ(std::filesystem::hard_link_count(store_), 2u);
    ASSERT_TRUE(Write("Software\\Tresolo", "InstallPfad", "/a/"));  // one value: always written
    EXPECT_EQ(std::filesystem::hard_link_count(store_), 1u);
    EXPECT_EQ(Read("Software\\Tresolo", "InstallPfad"), "/a/");
}

TEST_F(RegistryStore, SeveralValuesInOneWriteAsInSeparateOnes) {
    ASSERT_TRUE(At("Software\\Tresolo").WriteStrings({{"", "/opt/tresolo/TRESOLO.EXE"}, {"InstallPfad", "/opt/tresolo/"}}));
    EXPECT_EQ(ReadBytes(store_),
              "[Software\\Tresolo]\n"
              "@=\"/opt/tresolo/TRESOLO.EXE\"\n"
              "InstallPfad=\"/opt/tresolo/\"\n");
    ASSERT_TRUE(At("Software\\Tresolo").WriteStrings({{"InstallPfad", "/b/"}, {"Neu", "x"}}));
    EXPECT_EQ(Read("Software\\Tresolo", ""), "/opt/tresolo/TRESOLO.EXE");
    EXPECT_EQ(Read("Software\\Tresolo", "InstallPfad"), "/b/");
    EXPECT_EQ(Read("Software\\Tresolo", "Neu"), "x");
}

TEST_F(RegistryStore, OnlyThePerUserRootExists) {
    EXPECT_THROW(TStRegIni("C_LOCAL_MACHINE", store_), std::invalid_argument);
}

TEST(UserStorePath, FollowsXdgConfigHomeThenHome) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string savedXdg = oldXdg ? oldXdg : "", savedHome = oldHome ? oldHome : "";
    ::setenv("HOME", "/home/eva", 1);
    ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
    EXPECT_EQ(UserStorePath(), "/xdg/tresolo/registry.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/path", 1);
    EXPECT_EQ(UserStorePath(), "/home/eva/.config/tresolo/registry.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserStorePath(), "/home/eva/.config/tresolo/registry.ini");
    SetUserStorePath("/tmp/elsewhere.ini");
    EXPECT_EQ(UserStorePath(), "/tmp/elsewhere.ini");
    EXPECT_EQ(TStRegIni(TStRegIni::RIUsers).ReadString("KA", "none"), "none");
    SetUserStorePath({});
    EXPECT_EQ(UserStorePath(), "/home/eva/.config/tresolo/registry.ini");
    if (oldXdg) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    if (oldHome) ::setenv("HOME", savedHome.c_str(), 1);
    else ::unsetenv("HOME");
}
