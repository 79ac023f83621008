#include "store/store_rows.h"

#include "core/CodePage.h"
#include "store/store_schema.h"
#include "store/vocabulary.h"

#include <algorithm>
#include <cstring>

namespace cpe::store_rows {
namespace {

// The order in which a report sets the columns of its row.
constexpr const char* kWriteOrder[] = {"mac",
                                       "ap_type",
                                       "ap_type_str",
                                       "ap_status",
                                       "ap_status_str",
                                       "work_mode",
                                       "work_mode_str",
                                       "mode_btn_status",
                                       "up_time",
                                       "up_time_str",
                                       "ip_mode",
                                       "ip_num",
                                       "ip",
                                       "ip_mask",
                                       "ip_gateway",
                                       "ip_dns1",
                                       "ip_dns2",
                                       "ap_name",
                                       "version",
                                       "restart_en",
                                       "restart_type",
                                       "restart_time",
                                       "rf_count",
                                       "rf_en",
                                       "rf_type",
                                       "country_code",
                                       "network_mode",
                                       "bandwidth",
                                       "channel",
                                       "expand_channel",
                                       "tx_power",
                                       "tx_power_min",
                                       "tx_power_max",
                                       "ssid_count",
                                       "ssid_rf_type",
                                       "ssid_id",
                                       "ssid_hide",
                                       "ssid_mac",
                                       "ssid",
                                       "secure_mode",
                                       "secure_mode_str",
                                       "wpapsk_auth_type",
                                       "wpapsk_key_value",
                                       "wpapsk_key_time",
                                       "wep_auth_type",
                                       "wep_key_index",
                                       "wep_key_value0",
                                       "wep_key_type0",
                                       "wep_key_value1",
                                       "wep_key_type1",
                                       "wep_key_value2",
                                       "wep_key_type2",
                                       "wep_key_value3",
                                       "wep_key_type3",
                                       "wpa_auth_type",
                                       "wpa_radius_ip",
                                       "wpa_radius_port",
                                       "wpa_key",
                                       "wpa_key_time",
                                       "bridge_mac",
                                       "bridge_work_mode",
                                       "bridge_channel",
                                       "bridge_ssid",
                                       "vlan_en",
                                       "vlan_id",
                                       "vlan_id_wlan",
                                       "vlan_id_lan",
                                       "bridge_transparent",
                                       "bridge_transparent_str",
                                       "tdmaEn",
                                       "tdmaEn_str",
                                       "vlan_pvid",
                                       "vlan_id_lan3",
                                       "vlan_id_lan4",
                                       "wl_dfs",
                                       "trunk_port",
                                       "vlan_id_lan2"};

// A device read leaves the bridge-peer fields zero: they are looked up by GetBridgePeerMac.
bool IsReadField(std::string_view column) {
    return column != "bridge_work_mode" && column != "bridge_mac" && column != "bridge_channel" &&
           column != "bridge_ssid";
}

std::vector<const ReportField*> ReadFields() {
    std::vector<const ReportField*> fields;
    for (const ReportField& f : kReportFields) {
        if (IsReadField(f.column)) {
            fields.push_back(&f);
        }
    }
    return fields;
}

const std::vector<const ReportField*>& ReadFieldList() {
    static const std::vector<const ReportField*> fields = ReadFields();
    return fields;
}

// Record text (console code page) to a UTF-8 column value within the column's limit.
std::string ColumnText(std::string_view recordText, const std::string& column) {
    return CutToChars(ConsoleCodePage().ToUtf8(recordText), store_schema::ApInfoLimit(column));
}

// UTF-8 column value to console code page bytes that fit a field of `width` bytes.
std::string RecordText(std::string_view utf8, std::size_t width) {
    std::string text = ConsoleCodePage().FromUtf8(utf8);
    if (text.size() > width) {
        text.resize(width);
        if (ConsoleCodePage().isUtf8()) {
            text.resize(CompleteUtf8Prefix(text));
        }
    }
    return text;
}

SqlValue DerivedValue(const std::string& column, const ap_info_stu& r) {
    if (column == "mac") {
        return ColumnText(r.mac(), column);
    }
    if (column == "ap_type") {
        return std::int64_t{r.ap_type()};
    }
    if (column == "ap_type_str") {
        return ColumnText(GetApTypeName(r.ap_type()), column);
    }
    if (column == "ap_status") {
        return std::int64_t{kApOnline};
    }
    if (column == "ap_status_str") {
        return CutToChars(GetApStatusText(kApOnline), 33);
    }
    if (column == "work_mode_str") {
        return CutToChars(GetWorkModeText(r.work_mode()), 33);
    }
    if (column == "up_time_str") {
        return GetUpTimeText(r.up_time());
    }
    if (column == "ip_num") {
        return static_cast<double>(IpTextToNumber(r.ip()));
    }
    if (column == "secure_mode_str") {
        return CutToChars(GetSecureModeText(r.secure_mode()), 33);
    }
    if (column == "bridge_transparent_str") {
        return CutToChars(GetBridgeTransparentText(r.ap_type(), r.work_mode(), r.bridge_transparent()), 33);
    }
    // tdmaEn_str
    return CutToChars(GetTdmaEnText(r.ap_type(), r.tdmaEn()), 33);
}

SqlValue FieldValue(const ReportField& field, const ap_info_stu& r) {
    switch (field.kind) {
    case FieldKind::U8:
    case FieldKind::U16:
    case FieldKind::U32:
        return std::int64_t{r.Number(field)};
    case FieldKind::IP:
    case FieldKind::MAC:
        return r.Text(field);
    case FieldKind::TEXT:
        return ColumnText(r.Text(field), field.column);
    }
    return std::int64_t{0};
}

std::string BuildUpsert() {
    std::string columns;
    std::string values;
    std::string updates;
    int index = 1;
    for (const char* column : kWriteOrder) {
        std::string name = column;
        columns += name + ",";
        values += "?" + std::to_string(index++) + ",";
        if (name != "mac") {
            updates += name + "=excluded." + name + ",";
        }
    }
    columns.pop_back();
    values.pop_back();
    updates.pop_back();
    return "INSERT INTO ap_info(" + columns + ") VALUES(" + values + ") ON CONFLICT(mac) DO UPDATE SET " +
           updates;
}

} // namespace

std::string CutToChars(std::string_view utf8, std::size_t limit) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && chars++ == limit) {
            return std::string(utf8.substr(0, i));
        }
    }
    return std::string(utf8);
}

