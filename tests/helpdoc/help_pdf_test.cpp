// SPDX-License-Identifier: GPL-3.0-or-later
// The help document as a reader's PDF tool sees it: every winning line of the game's table in
// its ladder's group with its exact chance, and the chances together those of any win.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "game/combination_table.h"
#include "game/reel_positions.h"
#include "helpdoc/fraction.h"
#include "helpdoc/help_names.h"

namespace {

std::string PdfText() {
    const std::string command = "pdftotext -layout -enc UTF-8 '" TRESOLO_BINARY_DIR "/Tresolo-Hilfe.pdf' -";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return "";
    std::string text;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return text;
}

std::string Trim(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' '), last = s.find_last_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, last - first + 1);
}

// Positions of a picture on a reel, counted on the strip.
std::int64_t Count(Reel reel, Walzenbild picture) {
    std::int64_t n = 0;
    for (int p = 0; p < PositionCount(reel); ++p) n += PictureAtPosition(reel, p) == picture;
    return n;
}

struct Row {
    std::string group;  // "Linke Leiter: 0,50 Euro"
    Fraction chance;
    int seen = 0;
};

}  // namespace

TEST(HelpDocument, WinPlanListsEveryLineWithItsLevelAndChance) {
    const std::string text = PdfText();
    ASSERT_NE(text.find("Spielen mit Verstand"), std::string::npos);
    ASSERT_NE(text.find("Schneckenhaus"), std::string::npos);

    // A plan row: the three names, the chance as a fraction and in percent.
    const std::regex row(R"(^\s*(\S.*?)\s+(\d+)/(\d+)\s+\d+,\d{4} %\s*$)");
    const std::regex band(R"(^\s*((Linke|Rechte) Leiter: .*?)\s{2,}zusammen .*$)");
    std::map<std::string, Row> rows;
    std::string group;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_match(line, m, band)) {
            group = m[1];
        } else if (std::regex_match(line, m, row) && !group.empty()) {
            Row& r = rows[Trim(m[1])];
            r = {group, Fraction(std::stoll(m[2]), std::stoll(m[3])), r.seen + 1};
        }
    }

    const std::int64_t outcomes = std::int64_t{PositionCount(Reel::Left)} * PositionCount(Reel::Middle) * PositionCount(Reel::Right);
    Fraction listed(0);
    std::size_t lineCount = 0;
    for (const CombinationRule& rule : CombinationRules()) {
        for (const PictureLine& line : rule.lines) {
            ++lineCount;
            const std::string names = CombinationText(line);
            SCOPED_TRACE(names);
            const auto found = rows.find(names);
            ASSERT_NE(found, rows.end());
            EXPECT_EQ(found->second.seen, 1);
            EXPECT_EQ(found->second.group, std::string(PartsOfLadder(rule.ladder).name) + ": " + LevelText(rule.ladder, rule.step));
            const Fraction expected(Count(Reel::Left, line.left) * Count(Reel::Middle, line.middle) * Count(Reel::Right, line.right), outcomes);
            EXPECT_EQ(found->second.chance.Text(), expected.Text());
        }
    }
    // The plan's last row states the chance of any win; the lines above it add up to it.
    const auto total = rows.find("Irgendein Gewinn");
    ASSERT_NE(total, rows.end());
    EXPECT_EQ(total->second.chance.Text(), "157/3136");
    rows.erase(total);
    for (const auto& [names, r] : rows) listed += r.chance;
    EXPECT_EQ(rows.size(), lineCount);
    EXPECT_EQ(listed.Text(), "157/3136");
}

namespace {

// Line breaks of the layout become single blanks; a line that ends in a hyphen goes on
// without one.
std::string Flowing(const std::string& text) {
    std::string flat;
    bool joined = false;
    for (char c : text) {
        if (c == '\n') joined = !flat.empty() && flat.back() == '-';
        const bool blank = c == '\n' || c == ' ';
        if (!blank) joined = false;
        if (blank && (joined || (!flat.empty() && flat.back() == ' '))) continue;
        flat += blank ? ' ' : c;
    }
    return flat;
}

}  // namespace

// The page on the statistics and the protections, and the helpline under the institute's name.
TEST(HelpDocument, NamesTheStatisticsTheProtectionsAndTheHelpline) {
    const std::string text = Flowing(PdfText());
    EXPECT_NE(text.find("Statistik und Spielerschutz"), std::string::npos);
    EXPECT_NE(text.find("Einzahlungslimit im Monat"), std::string::npos);
    EXPECT_NE(text.find("Erinnerung an die Spielzeit"), std::string::npos);
    EXPECT_NE(text.find("Bundesinstitut für Öffentliche Gesundheit (BIÖG"), std::string::npos);
    EXPECT_NE(text.find("0800 1 37 27 00"), std::string::npos);
    EXPECT_NE(text.find("www.check-dein-spiel.de"), std::string::npos);
    EXPECT_EQ(text.find("Die Bundeszentrale"), std::string::npos);
}

// The license stands on the last page, and the help places the displays where the screen has them.
TEST(HelpDocument, LastPageNamesTheLicense) {
    std::string text = PdfText();
    while (!text.empty() && (text.back() == '\f' || text.back() == '\n')) text.pop_back();
    const std::string lastPage = Flowing(text.substr(text.rfind('\f') + 1));
    EXPECT_NE(lastPage.find("GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version"),
              std::string::npos);
    EXPECT_NE(lastPage.find("Copyright 2026"), std::string::npos);
    const std::string all = Flowing(PdfText());
    EXPECT_EQ(all.find("oben rechts"), std::string::npos);
    EXPECT_EQ(all.find("„Euro“ unter den Walzen"), std::string::npos);
}
