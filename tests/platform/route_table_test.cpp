#include <gtest/gtest.h>

#include "platform/internet_state.h"

namespace {

const char* kV4Header =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";

std::string V4(const std::string& rows) { return kV4Header + rows; }

TEST(RouteTableV4, DefaultRouteViaGatewayCounts) {
    EXPECT_TRUE(HasDefaultRouteV4(V4("eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"
                                     "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n")));
}

TEST(RouteTableV4, PointToPointDefaultWithoutGatewayCounts) {
    EXPECT_TRUE(HasDefaultRouteV4(V4("ppp0\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n")));
}

TEST(RouteTableV4, OnlyLocalNetworksMeanOffline) {
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n")));
    EXPECT_FALSE(HasDefaultRouteV4(kV4Header));
    EXPECT_FALSE(HasDefaultRouteV4(""));
}

TEST(RouteTableV4, DefaultRoutesThatCarryNoTrafficDoNotCount) {
    // down, reject, and on the loopback device
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0\t00000000\t010200C0\t0002\t0\t0\t0\t00000000\t0\t0\t0\n")));
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0\t00000000\t00000000\t0201\t0\t0\t0\t00000000\t0\t0\t0\n")));
    EXPECT_FALSE(HasDefaultRouteV4(V4("lo\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n")));
}

TEST(RouteTableV4, ANetworkWithZeroAddressButNonZeroMaskIsNoDefault) {
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0\t00000000\t010200C0\t0003\t0\t0\t0\t000000FF\t0\t0\t0\n")));
}

TEST(RouteTableV4, DamagedLinesAreSkippedNotMisread) {
    EXPECT_FALSE(HasDefaultRouteV4(V4("eth0\t00000000\t010200C0\n"
                                      "eth0\t00000000\t010200C0\tzz03\t0\t0\t0\t00000000\t0\t0\t0\n"
                                      "eth0\t0000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n"
                                      "\n\n   \n"
                                      "\x01\xff garbage")));
    EXPECT_TRUE(HasDefaultRouteV4(V4("junk line\r\n"
                                     "eth0 00000000 010200C0 0003 0 0 0 00000000 0 0 0\r\n")));
}

std::string V6(const char* dest, const char* prefix, const char* flags, const char* device) {
    return std::string(dest) + " " + prefix + " 00000000000000000000000000000000 00 " +
           "fd000000000000000000000000000001 00000400 00000002 00000000 " + flags + "     " + device + "\n";
}

const char* kZero6 = "00000000000000000000000000000000";

TEST(RouteTableV6, DefaultRouteCounts) {
    EXPECT_TRUE(HasDefaultRouteV6(V6("fe800000000000000000000000000000", "40", "00000001", "eth0") +
                                  V6(kZero6, "00", "00000003", "eth0")));
}

TEST(RouteTableV6, KernelsUnreachableDefaultOnLoopbackDoesNotCount) {
    EXPECT_FALSE(HasDefaultRouteV6(V6(kZero6, "00", "00200200", "lo")));
    EXPECT_FALSE(HasDefaultRouteV6(V6(kZero6, "00", "00000201", "eth0")));
}

TEST(RouteTableV6, PrefixesAndDamageAreNotDefaults) {
    EXPECT_FALSE(HasDefaultRouteV6(V6(kZero6, "40", "00000003", "eth0")));
    EXPECT_FALSE(HasDefaultRouteV6(V6("0000", "00", "00000003", "eth0")));
    EXPECT_FALSE(HasDefaultRouteV6(std::string(kZero6) + " 00 truncated\n"));
    EXPECT_FALSE(HasDefaultRouteV6(""));
}

TEST(InternetState, ReadsTheRunningSystemWithoutFailing) {
    (void)InternetConnected();
}

}  // namespace
