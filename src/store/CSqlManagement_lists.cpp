// List queries: device pages, single devices, all addresses and MACs, surveyed access points.
#include "link/log.h"
#include "store/CSqlManagement.h"
#include "store/store_rows.h"
#include "store/store_schema.h"

namespace cpe {
namespace {

// The operator's text may occur in any column the list shows. It is bound as ?1, so a quote is
// plain text, while "%" and "_" still act as wildcards (LIKE, ASCII case-insensitive).
constexpr const char* kSearchFilter =
    " WHERE ap_info.ap_name LIKE ?1 OR ap_info.ip LIKE ?1 OR ap_info.mac LIKE ?1 OR ap_info.ssid LIKE ?1"
    " OR ap_info.version LIKE ?1 OR ap_info.work_mode_str LIKE ?1 OR ap_info.channel LIKE ?1"
    " OR ap_info.ap_type_str LIKE ?1 OR ap_info.tx_power LIKE ?1 OR ap_info.bridge_transparent_str LIKE ?1"
    " OR ap_info.tdmaEn_str LIKE ?1 OR ap_info.up_time_str LIKE ?1 OR ap_info.ap_status_str LIKE ?1"
    " OR ap_info.secure_mode_str LIKE ?1";

// Rows with equal sort values keep the order in which they were first stored (ID), reversed
// with the direction, so that a descending list is the ascending one backwards.
std::string OrderBy(const std::string& column, const char* table, bool ascending) {
    const char* direction = ascending ? " ASC" : " DESC";
    return std::string(" ORDER BY ") + column + direction + "," + table + "ID" + direction;
}

} // namespace

bool CSqlManagement::GetApInfoList(int sortKey, std::string_view search, int pageSize, int page,
                                   bool ascending, std::vector<ap_info_stu>& list, int& pageCount,
                                   int& onlineCount) {
    std::string column = store_schema::ApInfoSortColumn(sortKey);
    if (column.empty() || pageSize <= 0) {
        LOG_ERROR("no device list for sort key %d and page size %d", sortKey, pageSize);
        return false;
    }
    std::string filter = search.empty() ? std::string() : kSearchFilter;
    std::string pattern = "%" + std::string(search) + "%";
    std::string countSql = "SELECT count(*),total(ap_status<>0) FROM ap_info" + filter;
    std::string pageSql = "SELECT " + store_rows::ApInfoReadColumns() + " FROM ap_info" + filter +
                          OrderBy(column, "ap_info.", ascending) + " LIMIT ?2 OFFSET ?3";
    // Rows of page p are the matching rows p*size-size .. p*size-1 of the sorted list.
    std::int64_t first = (static_cast<std::int64_t>(page) - 1) * pageSize;

    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* count = Statement(countSql);
    if (!count || (!search.empty() && !count->BindText(1, pattern)) ||
        count->Next() != SqliteStatement::Step::Row) {
        return false;
    }
    std::int64_t rows = count->ColumnInt(0);
    auto online = static_cast<std::int64_t>(count->ColumnDouble(1));

    std::vector<ap_info_stu> pageRows;
    if (page >= 1 && first < rows) {
        SqliteStatement* s = Statement(pageSql);
        if (!s || (!search.empty() && !s->BindText(1, pattern)) || !s->BindInt(2, pageSize) ||
            !s->BindInt(3, first)) {
            return false;
        }
        SqliteStatement::Step step;
        while ((step = s->Next()) == SqliteStatement::Step::Row) {
            store_rows::ReadApInfoRow(*s, pageRows.emplace_back());
        }
        if (step == SqliteStatement::Step::Error) {
            LOG_ERROR("%s", s->LastError().c_str());
            return false;
        }
    }
    pageCount = static_cast<int>(rows / pageSize + (rows % pageSize != 0 ? 1 : 0));
    onlineCount += static_cast<int>(online);
    list.insert(list.end(), pageRows.begin(), pageRows.end());
    return true;
}

bool CSqlManagement::GetApInfo(std::string_view mac, ap_info_stu& record) {
    // No MAC: the first device stored.
    std::string sql = "SELECT " + store_rows::ApInfoReadColumns() + " FROM ap_info" +
                      (mac.empty() ? " ORDER BY ID LIMIT 1" : " WHERE mac=?1");
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s = Statement(sql);
    if (!s || (!mac.empty() && !s->BindText(1, mac))) {
        return false;
    }
    SqliteStatement::Step step = s->Next();
    if (step == SqliteStatement::Step::Error) {
        return false;
    }
    record = ap_info_stu{};
    if (step == SqliteStatement::Step::Row) {
        store_rows::ReadApInfoRow(*s, record);
    }
    return true;
}

namespace {

bool ReadTexts(SqliteStatement* s, std::vector<std::string>& texts) {
    if (!s) {
        return false;
    }
    std::vector<std::string> read;
    SqliteStatement::Step step;
    while ((step = s->Next()) == SqliteStatement::Step::Row) {
        read.push_back(s->ColumnText(0));
    }
    if (step == SqliteStatement::Step::Error) {
        return false;
    }
    texts.insert(texts.end(), read.begin(), read.end());
    return true;
}

} // namespace

bool CSqlManagement::GetAllApIp(std::vector<std::string>& ips) {
    Operation op(*this);
    return db_.IsOpen() && ReadTexts(Statement("SELECT ip FROM ap_info ORDER BY ID"), ips);
}

bool CSqlManagement::GetAllApMac(std::vector<std::string>& macs) {
    Operation op(*this);
    return db_.IsOpen() && ReadTexts(Statement("SELECT mac FROM ap_info ORDER BY ID"), macs);
}

bool CSqlManagement::GetOtherApList(int sortKey, std::vector<config_otherwl_basic>& list, bool ascending) {
    std::string column = store_schema::OtherApSortColumn(sortKey);
    if (column.empty()) {
        LOG_ERROR("no access point list for sort key %d", sortKey);
        return false;
    }
    std::string sql =
        "SELECT " + store_rows::OtherApReadColumns() + " FROM ap_other_info" + OrderBy(column, "", ascending);
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s = Statement(sql);
    if (!s) {
        return false;
    }
    std::vector<config_otherwl_basic> read;
    SqliteStatement::Step step;
    while ((step = s->Next()) == SqliteStatement::Step::Row) {
        store_rows::ReadOtherApRow(*s, read.emplace_back());
    }
    if (step == SqliteStatement::Step::Error) {
        return false;
    }
    list.insert(list.end(), read.begin(), read.end());
    return true;
}

bool CSqlManagement::GetOtherApInfo(std::string_view mac, config_otherwl_basic& record) {
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s =
        Statement("SELECT " + store_rows::OtherApReadColumns() + " FROM ap_other_info WHERE mac=?1");
    if (!s || !s->BindText(1, mac)) {
        return false;
    }
    SqliteStatement::Step step = s->Next();
    if (step == SqliteStatement::Step::Error) {
        return false;
    }
    record = config_otherwl_basic{};
    if (step == SqliteStatement::Step::Row) {
        store_rows::ReadOtherApRow(*s, record);
    }
    return true;
}

} // namespace cpe
