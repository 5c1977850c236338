// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play history's tables and their versions. Version 1 records the events themselves;
// version 2 adds the running totals and the days, counted anew from the events. A file is
// only ever moved forward, one version per transaction.
#include <stdexcept>

#include "statistics/play_figures.h"
#include "statistics/sqlite_db.h"

inline constexpr int kSchemaVersion = 2;

// The file was written by a newer program: it is left as it is.
class NewerSchema : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

int SchemaVersion(SqlDatabase& db);
// Throws NewerSchema for a file of a newer program, before anything is written to it.
void RefuseNewer(SqlDatabase& db);
void MigrateForward(SqlDatabase& db, int target = kSchemaVersion);

// The totals row: every figure in FigureFields' order.
PlayFigures ReadTotals(SqlDatabase& db);
// "UPDATE totals SET a = ?1, b = ?2, ..."; binds follow FigureFields' order.
std::string TotalsUpdate();
