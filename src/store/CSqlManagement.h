#pragma once

#include "link/ap_info.h"
#include "store/config_otherwl_basic.h"
#include "store/sqlite_db.h"
#include "store/vocabulary.h" // status codes

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cpe {

// The device store: the scratch database data.mdb in the data folder, deleted and created afresh
// at construction and deleted at destruction. Every operation holds the one lock for its whole
// run, so the link manager's threads and the interface thread may call it at the same time.
// With the connection closed every operation does nothing and returns false, 0 or nothing.
class CSqlManagement {
public:
    // Told once, with the translated text, when the database cannot be opened.
    using Notifier = std::function<void(const std::string& message)>;

    explicit CSqlManagement(const std::filesystem::path& folder, Notifier notifier = {});
    ~CSqlManagement();
    CSqlManagement(const CSqlManagement&) = delete;
    CSqlManagement& operator=(const CSqlManagement&) = delete;

    // The process's store on CurrentAppPaths().dataDir, created on first call.
    static CSqlManagement& GetInstance();
    // The notifier GetInstance() hands its store; set it before the first call.
    static void SetDefaultNotifier(Notifier notifier);

    bool IsOpen();
    const std::filesystem::path& path() const { return path_; }

    // A statement without rows, tried up to three times.
    bool ExecuteSql(std::string_view sql);

    // Record updates. MAC and address arguments are the console's own texts.
    bool SaveApInfo(const ap_info_stu& record);
    bool UpdateApUpTime(std::string_view mac, std::string_view ip, std::uint32_t upTime);
    bool SetApStatus(std::string_view mac, int status);
    bool MarkApUpgrading(std::string_view mac);    // 6 -> 7 only
    bool ResetApUpgradeFail(std::string_view mac); // 9 -> 1 only
    bool IsApWaitingUpgrade(std::string_view mac);
    int GetApStatus(std::string_view mac); // 0 when unknown
    bool DeleteApInfo(std::string_view mac);
    bool ClearOtherApInfo();
    // One survey answer: count, id, entries and the 44-byte entries.
    void SaveOtherApInfo(std::span<const std::uint8_t> answer);
    bool IsApBridged(std::string_view apMac);
    // The peer's MAC text into `peer`; `peer` is untouched when there is none.
    bool GetBridgePeerMac(std::string_view mac, std::string& peer);

    // List queries. Sort keys 0..13 (device) and 0..4 (surveyed access point); ties keep the
    // order in which the devices were first stored, reversed when descending.
    bool GetApInfoList(int sortKey, std::string_view search, int pageSize, int page, bool ascending,
                       std::vector<ap_info_stu>& list, int& pageCount, int& onlineCount);
    bool GetApInfo(std::string_view mac, ap_info_stu& record);
    bool GetAllApIp(std::vector<std::string>& ips);
    bool GetAllApMac(std::vector<std::string>& macs);
    bool GetOtherApList(int sortKey, std::vector<config_otherwl_basic>& list, bool ascending);
    bool GetOtherApInfo(std::string_view mac, config_otherwl_basic& record);

private:
    // Tests read the file through the store's own connection (it holds the file exclusively).
    friend class CSqlManagementPeer;

    // The lock for one operation; statements the operation used are reset when it ends, so no
    // read stays open between operations.
    class Operation {
    public:
        explicit Operation(CSqlManagement& store) : store_(store), guard_(store.lock_) {}
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        CSqlManagement& store_;
        std::lock_guard<std::mutex> guard_;
    };

    std::filesystem::path path_;
    std::mutex lock_;
    SqliteDb db_;
    std::unordered_map<std::string, std::unique_ptr<SqliteStatement>> statements_;
    std::vector<SqliteStatement*> used_;

    bool CreateDatabase();
    bool OpenConnection(); // with the lock held
    // The cached statement for `sql`, reset and ready to bind; nullptr when it does not prepare.
    // Call with the lock held and the connection open.
    SqliteStatement* Statement(const std::string& sql);
    struct ListPage;
    bool ReadPageByOffset(const std::string& column, bool ascending, int pageSize, std::int64_t first,
                          ListPage& page);
    bool ReadPageOfMatches(const std::string& column, const std::string& pattern, bool ascending,
                           int pageSize, std::int64_t first, ListPage& page);
    bool SaveOtherApEntry(int packetCount, int packetId, int icount, const std::uint8_t* entry);
};

} // namespace cpe
