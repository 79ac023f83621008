#include "device_requests.h"

#include "device_catalogue.h"
#include "link/message_types.h"
#include "report_fields.h"

#include <algorithm>
#include <cstdio>

namespace cpe::sim {

namespace r = layout::rep;
namespace q = layout::req;
namespace g = layout::brg;

namespace {
ApplyResult Refuse(std::string why) {
    return ApplyResult{false, std::move(why), {}};
}

ApplyResult Commit(ReportBlock& block, const ReportBlock& next) {
    ApplyResult res{true, {}, ChangedFields(block, next)};
    block = next;
    return res;
}

std::string SizeText(std::size_t got, std::size_t want) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "payload of %zu bytes, expected %zu", got, want);
    return buf;
}

bool TextLengthOk(ConstBytes b, std::size_t lenOff, std::size_t width) {
    return Get8(b, lenOff) <= width;
}
} // namespace

ApplyResult ApplyAddressing(ReportBlock& block, ConstBytes p) {
    if (p.size() != kIpSetPayload) {
        return Refuse(SizeText(p.size(), kIpSetPayload));
    }
    const Ipv4 ip = GetIp(p, 1);
    const Ipv4 mask = GetIp(p, 5);
    if (ip == 0 || (ip >> 24) == 0 || (ip >> 24) >= 224 || mask == 0 || (~mask & (~mask + 1)) != 0) {
        return Refuse("address or mask not usable");
    }
    ReportBlock next = block;
    // The last byte only says whether to apply at once; the device does not keep it.
    std::copy_n(p.begin(), q::kIpApplyFlag, next.begin() + r::kAddressingAt);
    return Commit(block, next);
}

ApplyResult ApplyWireless(ReportBlock& block, std::uint16_t type, ConstBytes p) {
    const std::size_t want = InWirelessExtensionSet(type) ? kWirelessPayloadLong : kWirelessPayloadShort;
    if (p.size() != want) {
        return Refuse(SizeText(p.size(), want));
    }
    ReportBlock next = block;
    std::copy_n(p.begin(), kWirelessPayloadShort, next.begin() + r::kWirelessAt);
    // Radio hardware facts stay what the device is.
    next[r::kRfType] = block[r::kRfType];
    next[r::kTxPowerMin] = block[r::kTxPowerMin];
    next[r::kTxPowerMax] = block[r::kTxPowerMax];
    const ConstBytes n(next);
    if (n[r::kTxPower] < n[r::kTxPowerMin] || n[r::kTxPower] > n[r::kTxPowerMax]) {
        return Refuse("transmit power out of range");
    }
    if (n[r::kSsidLen] == 0 || !TextLengthOk(n, r::kSsidLen, r::kTextWidth) ||
        !TextLengthOk(n, r::kWpapskKeyLen, r::kKeyWidth) || !TextLengthOk(n, r::kWpaKeyLen, r::kKeyWidth)) {
        return Refuse("text length out of range");
    }
    if (n[r::kSecureMode] > 6) {
        return Refuse("unknown security mode");
    }
    if (want == kWirelessPayloadLong) {
        next[r::kWlDfs] = Get8(p, q::kWirelessDfs) ? 1 : 0;
    }
    return Commit(block, next);
}

ApplyResult ApplySchedule(ReportBlock& block, ConstBytes p) {
    if (p.size() != kRebootTimePayload) {
        return Refuse(SizeText(p.size(), kRebootTimePayload));
    }
    if ((Get8(p, 1) & 1) != 0 || GetLe16(p, 2) >= 24 * 60) {
        return Refuse("schedule out of range");
    }
    ReportBlock next = block;
    std::copy_n(p.begin(), kRebootTimePayload, next.begin() + r::kScheduleAt);
    return Commit(block, next);
}

ApplyResult ApplyName(ReportBlock& block, ConstBytes p) {
    if (p.size() != kNameSetPayload) {
        return Refuse(SizeText(p.size(), kNameSetPayload));
    }
    const std::uint8_t len = Get8(p, q::kNameLen);
    if (len == 0 || len > r::kTextWidth) {
        return Refuse("name length out of range");
    }
    ReportBlock next = block;
    PutText(next, r::kName, r::kTextWidth, r::kNameLen, GetText(p, 0, r::kTextWidth, q::kNameLen));
    return Commit(block, next);
}

ApplyResult ApplyVlan(ReportBlock& block, std::uint16_t type, ConstBytes p) {
    const std::size_t want = InVlanExtensionSet(type) ? kVlanPayloadLong : kVlanPayloadShort;
    if (p.size() != want) {
        return Refuse(SizeText(p.size(), want));
    }
    ReportBlock next = block;
    next[r::kVlanEn] = p[0] ? 1 : 0;
    for (std::size_t off : {2u, 4u, 6u}) {
        PutLe16(next, r::kVlanAt + off, GetLe16(p, off));
    }
    if (want == kVlanPayloadLong) {
        std::copy_n(p.begin() + kVlanPayloadShort, kSwitchPayload, next.begin() + r::kVlanExtAt);
        // The console writes the trunk port as the character '1' or '2'; the device keeps the number.
        const std::uint8_t trunk = next[r::kTrunkPort];
        if (trunk == '1' || trunk == '2') {
            next[r::kTrunkPort] = static_cast<std::uint8_t>(trunk - '0');
        }
    }
    const ConstBytes n(next);
    if (n[r::kVlanEn]) {
        for (std::size_t off : {r::kVlanId, r::kVlanIdWlan}) {
            const std::uint16_t id = GetLe16(n, off);
            if (id < 1 || id > 4094) {
                return Refuse("VLAN identifier out of range");
            }
        }
    }
    return Commit(block, next);
}

