#pragma once

#include "link/ap_info.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cpe {

// What the link manager writes to and reads from the device store. The process passes its
// CSqlManagement through DeviceStoreAdapter; unit tests pass a fake.
class IDeviceStore {
public:
    virtual ~IDeviceStore() = default;
    virtual bool SaveApInfo(const ap_info_stu& record) = 0;
    virtual bool UpdateApUpTime(std::string_view mac, std::string_view ip, std::uint32_t upTime) = 0;
    virtual bool SetApStatus(std::string_view mac, int status) = 0;
    virtual bool MarkApUpgrading(std::string_view mac) = 0;
    virtual bool DeleteApInfo(std::string_view mac) = 0;
    virtual void SaveOtherApInfo(std::span<const std::uint8_t> answer) = 0;
    virtual bool GetAllApMac(std::vector<std::string>& macs) = 0;
};

// Any store with these operations (the real one is CSqlManagement).
template <typename Store>
class DeviceStoreAdapter final : public IDeviceStore {
public:
    explicit DeviceStoreAdapter(Store& store) : store_(store) {}
    bool SaveApInfo(const ap_info_stu& record) override { return store_.SaveApInfo(record); }
    bool UpdateApUpTime(std::string_view mac, std::string_view ip, std::uint32_t upTime) override {
        return store_.UpdateApUpTime(mac, ip, upTime);
    }
    bool SetApStatus(std::string_view mac, int status) override { return store_.SetApStatus(mac, status); }
    bool MarkApUpgrading(std::string_view mac) override { return store_.MarkApUpgrading(mac); }
    bool DeleteApInfo(std::string_view mac) override { return store_.DeleteApInfo(mac); }
    void SaveOtherApInfo(std::span<const std::uint8_t> answer) override { store_.SaveOtherApInfo(answer); }
    bool GetAllApMac(std::vector<std::string>& macs) override { return store_.GetAllApMac(macs); }

private:
    Store& store_;
};

} // namespace cpe
