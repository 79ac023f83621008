#include "fleet_json.h"

#include "device_requests.h"
#include "report_fields.h"

namespace cpe::sim {

namespace {
nlohmann::json FieldValue(const ReportBlock& b, const ReportField& f) {
    switch (f.kind) {
    case FieldKind::U8:
        return Get8(b, f.offset);
    case FieldKind::U16:
        return GetLe16(b, f.offset);
    case FieldKind::U32:
        return GetLe32(b, f.offset);
    case FieldKind::Ip:
        return IpText(GetIp(b, f.offset));
    case FieldKind::Mac:
        return MacText(GetMac(b, f.offset));
    case FieldKind::Text:
        return GetText(b, f.offset, f.width, f.lenOff);
    }
    return nullptr;
}

bool SetField(ReportBlock& b, const ReportField& f, const nlohmann::json& v, std::string& why) {
    const std::string name = f.name;
    if (f.kind == FieldKind::Ip || f.kind == FieldKind::Mac || f.kind == FieldKind::Text) {
        if (!v.is_string()) {
            why = name + ": expected a text";
            return false;
        }
        const std::string s = v.get<std::string>();
        if (f.kind == FieldKind::Text) {
            if (s.size() > f.width) {
                why = name + ": longer than " + std::to_string(f.width) + " bytes";
                return false;
            }
            PutText(b, f.offset, f.width, f.lenOff, s);
            return true;
        }
        Ipv4 ip = 0;
        Mac mac{};
        if (f.kind == FieldKind::Ip ? !ParseIp(s, ip) : !ParseMac(s, mac)) {
            why = name + ": malformed address '" + s + "'";
            return false;
        }
        f.kind == FieldKind::Ip ? PutIp(b, f.offset, ip) : PutMac(b, f.offset, mac);
        return true;
    }
    if (!v.is_number_integer() || v.get<std::int64_t>() < 0) {
        why = name + ": expected an unsigned number";
        return false;
    }
    const auto n = v.get<std::uint64_t>();
    const std::uint64_t max = f.kind == FieldKind::U8 ? 0xFF : f.kind == FieldKind::U16 ? 0xFFFF : 0xFFFFFFFF;
    if (n > max) {
        why = name + ": out of range";
        return false;
    }
    if (f.kind == FieldKind::U8) {
        Put8(b, f.offset, static_cast<std::uint8_t>(n));
    } else if (f.kind == FieldKind::U16) {
        PutLe16(b, f.offset, static_cast<std::uint16_t>(n));
    } else {
        PutLe32(b, f.offset, static_cast<std::uint32_t>(n));
    }
    return true;
}
} // namespace

bool SetFieldFromJson(ReportBlock& block, std::string_view name, const nlohmann::json& value,
                      std::string& why) {
    const ReportField* f = FindReportField(name);
    if (f == nullptr) {
        why = "unknown field \"" + std::string(name) + "\"";
        return false;
    }
    return SetField(block, *f, value, why);
}

nlohmann::json FleetToJson(const std::vector<SimDevice>& fleet) {
    nlohmann::json devices = nlohmann::json::array();
    for (const SimDevice& d : fleet) {
        nlohmann::json j;
        j["mac"] = MacText(d.mac);
        j["ap_type"] = d.apType;
        j["up_time"] = d.upTimeAtBoot;
        for (const ReportField& f : ReportFields()) {
            j[f.name] = FieldValue(d.block, f);
        }
        devices.push_back(std::move(j));
    }
    return nlohmann::json{{"devices", devices}};
}

bool FleetFromJson(const nlohmann::json& doc, std::uint64_t seed, const AddressPlan& plan,
                   std::vector<SimDevice>& out, std::string& why) {
    if (!doc.is_object() || !doc.contains("devices") || !doc["devices"].is_array()) {
        why = "expected an object with a \"devices\" array";
        return false;
    }
    const auto& list = doc["devices"];
    if (list.size() > plan.addresses.size()) {
        why = "more devices than addresses";
        return false;
    }
    std::vector<SimDevice> fleet;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto& j = list[i];
        const std::string where = "device " + std::to_string(i) + ": ";
        if (!j.is_object()) {
            why = where + "expected an object";
            return false;
        }
        SimDevice d = GenerateDevice(seed, i, plan.addresses[i], plan);
        for (const auto& [key, value] : j.items()) {
            if (key == "mac") {
                if (!value.is_string() || !ParseMac(value.get<std::string>(), d.mac)) {
                    why = where + "malformed mac";
                    return false;
                }
                Mac ssidMac = d.mac;
                ssidMac[5] = static_cast<std::uint8_t>(ssidMac[5] + 1);
                if (!j.contains("ssid_mac")) {
                    PutMac(d.block, layout::rep::kSsidMac, ssidMac);
                }
            } else if (key == "ap_type" || key == "up_time") {
                const std::uint64_t limit = key == "ap_type" ? 0xFFFF : 0xFFFFFFFF;
                if (!value.is_number_integer() || value.get<std::int64_t>() < 0 ||
                    value.get<std::uint64_t>() > limit) {
                    why = where + key + ": expected an unsigned number";
                    return false;
                }
                key == "ap_type" ? d.apType = value.get<std::uint16_t>()
                                 : d.upTimeAtBoot = value.get<std::uint32_t>();
            } else if (const ReportField* f = FindReportField(key)) {
                std::string fieldWhy;
                if (!SetField(d.block, *f, value, fieldWhy)) {
                    why = where + fieldWhy;
                    return false;
                }
            } else {
                why = where + "unknown field \"" + key + "\"";
                return false;
            }
        }
        d.address = d.factoryAddress = GetIp(d.block, layout::rep::kIp);
        d.factory = FactoryDefaults(d.block, d.mac, d.apType);
        fleet.push_back(d);
    }
    for (std::size_t i = 0; i < fleet.size(); ++i) {
        for (std::size_t k = 0; k < i; ++k) {
            if (fleet[i].mac == fleet[k].mac) {
                why = "device " + std::to_string(i) + ": mac used twice";
                return false;
            }
        }
    }
    out = std::move(fleet);
    return true;
}

} // namespace cpe::sim
