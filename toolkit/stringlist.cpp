// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/stringlist.h"

#include <algorithm>

#include "support/atomic_file.h"
#include "toolkit/font.h"

int TStringList::Add(const std::string& s) {
    if (!Sorted) {
        items_.push_back(s);
        return Count() - 1;
    }
    auto it = std::lower_bound(items_.begin(), items_.end(), s);
    int at = static_cast<int>(it - items_.begin());
    items_.insert(it, s);
    return at;
}

int TStringList::IndexOf(const std::string& s) const {
    auto it = std::find(items_.begin(), items_.end(), s);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

std::string TStringList::Text() const {
    std::string out;
    for (const std::string& s : items_) out += s + "\r\n";
    return out;
}

bool TStringList::SaveToFile(const std::string& path) const {
    return WriteFileAtomically(path, Utf8ToWindows1252(Text())).ok;
}

std::string Utf8ToWindows1252(const std::string& utf8) {
    // The characters 0x80..0x9F of Windows-1252 that differ from Latin-1.
    static const char32_t high[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
                                      0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = NextCodePoint(utf8, i);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char c = '?';
        for (int k = 0; k < 32; ++k)
            if (high[k] == cp && cp != 0) c = static_cast<char>(0x80 + k);
        out += c;
    }
    return out;
}
