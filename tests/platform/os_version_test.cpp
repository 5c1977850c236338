#include <gtest/gtest.h>

#include "platform/os_version.h"

namespace {

void ExpectVersion(const OsVersion& v, int major, int minor, int build, const std::string& detail) {
    EXPECT_EQ(v.major, major);
    EXPECT_EQ(v.minor, minor);
    EXPECT_EQ(v.build, build);
    EXPECT_EQ(v.detail, detail);
}

TEST(KernelRelease, DistributionReleases) {
    ExpectVersion(ParseKernelRelease("Linux", "6.1.0-18-amd64"), 6, 1, 0, "18-amd64");
    ExpectVersion(ParseKernelRelease("Linux", "6.18.44-fc-v1300"), 6, 18, 44, "fc-v1300");
    ExpectVersion(ParseKernelRelease("Linux", "5.15.0-91-generic"), 5, 15, 0, "91-generic");
    ExpectVersion(ParseKernelRelease("Linux", "4.19.0+"), 4, 19, 0, "+");
    ExpectVersion(ParseKernelRelease("Linux", "6.8.0-rc3"), 6, 8, 0, "rc3");
    EXPECT_EQ(ParseKernelRelease("Linux", "6.1.0").systemName, "Linux");
}

TEST(KernelRelease, MissingPartsAreZero) {
    ExpectVersion(ParseKernelRelease("Linux", "5.10"), 5, 10, 0, "");
    ExpectVersion(ParseKernelRelease("Linux", "5"), 5, 0, 0, "");
    ExpectVersion(ParseKernelRelease("Linux", "5."), 5, 0, 0, ".");
    ExpectVersion(ParseKernelRelease("Linux", "5.x.3"), 5, 0, 0, ".x.3");
}

TEST(KernelRelease, UnreadableReleasesKeepTheirTextAsDetail) {
    ExpectVersion(ParseKernelRelease("Linux", ""), 0, 0, 0, "");
    ExpectVersion(ParseKernelRelease("Linux", "abc"), 0, 0, 0, "abc");
    ExpectVersion(ParseKernelRelease("Linux", "-5.1"), 0, 0, 0, "5.1");
    ExpectVersion(ParseKernelRelease("Linux", "99999999999.1"), 0, 0, 0, "99999999999.1");
}

TEST(VersionText, HasTheVersionTextShape) {
    EXPECT_EQ(OsVersionText(ParseKernelRelease("Linux", "6.1.0-18-amd64")), "Linux Version 6.01, Build 0, 18-amd64");
    EXPECT_EQ(OsVersionText(ParseKernelRelease("Linux", "5.15.7")), "Linux Version 5.15, Build 7, ");
    EXPECT_EQ(OsVersionText(OsVersion{"Linux", 5, 1, 0x12345, "x"}), "Linux Version 5.01, Build 9029, x");
}

TEST(VersionText, FailedQueryAndOverlongText) {
    EXPECT_EQ(OsVersionText(std::nullopt), "Fehler bei uname()!");
    EXPECT_EQ(OsVersionText(OsVersion{"Linux", 6, 1, 0, std::string(400, 'x')}).size(), 255u);
    EXPECT_EQ(OsVersionText(OsVersion{"Linux", 6, 1, 0, "%s%n"}), "Linux Version 6.01, Build 0, %s%n");
}

TEST(VersionText, RunningSystemIsLinux) {
    const std::optional<OsVersion> version = QueryOsVersion();
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->systemName, "Linux");
    EXPECT_GE(version->major, 2);
    EXPECT_EQ(OsVersionText(version).rfind("Linux Version ", 0), 0u);
}

}  // namespace