const std::string& ApInfoUpsertSql() {
    static const std::string sql = BuildUpsert();
    return sql;
}

std::vector<SqlValue> ApInfoRowValues(const ap_info_stu& record) {
    // The report field behind each column, looked up once; nullptr for the derived columns.
    static const std::vector<const ReportField*> sources = [] {
        std::vector<const ReportField*> list;
        for (const char* column : kWriteOrder) {
            list.push_back(ap_info_stu::Field(column));
        }
        return list;
    }();
    std::vector<SqlValue> values;
    values.reserve(std::size(kWriteOrder));
    for (std::size_t i = 0; i < std::size(kWriteOrder); ++i) {
        values.push_back(sources[i] ? FieldValue(*sources[i], record) : DerivedValue(kWriteOrder[i], record));
    }
    return values;
}

bool BindAll(SqliteStatement& statement, const std::vector<SqlValue>& values, int firstIndex) {
    int index = firstIndex;
    for (const SqlValue& value : values) {
        bool ok = std::visit(
            [&](const auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, std::int64_t>) {
                    return statement.BindInt(index, v);
                } else if constexpr (std::is_same_v<V, double>) {
                    return statement.BindDouble(index, v);
                } else {
                    return statement.BindText(index, v);
                }
            },
            value);
        if (!ok) {
            return false;
        }
        ++index;
    }
    return true;
}

const std::string& ApInfoReadColumns() {
    static const std::string columns = [] {
        std::string list = "mac,ap_type,ap_status";
        for (const ReportField* f : ReadFieldList()) {
            list += ",";
            list += f->column;
        }
        return list;
    }();
    return columns;
}

void ReadApInfoRow(const SqliteStatement& row, ap_info_stu& record) {
    record = ap_info_stu{};
    record.set_mac(row.ColumnText(0));
    record.set_ap_type(static_cast<std::uint16_t>(row.ColumnInt(1)));
    record.set_ap_status(static_cast<std::int32_t>(row.ColumnInt(2)));
    int column = 3;
    for (const ReportField* f : ReadFieldList()) {
        std::uint8_t* p = record.report().data() + f->offset;
        switch (f->kind) {
        case FieldKind::U8:
        case FieldKind::U16:
        case FieldKind::U32:
            record.SetNumber(*f, static_cast<std::uint32_t>(row.ColumnInt(column)));
            break;
        case FieldKind::IP: {
            IpBytes ip = IpTextToBytes(row.ColumnText(column));
            std::memcpy(p, ip.data(), ip.size());
            break;
        }
        case FieldKind::MAC: {
            MacBytes mac = MacTextToBytes(row.ColumnText(column));
            std::memcpy(p, mac.data(), mac.size());
            break;
        }
        case FieldKind::TEXT:
            record.SetText(*f, RecordText(row.ColumnText(column), f->size));
            break;
        }
        ++column;
    }
}

const std::string& OtherApReadColumns() {
    static const std::string columns = "mac,ssid,signal,channel,secure_mode,exchannel,bandwidth";
    return columns;
}

void ReadOtherApRow(const SqliteStatement& row, config_otherwl_basic& record) {
    record = config_otherwl_basic{};
    MacBytes mac = MacTextToBytes(row.ColumnText(0));
    record.set_mac(mac.data());
    record.set_ssid(RecordText(row.ColumnText(1), otherwl_offset::kSsidWidth));
    record.set_signal(static_cast<int>(row.ColumnInt(2)));
    record.set_channel(static_cast<int>(row.ColumnInt(3)));
    record.set_secure_mode(static_cast<int>(row.ColumnInt(4)));
    record.set_exchannel(static_cast<int>(row.ColumnInt(5)));
    record.set_bandwidth(static_cast<int>(row.ColumnInt(6)));
}

} // namespace cpe::store_rows
