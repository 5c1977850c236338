// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/user_store_path.h"

namespace {

TEST(UserConfigDir, XdgConfigHomeWinsOnlyWhenAbsolute) {
    EXPECT_EQ(UserConfigDirFrom("/cfg", "/home/anna"), "/cfg/tresolo");
    EXPECT_EQ(UserConfigDirFrom(nullptr, "/home/anna"), "/home/anna/.config/tresolo");
    EXPECT_EQ(UserConfigDirFrom("", "/home/anna"), "/home/anna/.config/tresolo");
    EXPECT_EQ(UserConfigDirFrom("cfg", "/home/anna"), "/home/anna/.config/tresolo");
}

TEST(UserConfigDir, NothingKnownGivesEmpty) {
    EXPECT_TRUE(UserConfigDirFrom(nullptr, nullptr).empty());
    EXPECT_TRUE(UserConfigDirFrom("relative", "").empty());
}

}  // namespace
