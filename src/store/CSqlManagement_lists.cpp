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

// One list page and the counts over all matching rows.
struct CSqlManagement::ListPage {
    std::int64_t rows = 0;
    std::int64_t online = 0;
    std::vector<ap_info_stu> records;
};

bool CSqlManagement::GetApInfoList(int sortKey, std::string_view search, int pageSize, int page,
                                   bool ascending, std::vector<ap_info_stu>& list, int& pageCount,
                                   int& onlineCount) {
    std::string column = store_schema::ApInfoSortColumn(sortKey);
    if (column.empty() || pageSize <= 0) {
        LOG_ERROR("no device list for sort key %d and page size %d", sortKey, pageSize);
        return false;
    }
    // Page p holds the matching rows (p-1)*size .. p*size-1 of the sorted list; p < 1 holds none.
    std::int64_t first = page >= 1 ? (static_cast<std::int64_t>(page) - 1) * pageSize : -1;
    ListPage result;
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    bool ok = search.empty() ? ReadPageByOffset(column, ascending, pageSize, first, result)
                             : ReadPageOfMatches(column, "%" + std::string(search) + "%", ascending, pageSize,
                                                 first, result);
    if (!ok) {
        return false;
    }
    pageCount = static_cast<int>(result.rows / pageSize + (result.rows % pageSize != 0 ? 1 : 0));
    onlineCount += static_cast<int>(result.online);
    list.insert(list.end(), result.records.begin(), result.records.end());
    return true;
}

// Every row matches: the counts come from the status index, the page from LIMIT/OFFSET (the
// address and name orders walk their indexes).
bool CSqlManagement::ReadPageByOffset(const std::string& column, bool ascending, int pageSize,
                                      std::int64_t first, ListPage& page) {
    SqliteStatement* count = Statement("SELECT count(*),total(ap_status<>0) FROM ap_info");
    if (!count || count->Next() != SqliteStatement::Step::Row) {
        return false;
    }
    page.rows = count->ColumnInt(0);
    page.online = static_cast<std::int64_t>(count->ColumnDouble(1));
    if (first < 0 || first >= page.rows) {
        return true;
    }
    SqliteStatement* s = Statement("SELECT " + store_rows::ApInfoReadColumns() + " FROM ap_info" +
                                   OrderBy(column, "ap_info.", ascending) + " LIMIT ?1 OFFSET ?2");
    if (!s || !s->BindInt(1, pageSize) || !s->BindInt(2, first)) {
        return false;
    }
    SqliteStatement::Step step;
    while ((step = s->Next()) == SqliteStatement::Step::Row) {
        store_rows::ReadApInfoRow(*s, page.records.emplace_back());
    }
    if (step == SqliteStatement::Step::Error) {
        LOG_ERROR("%s", s->LastError().c_str());
    }
    return step == SqliteStatement::Step::Done;
}

// A search: one pass of the filter yields the sorted IDs and statuses of all matches, which give
// both counts; only the rows of the page are then read in full.
bool CSqlManagement::ReadPageOfMatches(const std::string& column, const std::string& pattern, bool ascending,
                                       int pageSize, std::int64_t first, ListPage& page) {
    // "+" keeps the planner on one scan of the table rather than an index walk with a row lookup
    // per entry; the matches are few enough to sort.
    SqliteStatement* s = Statement("SELECT ID,ap_status FROM ap_info" + std::string(kSearchFilter) +
                                   OrderBy("+" + column, "ap_info.", ascending));
    if (!s || !s->BindText(1, pattern)) {
        return false;
    }
    std::vector<std::int64_t> ids;
    SqliteStatement::Step step;
    while ((step = s->Next()) == SqliteStatement::Step::Row) {
        std::int64_t index = page.rows++;
        page.online += s->ColumnInt(1) != 0;
        if (first >= 0 && index >= first && index < first + pageSize) {
            ids.push_back(s->ColumnInt(0));
        }
    }
    if (step == SqliteStatement::Step::Error) {
        LOG_ERROR("%s", s->LastError().c_str());
        return false;
    }
    SqliteStatement* row =
        Statement("SELECT " + store_rows::ApInfoReadColumns() + " FROM ap_info WHERE ID=?1");
    for (std::int64_t id : ids) {
        if (!row || !row->BindInt(1, id) || row->Next() != SqliteStatement::Step::Row) {
            return false;
        }
        store_rows::ReadApInfoRow(*row, page.records.emplace_back());
        row->Reset();
    }
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
