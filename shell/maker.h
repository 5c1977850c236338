// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maker's web page, opened from the flag.
#include <string>
#include <string_view>

inline constexpr std::string_view kMakerWebPage = "https://tresolo.example.org/";

// The host name of a web address: what lies between "//" and the next "/".
inline std::string HostOf(std::string_view url) {
    const std::size_t start = url.find("//");
    if (start != std::string_view::npos) url.remove_prefix(start + 2);
    return std::string(url.substr(0, url.find('/')));
}
