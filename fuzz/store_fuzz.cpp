// SPDX-License-Identifier: GPL-3.0-or-later
// The store reader on any text: the game's values read without fault, any value under any
// name reads back as written, and a write leaves the other values as they were.
//
// The input is the store text; its first line is the value written and its second line the
// value's name (an empty name is the key's default value).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "support/text_util.h"
#include "support/tstregini.h"

namespace {

struct Value {
    std::string_view key, name;
};

// The values the game keeps in the store.
constexpr std::array<Value, 3> kGameValues{{{"Software\\Tresolo", ""},
                                            {"Software\\Tresolo", "InstallPfad"},
                                            {"Software\\TresoloKasse", "KA"}}};
constexpr std::string_view kMissing = "\x01missing";

std::string Read(const TStRegIni& store, const Value& v) {
    TStRegIni reader = store;
    reader.SetCurSubKey(v.key);
    return reader.ReadString(v.name, kMissing);
}

std::string_view Line(std::string_view text, std::size_t index) {
    for (std::size_t i = 0; i < index && !text.empty(); ++i) {
        const std::size_t end = text.find('\n');
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return text.substr(0, text.find('\n'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile file("registry.ini");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TStRegIni store(TStRegIni::RIUsers, file.Write(text));
    std::vector<std::string> before;
    for (const Value& v : kGameValues) before.push_back(Read(store, v));

    const Value written{"Software\\TresoloKasse", Line(text, 1)};
    const std::string value(Line(text, 0));
    store.SetCurSubKey("Software");
    FUZZ_CHECK(store.CreateKey("TresoloKasse"));
    store.SetCurSubKey(written.key);
    FUZZ_CHECK(store.WriteString(written.name, value));
    FUZZ_CHECK(Read(store, written) == value);
    for (std::size_t i = 0; i < kGameValues.size(); ++i) {
        const Value& v = kGameValues[i];
        if (EqualsIgnoreCase(v.key, written.key) && EqualsIgnoreCase(v.name, written.name)) continue;
        FUZZ_CHECK(Read(store, v) == before[i]);
    }
    return 0;
}
