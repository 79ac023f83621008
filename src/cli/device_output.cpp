#include "cli/device_output.h"

#include "core/CodePage.h"
#include "store/vocabulary.h"

#include <algorithm>

namespace cpe::cli {
namespace {

std::string Utf8(const std::string& consoleText) {
    return ConsoleCodePage().ToUtf8(consoleText);
}

// The list column of the version: the part before the first line feed.
std::string ListVersion(const ap_info_stu& r) {
    std::string v = Utf8(r.version());
    return v.substr(0, v.find('\n'));
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n\r") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string Plain(const nlohmann::ordered_json& value) {
    return value.is_string() ? value.get<std::string>() : value.dump();
}

// Columns a person reads in the table, with the key each one shows.
struct TableColumn {
    const char* title;
    const char* key;
};
constexpr TableColumn kTableColumns[] = {
    {"MAC", "mac"},
    {"IP", "ip"},
    {"Name", "ap_name"},
    {"Model", "ap_type_str"},
    {"Work mode", "work_mode_str"},
    {"SSID", "ssid"},
    {"Channel", "channel"},
    {"Version", "version"},
    {"Transparent", "bridge_transparent_str"},
    {"AIRSLOT", "tdmaEn_str"},
    {"Up-time", "up_time_str"},
    {"Status", "ap_status_str"},
};

std::size_t Width(const std::string& utf8) {
    return DecodeUtf8(utf8).size();
}

} // namespace

nlohmann::ordered_json DeviceJson(const ListedDevice& device) {
    const ap_info_stu& r = device.record;
    nlohmann::ordered_json j;
    j["mac"] = r.mac();
    j["ip"] = r.ip();
    j["ip_mask"] = r.ip_mask();
    j["ip_gateway"] = r.ip_gateway();
    j["ap_name"] = Utf8(r.ap_name());
    j["ap_type"] = r.ap_type();
    j["ap_type_str"] = GetApTypeName(r.ap_type());
    j["work_mode"] = r.work_mode();
    j["work_mode_str"] = GetWorkModeText(r.work_mode());
    j["ssid"] = Utf8(r.ssid());
    j["channel"] = r.channel();
    j["secure_mode"] = r.secure_mode();
    j["secure_mode_str"] = device.reported ? GetSecureModeText(r.secure_mode()) : std::string();
    j["tx_power"] = r.tx_power();
    j["version"] = ListVersion(r);
    j["bridge_transparent"] = r.bridge_transparent();
    j["bridge_transparent_str"] =
        GetBridgeTransparentText(r.ap_type(), r.work_mode(), r.bridge_transparent());
    j["tdmaEn"] = r.tdmaEn();
    j["tdmaEn_str"] = GetTdmaEnText(r.ap_type(), r.tdmaEn());
    j["up_time"] = r.up_time();
    j["up_time_str"] = GetUpTimeText(r.up_time());
    j["ap_status"] = r.ap_status();
    j["ap_status_str"] = device.reported ? GetApStatusText(r.ap_status()) : std::string("not reported");
    j["reported"] = device.reported;
    return j;
}

void WriteDevices(std::ostream& out, const std::vector<ListedDevice>& devices, OutputFormat format) {
    std::vector<nlohmann::ordered_json> rows;
    for (const auto& d : devices) {
        rows.push_back(DeviceJson(d));
    }
    if (format == OutputFormat::Json) {
        out << nlohmann::ordered_json(rows).dump(2) << "\n";
        return;
    }
    if (format == OutputFormat::Csv) {
        nlohmann::ordered_json keys = DeviceJson(ListedDevice{});
        std::string line;
        for (const auto& [key, value] : keys.items()) {
            line += (line.empty() ? "" : ",") + key;
        }
        out << line << "\n";
        for (const auto& row : rows) {
            line.clear();
            bool first = true;
            for (const auto& [key, value] : row.items()) {
                line += (first ? "" : ",") + CsvField(Plain(value));
                first = false;
            }
            out << line << "\n";
        }
        return;
    }
    std::vector<std::size_t> widths;
    for (const auto& c : kTableColumns) {
        std::size_t w = Width(c.title);
        for (const auto& row : rows) {
            w = std::max(w, Width(Plain(row[c.key])));
        }
        widths.push_back(w);
    }
    auto cell = [&](std::size_t i, const std::string& text) {
        out << text << std::string(widths[i] - Width(text) + 2, ' ');
    };
    for (std::size_t i = 0; i < std::size(kTableColumns); ++i) {
        cell(i, kTableColumns[i].title);
    }
    out << "\n";
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < std::size(kTableColumns); ++i) {
            cell(i, Plain(row[kTableColumns[i].key]));
        }
        out << "\n";
    }
    out << devices.size() << " device(s)\n";
}

} // namespace cpe::cli
