// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the machine is online, judged by its routing tables.
#include <string_view>

// True when a /proc/net/route table holds a usable IPv4 default route.
bool HasDefaultRouteV4(std::string_view routeTable);
// True when a /proc/net/ipv6_route table holds a usable IPv6 default route.
bool HasDefaultRouteV6(std::string_view routeTable);

// True when the system has a default route, IPv4 or IPv6.
bool InternetConnected();
