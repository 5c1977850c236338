// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/pdf/help_markup.h"

#include <sstream>
#include <stdexcept>

namespace {

std::string Substitute(const std::string& line, const std::map<std::string, std::string>& values, int number) {
    std::string out;
    std::size_t pos = 0;
    while (true) {
        const std::size_t open = line.find('{', pos);
        if (open == std::string::npos) break;
        const std::size_t close = line.find('}', open);
        if (close == std::string::npos) throw std::runtime_error("line " + std::to_string(number) + ": { without }");
        const std::string name = line.substr(open + 1, close - open - 1);
        const auto value = values.find(name);
        if (value == values.end())
            throw std::runtime_error("line " + std::to_string(number) + ": no figure named {" + name + "}");
        out += line.substr(pos, open - pos) + value->second;
        pos = close + 1;
    }
    return out + line.substr(pos);
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

// "12. text" -> 12 and the text's start, or 0.
std::size_t NumberedPrefix(const std::string& line, std::string& number) {
    std::size_t i = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
    if (i == 0 || i + 1 >= line.size() || line[i] != '.' || line[i + 1] != ' ') return 0;
    number = line.substr(0, i);
    return i + 2;
}

}  // namespace

std::vector<HelpBlock> ParseHelp(const std::string& source, const std::map<std::string, std::string>& values) {
    std::vector<HelpBlock> blocks;
    bool open = false;  // the last block takes continuation lines
    std::istringstream in(source);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        const std::size_t end = raw.find_last_not_of(" \t\r");
        const std::string line = Substitute(end == std::string::npos ? "" : raw.substr(0, end + 1), values, number);
        std::string itemNumber;
        if (line.empty()) {
            open = false;
        } else if (StartsWith(line, "### ")) {
            blocks.push_back({HelpBlock::Subheading, line.substr(4), ""});
            open = false;
        } else if (StartsWith(line, "## ")) {
            blocks.push_back({HelpBlock::Heading, line.substr(3), ""});
            open = false;
        } else if (StartsWith(line, "# ")) {
            blocks.push_back({HelpBlock::Title, line.substr(2), ""});
            open = false;
        } else if (line == "@page") {
            blocks.push_back({HelpBlock::PageBreak, "", ""});
            open = false;
        } else if (StartsWith(line, "@figure ")) {
            blocks.push_back({HelpBlock::Figure, "", line.substr(8)});
            open = false;
        } else if (StartsWith(line, "@button ")) {
            const std::size_t space = line.find(' ', 8);
            if (space == std::string::npos) throw std::runtime_error("line " + std::to_string(number) + ": button without text");
            blocks.push_back({HelpBlock::Button, line.substr(space + 1), line.substr(8, space - 8)});
            open = true;
        } else if (StartsWith(line, "- ")) {
            blocks.push_back({HelpBlock::Item, line.substr(2), ""});
            open = true;
        } else if (const std::size_t start = NumberedPrefix(line, itemNumber)) {
            blocks.push_back({HelpBlock::NumberedItem, line.substr(start), itemNumber});
            open = true;
        } else if (open) {
            const std::size_t first = line.find_first_not_of(' ');
            blocks.back().text.append(1, ' ').append(line, first);
        } else {
            blocks.push_back({HelpBlock::Paragraph, line, ""});
            open = true;
        }
    }
    return blocks;
}
