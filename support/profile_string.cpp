// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/profile_string.h"

#include <algorithm>
#include <optional>

#include "support/atomic_file.h"
#include "support/ini_document.h"
#include "support/read_file.h"
#include "support/write_failures.h"

namespace {

std::string FitBuffer(std::string text, std::size_t bufferSize) {
    text.resize(std::min(text.find('\0'), text.size()));
    if (bufferSize == 0) return {};
    if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
    return text;
}


}  // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultText, const std::filesystem::path& file,
                                    std::size_t bufferSize) {
    const Result<std::string> stored = ReadFileText(file);
    std::optional<std::string> value;
    if (stored) value = IniDocument(*stored).Find(section, key);
    return FitBuffer(value.value_or(std::string(defaultText)), bufferSize);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::filesystem::path& file) {
    const Result<std::string> stored = ReadFileText(file);
    if (Unreadable(stored)) return ReportWriteFailure({file, 0, stored.Why().reason});
    IniDocument document(stored.ValueOr({}));
    document.Set(section, key, value);
    const Outcome outcome = WriteFileAtomically(file, document.Text());
    return outcome.ok || ReportWriteFailure({file, outcome.errorNumber, outcome.reason});
}
