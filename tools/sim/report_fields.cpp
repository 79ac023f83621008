#include "report_fields.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace cpe::sim {

namespace r = layout::rep;

namespace {
using K = FieldKind;
constexpr ReportField T(const char* n, std::size_t off, std::size_t w, std::size_t len) {
    return ReportField{n, off, K::Text, w, len};
}
constexpr ReportField F(const char* n, std::size_t off, K k) {
    return ReportField{n, off, k, 0, 0};
}

constexpr std::size_t Wep(std::size_t k, std::size_t part) {
    return r::kWepKeys + k * r::kWepKeyStride + part;
}

const std::array kFields = {
    F("work_mode", r::kWorkMode, K::U8),
    F("mode_btn_status", r::kModeBtn, K::U8),
    F("ip_mode", r::kIpMode, K::U8),
    F("ip", r::kIp, K::Ip),
    F("ip_mask", r::kMask, K::Ip),
    F("ip_gateway", r::kGateway, K::Ip),
    F("ip_dns1", r::kDns1, K::Ip),
    F("ip_dns2", r::kDns2, K::Ip),
    T("ap_name", r::kName, r::kTextWidth, r::kNameLen),
    T("version", r::kVersion, r::kTextWidth, r::kVersionLen),
    F("restart_en", r::kRestartEn, K::U8),
    F("restart_type", r::kRestartType, K::U8),
    F("restart_time", r::kRestartTime, K::U16),
    F("rf_count", r::kRfCount, K::U8),
    F("rf_en", r::kRfEn, K::U8),
    F("rf_type", r::kRfType, K::U8),
    F("country_code", r::kCountryCode, K::U8),
    F("network_mode", r::kNetworkMode, K::U8),
    F("bandwidth", r::kBandwidth, K::U8),
    F("channel", r::kChannel, K::U8),
    F("expand_channel", r::kExpandChannel, K::U8),
    F("tx_power", r::kTxPower, K::U8),
    F("tx_power_min", r::kTxPowerMin, K::U8),
    F("tx_power_max", r::kTxPowerMax, K::U8),
    F("ssid_rf_type", r::kSsidRfType, K::U8),
    F("ssid_id", r::kSsidId, K::U8),
    F("ssid_hide", r::kSsidHide, K::U8),
    F("ssid_mac", r::kSsidMac, K::Mac),
    T("ssid", r::kSsid, r::kTextWidth, r::kSsidLen),
    F("secure_mode", r::kSecureMode, K::U8),
    F("wpapsk_auth_type", r::kWpapskAuthType, K::U8),
    T("wpapsk_key_value", r::kWpapskKey, r::kKeyWidth, r::kWpapskKeyLen),
    F("wpapsk_key_time", r::kWpapskKeyTime, K::U32),
    F("wep_auth_type", r::kWepAuthType, K::U8),
    F("wep_key_index", r::kWepKeyIndex, K::U8),
    F("wep_key_type0", Wep(0, r::kWepKeyType), K::U8),
    T("wep_key_value0", Wep(0, r::kWepKeyValue), r::kWepKeyWidth, Wep(0, r::kWepKeyLen)),
    F("wep_key_type1", Wep(1, r::kWepKeyType), K::U8),
    T("wep_key_value1", Wep(1, r::kWepKeyValue), r::kWepKeyWidth, Wep(1, r::kWepKeyLen)),
    F("wep_key_type2", Wep(2, r::kWepKeyType), K::U8),
    T("wep_key_value2", Wep(2, r::kWepKeyValue), r::kWepKeyWidth, Wep(2, r::kWepKeyLen)),
    F("wep_key_type3", Wep(3, r::kWepKeyType), K::U8),
    T("wep_key_value3", Wep(3, r::kWepKeyValue), r::kWepKeyWidth, Wep(3, r::kWepKeyLen)),
    F("wpa_radius_ip", r::kRadiusIp, K::Ip),
    F("wpa_radius_port", r::kRadiusPort, K::U16),
    F("wpa_auth_type", r::kWpaAuthType, K::U8),
    T("wpa_key", r::kWpaKey, r::kKeyWidth, r::kWpaKeyLen),
    F("wpa_key_time", r::kWpaKeyTime, K::U32),
    F("ssid_count", r::kSsidCount, K::U8),
    F("bridge_work_mode", r::kBridgeWorkMode, K::U8),
    F("bridge_mac", r::kBridgeMac, K::Mac),
    F("bridge_channel", r::kBridgeChannel, K::U8),
    T("bridge_ssid", r::kBridgeSsid, r::kTextWidth, r::kBridgeSsidLen),
    F("vlan_en", r::kVlanEn, K::U8),
    F("vlan_id", r::kVlanId, K::U16),
    F("vlan_id_wlan", r::kVlanIdWlan, K::U16),
    F("vlan_id_lan", r::kVlanIdLan, K::U16),
    F("bridge_transparent", r::kBridgeTransparent, K::U8),
    F("tdmaEn", r::kTdmaEn, K::U8),
    F("vlan_pvid", r::kVlanPvid, K::U16),
    F("vlan_id_lan3", r::kVlanIdLan3, K::U16),
    F("vlan_id_lan4", r::kVlanIdLan4, K::U16),
    F("wl_dfs", r::kWlDfs, K::U8),
    F("trunk_port", r::kTrunkPort, K::U8),
    F("vlan_id_lan2", r::kVlanIdLan2, K::U16),
};

std::size_t Span(const ReportField& f) {
    switch (f.kind) {
    case K::U8:
        return 1;
    case K::U16:
        return 2;
    case K::U32:
    case K::Ip:
        return 4;
    case K::Mac:
        return 6;
    case K::Text:
        return f.width;
    }
    return 1;
}
} // namespace

std::span<const ReportField> ReportFields() {
    return kFields;
}

const ReportField* FindReportField(std::string_view name) {
    for (const ReportField& f : kFields) {
        if (name == f.name) {
            return &f;
        }
    }
    return nullptr;
}

std::vector<std::string> ChangedFields(const ReportBlock& before, const ReportBlock& after) {
    std::vector<std::string> out;
    for (const ReportField& f : kFields) {
        bool differs = std::memcmp(before.data() + f.offset, after.data() + f.offset, Span(f)) != 0;
        if (f.kind == K::Text) {
            differs =
                GetText(before, f.offset, f.width, f.lenOff) != GetText(after, f.offset, f.width, f.lenOff);
        }
        if (differs) {
            out.emplace_back(f.name);
        }
    }
    return out;
}

} // namespace cpe::sim
