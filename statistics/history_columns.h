// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every table and column of the play history with the schema version that brought it. A step
// of the upgrade makes the tables of its version and adds its own columns to the older
// tables, nothing more; what a step reads names only the columns there are at its version.
#include <string>
#include <vector>

inline constexpr int kSchemaVersion = 3;

struct HistoryTable {
    std::string name;
    int version;
    std::string key;  // the first column
};

struct HistoryColumn {
    std::string table, name, type;
    int version;
};

const std::vector<HistoryTable>& HistoryTables();
const std::vector<HistoryColumn>& HistoryColumns();

// The statements that give a file of the version before `version` the tables and columns
// of `version`.
std::string TablesOfVersion(int version);
