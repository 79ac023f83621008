#include "store/sqlite_db.h"

#include <sqlite3.h>

namespace cpe {

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

void SqliteStatement::KeepError(int rc) {
    sqlite3* db = stmt_ ? sqlite3_db_handle(stmt_) : nullptr;
    error_ = "Query = ";
    error_ += stmt_ ? sqlite3_sql(stmt_) : "";
    error_ += "\nSQLite error ";
    error_ += std::to_string(rc);
    error_ += ": ";
    error_ += db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
}

bool SqliteStatement::BindInt(int index, std::int64_t value) {
    int rc = sqlite3_bind_int64(stmt_, index, value);
    if (rc != SQLITE_OK) {
        KeepError(rc);
    }
    return rc == SQLITE_OK;
}

bool SqliteStatement::BindDouble(int index, double value) {
    int rc = sqlite3_bind_double(stmt_, index, value);
    if (rc != SQLITE_OK) {
        KeepError(rc);
    }
    return rc == SQLITE_OK;
}

bool SqliteStatement::BindText(int index, std::string_view value) {
    int rc = sqlite3_bind_text64(stmt_, index, value.data(), value.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK) {
        KeepError(rc);
    }
    return rc == SQLITE_OK;
}

SqliteStatement::Step SqliteStatement::Next() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        return Step::Row;
    }
    if (rc == SQLITE_DONE) {
        return Step::Done;
    }
    KeepError(rc);
    return Step::Error;
}

std::int64_t SqliteStatement::ColumnInt(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

double SqliteStatement::ColumnDouble(int column) const {
    return sqlite3_column_double(stmt_, column);
}

std::string SqliteStatement::ColumnText(int column) const {
    const unsigned char* text = sqlite3_column_text(stmt_, column);
    int size = sqlite3_column_bytes(stmt_, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size))
                : std::string();
}

int SqliteStatement::ColumnCount() const {
    return sqlite3_column_count(stmt_);
}

bool SqliteStatement::ColumnIsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

void SqliteStatement::Reset() {
    sqlite3_reset(stmt_);
}

SqliteDb::~SqliteDb() {
    Close();
}

bool SqliteDb::Open(const std::filesystem::path& path) {
    Close();
    path_ = path.string();
    // One connection guarded by the store's own lock: SQLite's connection mutex is not needed.
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path_.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        error_ = "Connection String = " + path_ + "\nSQLite error " + std::to_string(rc) + ": " +
                 (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        return false;
    }
    db_ = db;
    return true;
}

void SqliteDb::Close() {
    if (db_) {
        // Statements are owned by their callers; close_v2 defers until they are finalized.
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

bool SqliteDb::Execute(std::string_view sql) {
    if (!db_) {
        error_ = "Connection String = " + path_ + "\nconnection is closed";
        return false;
    }
    char* message = nullptr;
    std::string text(sql);
    int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        error_ = "Query = " + text + "\nSQLite error " + std::to_string(rc) + ": " +
                 (message ? message : sqlite3_errstr(rc));
        sqlite3_free(message);
        return false;
    }
    return true;
}

int SqliteDb::Changes() const {
    return db_ ? sqlite3_changes(db_) : 0;
}

std::unique_ptr<SqliteStatement> SqliteDb::Prepare(std::string_view sql) {
    if (!db_) {
        error_ = "Connection String = " + path_ + "\nconnection is closed";
        return nullptr;
    }
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                &stmt, nullptr);
    if (rc != SQLITE_OK || !stmt) {
        error_ = "Query = " + std::string(sql) + "\nSQLite error " + std::to_string(rc) + ": " +
                 sqlite3_errmsg(db_);
        sqlite3_finalize(stmt);
        return nullptr;
    }
    auto statement = std::make_unique<SqliteStatement>();
    statement->stmt_ = stmt;
    return statement;
}

} // namespace cpe
