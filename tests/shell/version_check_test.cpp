// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/version_check.h"

#include <gtest/gtest.h>

#include "platform/os_version.h"

TEST(VersionText, NtFiveAndLaterRun) {
    EXPECT_TRUE(VersionSupported("Microsoft Windows NT Version 5.00, Build 2195, "));
    EXPECT_TRUE(VersionSupported("Microsoft Windows NT Version 5.01, Build 2600, Service Pack 3"));
    EXPECT_TRUE(VersionSupported("Microsoft Windows NT Version 6.01, Build 7601, "));
    EXPECT_TRUE(VersionSupported("Microsoft Windows NT Version 10.00, Build 22631, "));  // 10 and 11
    EXPECT_FALSE(VersionSupported("Microsoft Windows NT Version 4.00, Build 1381, "));
    EXPECT_FALSE(VersionSupported("Microsoft Windows NT Version 3.51, Build 1057, "));
}

TEST(VersionText, OtherSystemsAndFailuresAreRefused) {
    EXPECT_FALSE(VersionSupported("Windows 98 - Version 4.90, Build 3000, "));
    EXPECT_FALSE(VersionSupported("Fehler bei GetVersionEx()!"));
    EXPECT_FALSE(VersionSupported(""));
    EXPECT_FALSE(VersionSupported("Microsoft Windows NT Version x"));
}

TEST(VersionText, LinuxRunsInTheSameTextShape) {
    const std::string text = OsVersionText(ParseKernelRelease("Linux", "6.1.0-18-amd64"));
    EXPECT_EQ(text, "Linux Version 6.01, Build 0, 18-amd64");
    EXPECT_TRUE(VersionSupported(text));
    EXPECT_FALSE(VersionSupported(OsVersionText(std::nullopt)));
}

TEST(VersionText, AWebPageRuns) {
    EXPECT_TRUE(VersionSupported(OsVersionText(ParseKernelRelease("Emscripten", "3.1.6"))));
    EXPECT_FALSE(VersionSupported("Emscripten"));
}
