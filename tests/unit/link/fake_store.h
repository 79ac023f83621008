#pragma once

#include "link/IDeviceStore.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace cpe::test {

// Records what the link writes, as the store would keep it.
class FakeStore : public IDeviceStore {
public:
    std::mutex mutex;
    std::map<std::string, int> status; // mac -> ap_status
    std::map<std::string, ap_info_stu> rows;
    std::vector<std::string> deleted;
    int upTimeWrites = 0;
    int surveyWrites = 0;

    bool SaveApInfo(const ap_info_stu& r) override {
        std::lock_guard l(mutex);
        rows[r.mac()] = r;
        status[r.mac()] = 1;
        return true;
    }
    bool UpdateApUpTime(std::string_view, std::string_view, std::uint32_t) override {
        std::lock_guard l(mutex);
        ++upTimeWrites;
        return true;
    }
    bool SetApStatus(std::string_view mac, int s) override {
        std::lock_guard l(mutex);
        status[std::string(mac)] = s;
        return true;
    }
    bool MarkApUpgrading(std::string_view mac) override {
        std::lock_guard l(mutex);
        auto it = status.find(std::string(mac));
        if (it != status.end() && it->second == 6) {
            it->second = 7;
        }
        return true;
    }
    bool DeleteApInfo(std::string_view mac) override {
        std::lock_guard l(mutex);
        deleted.emplace_back(mac);
        rows.erase(std::string(mac));
        status.erase(std::string(mac));
        return true;
    }
    void SaveOtherApInfo(std::span<const std::uint8_t>) override {
        std::lock_guard l(mutex);
        ++surveyWrites;
    }
    bool GetAllApMac(std::vector<std::string>& macs) override {
        std::lock_guard l(mutex);
        macs.clear();
        for (const auto& [mac, row] : rows) {
            macs.push_back(mac);
        }
        return true;
    }
};

} // namespace cpe::test
