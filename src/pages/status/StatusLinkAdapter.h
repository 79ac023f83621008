#pragma once

#include "pages/status/status_services.h"

namespace cpe {

class AcTransmitManage;
class CSqlManagement;

// The page services on the process's link manager.
class StatusLinkAdapter final : public IStatusLink {
public:
    explicit StatusLinkAdapter(AcTransmitManage& link) : link_(link) {}
    void RefreshCaptureDevices() override;
    void SendUnmanage() override;
    void RemoveSearchedAps() override;
    void PurgeStore() override;
    void SendDiscover() override;
    void SetFilter(bool on, const MacBytes& mac) override;
    std::vector<ap_info_stu> GetSearchedApList(int limit, const std::string& search) override;
    bool SendPacketMutilcast(const std::string& ip, int msgType, std::span<const std::uint8_t> payload,
                             const std::string& mac, bool retransmit) override;
    void UpdateManageApIp(const std::string& mac, const std::string& ip, const std::string& newIp) override;

private:
    AcTransmitManage& link_;
};

// The list queries on the process's store.
class StatusStoreAdapter final : public IDeviceListStore {
public:
    explicit StatusStoreAdapter(CSqlManagement& store) : store_(store) {}
    bool GetApInfoList(int sortKey, const std::string& search, int pageSize, int page, bool ascending,
                       std::vector<ap_info_stu>& list, int& pageCount, int& onlineCount) override;
    bool GetApInfo(const std::string& mac, ap_info_stu& record) override;

private:
    CSqlManagement& store_;
};

} // namespace cpe
