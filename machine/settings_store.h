// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the program keeps between runs: the installation folder and the cash box in
// the per-user store, the player, two switches and the chest size in "Tresolo.ini".
#include <optional>
#include <string>
#include <string_view>

#include "support/euro_decimal.h"

namespace settings {

inline constexpr std::string_view kRegistryRoot = "C_USERS";
inline constexpr std::string_view kProgramKeyParent = "Software";
inline constexpr std::string_view kProgramKeyName = "Tresolo";
inline constexpr std::string_view kProgramKey = "Software\\Tresolo";
inline constexpr std::string_view kInstallFolderValue = "InstallPfad";
// The cash box has a key of its own, beside the program's key.
inline constexpr std::string_view kCashBoxKeyName = "TresoloKasse";
inline constexpr std::string_view kCashBoxKey = "Software\\TresoloKasse";
inline constexpr std::string_view kCashBoxValue = "KA";
// Beside it: the latest month seen, what was deposited in it, and the play history's entry.
inline constexpr std::string_view kMonthValue = "Monat";
inline constexpr std::string_view kMonthDepositsValue = "MonatEingezahlt";
inline constexpr std::string_view kEntryValue = "Buchung";

inline constexpr std::string_view kIniFileName = "Tresolo.ini";
inline constexpr std::string_view kSection = "Einstellungen";
inline constexpr std::string_view kPlayerKey = "SpielerName";
inline constexpr std::string_view kSoundKey = "Sound";
inline constexpr std::string_view kLogKey = "Auswertung speichern";
inline constexpr std::string_view kChestSizeKey = "GroesseSchatztruhe";

// The program's key: its file as default value and its folder as "InstallPfad".
void RecordInstallFolder(const std::string& programFile, const std::string& folder);
// The folder recorded by an earlier start; empty when none is.
std::string RecordedInstallFolder();

// The stored cash-box text, empty when there is none.
std::string ReadCashBoxText();
// False when the store could not be written; the reason is on stderr.
bool WriteCashBoxText(std::string_view text);

// The cash box with the figures kept beside it, as stored texts; empty where there is none.
struct CashBoxFigures {
    std::string cashBox, month, monthDeposits, entry;
};
CashBoxFigures ReadCashBoxFigures();
// All in one write of the store; false when it could not be written.
bool WriteCashBoxFigures(const CashBoxFigures& figures);

// The cash box as the end of the program stores it: two places, the comma as a blank.
std::string CashBoxTextAtExit(const EuroDecimal& amount);
// The cash box as the payout stores it: two places with the comma.
std::string CashBoxTextAtPayout(const EuroDecimal& amount);

struct CashBox {
    EuroDecimal amount;
    std::string text;  // for the menu's label, with the comma
};
// A stored text as amount and label: its first blank is the comma; an empty text, or one
// that is not an amount (reported on stderr), is 0,00.
CashBox CashBoxFromStored(std::string stored);

// An INI key of the settings section; empty when absent.
std::string ReadIniKey(const std::string& iniFile, std::string_view key);
// False when the file could not be written; the reason is on stderr.
bool WriteIniKey(const std::string& iniFile, std::string_view key, std::string_view value);

// A switch is on when its key is absent, empty or exactly "1".
bool SwitchOn(std::string_view stored);
inline const char* SwitchText(bool on) { return on ? "1" : "0"; }

// The chest's stored shrink steps: nothing when the text is blank or out of 0 to 17;
// a text that is not a whole number counts as 0.
std::optional<int> StoredChestSteps(std::string_view stored);

}  // namespace settings
