#include "store_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace cpe::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cpe-store-XXXXXX").string();
    char* made = ::mkdtemp(pattern.data());
    if (made == nullptr) {
        ADD_FAILURE() << "mkdtemp failed";
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string DeviceMac(int n) {
    char text[18];
    std::snprintf(text, sizeof text, "02:00:00:00:%02x:%02x", (n >> 8) & 0xff, n & 0xff);
    return text;
}

ap_info_stu MakeDevice(int n, int workMode) {
    ap_info_stu r;
    r.set_mac(DeviceMac(n));
    r.set_ap_type(static_cast<std::uint16_t>(n % 2 ? 7 : 6));
    r.set_ap_status(0);
    r.set_work_mode(static_cast<std::uint8_t>(workMode));
    r.set_up_time(static_cast<std::uint32_t>(1000 + n));
    r.set_ip("192.168." + std::to_string(n / 250) + "." + std::to_string(n % 250 + 1));
    r.set_ip_mask("255.255.255.0");
    r.set_ip_gateway("192.168.0.254");
    r.set_ip_dns1("8.8.4.4");
    r.set_ip_dns2("1.0.0.1");
    r.set_ap_name("dev-" + std::to_string(n));
    r.set_version("v1.2." + std::to_string(n % 7));
    r.set_channel(static_cast<std::uint8_t>(n % 13 + 1));
    r.set_tx_power(static_cast<std::uint8_t>(20 + n % 5));
    r.set_ssid("net-" + std::to_string(n % 3));
    char mac[18];
    std::snprintf(mac, sizeof mac, "06:00:00:00:%02x:%02x", (n >> 8) & 0xff, n & 0xff);
    r.set_ssid_mac(mac);
    r.set_secure_mode(static_cast<std::uint8_t>(n % 7));
    r.set_wpapsk_key_value("key-" + std::to_string(n));
    r.set_vlan_id(static_cast<std::uint16_t>(100 + n));
    r.set_bridge_transparent(1);
    r.set_tdmaEn(0);
    return r;
}

StoreFixture::StoreFixture() {
    store =
        std::make_unique<CSqlManagement>(dir.path(), [this](const std::string& m) { notes.push_back(m); });
}

} // namespace cpe::test

namespace cpe {

class CSqlManagementPeer {
public:
    static std::vector<std::string> Query(CSqlManagement& store, const std::string& sql) {
        std::vector<std::string> rows;
        CSqlManagement::Operation op(store);
        SqliteStatement* s = store.Statement(sql);
        if (!s) {
            ADD_FAILURE() << store.db_.LastError();
            return rows;
        }
        while (s->Next() == SqliteStatement::Step::Row) {
            std::string row;
            for (int i = 0; i < s->ColumnCount(); ++i) {
                row += (i ? "|" : "") + (s->ColumnIsNull(i) ? std::string("NULL") : s->ColumnText(i));
            }
            rows.push_back(row);
        }
        return rows;
    }
};

namespace test {

std::vector<std::string> QueryStore(CSqlManagement& store, const std::string& sql) {
    return CSqlManagementPeer::Query(store, sql);
}

} // namespace test
} // namespace cpe
