#include "link/report_records.h"

#include <arpa/inet.h>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cpe {
namespace {

using Bytes = std::vector<std::uint8_t>;

// An accepted datagram from 10.1.2.3 with the given header fields and payload.
ap_packet_info Packet(std::uint16_t type, std::uint16_t apType, const Bytes& payload, int dataLen = -1) {
    Bytes d(16 + payload.size(), 0);
    d[0] = 0x88, d[1] = 0x19;
    d[2] = static_cast<std::uint8_t>(apType), d[3] = static_cast<std::uint8_t>(apType >> 8);
    d[4] = static_cast<std::uint8_t>(type);
    const std::uint8_t mac[6] = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    std::memcpy(&d[8], mac, 6);
    std::uint16_t len = static_cast<std::uint16_t>(dataLen < 0 ? payload.size() : dataLen);
    d[14] = static_cast<std::uint8_t>(len), d[15] = static_cast<std::uint8_t>(len >> 8);
    std::copy(payload.begin(), payload.end(), d.begin() + 16);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    from.sin_addr.s_addr = htonl(0x0A010203);
    ap_packet_info info;
    EXPECT_TRUE(AcceptDatagram(9788, from, d.data(), d.size(), info));
    return info;
}

void Put(Bytes& p, std::size_t at, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), p.begin() + static_cast<long>(at));
}
void PutText(Bytes& p, std::size_t at, std::size_t lengthAt, const std::string& text) {
    std::memcpy(&p[at], text.data(), text.size());
    p[lengthAt] = static_cast<std::uint8_t>(text.size());
}

// A full report with every field at a distinct value, laid out by payload offset from the table.
Bytes HandWrittenReport() {
    Bytes p(760, 0);
    Put(p, 0, {3, 2});                                 // work_mode, mode_btn_status
    Put(p, 4, {0x78, 0x56, 0x34, 0x12});               // up_time 0x12345678
    Put(p, 8, {1});                                    // ip_mode
    Put(p, 9, {192, 168, 0, 1});                       // ip
    Put(p, 13, {255, 255, 255, 0});                    // ip_mask
    Put(p, 17, {192, 168, 0, 254});                    // ip_gateway
    Put(p, 21, {8, 8, 4, 4});                          // ip_dns1
    Put(p, 25, {1, 1, 1, 1});                          // ip_dns2
    PutText(p, 30, 62, "Roof-North");                  // ap_name
    PutText(p, 63, 95, "2.4.1\nbuild 77");             // version
    Put(p, 96, {1, 2, 0x34, 0x12});                    // restart_en, restart_type, restart_time 0x1234
    Put(p, 100, {2, 1, 5, 156, 9, 4, 149, 1});         // rf_count .. expand_channel
    Put(p, 108, {23, 5, 27});                          // tx_power, min, max
    Put(p, 122, {6, 7, 1});                            // ssid_rf_type, ssid_id, ssid_hide
    Put(p, 125, {0xaa, 0xbb, 0xcc, 0xdd, 0xee, 0x01}); // ssid_mac
    PutText(p, 131, 163, "field-link");                // ssid
    Put(p, 164, {3, 2});                               // secure_mode, wpapsk_auth_type
    PutText(p, 166, 230, "psk-secret-123");            // wpapsk_key_value
    Put(p, 231, {0x10, 0x0e, 0, 0});                   // wpapsk_key_time 3600
    Put(p, 235, {1, 2});                               // wep_auth_type, wep_key_index
    for (int k = 0; k < 4; ++k) {
        p[237 + 28 * k] = static_cast<std::uint8_t>(10 + k); // wep_key_typeN
        PutText(p, 238 + 28 * k, 264 + 28 * k, "wepkey" + std::to_string(k));
    }
    Put(p, 350, {10, 0, 0, 5});                        // wpa_radius_ip
    Put(p, 354, {0x14, 0x07});                         // wpa_radius_port 1812
    Put(p, 356, {4});                                  // wpa_auth_type
    PutText(p, 357, 421, "radius-shared");             // wpa_key
    Put(p, 422, {0x20, 0x1c, 0, 0});                   // wpa_key_time 7200
    Put(p, 426, {1});                                  // ssid_count
    Put(p, 428, {5});                                  // bridge_work_mode
    Put(p, 429, {0x02, 0x11, 0x22, 0x33, 0x44, 0x55}); // bridge_mac
    Put(p, 435, {44});                                 // bridge_channel
    PutText(p, 436, 468, "peer-ap");                   // bridge_ssid
    Put(p, 732, {1});                                  // vlan_en
    Put(p, 734, {0x64, 0x00, 0xc8, 0x00, 0x2c, 0x01}); // vlan_id 100, wlan 200, lan 300
    Put(p, 742, {1, 0});                               // bridge_transparent, tdmaEn
    Put(p, 744, {0x90, 0x01, 0xf4, 0x01, 0x58, 0x02}); // pvid 400, lan3 500, lan4 600
    Put(p, 754, {1, 2});                               // wl_dfs, trunk_port
    Put(p, 756, {0xbc, 0x02});                         // vlan_id_lan2 700
    return p;
}

