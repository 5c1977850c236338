// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/failure_reasons.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

namespace {

constexpr std::array<std::pair<FailureReason, std::string_view>, 12> kTexts{{
    {FailureReason::DiskFull, "Der Datenträger ist voll"},
    {FailureReason::QuotaUsed, "Der zugeteilte Speicherplatz ist aufgebraucht"},
    {FailureReason::ReadOnlyDisk, "Der Datenträger ist schreibgeschützt"},
    {FailureReason::ReadOnlyFile, "Die Datei ist schreibgeschützt"},
    {FailureReason::NoPermission, "Keine Schreibberechtigung"},
    {FailureReason::FolderMissing, "Der Ordner fehlt"},
    {FailureReason::NotAFolder, "Ein Teil des Pfades ist kein Ordner"},
    {FailureReason::FolderInItsPlace, "An ihrer Stelle steht ein Ordner"},
    {FailureReason::InputOutput, "Ein-/Ausgabefehler des Datenträgers"},
    {FailureReason::HeldByAnother, "Ein anderes Programm hält sie gesperrt"},
    {FailureReason::CannotOpen, "Sie lässt sich nicht öffnen oder anlegen; der Ordner ist vielleicht schreibgeschützt"},
    {FailureReason::Unreadable, "Sie kann nicht gelesen werden"},
}};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        if (static_cast<std::size_t>(kTexts[i].first) != i) return false;
    return true;
}
static_assert(InEnumOrder(), "one text per reason, in the enum's order");

}  // namespace

std::string_view ReasonText(FailureReason reason) { return kTexts[static_cast<std::size_t>(reason)].second; }

std::string ReasonOfErrno(int errorNumber) {
    const std::optional<FailureReason> reason = [&]() -> std::optional<FailureReason> {
        switch (errorNumber) {
            case ENOSPC: return FailureReason::DiskFull;
            case EDQUOT: return FailureReason::QuotaUsed;
            case EROFS: return FailureReason::ReadOnlyDisk;
            case EACCES:
            case EPERM: return FailureReason::NoPermission;
            case ENOENT: return FailureReason::FolderMissing;
            case ENOTDIR: return FailureReason::NotAFolder;
            case EISDIR: return FailureReason::FolderInItsPlace;
            case EIO: return FailureReason::InputOutput;
            case 0: return FailureReason::Unreadable;
            default: return std::nullopt;
        }
    }();
    return reason ? std::string(ReasonText(*reason)) : std::strerror(errorNumber);
}
