#include "bench_devices.h"

#include <cstdio>
#include <cstdlib>

namespace cpe::bench {

std::string FleetMac(int n) {
    char text[18];
    std::snprintf(text, sizeof text, "02:00:00:%02x:%02x:%02x", (n >> 16) & 0xff, (n >> 8) & 0xff, n & 0xff);
    return text;
}

std::string FleetIp(int n) {
    return "10." + std::to_string((n >> 16) & 0xff) + "." + std::to_string((n >> 8) & 0xff) + "." +
           std::to_string(n & 0xff);
}

ap_info_stu FleetDevice(int n) {
    ap_info_stu r;
    r.set_mac(FleetMac(n));
    r.set_ap_type(static_cast<std::uint16_t>(n % 3 == 0 ? 6 : n % 3 == 1 ? 265 : 12));
    r.set_work_mode(static_cast<std::uint8_t>(n % 5 == 0 ? 1 : 2));
    r.set_up_time(static_cast<std::uint32_t>(n * 37 % 900000));
    r.set_ip(FleetIp(n));
    r.set_ip_mask("255.0.0.0");
    r.set_ip_gateway("10.0.0.1");
    r.set_ip_dns1("10.0.0.2");
    r.set_ip_dns2("10.0.0.3");
    r.set_ap_name("cpe-" + std::to_string(n));
    r.set_version("2.4." + std::to_string(n % 11));
    r.set_channel(static_cast<std::uint8_t>(n % 13 + 1));
    r.set_tx_power(static_cast<std::uint8_t>(18 + n % 8));
    r.set_ssid("fleet-" + std::to_string(n % 40));
    char mac[18];
    std::snprintf(mac, sizeof mac, "06:00:00:%02x:%02x:%02x", (n >> 16) & 0xff, (n >> 8) & 0xff, n & 0xff);
    r.set_ssid_mac(mac);
    r.set_secure_mode(static_cast<std::uint8_t>(n % 7));
    r.set_wpapsk_key_value("secret-key-" + std::to_string(n));
    r.set_vlan_id(static_cast<std::uint16_t>(n % 4000));
    r.set_bridge_transparent(static_cast<std::uint8_t>(n % 2));
    r.set_tdmaEn(static_cast<std::uint8_t>(n % 4 == 0));
    return r;
}

BenchDir::BenchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cpe-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    path_ = pattern;
}

BenchDir::~BenchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

} // namespace cpe::bench