ApplyResult ApplySwitch(ReportBlock& block, std::uint16_t msgType, ConstBytes p) {
    if (p.size() != kSwitchPayload) {
        return Refuse(SizeText(p.size(), kSwitchPayload));
    }
    ReportBlock next = block;
    if (msgType == KORVA_APTransparentBridgeRequest) {
        next[r::kBridgeTransparent] = p[q::kSwitchBridge] ? 1 : 0;
    } else {
        next[r::kTdmaEn] = p[q::kSwitchTdma] ? 1 : 0;
    }
    return Commit(block, next);
}

bool ParseBridge(ConstBytes p, BridgeRequest& out, std::string& why) {
    if (p.size() != kBridgeSetPayload) {
        why = SizeText(p.size(), kBridgeSetPayload);
        return false;
    }
    if (Get8(p, g::kSsidLen) == 0 || Get8(p, g::kSsidLen) > r::kTextWidth ||
        Get8(p, g::kWpapskKeyLen) > r::kKeyWidth) {
        why = "text length out of range";
        return false;
    }
    out.bridgeMac = GetMac(p, g::kBridgeMac);
    out.channel = Get8(p, g::kChannel);
    out.ssid = GetText(p, g::kSsid, r::kTextWidth, g::kSsidLen);
    out.secureMode = Get8(p, g::kSecureMode);
    out.pskKey = GetText(p, g::kWpapskKey, r::kKeyWidth, g::kWpapskKeyLen);
    out.wepKeyIndex = Get8(p, g::kWepKeyIndex);
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t at = g::kWepKeys + k * r::kWepKeyStride;
        out.wepKeys[k] = GetText(p, at + r::kWepKeyValue, r::kWepKeyWidth, at + r::kWepKeyLen);
    }
    out.ip = GetIp(p, g::kAddressing + 1);
    return true;
}

ApplyResult ApplyBridge(ReportBlock& block, ConstBytes p, std::uint8_t apChannel) {
    ReportBlock next = block;
    next[r::kWorkMode] = 2;
    next[r::kBridgeWorkMode] = 2;
    PutMac(next, r::kBridgeMac, GetMac(p, g::kBridgeMac));
    next[r::kBridgeChannel] = apChannel;
    next[r::kChannel] = Get8(p, g::kChannel);
    const std::string ssid = GetText(p, g::kSsid, r::kTextWidth, g::kSsidLen);
    PutText(next, r::kSsid, r::kTextWidth, r::kSsidLen, ssid);
    PutText(next, r::kBridgeSsid, r::kTextWidth, r::kBridgeSsidLen, ssid);
    std::copy(p.begin() + g::kSecurityFrom, p.begin() + g::kSecurityTo, next.begin() + r::kSecureMode);
    if (next[r::kSecureMode] == 1) {
        next[r::kWepKeyIndex] = static_cast<std::uint8_t>(Get8(p, g::kWepKeyIndex) + 1); // reported as 1..4
    }
    if (GetIp(p, g::kAddressing + 1) != 0) {
        std::copy_n(p.begin() + g::kAddressing, kIpSetPayload - 1, next.begin() + r::kAddressingAt);
    }
    return Commit(block, next);
}

bool ParseUpgrade(ConstBytes p, UpgradeRequest& out, std::string& why) {
    if (p.size() != kUpgradePayload) {
        why = SizeText(p.size(), kUpgradePayload);
        return false;
    }
    const std::size_t len = Get8(p, q::kUpgradeNameLen);
    std::string name;
    for (std::size_t i = 0; i < len && i < q::kUpgradeNameWidth && p[i] != 0; ++i) {
        name.push_back(static_cast<char>(p[i]));
    }
    if (name.empty()) {
        why = "no file name";
        return false;
    }
    out.file = name;
    out.size = GetLe32(p, q::kUpgradeSize);
    return true;
}

ReportBlock FactoryDefaults(const ReportBlock& generated, const Mac& mac, std::uint16_t type) {
    ReportBlock b = generated;
    char text[33];
    std::fill(b.begin() + r::kRestartEn, b.begin() + r::kRestartEn + 4, 0);
    b[r::kWorkMode] = 1;
    PutText(b, r::kName, r::kTextWidth, r::kNameLen, ModelName(type));
    std::snprintf(text, sizeof text, "CPE-%02X%02X%02X", mac[3], mac[4], mac[5]);
    PutText(b, r::kSsid, r::kTextWidth, r::kSsidLen, text);
    std::fill(b.begin() + r::kSecureMode, b.begin() + r::kWpaKeyTime + 4, 0);
    b[r::kChannel] = 0;
    b[r::kSsidHide] = 0;
    b[r::kTxPower] = b[r::kTxPowerMax];
    b[r::kBridgeWorkMode] = 1;
    std::fill(b.begin() + r::kBridgeMac, b.begin() + r::kBridgeSsidLen + 1, 0);
    std::fill(b.begin() + r::kVlanEn, b.end(), 0);
    return b;
}

std::string NextVersion(const std::string& version) {
    const std::size_t lf = version.find('\n');
    std::string head = version.substr(0, lf);
    std::size_t end = head.size();
    while (end > 0 && !(head[end - 1] >= '0' && head[end - 1] <= '9')) {
        --end;
    }
    std::size_t start = end;
    while (start > 0 && head[start - 1] >= '0' && head[start - 1] <= '9') {
        --start;
    }
    if (start == end) {
        return CutUtf8(head + ".1", r::kTextWidth);
    }
    const unsigned long n = std::stoul(head.substr(start, end - start)) + 1;
    return CutUtf8(head.substr(0, start) + std::to_string(n) + head.substr(end), r::kTextWidth);
}

} // namespace cpe::sim
