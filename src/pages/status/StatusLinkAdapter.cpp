#include "pages/status/StatusLinkAdapter.h"

#include "link/AcTransmitManage.h"
#include "store/CSqlManagement.h"

namespace cpe {

void StatusLinkAdapter::RefreshCaptureDevices() {
    link_.RefreshCaptureDevices();
}
void StatusLinkAdapter::SendUnmanage() {
    link_.SendUnmanage();
}
void StatusLinkAdapter::RemoveSearchedAps() {
    link_.RemoveSearchedAps();
}
void StatusLinkAdapter::PurgeStore() {
    link_.PurgeStore();
}
void StatusLinkAdapter::SendDiscover() {
    link_.SendDiscover();
}
void StatusLinkAdapter::SetFilter(bool on, const MacBytes& mac) {
    link_.SetFilter(on, mac);
}

std::vector<ap_info_stu> StatusLinkAdapter::GetSearchedApList(int limit, const std::string& search) {
    std::vector<ap_info_stu> list;
    link_.GetSearchedApList(list, limit, search.empty() ? nullptr : &search);
    return list;
}

bool StatusLinkAdapter::SendPacketMutilcast(const std::string& ip, int msgType,
                                            std::span<const std::uint8_t> payload, const std::string& mac,
                                            bool retransmit) {
    return link_.SendPacketMutilcast(ip, msgType, payload.data(), static_cast<int>(payload.size()),
                                     MacArg::Text(mac), retransmit);
}

void StatusLinkAdapter::UpdateManageApIp(const std::string& mac, const std::string& ip,
                                         const std::string& newIp) {
    link_.UpdateManageApIp(mac, ip, newIp);
}

bool StatusStoreAdapter::GetApInfoList(int sortKey, const std::string& search, int pageSize, int page,
                                       bool ascending, std::vector<ap_info_stu>& list, int& pageCount,
                                       int& onlineCount) {
    return store_.GetApInfoList(sortKey, search, pageSize, page, ascending, list, pageCount, onlineCount);
}

bool StatusStoreAdapter::GetApInfo(const std::string& mac, ap_info_stu& record) {
    return store_.GetApInfo(mac, record);
}

} // namespace cpe
