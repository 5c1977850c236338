// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/internet_state.h"

namespace {

std::string V4(const char* device, const char* dest, const char* flags, const char* mask) {
    return std::string("Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n") +
           device + "\t" + dest + "\t010200C0\t" + flags + "\t0\t0\t0\t" + mask + "\t0\t0\t0\n";
}

TEST(RouteTableV4, DefaultRoutesThatCarryTraffic) {
    EXPECT_TRUE(HasDefaultRouteV4(V4("eth0", "00000000", "0003", "00000000")));
    EXPECT_TRUE(HasDefaultRouteV4(V4("ppp0", "00000000", "0001", "00000000")));  // no gateway: point-to-point
    EXPECT_TRUE(HasDefaultRouteV4("junk line\r\neth0 00000000 010200C0 0003 0 0 0 00000000 0 0 0\r\n"));
}

TEST(RouteTableV4, NoUsableDefaultRoute) {
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0", "000200C0", "0001", "00FFFFFF")));  // local network only
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0", "00000000", "0003", "000000FF")));  // not the whole space
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0", "00000000", "0002", "00000000")));  // down
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0", "00000000", "0201", "00000000")));  // reject
    EXPECT_FALSE(HasDefaultRouteV4(V4("lo", "00000000", "0001", "00000000")));
    EXPECT_FALSE(HasDefaultRouteV4(""));
}

TEST(RouteTableV4, DamagedLinesAreSkippedNotMisread) {
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0", "00000000", "zz03", "00000000")));
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0", "0000", "0003", "00000000")));
    EXPECT_FALSE(HasDefaultRouteV4("eth0\t00000000\t010200C0\n\n   \n\x01\xff garbage"));
}

std::string V6(const char* dest, const char* prefix, const char* flags, const char* device) {
    return std::string(dest) + " " + prefix + " 00000000000000000000000000000000 00 " +
           "fd000000000000000000000000000001 00000400 00000002 00000000 " + flags + "     " + device + "\n";
}

const char* kZero6 = "00000000000000000000000000000000";

TEST(RouteTableV6, DefaultRouteAmongOthers) {
    EXPECT_TRUE(HasDefaultRouteV6(V6("fe800000000000000000000000000000", "40", "00000001", "eth0") +
                                  V6(kZero6, "00", "00000003", "eth0")));
}

TEST(RouteTableV6, NoUsableDefaultRoute) {
    EXPECT_FALSE(HasDefaultRouteV6(V6(kZero6, "00", "00200200", "lo")));  // the kernel's unreachable entry
    EXPECT_FALSE(HasDefaultRouteV6(V6(kZero6, "00", "00000201", "eth0")));
    EXPECT_FALSE(HasDefaultRouteV6(V6(kZero6, "40", "00000003", "eth0")));
    EXPECT_FALSE(HasDefaultRouteV6(V6("0000", "00", "00000003", "eth0")));
    EXPECT_FALSE(HasDefaultRouteV6(std::string(kZero6) + " 00 truncated\n"));
}

}  // namespace
