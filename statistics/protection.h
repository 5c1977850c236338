// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's own protections: a reminder of the time played and a monthly deposit limit,
// kept in the INI file's section "Spielerschutz", and the German texts they speak.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int kDefaultReminderMinutes = 60;

struct ProtectionSettings {
    int reminderMinutes = kDefaultReminderMinutes;  // 0: no reminder
    std::optional<std::int64_t> monthlyLimitCents;  // none: no limit
};

ProtectionSettings ReadProtection(const std::string& iniFile);
// False when the file could not be written; the reason is on stderr.
bool WriteProtection(const std::string& iniFile, const ProtectionSettings& settings);

// What the player typed; nothing, and a German message, when it is not a valid entry.
std::optional<int> ParseReminderMinutes(std::string_view text, std::string& message);
std::optional<std::int64_t> ParseLimitCents(std::string_view text, std::string& message);
std::string LimitText(std::int64_t cents);

// Whether a reminder falls due now: a new multiple of the interval has passed since the last one.
bool ReminderDue(std::int64_t elapsedMs, std::int64_t lastShownMs, int minutes);
std::string ReminderText(std::int64_t elapsedMs, std::int64_t netCents);
std::string PlayTimeText(std::int64_t elapsedMs);

// A deposit passing the limit is refused: the message names the limit and what is left.
std::string RefusalText(std::int64_t limitCents, std::int64_t leftCents);
