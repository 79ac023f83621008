// The simulator's encoder against golden bytes written by hand from the message tables.
#include "device_codec.h"
#include "fleet_json.h"
#include "golden.h"

#include <gtest/gtest.h>

namespace cpe::sim {
namespace {

using test::Diff;
using test::Golden;
using test::Hex;
using test::Text;

const std::string kName = "\xe5\x8c\x97\xe5\x8c\xba\xe5\x9f\xba\xe7\xab\x99"; // four Chinese characters
const std::string kSsid32 = "Backhaul-Link-Segment-0000000042";               // exactly 32 bytes
constexpr std::uint32_t kUpTime = 0x00012345;

SimDevice MakeDevice() {
    SimDevice dev;
    dev.mac = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    dev.apType = 14;
    const nlohmann::json fields = {
        {"work_mode", 2},
        {"mode_btn_status", 1},
        {"ip_mode", 1},
        {"ip", "192.168.0.1"},
        {"ip_mask", "255.255.255.0"},
        {"ip_gateway", "192.168.0.254"},
        {"ip_dns1", "8.8.8.8"},
        {"ip_dns2", "114.114.114.114"},
        {"ap_name", kName},
        {"version", "V2.1.3\nB"},
        {"restart_en", 1},
        {"restart_type", 0xfe},
        {"restart_time", 270},
        {"rf_count", 1},
        {"rf_en", 1},
        {"rf_type", 1},
        {"country_code", 1},
        {"network_mode", 2},
        {"bandwidth", 3},
        {"channel", 149},
        {"expand_channel", 2},
        {"tx_power", 20},
        {"tx_power_min", 8},
        {"tx_power_max", 26},
        {"ssid_rf_type", 1},
        {"ssid_hide", 1},
        {"ssid_mac", "00:1a:2b:3c:4d:5f"},
        {"ssid", kSsid32},
        {"secure_mode", 3},
        {"wpapsk_key_value", "12345678"},
        {"wpapsk_key_time", 3600},
        {"wep_auth_type", 1},
        {"wep_key_index", 3},
        {"wep_key_type2", 1},
        {"wep_key_value2", "0123456789"},
        {"wpa_radius_ip", "10.20.0.5"},
        {"wpa_radius_port", 1812},
        {"wpa_auth_type", 2},
        {"wpa_key", "radius"},
        {"wpa_key_time", 7200},
        {"ssid_count", 1},
        {"bridge_work_mode", 2},
        {"bridge_mac", "00:aa:bb:cc:dd:ee"},
        {"bridge_channel", 149},
        {"bridge_ssid", "AP-1"},
        {"vlan_en", 1},
        {"vlan_id", 100},
        {"vlan_id_wlan", 200},
        {"vlan_id_lan", 300},
        {"bridge_transparent", 1},
        {"tdmaEn", 1},
        {"vlan_pvid", 4094},
        {"vlan_id_lan3", 3},
        {"vlan_id_lan4", 4},
        {"wl_dfs", 1},
        {"trunk_port", 2},
        {"vlan_id_lan2", 0x1234},
    };
    for (const auto& [name, value] : fields.items()) {
        std::string why;
        EXPECT_TRUE(SetFieldFromJson(dev.block, name, value, why)) << name << ": " << why;
    }
    return dev;
}

TEST(SimCodec, ReportCarriesEveryFieldAtItsOffset) {
    const auto want =
        Golden(760, {
                        {0, Hex("02 01")},
                        {4, Hex("45 23 01 00")},
                        {8, Hex("01 c0 a8 00 01 ff ff ff 00 c0 a8 00 fe 08 08 08 08 72 72 72 72")},
                        {30, Text(kName)},
                        {62, Hex("0c")},
                        {63, Text("V2.1.3\nB")},
                        {95, Hex("08 01 fe 0e 01")},
                        {100, Hex("01 01 01 01 02 03 95 02 14 08 1a")},
                        {122, Hex("01 00 01 00 1a 2b 3c 4d 5f")},
                        {131, Text(kSsid32)},
                        {163, Hex("20 03 00")},
                        {166, Text("12345678")},
                        {230, Hex("08 10 0e 00 00 01 03")},
                        {237 + 2 * 28, Hex("01")},
                        {238 + 2 * 28, Text("0123456789")},
                        {264 + 2 * 28, Hex("0a")},
                        {350, Hex("0a 14 00 05 14 07 02")},
                        {357, Text("radius")},
                        {421, Hex("06 20 1c 00 00 01")},
                        {428, Hex("02 00 aa bb cc dd ee 95")},
                        {436, Text("AP-1")},
                        {468, Hex("04")},
                        {732, Hex("01 00 64 00 c8 00 2c 01")},
                        {742, Hex("01 01 fe 0f 03 00 04 00")},
                        {754, Hex("01 02 34 12")},
                    });
    const auto got = EncodeReport(MakeDevice(), kUpTime);
    EXPECT_EQ(got, want) << Diff(got, want);
}

TEST(SimCodec, SummaryAndHeartbeatCarryTheHeadOfTheDevice) {
    const SimDevice dev = MakeDevice();
    const auto wantSummary = Golden(109, {
                                             {0, Text("V2.1.3\nB")},
                                             {32, Hex("08 02 01 00 45 23 01 00")},
                                             {40, Text(kName)},
                                             {72, Hex("0c")},
                                             {73, Text(kSsid32)},
                                             {105, Hex("20 95 01 01")},
                                         });
    const auto gotSummary = EncodeSummary(dev, kUpTime);
    EXPECT_EQ(gotSummary, wantSummary) << Diff(gotSummary, wantSummary);
    const std::vector<std::uint8_t> wantBeat(wantSummary.begin(), wantSummary.begin() + 40);
    EXPECT_EQ(EncodeHeartbeat(dev, kUpTime), wantBeat);
}

TEST(SimCodec, DatagramHeaderIsLittleEndianWithTheSenderMac) {
    const Mac mac = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    const std::vector<std::uint8_t> payload(760, 0);
    const auto got = EncodeDatagram(14, 2, 0, mac, payload);
    ASSERT_EQ(got.size(), 776u);
    EXPECT_EQ(std::vector<std::uint8_t>(got.begin(), got.begin() + 16),
              Hex("88 19 0e 00 02 00 00 00 00 1a 2b 3c 4d 5e f8 02"));
    EXPECT_EQ(EncodeDatagram(1, 17, 1, Mac{}, {}), Hex("88 19 01 00 11 00 01 00 00 00 00 00 00 00 00 00"));
}

TEST(SimCodec, SurveySplitsIntoDatagramsOfAtMost32Entries) {
    std::vector<SurveyEntry> entries;
    for (std::uint8_t k = 0; k < 33; ++k) {
        entries.push_back(
            SurveyEntry{{0x06, 0, 0, 0, 0, k}, static_cast<std::int8_t>(-60 - k), 36, 10, "Net", 2, 1});
    }
    const auto packets = EncodeSurvey(entries);
    ASSERT_EQ(packets.size(), 2u);
    ASSERT_EQ(packets[0].size(), 3u + 32 * 44);
    EXPECT_EQ(
        std::vector<std::uint8_t>(packets[0].begin(), packets[0].begin() + 3 + 44),
        Golden(47,
               {{0, Hex("02 00 20 06 00 00 00 00 00 c4 24 0a")}, {12, Text("Net")}, {44, Hex("03 02 01")}}));
    EXPECT_EQ(packets[1], Golden(47, {{0, Hex("02 01 01 06 00 00 00 00 20 a4 24 0a")},
                                      {12, Text("Net")},
                                      {44, Hex("03 02 01")}}));
    EXPECT_EQ(EncodeSurvey({}), std::vector<std::vector<std::uint8_t>>{Hex("01 00 00")});
}

TEST(SimCodec, SurveySecurityCodesFollowModeAndCipher) {
    struct Case {
        std::uint8_t mode, cipher, code;
    };
    for (const Case c :
         {Case{0, 0, 0}, Case{1, 0, 1}, Case{2, 0, 2}, Case{2, 1, 3}, Case{2, 2, 10}, Case{3, 0, 4},
          Case{3, 1, 5}, Case{3, 2, 6}, Case{4, 0, 7}, Case{4, 1, 8}, Case{4, 2, 9}}) {
        EXPECT_EQ(SurveySecurityCode(c.mode, c.cipher), c.code) << int(c.mode) << "/" << int(c.cipher);
    }
}

TEST(SimCodec, DecoderChecksLengthAndMagic) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool accepted;
        std::size_t payload;
    };
    const auto header = Hex("88 19 00 00 08 00 01 00 00 1a 2b 3c 4d 5e 21 00");
    auto with = [&](std::size_t extra) {
        auto b = header;
        b.resize(16 + extra, 0x41);
        return b;
    };
    auto big = with(1456);
    big[14] = 0xb0;
    big[15] = 0x05;
    const Case cases[] = {
        {"header only, data_len 33 announced", header, true, 0},
        {"15 bytes", std::vector<std::uint8_t>(header.begin(), header.begin() + 15), false, 0},
        {"big-endian magic", Hex("19 88 00 00 08 00 01 00 00 1a 2b 3c 4d 5e 00 00"), false, 0},
        {"payload shorter than data_len", with(10), true, 10},
        {"full payload", with(33), true, 33},
        {"1472 bytes", big, true, 1456},
        {"1473 bytes", with(1457), false, 0},
    };
    for (const Case& c : cases) {
        std::string why;
        const auto d = DecodeDatagram(c.bytes, why);
        EXPECT_EQ(d.has_value(), c.accepted) << c.name;
        if (d) {
            EXPECT_EQ(d->payload.size(), c.payload) << c.name;
            EXPECT_EQ(d->msgType, 8) << c.name;
            EXPECT_EQ(MacText(d->mac), "00:1a:2b:3c:4d:5e") << c.name;
        } else {
            EXPECT_FALSE(why.empty()) << c.name;
        }
    }
}

} // namespace
} // namespace cpe::sim
