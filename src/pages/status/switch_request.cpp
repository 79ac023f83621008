#include "pages/status/switch_request.h"

#include "link/log.h"
#include "pages/status/report_request.h"
#include "store/vocabulary.h"

namespace cpe {

int SwitchMessageType(SwitchKind kind) {
    return kind == SwitchKind::TransparentBridge ? 18 : 19;
}

std::size_t SwitchByte(SwitchKind kind) {
    return kind == SwitchKind::TransparentBridge ? switch_offset::kTransparentBridge
                                                 : switch_offset::kAirslot;
}

bool SwitchApplies(SwitchKind kind, int apType, int workMode) {
    return kind == SwitchKind::TransparentBridge ? BridgeTransparentApplies(apType, workMode)
                                                 : TdmaEnApplies(apType);
}

int SwitchValue(SwitchKind kind, const ap_info_stu& record) {
    return kind == SwitchKind::TransparentBridge ? record.bridge_transparent() : record.tdmaEn();
}

SwitchPayload BuildSwitchPayload(SwitchKind kind, bool enable) {
    SwitchPayload payload{};
    payload[SwitchByte(kind)] = enable ? 1 : 0;
    return payload;
}

int SendSwitchRequests(IStatusLink& link, SwitchKind kind, const std::vector<SelectionRecord>& queue,
                       const SwitchPayload& payload, std::stop_token stop) {
    int sent = 0;
    for (const SelectionRecord& device : queue) {
        if (stop.stop_requested()) {
            break;
        }
        const SwitchPayload copy = payload;
        link.SendPacketMutilcast(device.ip, SwitchMessageType(kind), copy, device.mac, true);
        ++sent;
    }
    if (kind == SwitchKind::TransparentBridge) {
        LOG_INFO("SendPacketMutilcast KORVA_APTransparentBridgeRequest data_len:%d, count:%d)",
                 static_cast<int>(kSwitchPayloadSize), sent);
    } else {
        LOG_INFO("SendPacketMutilcast KORVA_APTdMaenRequest data_len:%d, count:%d",
                 static_cast<int>(kSwitchPayloadSize), sent);
    }
    for (int i = 0; i < sent; ++i) {
        RequestReport(link, queue[static_cast<std::size_t>(i)].ip, queue[static_cast<std::size_t>(i)].mac);
    }
    return sent;
}

} // namespace cpe