TEST(ReportRecord, EveryFieldDecodedFromItsOffset) {
    ap_info_stu r = BuildApInfoFromReport(Packet(2, 261, HandWrittenReport()), CodePage("UTF-8"));
    EXPECT_EQ(r.mac(), "00:1a:2b:3c:4d:5e");
    EXPECT_EQ(r.ap_type(), 261);
    EXPECT_EQ(r.ap_status(), 0);
    EXPECT_EQ(r.work_mode(), 3);
    EXPECT_EQ(r.mode_btn_status(), 2);
    EXPECT_EQ(r.up_time(), 0x12345678u);
    EXPECT_EQ(r.ip_mode(), 1);
    EXPECT_EQ(r.ip(), "192.168.0.1");
    EXPECT_EQ(r.ip_mask(), "255.255.255.0");
    EXPECT_EQ(r.ip_gateway(), "192.168.0.254");
    EXPECT_EQ(r.ip_dns1(), "8.8.4.4");
    EXPECT_EQ(r.ip_dns2(), "1.1.1.1");
    EXPECT_EQ(r.ap_name(), "Roof-North");
    EXPECT_EQ(r.version(), "2.4.1\nbuild 77");
    EXPECT_EQ(r.restart_en(), 1);
    EXPECT_EQ(r.restart_type(), 2);
    EXPECT_EQ(r.restart_time(), 0x1234);
    EXPECT_EQ(r.rf_count(), 2);
    EXPECT_EQ(r.rf_en(), 1);
    EXPECT_EQ(r.rf_type(), 5);
    EXPECT_EQ(r.country_code(), 156);
    EXPECT_EQ(r.network_mode(), 9);
    EXPECT_EQ(r.bandwidth(), 4);
    EXPECT_EQ(r.channel(), 149);
    EXPECT_EQ(r.expand_channel(), 1);
    EXPECT_EQ(r.tx_power(), 23);
    EXPECT_EQ(r.tx_power_min(), 5);
    EXPECT_EQ(r.tx_power_max(), 27);
    EXPECT_EQ(r.ssid_rf_type(), 6);
    EXPECT_EQ(r.ssid_id(), 7);
    EXPECT_EQ(r.ssid_hide(), 1);
    EXPECT_EQ(r.ssid_mac(), "aa:bb:cc:dd:ee:01");
    EXPECT_EQ(r.ssid(), "field-link");
    EXPECT_EQ(r.secure_mode(), 3);
    EXPECT_EQ(r.wpapsk_auth_type(), 2);
    EXPECT_EQ(r.wpapsk_key_value(), "psk-secret-123");
    EXPECT_EQ(r.wpapsk_key_time(), 3600u);
    EXPECT_EQ(r.wep_auth_type(), 1);
    EXPECT_EQ(r.wep_key_index(), 2);
    EXPECT_EQ(r.wep_key_type0(), 10);
    EXPECT_EQ(r.wep_key_type3(), 13);
    EXPECT_EQ(r.wep_key_value0(), "wepkey0");
    EXPECT_EQ(r.wep_key_value1(), "wepkey1");
    EXPECT_EQ(r.wep_key_value2(), "wepkey2");
    EXPECT_EQ(r.wep_key_value3(), "wepkey3");
    EXPECT_EQ(r.wpa_radius_ip(), "10.0.0.5");
    EXPECT_EQ(r.wpa_radius_port(), 1812);
    EXPECT_EQ(r.wpa_auth_type(), 4);
    EXPECT_EQ(r.wpa_key(), "radius-shared");
    EXPECT_EQ(r.wpa_key_time(), 7200u);
    EXPECT_EQ(r.ssid_count(), 1);
    EXPECT_EQ(r.bridge_work_mode(), 5);
    EXPECT_EQ(r.bridge_mac(), "02:11:22:33:44:55");
    EXPECT_EQ(r.bridge_channel(), 44);
    EXPECT_EQ(r.bridge_ssid(), "peer-ap");
    EXPECT_EQ(r.vlan_en(), 1);
    EXPECT_EQ(r.vlan_id(), 100);
    EXPECT_EQ(r.vlan_id_wlan(), 200);
    EXPECT_EQ(r.vlan_id_lan(), 300);
    EXPECT_EQ(r.bridge_transparent(), 1);
    EXPECT_EQ(r.tdmaEn(), 0);
    EXPECT_EQ(r.vlan_pvid(), 400);
    EXPECT_EQ(r.vlan_id_lan3(), 500);
    EXPECT_EQ(r.vlan_id_lan4(), 600);
    EXPECT_EQ(r.wl_dfs(), 1);
    EXPECT_EQ(r.trunk_port(), 2);
    EXPECT_EQ(r.vlan_id_lan2(), 700);
    // The record is the report block behind a 24-byte head.
    EXPECT_EQ(r.bytes[24 + 106], 149);
    EXPECT_EQ(sizeof(r.bytes), 784u);
}

