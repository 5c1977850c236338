// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/os_version.h"

namespace {

struct Case {
    const char* release;
    int major, minor, build;
    const char* detail;
};

TEST(KernelRelease, NumbersAndTheRest) {
    const Case cases[] = {
        {"6.1.0-18-amd64", 6, 1, 0, "18-amd64"}, {"6.18.44-fc-v1300", 6, 18, 44, "fc-v1300"},
        {"4.19.0+", 4, 19, 0, "+"},               {"6.8.0-rc3", 6, 8, 0, "rc3"},
        {"5.10", 5, 10, 0, ""},                   {"5", 5, 0, 0, ""},
        {"5.x.3", 5, 0, 0, ".x.3"},               {"", 0, 0, 0, ""},
        {"abc", 0, 0, 0, "abc"},                  {"-5.1", 0, 0, 0, "5.1"},
        {"99999999999.1", 0, 0, 0, "99999999999.1"},
    };
    for (const Case& c : cases) {
        const OsVersion v = ParseKernelRelease("Linux", c.release);
        EXPECT_EQ((std::tuple(v.major, v.minor, v.build, v.detail)), (std::tuple(c.major, c.minor, c.build, c.detail)))
            << '"' << c.release << '"';
    }
}

TEST(VersionText, HasTheVersionTextShape) {
    EXPECT_EQ(OsVersionText(ParseKernelRelease("Linux", "6.1.0-18-amd64")), "Linux Version 6.01, Build 0, 18-amd64");
    EXPECT_EQ(OsVersionText(ParseKernelRelease("Linux", "5.15.7")), "Linux Version 5.15, Build 7, ");
    EXPECT_EQ(OsVersionText(OsVersion{"Linux", 5, 1, 0x12345, "%s%n"}), "Linux Version 5.01, Build 9029, %s%n");
    EXPECT_EQ(OsVersionText(OsVersion{"Linux", 6, 1, 0, std::string(400, 'x')}).size(), 255u);
    EXPECT_EQ(OsVersionText(std::nullopt), "Fehler bei uname()!");
}

TEST(VersionText, RunningSystem) {
    const std::optional<OsVersion> version = QueryOsVersion();
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->systemName, "Linux");
    EXPECT_GE(version->major, 2);
}

}  // namespace
