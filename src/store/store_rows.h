#pragma once

#include "link/ap_info.h"
#include "store/config_otherwl_basic.h"
#include "store/sqlite_db.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Conversions between records (texts in the console code page) and table rows (UTF-8 texts
// within their column limits).
namespace cpe::store_rows {

using SqlValue = std::variant<std::int64_t, double, std::string>;

// The leading part of a UTF-8 text of at most `limit` characters.
std::string CutToChars(std::string_view utf8, std::size_t limit);

// The upsert of one report: every column, in the order a report sets them, status 1.
const std::string& ApInfoUpsertSql();
// Its parameter values (1..n), built before the store's lock is taken.
std::vector<SqlValue> ApInfoRowValues(const ap_info_stu& record);
bool BindAll(SqliteStatement& statement, const std::vector<SqlValue>& values, int firstIndex = 1);

// The columns a device read selects, and the record filled from such a row.
const std::string& ApInfoReadColumns();
void ReadApInfoRow(const SqliteStatement& row, ap_info_stu& record);

// Surveyed access points: the columns a read selects and the record filled from such a row.
const std::string& OtherApReadColumns();
void ReadOtherApRow(const SqliteStatement& row, config_otherwl_basic& record);

} // namespace cpe::store_rows
