// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a file the player keeps could not be written, in the words the player reads. One table
// for every file: the settings, the cash box, the debt log and the play history.
#include <string>
#include <string_view>

enum class FailureReason {
    DiskFull,
    QuotaUsed,
    ReadOnlyDisk,
    ReadOnlyFile,
    NoPermission,
    FolderMissing,
    NotAFolder,
    FolderInItsPlace,
    InputOutput,
    HeldByAnother,
    CannotOpen,
    Unreadable,
};

// A sentence's start, e.g. "Der Datenträger ist voll".
std::string_view ReasonText(FailureReason reason);

// The reason for an errno (0: the file could not even be read); the system's own words for
// the few the table has none for.
std::string ReasonOfErrno(int errorNumber);
