// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/settings_store.h"

#include <iostream>

#include "support/profile_string.h"
#include "support/text_util.h"
#include "support/tstregini.h"
#include "support/whole_number.h"

namespace settings {

namespace {

constexpr int kLargestChestSteps = 17;

// Sets the current sub-key to `key` below `parent`, creating it when missing; false when
// the store could not be written (reported on stderr).
bool OpenCreated(TStRegIni& store, std::string_view parent, std::string_view name,
                 std::string_view key) {
    store.SetCurSubKey(parent);
    const bool created = store.CreateKey(name);
    store.SetCurSubKey(key);
    return created;
}

}  // namespace

void RecordInstallFolder(const std::string& programFile, const std::string& folder) {
    TStRegIni store(kRegistryRoot);
    store.SetCurSubKey(kProgramKey);
    store.WriteStrings({{"", programFile}, {kInstallFolderValue, folder}});
}

std::string RecordedInstallFolder() {
    TStRegIni store(kRegistryRoot);
    store.SetCurSubKey(kProgramKey);
    return store.ReadString(kInstallFolderValue, "");
}

std::string ReadCashBoxText() {
    TStRegIni store(kRegistryRoot);
    store.SetCurSubKey(kCashBoxKey);
    return store.ReadString(kCashBoxValue, "");
}

bool WriteCashBoxText(std::string_view text) {
    TStRegIni store(kRegistryRoot);
    return OpenCreated(store, kProgramKeyParent, kCashBoxKeyName, kCashBoxKey) &&
           store.WriteString(kCashBoxValue, text);
}

CashBoxFigures ReadCashBoxFigures() {
    TStRegIni store(kRegistryRoot);
    store.SetCurSubKey(kCashBoxKey);
    return {store.ReadString(kCashBoxValue, ""), store.ReadString(kMonthValue, ""),
            store.ReadString(kMonthDepositsValue, ""), store.ReadString(kEntryValue, "")};
}

bool WriteCashBoxFigures(const CashBoxFigures& f) {
    TStRegIni store(kRegistryRoot);
    return OpenCreated(store, kProgramKeyParent, kCashBoxKeyName, kCashBoxKey) &&
           store.WriteStrings({{kCashBoxValue, f.cashBox},
                               {kMonthValue, f.month},
                               {kMonthDepositsValue, f.monthDeposits},
                               {kEntryValue, f.entry}});
}

std::string CashBoxTextAtPayout(const EuroDecimal& amount) { return amount.ToFixed(2); }

std::string CashBoxTextAtExit(const EuroDecimal& amount) {
    std::string text = CashBoxTextAtPayout(amount);
    if (std::size_t comma = text.find(','); comma != std::string::npos) text[comma] = ' ';
    return text;
}

CashBox CashBoxFromStored(std::string stored) {
    if (std::size_t blank = stored.find(' '); blank != std::string::npos) stored[blank] = ',';
    if (TrimBlanks(stored).empty()) return {EuroDecimal(), "0,00"};
    if (std::optional<EuroDecimal> amount = EuroDecimal::TryParse(stored)) return {*amount, stored};
    std::cerr << "tresolo: gespeicherter Kassenstand \"" << stored
              << "\" ist kein Betrag; die Kasse beginnt mit 0,00\n";
    return {EuroDecimal(), "0,00"};
}

std::string ReadIniKey(const std::string& iniFile, std::string_view key) {
    return GetPrivateProfileString(kSection, key, "", iniFile);
}

bool WriteIniKey(const std::string& iniFile, std::string_view key, std::string_view value) {
    return WritePrivateProfileString(kSection, key, value, iniFile);
}

bool SwitchOn(std::string_view stored) { return stored.empty() || stored == "1"; }

std::optional<int> StoredChestSteps(std::string_view stored) {
    const std::string_view text = TrimBlanks(stored);
    if (text.empty()) return std::nullopt;
    const int steps = ParseWholeNumber(text).value_or(0);
    if (steps < 0 || steps > kLargestChestSteps) return std::nullopt;
    return steps;
}

}  // namespace settings
