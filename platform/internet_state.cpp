// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/internet_state.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Route flags of the kernel's tables.
constexpr unsigned kRouteUp = 0x0001;
constexpr unsigned kRouteReject = 0x0200;

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (true) {
        pos = line.find_first_not_of(" \t\r", pos);
        if (pos == std::string_view::npos) return fields;
        const std::size_t end = std::min(line.find_first_of(" \t\r", pos), line.size());
        fields.push_back(line.substr(pos, end - pos));
        pos = end;
    }
}

std::optional<unsigned long> Hex(std::string_view text) {
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool IsZeroHex(std::string_view text) {
    return !text.empty() && text.find_first_not_of('0') == std::string_view::npos;
}

// A route counts when it is up, does not reject traffic and does not stay on this machine.
bool Usable(std::string_view flagsText, std::string_view device) {
    const std::optional<unsigned long> flags = Hex(flagsText);
    return flags && (*flags & kRouteUp) && !(*flags & kRouteReject) && device != "lo";
}

template <typename IsDefault>
bool AnyLine(std::string_view table, IsDefault isDefault) {
    std::size_t start = 0;
    while (start < table.size()) {
        const std::size_t end = std::min(table.find('\n', start), table.size());
        if (isDefault(Fields(table.substr(start, end - start)))) return true;
        start = end + 1;
    }
    return false;
}

std::string ReadFile(const char* path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

// Columns: Iface Destination Gateway Flags RefCnt Use Metric Mask ...
bool HasDefaultRouteV4(std::string_view routeTable) {
    return AnyLine(routeTable, [](const std::vector<std::string_view>& f) {
        return f.size() >= 8 && f[1].size() == 8 && IsZeroHex(f[1]) && IsZeroHex(f[7]) && Usable(f[3], f[0]);
    });
}

// Columns: destination, prefix length, source, source prefix, next hop, metric, refcount, use, flags, device.
bool HasDefaultRouteV6(std::string_view routeTable) {
    return AnyLine(routeTable, [](const std::vector<std::string_view>& f) {
        return f.size() >= 10 && f[0].size() == 32 && IsZeroHex(f[0]) && IsZeroHex(f[1]) && Usable(f[8], f[9]);
    });
}

bool InternetConnected() {
    return HasDefaultRouteV4(ReadFile("/proc/net/route")) || HasDefaultRouteV6(ReadFile("/proc/net/ipv6_route"));
}
