#include "store/store_schema.h"

#include <algorithm>
#include <iterator>

namespace cpe::store_schema {
namespace {

constexpr ColumnType L = ColumnType::Long;
constexpr ColumnType T = ColumnType::Text;

// The device table, column for column as the console has always declared it (ID, the report in
// report order, then the columns that were added later).
constexpr Column kApInfo[] = {
    {"ID", ColumnType::Counter, 0},
    {"mac", T, 18},
    {"ap_type", L, 0},
    {"ap_type_str", T, 33},
    {"ap_status", L, 0},
    {"ap_status_str", T, 33},
    {"work_mode", L, 0},
    {"work_mode_str", T, 33},
    {"mode_btn_status", L, 0},
    {"up_time", L, 0},
    {"up_time_str", T, 33},
    {"ip_mode", L, 0},
    {"ip_num", ColumnType::Double, 0},
    {"ip", T, 16},
    {"ip_mask", T, 16},
    {"ip_gateway", T, 16},
    {"ip_dns1", T, 16},
    {"ip_dns2", T, 16},
    {"ap_name", T, 33},
    {"version", T, 33},
    {"restart_en", L, 0},
    {"restart_type", L, 0},
    {"restart_time", L, 0},
    {"rf_count", L, 0},
    {"rf_en", L, 0},
    {"rf_type", L, 0},
    {"country_code", L, 0},
    {"network_mode", L, 0},
    {"bandwidth", L, 0},
    {"channel", L, 0},
    {"expand_channel", L, 0},
    {"tx_power", L, 0},
    {"tx_power_min", L, 0},
    {"tx_power_max", L, 0},
    {"ssid_count", L, 0},
    {"ssid_rf_type", L, 0},
    {"ssid_id", L, 0},
    {"ssid_hide", L, 0},
    {"ssid_mac", T, 18},
    {"ssid", T, 33},
    {"secure_mode", L, 0},
    {"secure_mode_str", T, 33},
    {"wpapsk_auth_type", L, 0},
    {"wpapsk_key_value", T, 65},
    {"wpapsk_key_time", L, 0},
    {"wep_auth_type", L, 0},
    {"wep_key_index", L, 0},
    {"wep_key_value0", T, 65},
    {"wep_key_type0", L, 0},
    {"wep_key_value1", T, 65},
    {"wep_key_type1", L, 0},
    {"wep_key_value2", T, 65},
    {"wep_key_type2", L, 0},
    {"wep_key_value3", T, 65},
    {"wep_key_type3", L, 0},
    {"wpa_auth_type", L, 0},
    {"wpa_radius_ip", T, 16},
    {"wpa_radius_port", L, 0},
    {"wpa_key", T, 65},
    {"wpa_key_time", L, 0},
    {"bridge_work_mode", L, 0},
    {"bridge_mac", T, 18},
    {"bridge_channel", L, 0},
    {"bridge_ssid", T, 33},
    {"vlan_en", L, 0},
    {"vlan_id", L, 0},
    {"vlan_id_wlan", L, 0},
    {"vlan_id_lan", L, 0},
    {"bridge_transparent", L, 0},
    {"bridge_transparent_str", T, 33},
    {"tdmaEn", L, 0},
    {"tdmaEn_str", T, 33},
    {"vlan_pvid", L, 0},
    {"vlan_id_lan3", L, 0},
    {"vlan_id_lan4", L, 0},
    {"wl_dfs", L, 0},
    {"trunk_port", L, 0},
    {"vlan_id_lan2", L, 0},
};

constexpr Column kOtherAp[] = {
    {"ID", ColumnType::Counter, 0},
    {"packet_count", L, 0},
    {"packet_id", L, 0},
    {"icount", L, 0},
    {"mac", T, 18},
    {"ssid", T, 33},
    {"signal", L, 0},
    {"channel", L, 0},
    {"secure_mode", L, 0},
    {"exchannel", L, 0},
    {"bandwidth", L, 0},
};

const char* TypeName(ColumnType type) {
    switch (type) {
    case ColumnType::Counter:
        return "INTEGER PRIMARY KEY AUTOINCREMENT";
    case ColumnType::Long:
        return "INTEGER";
    case ColumnType::Double:
        return "REAL";
    case ColumnType::Text:
        return "TEXT";
    }
    return "";
}

std::string CreateTable(const char* table, std::span<const Column> columns) {
    std::string sql = std::string("CREATE TABLE ") + table + "(";
    for (const Column& c : columns) {
        sql += c.name;
        sql += ' ';
        sql += TypeName(c.type);
        sql += ',';
    }
    sql.back() = ')';
    return sql;
}

std::size_t Limit(std::span<const Column> columns, const std::string& name) {
    auto it = std::find_if(columns.begin(), columns.end(), [&](const Column& c) { return name == c.name; });
    return it != columns.end() ? it->limit : 0;
}

// Text keys sort as the operator reads them: "alpha" next to "Alpha".
std::string SortColumn(const char* const* columns, std::size_t count, int sortKey, const char* prefix,
                       std::span<const Column> table) {
    if (sortKey < 0 || static_cast<std::size_t>(sortKey) >= count) {
        return {};
    }
    std::string column = columns[sortKey];
    bool text = Limit(table, column) != 0;
    return prefix + column + (text ? " COLLATE NOCASE" : "");
}

constexpr const char* kApInfoSortKeys[] = {
    "mac",     "ip_num",      "ap_name",  "ap_type", "work_mode",          "ssid",
    "channel", "secure_mode", "tx_power", "version", "bridge_transparent", "tdmaEn",
    "up_time", "ap_status"};
constexpr const char* kOtherApSortKeys[] = {"mac", "ssid", "channel", "secure_mode", "signal"};

} // namespace

std::span<const Column> ApInfoColumns() {
    return kApInfo;
}

std::span<const Column> OtherApColumns() {
    return kOtherAp;
}

std::size_t ApInfoLimit(const std::string& column) {
    return Limit(kApInfo, column);
}

std::size_t OtherApLimit(const std::string& column) {
    return Limit(kOtherAp, column);
}

std::vector<std::string> SchemaStatements() {
    return {
        CreateTable("ap_info", kApInfo),
        CreateTable("ap_other_info", kOtherAp),
        "CREATE UNIQUE INDEX ap_info_mac ON ap_info(mac)",
        "CREATE UNIQUE INDEX ap_other_info_mac ON ap_other_info(mac)",
        // The default list order (address) and the name order read one page without sorting.
        "CREATE INDEX ap_info_ip_num ON ap_info(ip_num)",
        "CREATE INDEX ap_info_ap_name ON ap_info(ap_name COLLATE NOCASE)",
        // Page and online counts read this small index instead of every row.
        "CREATE INDEX ap_info_ap_status ON ap_info(ap_status)",
    };
}

std::string ApInfoSortColumn(int sortKey) {
    return SortColumn(kApInfoSortKeys, std::size(kApInfoSortKeys), sortKey, "ap_info.", kApInfo);
}

std::string OtherApSortColumn(int sortKey) {
    return SortColumn(kOtherApSortKeys, std::size(kOtherApSortKeys), sortKey, "", kOtherAp);
}

} // namespace cpe::store_schema
