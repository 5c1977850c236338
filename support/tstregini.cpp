#include "support/tstregini.h"

#include <optional>
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

// Loads the store for a change; nullopt (after reporting) when it exists but cannot be read,
// so that a write never replaces a store it could not see.
std::optional<IniDocument> LoadForWrite(const std::filesystem::path& store) {
    const FileText stored = ReadFileText(store);
    if (stored.Unreadable()) {
        ReportWriteFailure({store, 0, stored.result.reason}, kFailed);
        return std::nullopt;
    }
    return IniDocument(stored.text);
}

bool Save(const std::filesystem::path& store, const IniDocument& document) {
    const Outcome outcome = WriteFileAtomically(store, document.Text(), {.makeFolder = true, .newFileMode = 0600});
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
    auto document = LoadForWrite(storeFile_);
    if (!document) return false;
    if (document->HasSection(key)) return true;
    document->AddSection(key);
    return Save(storeFile_, *document);
}

bool TStRegIni::WriteString(std::string_view valueName, std::string_view value) {
    auto document = LoadForWrite(storeFile_);
    if (!document) return false;
    document->Set(curSubKey_, StoreValueName(valueName), StoreValueText(value));
    return Save(storeFile_, *document);
}

std::string TStRegIni::ReadString(std::string_view valueName, std::string_view defaultValue) const {
    const FileText stored = ReadFileText(storeFile_);
    if (!stored.result) return std::string(defaultValue);
    const auto value = IniDocument(stored.text).Find(curSubKey_, StoreValueName(valueName));
    return value ? ReadStoreValueText(*value) : std::string(defaultValue);
}
