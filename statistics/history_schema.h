// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play history's versions. Version 1 records the events themselves; version 2 adds the
// running totals and the days, counted anew from the events; version 3 adds the credit before
// and after each game, the month each deposit counts for, the cash box after each of its moves
// and the repairs made at a start, and closes the play sessions that were left open. A file is
// only ever moved forward, one version per transaction.
#include <stdexcept>

#include "statistics/history_columns.h"
#include "statistics/play_figures.h"
#include "statistics/sqlite_db.h"

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
// Adds the figures bound in FigureFields' order to the totals row, in SQL, so that what
// another writer added meanwhile stays: "UPDATE totals SET a = a + ?1, ...".
std::string TotalsAdd();
