// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/tstregini.h"

#include <functional>
#include <stdexcept>

#include "support/atomic_file.h"
#include "support/ini_document.h"
#include "support/read_file.h"
#include "support/registry_text.h"
#include "support/user_store_path.h"
#include "support/write_failures.h"

namespace {

std::filesystem::path CheckedRoot(std::string_view rootName, std::filesystem::path storeFile) {
    if (rootName != TStRegIni::RIUsers)
        throw std::invalid_argument("unsupported registry root \"" + std::string(rootName) + "\"");
    return storeFile;
}

constexpr std::string_view kFailed = "registry write failed: ";

// Applies `change` to the store and replaces the file only when its text changed, so that
// writing what is stored already costs no synced write. A store that exists but cannot be
// read is reported and left alone: a write never replaces a store it could not see.
bool Change(const std::filesystem::path& store, const std::function<void(IniDocument&)>& change,
            bool evenUnchanged = false) {
    const Result<std::string> stored = ReadFileText(store);
    if (Unreadable(stored)) return ReportWriteFailure({store, 0, stored.Why().reason}, kFailed);
    IniDocument document(stored.ValueOr({}));
    change(document);
    const std::string text = document.Text();
    if (!evenUnchanged && stored && text == *stored) return true;
    const Outcome outcome = WriteFileAtomically(store, text, {.makeFolder = true, .newFileMode = 0600});
    return outcome.ok || ReportWriteFailure({store, outcome.errorNumber, outcome.reason}, kFailed);
}

}  // namespace

TStRegIni::TStRegIni(std::string_view rootName) : TStRegIni(rootName, UserStorePath()) {}

TStRegIni::TStRegIni(std::string_view rootName, std::filesystem::path storeFile)
    : storeFile_(CheckedRoot(rootName, std::move(storeFile))) {}

void TStRegIni::SetCurSubKey(std::string_view subKey) {
    curSubKey_ = NormalizeKeyPath(subKey);
}

bool TStRegIni::CreateKey(std::string_view keyName) {
    const std::string key = NormalizeKeyPath(curSubKey_ + "\\" + std::string(keyName));
    return Change(storeFile_, [&](IniDocument& document) { document.AddSection(key); });
}

// A single value is always written, so a store that can no longer be written says so.
bool TStRegIni::WriteString(std::string_view valueName, std::string_view value) {
    return Change(
        storeFile_, [&](IniDocument& document) { document.Set(curSubKey_, StoreValueName(valueName), StoreValueText(value)); },
        true);
}

bool TStRegIni::WriteStrings(std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    return Change(storeFile_, [&](IniDocument& document) {
        for (const auto& [name, value] : values) document.Set(curSubKey_, StoreValueName(name), StoreValueText(value));
    });
}

std::string TStRegIni::ReadString(std::string_view valueName, std::string_view defaultValue) const {
    const Result<std::string> stored = ReadFileText(storeFile_);
    if (!stored) return std::string(defaultValue);
    const auto value = IniDocument(*stored).Find(curSubKey_, StoreValueName(valueName));
    return value ? ReadStoreValueText(*value) : std::string(defaultValue);
}
