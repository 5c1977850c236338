// SPDX-License-Identifier: GPL-3.0-or-later
// The services a window asks the system for start as the real ones.
#include <gtest/gtest.h>

#include "machine/platform_services.h"

// None is empty: a window made without test services asks the system for each.
TEST(PlatformServices, EveryServiceStartsAsTheRealOne) {
    const PlatformServices s;
    EXPECT_TRUE(s.queryOsVersion && s.internetConnected && s.openDocument && s.localTime && s.installedDataDir);
    EXPECT_TRUE(s.cpuClock.readCounter && s.cpuClock.sleep && s.cpuClock.estimateMHz);
    EXPECT_EQ(s.installedDataDir(), InstalledDataDir());
    const std::tm system = LocalNow();
    const std::tm asked = s.localTime();
    EXPECT_EQ(asked.tm_year, system.tm_year);
    EXPECT_EQ(asked.tm_yday, system.tm_yday);
}
