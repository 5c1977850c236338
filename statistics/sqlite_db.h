// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thin hold on SQLite: one connection, prepared statements, and errors that carry
// SQLite's code so the caller can tell a damaged file from a full disk.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

class SqlError : public std::runtime_error {
public:
    SqlError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    // SQLite's primary result code (SQLITE_FULL, SQLITE_CORRUPT, ...).
    int Code() const { return code_; }
    // The file is not a database, or its pages contradict each other.
    bool Damaged() const;

private:
    int code_;
};

class SqlStatement {
public:
    SqlStatement(sqlite3* db, std::string_view sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    // Binds by position, from 1; returns itself so binds chain.
    SqlStatement& Bind(int index, std::int64_t value);
    SqlStatement& BindNull(int index);
    SqlStatement& BindText(int index, const std::string& text);
    // Steps once: true while a row is there. Throws SqlError.
    bool Step();
    // Steps to the end and resets, for statements without rows.
    void Run();
    void Reset();
    std::int64_t Int(int column) const;
    std::string Text(int column) const;
    bool IsNull(int column) const;
    int ColumnCount() const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

class SqlDatabase {
public:
    // Opens or creates the file. Throws SqlError.
    explicit SqlDatabase(const std::filesystem::path& file);
    ~SqlDatabase();
    SqlDatabase(const SqlDatabase&) = delete;
    SqlDatabase& operator=(const SqlDatabase&) = delete;

    // Runs statements without results.
    void Exec(std::string_view sql);
    // The first column of the first row of a query, or `otherwise` without a row.
    std::int64_t Single(std::string_view sql, std::int64_t otherwise = 0);
    sqlite3* Handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// Throws SqlError for a result code that is not success.
void CheckSql(sqlite3* db, int code, std::string_view doing);

// Commits at Commit(); rolls back when left without it.
class SqlTransaction {
public:
    explicit SqlTransaction(SqlDatabase& db);
    ~SqlTransaction();
    void Commit();

private:
    SqlDatabase& db_;
    bool open_ = true;
};
