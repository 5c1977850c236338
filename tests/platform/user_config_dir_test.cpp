#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/user_config_dir.h"

namespace {

TEST(UserConfigDir, XdgConfigHomeWinsWhenAbsolute) {
    EXPECT_EQ(UserConfigDirFrom("/cfg", "/home/anna"), "/cfg/tresolo");
    EXPECT_EQ(UserConfigDirFrom("/cfg/", "/home/anna"), "/cfg/tresolo");
}

TEST(UserConfigDir, HomeConfigWhenXdgIsUnsetEmptyOrRelative) {
    EXPECT_EQ(UserConfigDirFrom(nullptr, "/home/anna"), "/home/anna/.config/tresolo");
    EXPECT_EQ(UserConfigDirFrom("", "/home/anna"), "/home/anna/.config/tresolo");
    EXPECT_EQ(UserConfigDirFrom("cfg", "/home/anna"), "/home/anna/.config/tresolo");
}

TEST(UserConfigDir, NothingKnownGivesEmpty) {
    EXPECT_TRUE(UserConfigDirFrom(nullptr, nullptr).empty());
    EXPECT_TRUE(UserConfigDirFrom("relative", "").empty());
}

TEST(UserConfigDir, ProcessEnvironmentIsUsed) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string restore = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", "/tmp/tresolo-test-config", 1);
    EXPECT_EQ(UserConfigDir(), "/tmp/tresolo-test-config/tresolo");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserConfigDir().filename(), "tresolo");
    if (saved) setenv("XDG_CONFIG_HOME", restore.c_str(), 1);
}

}  // namespace
