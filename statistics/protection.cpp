// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/protection.h"

#include <algorithm>
#include <cstdio>

#include "statistics/local_stamp.h"
#include "statistics/money_text.h"
#include "support/profile_string.h"
#include "support/text_util.h"
#include "support/whole_number.h"

namespace {

constexpr std::string_view kSection = "Spielerschutz";
constexpr std::string_view kReminderKey = "ErinnerungMinuten";
constexpr std::string_view kLimitKey = "EinzahlungslimitMonat";
constexpr std::string_view kRaiseKey = "EinzahlungslimitNeu";
constexpr std::string_view kRaiseFromKey = "EinzahlungslimitNeuAb";
constexpr std::string_view kNoLimit = "kein";
constexpr int kLongestReminder = 24 * 60;
constexpr std::int64_t kMsPerMinute = 60000;

std::string Counted(std::int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string DateText(std::int64_t stamp) {
    const std::tm t = CalendarOf(stamp);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    return text;
}

std::string StoredDate(std::int64_t stamp) {
    const std::tm t = CalendarOf(stamp);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
    return text;
}

std::optional<std::int64_t> DateOf(const std::string& text) {
    std::tm t{};
    if (std::sscanf(text.c_str(), "%d-%d-%d", &t.tm_year, &t.tm_mon, &t.tm_mday) != 3) return std::nullopt;
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    return LocalStamp(t);
}

std::optional<PendingLimit> ReadRaise(const std::string& iniFile) {
    const std::optional<std::int64_t> from =
        DateOf(GetPrivateProfileString(kSection, kRaiseFromKey, "", iniFile));
    if (!from) return std::nullopt;
    const std::string stored = GetPrivateProfileString(kSection, kRaiseKey, "", iniFile);
    const std::string_view limit = TrimBlanks(stored);
    if (limit == kNoLimit) return PendingLimit{std::nullopt, *from};
    if (const Result<std::int64_t> cents = ParseLimitCents(limit)) return PendingLimit{*cents, *from};
    return std::nullopt;
}

}  // namespace

ProtectionSettings ReadProtection(const std::string& iniFile) {
    ProtectionSettings s;
    const std::string minutes = GetPrivateProfileString(kSection, kReminderKey, "", iniFile);
    if (minutes == "0")
        s.reminderMinutes = 0;
    else if (const Result<int> m = ParseReminderMinutes(minutes))
        s.reminderMinutes = *m;
    const std::string limit = GetPrivateProfileString(kSection, kLimitKey, "", iniFile);
    if (const Result<std::int64_t> cents = ParseLimitCents(limit)) s.monthlyLimitCents = *cents;
    if (s.monthlyLimitCents) s.raise = ReadRaise(iniFile);
    return s;
}

bool WriteProtection(const std::string& iniFile, const ProtectionSettings& s) {
    const bool minutes = WritePrivateProfileString(kSection, kReminderKey, std::to_string(s.reminderMinutes), iniFile);
    const std::string limit = s.monthlyLimitCents ? EuroText(*s.monthlyLimitCents) : "";
    const std::string raise =
        !s.raise ? "" : s.raise->limitCents ? EuroText(*s.raise->limitCents) : std::string(kNoLimit);
    const bool raised = WritePrivateProfileString(kSection, kRaiseKey, raise, iniFile) &&
                        WritePrivateProfileString(kSection, kRaiseFromKey, s.raise ? StoredDate(s.raise->fromStamp) : "",
                                                  iniFile);
    return WritePrivateProfileString(kSection, kLimitKey, limit, iniFile) && minutes && raised;
}

ProtectionSettings InForceAt(ProtectionSettings s, std::int64_t stamp) {
    if (s.raise && stamp >= s.raise->fromStamp) {
        s.monthlyLimitCents = s.raise->limitCents;
        s.raise.reset();
    }
    return s;
}

ProtectionSettings WithLimit(ProtectionSettings s, std::optional<std::int64_t> wanted, std::int64_t stamp) {
    const bool lower = wanted && (!s.monthlyLimitCents || *wanted <= *s.monthlyLimitCents);
    if (lower || !s.monthlyLimitCents) {
        s.monthlyLimitCents = wanted;
        s.raise.reset();
    } else if (!s.raise || s.raise->limitCents != wanted) {
        s.raise = PendingLimit{wanted, DayStart(DayOf(stamp) + kRaiseDays)};
    }
    return s;
}

Result<int> ParseReminderMinutes(std::string_view text) {
    const std::optional<int> minutes = ParseWholeNumber(TrimBlanks(text));
    if (minutes && *minutes >= 1 && *minutes <= kLongestReminder) return *minutes;
    return Outcome::Failed("Bitte geben Sie die Minuten bis zur Erinnerung als ganze Zahl von 1 bis " +
                           std::to_string(kLongestReminder) + " ein.");
}

Result<std::int64_t> ParseLimitCents(std::string_view text) {
    const std::optional<EuroDecimal> amount = EuroDecimal::TryParse(text);
    // Whole cents only: the amount must not change when it is written with two places.
    if (amount && amount->Sign() >= 0 && EuroDecimal::Parse(amount->ToFixed(2)) == *amount &&
        CentsOf(*amount) <= 100000000)
        return CentsOf(*amount);
    return Outcome::Failed("Bitte geben Sie das Einzahlungslimit als Betrag in Euro ein, zum Beispiel 100 oder 49,50.");
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
    const std::string h = Counted(minutes / 60, "Stunde", "Stunden");
    return minutes % 60 == 0 ? h : h + " und " + m;
}

std::string MinutesWord(std::int64_t minutes) { return minutes == 1 ? "Minute" : "Minuten"; }

std::string MonthText(std::int64_t depositedCents, const ProtectionSettings& s) {
    std::string text = "In diesem Monat eingezahlt: " + EuroText(depositedCents) + " Euro.";
    if (s.monthlyLimitCents)
        text += "\nNoch möglich: " + EuroText(std::max<std::int64_t>(*s.monthlyLimitCents - depositedCents, 0)) + " Euro.";
    if (s.raise)
        text += "\n" + (s.raise->limitCents ? "Erhöhung auf " + EuroText(*s.raise->limitCents) + " Euro"
                                             : std::string("Aufhebung des Limits")) +
                " ab " + DateText(s.raise->fromStamp) + ".";
    return text;
}

std::string ReminderText(std::int64_t elapsedMs, std::int64_t netCents) {
    return "Sie spielen seit " + PlayTimeText(elapsedMs) + ". Ihr Ergebnis in dieser Sitzung: " +
           SignedEuroText(netCents) + " Euro. Denken Sie an eine Pause!";
}

std::string RefusalText(std::int64_t limitCents, std::int64_t leftCents) {
    return "Ihr Einzahlungslimit beträgt " + EuroText(limitCents) + " Euro im Monat. In diesem Monat können Sie noch " +
           EuroText(std::max<std::int64_t>(leftCents, 0)) + " Euro einzahlen. Einzahlung wird abgelehnt.";
}
