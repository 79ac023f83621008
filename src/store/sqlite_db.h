#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A thin layer over the SQLite C API: one connection and its prepared statements. Errors are
// results: every call returns false (or an empty value) and keeps a text in LastError().
namespace cpe {

class SqliteStatement {
public:
    enum class Step { Row, Done, Error };

    SqliteStatement() = default;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    ~SqliteStatement();

    bool valid() const { return stmt_ != nullptr; }
    // Parameters count from 1, as in SQL.
    bool BindInt(int index, std::int64_t value);
    bool BindDouble(int index, double value);
    bool BindText(int index, std::string_view value);
    Step Next();
    // Columns count from 0.
    std::int64_t ColumnInt(int column) const;
    double ColumnDouble(int column) const;
    std::string ColumnText(int column) const;
    int ColumnCount() const;
    bool ColumnIsNull(int column) const;
    // Ready for the next run; bindings are kept until rebound.
    void Reset();
    const std::string& LastError() const { return error_; }

private:
    friend class SqliteDb;
    sqlite3_stmt* stmt_ = nullptr;
    std::string error_;
    void KeepError(int rc);
};

class SqliteDb {
public:
    SqliteDb() = default;
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;
    ~SqliteDb();

    // Opens an existing file (never creates one).
    bool Open(const std::filesystem::path& path);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    // Runs statements that return no rows.
    bool Execute(std::string_view sql);
    // A prepared statement, or nullptr with LastError() set.
    std::unique_ptr<SqliteStatement> Prepare(std::string_view sql);
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int Changes() const;
    const std::string& LastError() const { return error_; }

private:
    sqlite3* db_ = nullptr;
    std::string path_;
    std::string error_;
};

} // namespace cpe
