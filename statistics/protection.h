// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's own protections: a reminder of the time played and a monthly deposit limit,
// kept in the INI file's section "Spielerschutz", and the German texts they speak.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "support/result.h"

inline constexpr int kDefaultReminderMinutes = 60;
// A higher limit, or none, applies this many days after the player asked for it.
inline constexpr int kRaiseDays = 7;

struct PendingLimit {
    std::optional<std::int64_t> limitCents;  // none: no limit
    std::int64_t fromStamp = 0;              // the first second it applies
    friend bool operator==(const PendingLimit&, const PendingLimit&) = default;
};

struct ProtectionSettings {
    int reminderMinutes = kDefaultReminderMinutes;  // 0: no reminder
    std::optional<std::int64_t> monthlyLimitCents;  // none: no limit
    std::optional<PendingLimit> raise;              // a higher limit waiting for its day
    friend bool operator==(const ProtectionSettings&, const ProtectionSettings&) = default;
};

// The settings in force at `stamp`: a raise whose day has come has become the limit.
ProtectionSettings InForceAt(ProtectionSettings settings, std::int64_t stamp);
// The limit the player asks for at `stamp`: a lower one applies at once and drops a waiting
// raise; a higher one, or none, waits until the start of the seventh day after.
ProtectionSettings WithLimit(ProtectionSettings settings, std::optional<std::int64_t> wanted, std::int64_t stamp);

ProtectionSettings ReadProtection(const std::string& iniFile);
// False when the file could not be written; the reason is on stderr.
bool WriteProtection(const std::string& iniFile, const ProtectionSettings& settings);

// What the player typed; failed with a German message when it is not a valid entry.
Result<int> ParseReminderMinutes(std::string_view text);
Result<std::int64_t> ParseLimitCents(std::string_view text);
std::string LimitText(std::int64_t cents);

// Whether a reminder falls due now: a new multiple of the interval has passed since the last one.
bool ReminderDue(std::int64_t elapsedMs, std::int64_t lastShownMs, int minutes);
std::string ReminderText(std::int64_t elapsedMs, std::int64_t netCents);
std::string PlayTimeText(std::int64_t elapsedMs);
// "Minute" for one, "Minuten" otherwise: the word after a number of minutes.
std::string MinutesWord(std::int64_t minutes);
// The month's deposits, what is left under the limit and a raise waiting, one per line.
std::string MonthText(std::int64_t depositedCents, const ProtectionSettings& settings);

// A deposit passing the limit is refused: the message names the limit and what is left.
std::string RefusalText(std::int64_t limitCents, std::int64_t leftCents);
