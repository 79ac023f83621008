// The managed-device side of AcTransmitManage: handlers of the three queues, requests to one
// device, heartbeat supervision, retransmission and the operations around a search.
#include "link/AcTransmitManage.h"
#include "link/link_socket.h"
#include "link/log.h"
#include "link/report_records.h"
#include "link/text_rules.h"

#include <algorithm>
#include <cstring>

namespace cpe {
namespace {

bool MacIsZero(const ap_packet_info& packet) {
    const std::uint8_t* mac = packet.packet.data() + header_offset::kMac;
    return std::all_of(mac, mac + 6, [](std::uint8_t b) { return b == 0; });
}

// Survey answer: count, index, entries, then 44-byte entries whose SSIDs are converted in place.
std::array<std::uint8_t, kSurveyPayloadMax> SurveyAnswer(const ap_packet_info& packet) {
    std::array<std::uint8_t, kSurveyPayloadMax> answer{};
    std::memcpy(answer.data(), packet.payload(), answer.size());
    answer[2] = static_cast<std::uint8_t>(std::min<std::size_t>(answer[2], kSurveyMaxEntries));
    constexpr std::size_t kSsid = 9, kSsidLength = 41, kSsidWidth = 32;
    for (std::size_t i = 0; i < answer[2]; ++i) {
        std::uint8_t* entry = answer.data() + 3 + i * kSurveyEntrySize;
        std::string text = ReceivedText(CountedText(entry + kSsid, kSsidWidth, entry[kSsidLength]));
        text.resize(std::min(text.size(), kSsidWidth));
        std::fill_n(entry + kSsid, kSsidWidth, 0);
        std::memcpy(entry + kSsid, text.data(), text.size());
        entry[kSsidLength] = static_cast<std::uint8_t>(text.size());
    }
    return answer;
}

} // namespace

bool AcTransmitManage::SendPacketMutilcast(const std::string& ip, int msgType, const std::uint8_t* payload,
                                           int dataLen, const MacArg& mac, bool retransmit) {
    if (dataLen < 0 || static_cast<std::size_t>(dataLen) > kMaxPayload) {
        LOG_ERROR("payload of %d bytes does not fit a datagram (msg_type %d)", dataLen, msgType);
        return false;
    }
    bool result = false;
    int fd = receivers_[kHeartbeat]->fd.load();
    for (const auto& via : addresses_.Reaching(ip)) {
        if (msgType == KORVA_APSearchApRequest) {
            surveyComplete_ = false;
        }
        result =
            SendPacketVia(fd, {via.address, via.ifindex}, payload, mac, kRequestGroup, kPortHeartbeat,
                          static_cast<std::uint16_t>(msgType), static_cast<std::uint16_t>(dataLen), true);
    }
    if (result && retransmit && IsRetransmittedType(msgType)) {
        RetransmissionEntry entry;
        entry.remaining = retransmissionCount_;
        entry.ip = ip;
        entry.msg_type = msgType;
        if (payload && dataLen > 0) {
            entry.payload.assign(payload, payload + dataLen);
        }
        entry.mac = mac;
        retransmission_.Add(std::move(entry));
    }
    return result;
}

void AcTransmitManage::UpdateManageApIp(const std::string& mac, const std::string& ip,
                                        const std::string& newIp) {
    table_.AnnounceIp(mac, ip, newIp);
}

void AcTransmitManage::UpdateManageApIp(const std::string& mac, const std::string& ip) {
    table_.ConfirmIp(mac, ip);
}

bool AcTransmitManage::AddManageAp(const ap_packet_info& packet) {
    if (MacIsZero(packet)) {
        LOG_ERROR("pack mac is 0");
        return false;
    }
    return table_.Add(packet);
}

bool AcTransmitManage::ModifyManageApConfig(const ap_packet_info& packet) {
    return table_.AcceptReport(packet);
}

void AcTransmitManage::ManageDiscoverPacket(const ap_packet_info& packet) {
    std::string ip = packet.sender_ip();
    MacArg mac = MacArg::Text(packet.mac_text());
    bool ask = AddManageAp(packet);
    if (MacIsZero(packet)) {
        return; // nothing to address: a request with a zero MAC would reach no device
    }
    SendPacketMutilcast(ip, KORVA_APDiscoverRequest, nullptr, 0, mac, false);
    if (ask) {
        SendPacketMutilcast(ip, KORVA_APConfigGetRequest, nullptr, 0, mac, true);
    }
}

void AcTransmitManage::ManageHeartbeatPacket(const ap_packet_info& packet) {
    std::uint32_t upTime = 0;
    if (!table_.Heartbeat(packet, upTime)) {
        return;
    }
    std::string ip = packet.sender_ip();
    std::string mac = packet.mac_text();
    LOG_INFO("SendPacketMutilcast KORVA_APHeartbeatAck ip:%s, mac:%s", ip.c_str(), mac.c_str());
    SendPacketMutilcast(ip, KORVA_APHeartbeatAck, nullptr, 0, MacArg::Text(mac), false);
    store_.UpdateApUpTime(mac, ip, upTime);
}

void AcTransmitManage::ManageConfigPacket(const ap_packet_info& packet) {
    std::string mac = packet.mac_text();
    std::string ip = packet.sender_ip();
    int type = packet.msg_type();
    const std::uint8_t result = packet.payload()[0];
    if (type != KORVA_APSearchApRequest && type != KORVA_APUnmanageRequest) {
        LOG_INFO("DeleteManageApRetransmission ip:%s, msg_type:%d, mac:%s", ip.c_str(), type, mac.c_str());
        retransmission_.RemoveFirstMatch(ip, type, mac);
    }
    switch (type) {
    case KORVA_APConfigGetRequest:
        if (ModifyManageApConfig(packet)) {
            LOG_INFO("msg_type%d--configuration exists", type);
            store_.SaveApInfo(BuildApInfoFromReport(packet));
        }
        break;
    case KORVA_APIpSetRequest:
        UpdateManageApIp(mac, ip);
        LOG_INFO("msg_type:%d, ip:%s, mac:%s--update manage ap", type, ip.c_str(), mac.c_str());
        break;
    case KORVA_APSearchApRequest: {
        auto answer = SurveyAnswer(packet);
        if (answer[0] > 0 && answer[1] == answer[0] - 1) {
            surveyComplete_ = true;
        }
        store_.SaveOtherApInfo(answer);
        break;
    }
    case KORVA_APBridgeSetRequest: {
        int status = result == 0 ? 2 : 3;
        store_.SetApStatus(mac, status);
        LOG_INFO("msg_type:%d, mac:%s, result:%d--bridge configuration", type, mac.c_str(), status);
        break;
    }
    case KORVA_APRebootRequest:
    case KORVA_APVlanSetRequest:
        if (result == 0) {
            store_.SetApStatus(mac, 4);
        }
        break;
    case KORVA_APRestoreRequest:
        if (result == 0) {
            store_.SetApStatus(mac, 5);
        }
        break;
    case KORVA_APUpgradeResult:
        store_.SetApStatus(mac, result == 0 ? 6 : result == 1 ? 9 : 8);
        break;
    case KORVA_APUpgradeStateRequest:
        store_.MarkApUpgrading(mac);
        break;
    default:
        break;
    }
}

void AcTransmitManage::CheckManageApHeartbeat() {
    for (const auto& gone : table_.CheckHeartbeat()) {
        store_.DeleteApInfo(gone.mac);
    }
}

void AcTransmitManage::CheckManageApRetransmission() {
    if (TimerSleep(retransmissionInterval_)) {
        RetransmissionPass();
    }
}

void AcTransmitManage::RetransmissionPass() {
    retransmission_.Pass([this](const RetransmissionEntry& e) {
        SendPacketMutilcast(e.ip, e.msg_type, e.payload.empty() ? nullptr : e.payload.data(),
                            static_cast<int>(e.payload.size()), e.mac, false);
    });
}

void AcTransmitManage::SendUnmanageLocked(const ManagedAp& entry) {
    SendPacketMutilcast(entry.ip, KORVA_APUnmanageRequest, nullptr, 0, MacArg::Text(entry.mac), false);
}

void AcTransmitManage::SendUnmanage() {
    table_.ForEach(filter_, [this](const ManagedAp& e) { SendUnmanageLocked(e); });
}

void AcTransmitManage::RemoveSearchedAps() {
    table_.RemoveSearched(filter_);
}

void AcTransmitManage::PurgeStore() {
    std::vector<std::string> macs;
    store_.GetAllApMac(macs);
    for (const auto& mac : table_.Unmanaged(macs)) {
        store_.DeleteApInfo(mac);
    }
}

void AcTransmitManage::GetSearchedApList(std::vector<ap_info_stu>& list, int limit,
                                         const std::string* search) {
    list = table_.SearchedList(limit, search);
}

} // namespace cpe
