// SPDX-License-Identifier: GPL-3.0-or-later
// The INI reader on any text: every byte of it survives a round trip, what was written reads
// back, and a write leaves every other key as it was.
//
// The input is the INI text. Its first three lines, where they are valid as such, also name
// the section, the key and the value written; otherwise the game's player name is written.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "support/ini_document.h"
#include "support/profile_string.h"
#include "support/text_util.h"

namespace {

struct Entry {
    std::string_view section, key;
};

// The settings the game reads from its INI file.
constexpr std::array<Entry, 4> kGameKeys{{{"Einstellungen", "SpielerName"},
                                          {"Einstellungen", "Sound"},
                                          {"Einstellungen", "Auswertung speichern"},
                                          {"Einstellungen", "GroesseSchatztruhe"}}};

std::vector<std::string_view> FirstLines(std::string_view text, std::size_t count) {
    std::vector<std::string_view> lines;
    while (lines.size() < count) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

bool Trimmed(std::string_view text) {
    return TrimBlanks(text) == text && text.find('\n') == std::string_view::npos;
}

// Texts that the reader gives back as written: they cannot end a name or a line, and lose no
// blanks or quotes.
bool ValidSection(std::string_view s) { return Trimmed(s) && s.find(']') == std::string_view::npos; }
bool ValidKey(std::string_view k) {
    return Trimmed(k) && !k.empty() && k.find('=') == std::string_view::npos && k.front() != ';' && k.front() != '[';
}
bool ValidValue(std::string_view v) { return Trimmed(v) && !(v.size() >= 2 && v.front() == '"' && v.back() == '"'); }

struct Write {
    std::string_view section = "Einstellungen", key = "SpielerName", value = "Spieler";
};

Write ChooseWrite(std::string_view text) {
    const auto lines = FirstLines(text, 3);
    if (lines.size() == 3 && ValidSection(lines[0]) && ValidKey(lines[1]) && ValidValue(lines[2]))
        return {lines[0], lines[1], lines[2]};
    return {};
}

// What the profile-string reader makes of a found value: cut at a zero byte and to its buffer.
std::string AsProfileString(std::optional<std::string> value) {
    std::string text = value.value_or("");
    text.resize(std::min({text.find('\0'), text.size(), kProfileBufferSize - 1}));
    return text;
}

// One key a run through the file, which is the slow part.
void CheckFileReader(std::string_view text, const IniDocument& document) {
    static const ScratchFile file("Tresolo.ini");
    const Entry& e = kGameKeys[text.size() % kGameKeys.size()];
    FUZZ_CHECK(GetPrivateProfileString(e.section, e.key, "", file.Write(text)) ==
               AsProfileString(document.Find(e.section, e.key)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IniDocument document(text);
    const bool endsInLineBreak = text.empty() || text.back() == '\n';
    FUZZ_CHECK(document.Text() == std::string(text) + (endsInLineBreak ? "" : "\n"));
    CheckFileReader(text, document);

    const Write w = ChooseWrite(text);
    std::vector<std::optional<std::string>> before;
    for (const Entry& e : kGameKeys) before.push_back(document.Find(e.section, e.key));
    document.Set(w.section, w.key, w.value);
    const IniDocument reread(document.Text());
    FUZZ_CHECK(reread.Find(w.section, w.key) == std::string(w.value));
    for (std::size_t i = 0; i < kGameKeys.size(); ++i) {
        const Entry& e = kGameKeys[i];
        if (EqualsIgnoreCase(e.section, w.section) && EqualsIgnoreCase(e.key, w.key)) continue;
        FUZZ_CHECK(reread.Find(e.section, e.key) == before[i]);
    }
    return 0;
}
