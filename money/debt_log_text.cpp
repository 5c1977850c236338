// SPDX-License-Identifier: GPL-3.0-or-later
#include "money/debt_log_text.h"

#include "support/text_util.h"

namespace {

bool RefusedInFileName(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || std::string_view(".:/\\<>\"|?*").find(c) != std::string_view::npos;
}

}  // namespace

std::string DebtLogLine(std::string_view name, std::string_view date, std::string_view time,
                        std::string_view amount, std::string_view ending) {
    std::string line(name);
    line.append(" hat am ").append(date).append(" ").append(time).append(" ");
    return line.append(amount).append(ending);
}

std::string DebtLogFileName(std::string_view name, std::string_view date, std::string_view time, int number) {
    std::string base(TrimBlanks(name));
    base.append(" ").append(date).append(" ").append(time);
    for (char& c : base)
        if (RefusedInFileName(c)) c = '_';
    if (number > 1) base.append(" (").append(std::to_string(number)).append(")");
    return base + ".txt";
}
