#include "shell/version_check.h"

#include <gtest/gtest.h>

#include "platform/os_version.h"

namespace {

WindowsVersionInfo Nt(int major, int minor, int build, const char* sp = "") {
    return {WindowsVersionInfo::Family::NT, major, minor, build, sp};
}

}  // namespace

TEST(VersionText, WindowsShapes) {
    using F = WindowsVersionInfo::Family;
    EXPECT_EQ(WindowsVersionText(Nt(5, 1, 2600, "Service Pack 3")),
              "Microsoft Windows NT Version 5.01, Build 2600, Service Pack 3");
    EXPECT_EQ(WindowsVersionText(WindowsVersionInfo{F::Windows9x, 4, 10, 0x040A08AE, "A"}),
              "Windows 98 - Version 4.10, Build 2222, A");
    EXPECT_EQ(WindowsVersionText(WindowsVersionInfo{F::Windows9x, 4, 0, 950, ""}),
              "Windows 95 - Version 4.0, Build 950, ");
    EXPECT_EQ(WindowsVersionText(std::nullopt), "Fehler bei GetVersionEx()!");
    EXPECT_EQ(WindowsVersionText(WindowsVersionInfo{F::Win32s, 3, 1, 0, ""}), "");
}

TEST(VersionText, NtFiveAndLaterRun) {
    EXPECT_TRUE(VersionSupported(WindowsVersionText(Nt(5, 0, 2195))));  // 2000, though the text names XP
    EXPECT_TRUE(VersionSupported(WindowsVersionText(Nt(5, 1, 2600))));
    EXPECT_TRUE(VersionSupported(WindowsVersionText(Nt(6, 1, 7601))));
    EXPECT_TRUE(VersionSupported(WindowsVersionText(Nt(10, 0, 22631))));  // 10 and 11
    EXPECT_FALSE(VersionSupported(WindowsVersionText(Nt(4, 0, 1381))));
    EXPECT_FALSE(VersionSupported(WindowsVersionText(Nt(3, 51, 1057))));
}

TEST(VersionText, OtherSystemsAndFailuresAreRefused) {
    using F = WindowsVersionInfo::Family;
    EXPECT_FALSE(VersionSupported(WindowsVersionText(WindowsVersionInfo{F::Windows9x, 4, 90, 3000, ""})));
    EXPECT_FALSE(VersionSupported(WindowsVersionText(std::nullopt)));
    EXPECT_FALSE(VersionSupported(""));
    EXPECT_FALSE(VersionSupported("Microsoft Windows NT Version x"));
}

TEST(VersionText, LinuxRunsInTheSameTextShape) {
    const std::string text = OsVersionText(ParseKernelRelease("Linux", "6.1.0-18-amd64"));
    EXPECT_EQ(text, "Linux Version 6.01, Build 0, 18-amd64");
    EXPECT_TRUE(VersionSupported(text));
    EXPECT_FALSE(VersionSupported(OsVersionText(std::nullopt)));
}
