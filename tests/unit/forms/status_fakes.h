#pragma once

#include "pages/status/status_services.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace cpe::test {

// A device record with the fields the status page shows.
inline ap_info_stu Device(int n, int type = 5, int workMode = 1, int status = 1) {
    ap_info_stu r;
    char mac[18];
    std::snprintf(mac, sizeof mac, "00:11:22:33:%02x:%02x", (n >> 8) & 0xff, n & 0xff);
    r.set_mac(mac);
    r.set_ap_type(static_cast<std::uint16_t>(type));
    r.set_ap_status(status);
    r.set_work_mode(static_cast<std::uint8_t>(workMode));
    r.set_ip("10.0." + std::to_string(n / 250) + "." + std::to_string(n % 250 + 1));
    r.set_ip_mask("255.255.0.0");
    r.set_ap_name("dev" + std::to_string(n));
    return r;
}

struct SentPacket {
    std::string ip;
    int type;
    std::vector<std::uint8_t> payload;
    std::string mac;
    bool retransmit;
};

class FakeLink final : public IStatusLink {
public:
    std::vector<ap_info_stu> searched;
    void RefreshCaptureDevices() override { Call("RefreshCaptureDevices"); }
    void SendUnmanage() override { Call("SendUnmanage"); }
    void RemoveSearchedAps() override { Call("RemoveSearchedAps"); }
    void PurgeStore() override { Call("PurgeStore"); }
    void SendDiscover() override { Call("SendDiscover"); }
    void SetFilter(bool on, const MacBytes& mac) override {
        std::lock_guard g(lock_);
        calls_.push_back(on ? "SetFilter(on)" : "SetFilter(off)");
        filterMac = mac;
    }
    std::vector<ap_info_stu> GetSearchedApList(int limit, const std::string& search) override {
        std::lock_guard g(lock_);
        lastSearchedLimit = limit;
        lastSearchedFilter = search;
        std::vector<ap_info_stu> list(searched.begin(),
                                      searched.begin() + std::min<std::size_t>(searched.size(), limit));
        return list;
    }
    bool SendPacketMutilcast(const std::string& ip, int msgType, std::span<const std::uint8_t> payload,
                             const std::string& mac, bool retransmit) override {
        std::lock_guard g(lock_);
        sent_.push_back({ip, msgType, {payload.begin(), payload.end()}, mac, retransmit});
        return true;
    }
    void UpdateManageApIp(const std::string& mac, const std::string& ip, const std::string& newIp) override {
        std::lock_guard g(lock_);
        calls_.push_back("UpdateManageApIp " + mac + " " + ip + " " + newIp);
    }

    std::vector<std::string> calls() {
        std::lock_guard g(lock_);
        return calls_;
    }
    std::vector<SentPacket> sent() {
        std::lock_guard g(lock_);
        return sent_;
    }
    void ClearCalls() {
        std::lock_guard g(lock_);
        calls_.clear();
    }
    MacBytes filterMac{};
    int lastSearchedLimit = -1;
    std::string lastSearchedFilter;

private:
    std::mutex lock_;
    std::vector<std::string> calls_;
    std::vector<SentPacket> sent_;
    void Call(const char* name) {
        std::lock_guard g(lock_);
        calls_.push_back(name);
    }
};

// Rows in the order given; pages cut from it. Records the last query.
class FakeStore final : public IDeviceListStore {
public:
    std::vector<ap_info_stu> rows;
    bool fail = false;
    struct Query {
        int sortKey, pageSize, page;
        bool ascending;
        std::string search;
    };
    std::vector<Query> queries;

    bool GetApInfoList(int sortKey, const std::string& search, int pageSize, int page, bool ascending,
                       std::vector<ap_info_stu>& list, int& pageCount, int& onlineCount) override {
        queries.push_back({sortKey, pageSize, page, ascending, search});
        if (fail) {
            return false;
        }
        std::vector<ap_info_stu> matching;
        for (const ap_info_stu& r : rows) {
            if (search.empty() || r.ap_name().find(search) != std::string::npos) {
                matching.push_back(r);
            }
        }
        const int count = static_cast<int>(matching.size());
        pageCount = (count + pageSize - 1) / pageSize;
        onlineCount = static_cast<int>(std::count_if(
            matching.begin(), matching.end(), [](const ap_info_stu& r) { return r.ap_status() != 0; }));
        list.clear();
        for (int i = (page - 1) * pageSize; i < count && i < page * pageSize; ++i) {
            list.push_back(matching[static_cast<std::size_t>(i)]);
        }
        return true;
    }
    bool GetApInfo(const std::string& mac, ap_info_stu& record) override {
        for (const ap_info_stu& r : rows) {
            if (r.mac() == mac) {
                record = r;
                return true;
            }
        }
        return false;
    }
};

struct ShownMessage {
    std::string text;
    MessageIcon icon;
    bool applicationCaption;
};

class FakeMessages final : public IOperatorMessages {
public:
    std::vector<ShownMessage> shown;
    void ShowMessage(const std::string& text, MessageIcon icon, bool applicationCaption) override {
        shown.push_back({text, icon, applicationCaption});
    }
    std::string last() const { return shown.empty() ? "" : shown.back().text; }
};

class FakeHost final : public IPageHost {
public:
    bool navigation = true;
    bool autoRefresh = true;
    void SetNavigationEnabled(bool enabled) override { navigation = enabled; }
    void SetAutoRefresh(bool enabled) override { autoRefresh = enabled; }
};

class FakeTimers final : public IPageTimers {
public:
    struct Timer {
        int periodMs;
        bool singleShot;
    };
    void StartTimer(int id, int periodMs, bool singleShot) override {
        std::lock_guard g(lock_);
        running_[id] = {periodMs, singleShot};
    }
    void KillTimer(int id) override {
        std::lock_guard g(lock_);
        running_.erase(id);
    }
    bool running(int id) {
        std::lock_guard g(lock_);
        return running_.count(id) != 0;
    }
    Timer timer(int id) {
        std::lock_guard g(lock_);
        return running_.at(id);
    }

private:
    std::mutex lock_;
    std::map<int, Timer> running_;
};

} // namespace cpe::test
