#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

// The tables of data.mdb: columns in their declared order with their types and text limits.
namespace cpe::store_schema {

enum class ColumnType { Counter, Long, Double, Text };

struct Column {
    const char* name;
    ColumnType type;
    std::size_t limit; // characters, Text only
};

std::span<const Column> ApInfoColumns();
std::span<const Column> OtherApColumns();
// The character limit of a text column of ap_info / ap_other_info (0 when not a text column).
std::size_t ApInfoLimit(const std::string& column);
std::size_t OtherApLimit(const std::string& column);

// Statements creating both tables and the unique MAC indexes, in order.
std::vector<std::string> SchemaStatements();

// Column of a list sort key, with the collation the key sorts by; empty when the key is unknown.
std::string ApInfoSortColumn(int sortKey);
std::string OtherApSortColumn(int sortKey);

} // namespace cpe::store_schema