TEST(ReportRecord, EmptyReportKeepsOnlyIdentity) {
    ap_info_stu r = BuildApInfoFromReport(Packet(2, 7, {}));
    EXPECT_EQ(r.mac(), "00:1a:2b:3c:4d:5e");
    EXPECT_EQ(r.ap_type(), 7);
    for (const auto& ip :
         {r.ip(), r.ip_mask(), r.ip_gateway(), r.ip_dns1(), r.ip_dns2(), r.wpa_radius_ip()}) {
        EXPECT_EQ(ip, "0.0.0.0");
    }
    EXPECT_EQ(r.ap_name(), "");
}

TEST(ReportRecord, LongerPayloadIsCutAt760AndClaimedLengthBounded) {
    Bytes p = HandWrittenReport();
    p.resize(900, 0x77);
    ap_info_stu r = BuildApInfoFromReport(Packet(2, 1, p), CodePage("UTF-8"));
    EXPECT_EQ(r.vlan_id_lan2(), 700);
    // A header claiming far more than arrived reads zeros, never past the buffer.
    ap_info_stu s = BuildApInfoFromReport(Packet(2, 1, Bytes(10, 1), 0xFFFF));
    EXPECT_EQ(s.ip(), "1.0.0.0");
    EXPECT_EQ(s.ip_mask(), "0.0.0.0");
}

struct TextCase {
    const char* what;
    std::string sent;
    std::uint8_t length;
    std::string stored; // UTF-8 code page
};

