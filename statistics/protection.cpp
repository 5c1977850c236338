// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/protection.h"

#include <algorithm>

#include "statistics/money_text.h"
#include "support/profile_string.h"
#include "support/text_util.h"
#include "support/whole_number.h"

namespace {

constexpr std::string_view kSection = "Spielerschutz";
constexpr std::string_view kReminderKey = "ErinnerungMinuten";
constexpr std::string_view kLimitKey = "EinzahlungslimitMonat";
constexpr int kLongestReminder = 24 * 60;
constexpr std::int64_t kMsPerMinute = 60000;

std::string Counted(std::int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

ProtectionSettings ReadProtection(const std::string& iniFile) {
    ProtectionSettings s;
    std::string ignored;
    const std::string minutes = GetPrivateProfileString(kSection, kReminderKey, "", iniFile);
    if (minutes == "0")
        s.reminderMinutes = 0;
    else if (std::optional<int> m = ParseReminderMinutes(minutes, ignored))
        s.reminderMinutes = *m;
    const std::string limit = GetPrivateProfileString(kSection, kLimitKey, "", iniFile);
    if (!TrimBlanks(limit).empty()) s.monthlyLimitCents = ParseLimitCents(limit, ignored);
    return s;
}

bool WriteProtection(const std::string& iniFile, const ProtectionSettings& s) {
    const bool minutes = WritePrivateProfileString(kSection, kReminderKey, std::to_string(s.reminderMinutes), iniFile);
    const std::string limit = s.monthlyLimitCents ? EuroText(*s.monthlyLimitCents) : "";
    return WritePrivateProfileString(kSection, kLimitKey, limit, iniFile) && minutes;
}

std::optional<int> ParseReminderMinutes(std::string_view text, std::string& message) {
    const std::optional<int> minutes = ParseWholeNumber(TrimBlanks(text));
    if (minutes && *minutes >= 1 && *minutes <= kLongestReminder) return minutes;
    message = "Bitte geben Sie die Minuten bis zur Erinnerung als ganze Zahl von 1 bis " +
              std::to_string(kLongestReminder) + " ein.";
    return std::nullopt;
}

std::optional<std::int64_t> ParseLimitCents(std::string_view text, std::string& message) {
    const std::optional<EuroDecimal> amount = EuroDecimal::TryParse(text);
    // Whole cents only: the amount must not change when it is written with two places.
    if (amount && amount->Sign() >= 0 && EuroDecimal::Parse(amount->ToFixed(2)) == *amount &&
        CentsOf(*amount) <= 100000000)
        return CentsOf(*amount);
    message = "Bitte geben Sie das Einzahlungslimit als Betrag in Euro ein, zum Beispiel 100 oder 49,50.";
    return std::nullopt;
}

std::string LimitText(std::int64_t cents) { return EuroText(cents); }

bool ReminderDue(std::int64_t elapsedMs, std::int64_t lastShownMs, int minutes) {
    if (minutes <= 0) return false;
    const std::int64_t interval = minutes * kMsPerMinute;
    return elapsedMs / interval > lastShownMs / interval;
}

std::string PlayTimeText(std::int64_t elapsedMs) {
    const std::int64_t minutes = elapsedMs / kMsPerMinute;
    const std::string m = Counted(minutes % 60, "Minute", "Minuten");
    if (minutes < 60) return m;
    return Counted(minutes / 60, "Stunde", "Stunden") + " und " + m;
}

std::string ReminderText(std::int64_t elapsedMs, std::int64_t netCents) {
    return "Sie spielen seit " + PlayTimeText(elapsedMs) + ". Ihr Ergebnis in dieser Sitzung: " +
           SignedEuroText(netCents) + " Euro. Denken Sie an eine Pause!";
}

std::string RefusalText(std::int64_t limitCents, std::int64_t leftCents) {
    return "Ihr Einzahlungslimit beträgt " + EuroText(limitCents) + " Euro im Monat. In diesem Monat können Sie noch " +
           EuroText(std::max<std::int64_t>(leftCents, 0)) + " Euro einzahlen. Einzahlung wird abgelehnt.";
}
