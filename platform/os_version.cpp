// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/os_version.h"

#include <sys/utsname.h>

#include <charconv>
#include <cstdio>

namespace {

constexpr std::size_t kMaxVersionText = 255;

// Reads a decimal number at the front of text and drops it; nothing if there is none.
std::optional<int> TakeNumber(std::string_view& text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

// Reads "." followed by a number; leaves text untouched when that is not there.
std::optional<int> TakeDottedNumber(std::string_view& text) {
    if (text.size() < 2 || text.front() != '.') return std::nullopt;
    std::string_view rest = text.substr(1);
    std::optional<int> value = TakeNumber(rest);
    if (value) text = rest;
    return value;
}

}  // namespace

OsVersion ParseKernelRelease(std::string_view systemName, std::string_view release) {
    OsVersion version{std::string(systemName), 0, 0, 0, {}};
    std::string_view rest = release;
    if (std::optional<int> major = TakeNumber(rest)) {
        version.major = *major;
        version.minor = TakeDottedNumber(rest).value_or(0);
        version.build = TakeDottedNumber(rest).value_or(0);
    }
    if (rest.starts_with('-')) rest.remove_prefix(1);
    version.detail = std::string(rest);
    return version;
}

std::optional<OsVersion> QueryOsVersion() {
    utsname name{};
    if (uname(&name) != 0) return std::nullopt;
    return ParseKernelRelease(name.sysname, name.release);
}

std::string OsVersionText(const std::optional<OsVersion>& version) {
    if (!version) return "Fehler bei uname()!";
    char text[kMaxVersionText + 1];
    std::snprintf(text, sizeof text, "%s Version %d.%.2d, Build %d, %s", version->systemName.c_str(),
                  version->major, version->minor, version->build & 0xFFFF, version->detail.c_str());
    return text;
}
