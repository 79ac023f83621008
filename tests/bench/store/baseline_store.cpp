#include "baseline_store.h"

#include "store/store_rows.h"
#include "store/store_schema.h"
#include "store/vocabulary.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace cpe::bench {
namespace {

constexpr const char* kColumns[] = {
    "ap_name",       "ip",          "mac",           "ssid",           "version",
    "work_mode_str", "channel",     "ap_type_str",   "tx_power",       "bridge_transparent_str",
    "tdmaEn_str",    "up_time_str", "ap_status_str", "secure_mode_str"};

std::string Quoted(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '\'') {
            out += '\'';
        }
    }
    return out;
}

// The column list of the upsert, in the order a report writes them.
std::vector<std::string> WriteColumns() {
    std::string sql = store_rows::ApInfoUpsertSql();
    std::size_t open = sql.find('(');
    std::size_t close = sql.find(')');
    std::vector<std::string> columns;
    std::string list = sql.substr(open + 1, close - open - 1);
    std::size_t start = 0;
    for (std::size_t at = list.find(',');; at = list.find(',', start)) {
        columns.push_back(list.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) {
            break;
        }
        start = at + 1;
    }
    return columns;
}

} // namespace

BaselineStore::BaselineStore(const std::filesystem::path& folder) {
    std::filesystem::path path = folder / "baseline.mdb";
    std::filesystem::remove(path);
    ::close(::open(path.c_str(), O_CREAT | O_WRONLY, 0600));
    db_.Open(path);
    std::vector<std::string> schema = store_schema::SchemaStatements();
    db_.Execute(schema[0]); // the two tables, no index
    db_.Execute(schema[1]);
}

void BaselineStore::Populate(int devices, ap_info_stu (*make)(int)) {
    db_.Execute("BEGIN");
    auto insert = db_.Prepare(
        store_rows::ApInfoUpsertSql().substr(0, store_rows::ApInfoUpsertSql().find(" ON CONFLICT")));
    for (int n = 0; n < devices; ++n) {
        insert->Reset();
        store_rows::BindAll(*insert, store_rows::ApInfoRowValues(make(n)));
        insert->Next();
    }
    db_.Execute("COMMIT");
}

std::int64_t BaselineStore::FindRow(std::string_view mac) {
    auto select = db_.Prepare("select ID from ap_info where mac='" + std::string(mac) + "'");
    return select && select->Next() == SqliteStatement::Step::Row ? select->ColumnInt(0) : 0;
}

bool BaselineStore::SaveApInfo(const ap_info_stu& record) {
    static const std::vector<std::string> columns = WriteColumns();
    std::vector<store_rows::SqlValue> values = store_rows::ApInfoRowValues(record);
    std::int64_t id = FindRow(record.mac());
    std::string sql;
    if (id != 0) {
        sql = "UPDATE ap_info SET ";
        for (std::size_t i = 0; i < columns.size(); ++i) {
            sql += columns[i] + "=?" + std::to_string(i + 1) + (i + 1 < columns.size() ? "," : "");
        }
        sql += " WHERE ID=" + std::to_string(id);
    } else {
        sql = store_rows::ApInfoUpsertSql().substr(0, store_rows::ApInfoUpsertSql().find(" ON CONFLICT"));
    }
    auto statement = db_.Prepare(sql);
    return statement && store_rows::BindAll(*statement, values) &&
           statement->Next() == SqliteStatement::Step::Done;
}

bool BaselineStore::UpdateApUpTime(std::string_view mac, std::string_view ip, std::uint32_t upTime) {
    std::int64_t id = FindRow(mac);
    if (id == 0) {
        return false;
    }
    auto update = db_.Prepare(
        "UPDATE ap_info SET up_time=?1,up_time_str=?2,mac=?3,ip=?4,ip_num=?5 WHERE ID=" + std::to_string(id));
    return update && update->BindInt(1, upTime) && update->BindText(2, GetUpTimeText(upTime)) &&
           update->BindText(3, mac) && update->BindText(4, ip) && update->BindDouble(5, IpTextToNumber(ip)) &&
           update->Next() == SqliteStatement::Step::Done;
}

bool BaselineStore::SetApStatus(std::string_view mac, int status) {
    std::int64_t id = FindRow(mac);
    if (id == 0) {
        return false;
    }
    auto update =
        db_.Prepare("UPDATE ap_info SET ap_status=?1,ap_status_str=?2,mac=?3 WHERE ID=" + std::to_string(id));
    return update && update->BindInt(1, status) && update->BindText(2, GetApStatusText(status)) &&
           update->BindText(3, mac) && update->Next() == SqliteStatement::Step::Done;
}

bool BaselineStore::GetApInfoList(int sortKey, std::string_view search, int pageSize, int page,
                                  bool ascending, std::vector<ap_info_stu>& list, int& pageCount,
                                  int& onlineCount) {
    std::string sql = "select " + store_rows::ApInfoReadColumns() + " from ap_info ";
    if (!search.empty()) {
        std::string text = Quoted(search);
        sql += " where ";
        for (std::size_t i = 0; i < std::size(kColumns); ++i) {
            sql += std::string(i ? " or " : "") + "ap_info." + kColumns[i] + " like '%" + text + "%'";
        }
    }
    sql += " order by " + store_schema::ApInfoSortColumn(sortKey) + (ascending ? " asc" : " desc");
    auto select = db_.Prepare(sql);
    if (!select) {
        return false;
    }
    int rows = 0;
    int first = (page - 1) * pageSize;
    while (select->Next() == SqliteStatement::Step::Row) {
        ap_info_stu record;
        store_rows::ReadApInfoRow(*select, record);
        onlineCount += record.ap_status() != 0;
        if (rows >= first && rows < page * pageSize) {
            list.push_back(record);
        }
        ++rows;
    }
    pageCount = rows / pageSize + (rows % pageSize ? 1 : 0);
    return true;
}

} // namespace cpe::bench
