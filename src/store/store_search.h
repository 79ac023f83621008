#pragma once

#include "store/sqlite_db.h"

// The list search as one SQL function: cpe_search(pattern, column...) is true when any column is
// LIKE the pattern. Same result as "c1 LIKE p OR c2 LIKE p ...", in one call per row instead of
// one per column, and a plain case-folded substring search when the operator typed no wildcard.
namespace cpe::store_search {

inline constexpr const char* kFunctionName = "cpe_search";
inline constexpr int kColumns = 14;

bool Register(SqliteDb& db);

} // namespace cpe::store_search
