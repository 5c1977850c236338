// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/sqlite_db.h"

#include <sqlite3.h>

bool SqlError::Damaged() const { return code_ == SQLITE_CORRUPT || code_ == SQLITE_NOTADB; }

void CheckSql(sqlite3* db, int code, std::string_view doing) {
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) return;
    const char* message = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    throw SqlError(code & 0xff, std::string(doing) + ": " + message);
}

SqlStatement::SqlStatement(sqlite3* db, std::string_view sql) : db_(db) {
    CheckSql(db_, sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                     &stmt_, nullptr),
             "SQL vorbereiten");
}

SqlStatement::~SqlStatement() { sqlite3_finalize(stmt_); }

SqlStatement& SqlStatement::Bind(int index, std::int64_t value) {
    CheckSql(db_, sqlite3_bind_int64(stmt_, index, value), "SQL binden");
    return *this;
}

SqlStatement& SqlStatement::BindText(int index, const std::string& text) {
    CheckSql(db_, sqlite3_bind_text(stmt_, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT),
             "SQL binden");
    return *this;
}

SqlStatement& SqlStatement::BindNull(int index) {
    CheckSql(db_, sqlite3_bind_null(stmt_, index), "SQL binden");
    return *this;
}

bool SqlStatement::Step() {
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    sqlite3_reset(stmt_);
    CheckSql(db_, code, "SQL ausführen");
    return false;
}

void SqlStatement::Run() {
    while (Step()) {
    }
    Reset();
}

void SqlStatement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::int64_t SqlStatement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string SqlStatement::Text(int column) const {
    const unsigned char* text = sqlite3_column_text(stmt_, column);
    return text ? reinterpret_cast<const char*>(text) : "";
}

int SqlStatement::ColumnCount() const { return sqlite3_column_count(stmt_); }

bool SqlStatement::IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

SqlDatabase::SqlDatabase(const std::filesystem::path& file) {
    const int code = sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw SqlError(code & 0xff, "öffnen: " + message);
    }
    sqlite3_extended_result_codes(db_, 0);
}

SqlDatabase::~SqlDatabase() { sqlite3_close_v2(db_); }

void SqlDatabase::Exec(std::string_view sql) {
    CheckSql(db_, sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, nullptr), "SQL ausführen");
}

std::int64_t SqlDatabase::Single(std::string_view sql, std::int64_t otherwise) {
    SqlStatement query(db_, sql);
    return query.Step() ? query.Int(0) : otherwise;
}

SqlTransaction::SqlTransaction(SqlDatabase& db) : db_(db) { db_.Exec("BEGIN IMMEDIATE"); }

SqlTransaction::~SqlTransaction() {
    if (open_) sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqlTransaction::Commit() {
    db_.Exec("COMMIT");
    open_ = false;
}