TEST(ReportRecord, NameTextsRepairedAndClamped) {
    const std::string ascii32(32, 'N');
    const std::string han = "\xE5\x8C\x97\xE5\xA1\x94"; // two CJK characters
    const TextCase cases[] = {
        {"32-byte ASCII name kept whole", ascii32, 32, ascii32},
        {"length byte larger than the field", ascii32, 200, ascii32},
        {"cut in the middle of a 3-byte character", han.substr(0, 5), 5, "\xE5\x8C\x97"},
        {"stray continuation bytes only", "\x80\x80", 2, ""},
        {"two complete CJK characters", han, 6, han},
    };
    for (const auto& c : cases) {
        Bytes p(760, 0);
        std::memcpy(&p[30], c.sent.data(), c.sent.size());
        p[62] = c.length;
        std::memcpy(&p[131], c.sent.data(), c.sent.size());
        p[163] = c.length;
        ap_info_stu r = BuildApInfoFromReport(Packet(2, 1, p), CodePage("UTF-8"));
        EXPECT_EQ(r.ap_name(), c.stored) << c.what;
        EXPECT_EQ(r.ssid(), c.stored) << c.what;
        EXPECT_EQ(r.report()[62], c.stored.size()) << c.what;
    }
}

TEST(ReportRecord, ChineseNameUnderGbkStoredInFourBytes) {
    Bytes p(760, 0);
    const std::string han = "\xE5\x8C\x97\xE5\xA1\x94"; // U+5317 U+5854
    PutText(p, 30, 62, han);
    PutText(p, 436, 468, han);
    ap_info_stu r = BuildApInfoFromReport(Packet(2, 1, p), CodePage("GBK"));
    EXPECT_EQ(r.ap_name(), "\xB1\xB1\xCB\xFE");
    EXPECT_EQ(r.report()[62], 4);
    EXPECT_EQ(r.bridge_ssid().size(), 4u);
    // The bytes behind the shorter text are cleared.
    EXPECT_EQ(r.report()[30 + 4], 0);
    EXPECT_EQ(r.report()[30 + 5], 0);
}

Bytes HandWrittenSummary() {
    Bytes p(109, 0);
    PutText(p, 0, 32, "3.1.0\nrc2");
    Put(p, 33, {4, 1});
    Put(p, 36, {0x80, 0x51, 0x01, 0x00}); // 86400
    PutText(p, 40, 72, "Mast-7");
    PutText(p, 73, 105, "backhaul");
    Put(p, 106, {36, 1, 1});
    return p;
}

TEST(DiscoverySummary, DecodedFieldByField) {
    DiscoverySummary s = DecodeDiscoverySummary(Packet(1, 3, HandWrittenSummary()), CodePage("UTF-8"));
    EXPECT_EQ(s.version, "3.1.0\nrc2");
    EXPECT_EQ(s.work_mode, 4);
    EXPECT_EQ(s.mode_btn_status, 1);
    EXPECT_EQ(s.up_time, 86400u);
    EXPECT_EQ(s.ap_name, "Mast-7");
    EXPECT_EQ(s.ssid, "backhaul");
    EXPECT_EQ(s.channel, 36);
    EXPECT_EQ(s.bridge_transparent, 1);
    EXPECT_EQ(s.tdmaEn, 1);
}

TEST(DiscoverySummary, ShortSummaryCarriesVersionOnly) {
    for (int dataLen : {20, 33}) {
        Bytes p = HandWrittenSummary();
        DiscoverySummary s = DecodeDiscoverySummary(Packet(1, 3, p, dataLen));
        EXPECT_EQ(s.version, "3.1.0\nrc2") << dataLen;
        EXPECT_EQ(s.ap_name, "") << dataLen;
        EXPECT_EQ(s.ssid, "") << dataLen;
        EXPECT_EQ(s.work_mode, 0) << dataLen;
        EXPECT_EQ(s.up_time, 0u) << dataLen;
    }
    EXPECT_EQ(DecodeDiscoverySummary(Packet(1, 3, HandWrittenSummary(), 34)).ap_name, "Mast-7");
}

TEST(Heartbeat, UsesTheFirstBlockOnly) {
    DiscoverySummary h = DecodeHeartbeat(Packet(15, 3, HandWrittenSummary(), 40));
    EXPECT_EQ(h.version, "3.1.0\nrc2");
    EXPECT_EQ(h.work_mode, 4);
    EXPECT_EQ(h.up_time, 86400u);
    EXPECT_EQ(h.ap_name, "");
}

} // namespace
} // namespace cpe
