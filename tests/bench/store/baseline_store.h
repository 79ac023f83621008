#pragma once

#include "link/ap_info.h"
#include "store/sqlite_db.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cpe::bench {

// The device store as the original design ran it, on the same SQLite engine: default pragmas
// (journal DELETE, synchronous FULL), no index on mac, autocommit, every statement built as text
// and prepared when it runs (a record set opened per operation), a select before each write, and
// list pages cut from a full pass over every matching row.
class BaselineStore {
public:
    explicit BaselineStore(const std::filesystem::path& folder);

    // Fills the table in one transaction (set-up, not measured).
    void Populate(int devices, ap_info_stu (*make)(int));

    bool SaveApInfo(const ap_info_stu& record);
    bool UpdateApUpTime(std::string_view mac, std::string_view ip, std::uint32_t upTime);
    bool SetApStatus(std::string_view mac, int status);
    bool GetApInfoList(int sortKey, std::string_view search, int pageSize, int page, bool ascending,
                       std::vector<ap_info_stu>& list, int& pageCount, int& onlineCount);

private:
    SqliteDb db_;
    // ID of the row of `mac`, 0 when there is none ("select * from ap_info where mac='%s'").
    std::int64_t FindRow(std::string_view mac);
};

} // namespace cpe::bench
