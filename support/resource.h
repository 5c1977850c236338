// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files built into the program (its pictures). The table is generated from assets/.
#include <cstddef>
#include <span>
#include <string_view>

struct Resource {
    const char* name;      // file name without extension, e.g. "Walzenbild6_2"
    const char* fileName;  // e.g. "Walzenbild6_2.jpg"
    const unsigned char* data;
    std::size_t size;
};

std::span<const Resource> AllResources();

inline const Resource* FindResource(std::string_view name) {
    for (const Resource& r : AllResources())
        if (name == r.name) return &r;
    return nullptr;
}
