// How a simulated device applies request payloads written by hand from the request tables.
#include "device_requests.h"
#include "golden.h"
#include "link/message_types.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace cpe::sim {
namespace {

using test::Hex;
using test::Text;

std::vector<std::uint8_t> Sized(std::size_t size, std::initializer_list<test::Patch> patches) {
    return test::Golden(size, patches);
}

ReportBlock Block() {
    ReportBlock b{};
    b[109] = 8;  // tx_power_min
    b[110] = 26; // tx_power_max
    b[102] = 1;  // 5 GHz radio
    return b;
}

TEST(SimRequests, NameIsStoredWithItsLengthAndBadLengthsAreRefused) {
    ReportBlock b = Block();
    const auto res = ApplyName(b, Sized(33, {{0, Text("Tower2")}, {32, Hex("06")}}));
    ASSERT_TRUE(res.ok) << res.why;
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 30, b.begin() + 36), Text("Tower2"));
    EXPECT_EQ(b[62], 6);
    EXPECT_EQ(res.changed, std::vector<std::string>{"ap_name"});
    for (const auto& bad : {Sized(33, {{32, Hex("00")}}), Sized(33, {{32, Hex("21")}}), Sized(32, {})}) {
        ReportBlock before = b;
        EXPECT_FALSE(ApplyName(b, bad).ok);
        EXPECT_EQ(b, before);
    }
}

TEST(SimRequests, AddressingFillsTheAddressBlockButNotTheFlag) {
    ReportBlock b = Block();
    const auto p = Hex("01 0a 00 00 05 ff ff ff 00 0a 00 00 01 08 08 08 08 00 00 00 00 01");
    ASSERT_TRUE(ApplyAddressing(b, p).ok);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 8, b.begin() + 29),
              std::vector<std::uint8_t>(p.begin(), p.begin() + 21));
    EXPECT_EQ(b[29], 0);
    auto badMask = p;
    badMask[6] = 0;
    EXPECT_FALSE(ApplyAddressing(b, badMask).ok);
}

TEST(SimRequests, WirelessSizeDependsOnTheModel) {
    // A 328-byte block with SSID "NewNet", power 20 and WPA2-PSK; the long form adds DFS at byte 340.
    const auto p328 =
        Sized(328, {{0, Hex("01 01 00 01 02 03 95 02 14")}, {31, Text("NewNet")}, {63, Hex("06 03")}});
    auto p344 = p328;
    p344.resize(344, 0);
    p344[340] = 1;
    struct Case {
        std::uint16_t type;
        const std::vector<std::uint8_t>* payload;
        bool ok;
    };
    for (const Case c :
         {Case{14, &p328, false}, Case{14, &p344, true}, Case{10, &p344, false}, Case{10, &p328, true}}) {
        ReportBlock b = Block();
        const auto res = ApplyWireless(b, c.type, *c.payload);
        EXPECT_EQ(res.ok, c.ok) << c.type << "/" << c.payload->size();
        if (res.ok) {
            EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 131, b.begin() + 137), Text("NewNet"));
            EXPECT_EQ(b[163], 6);
            EXPECT_EQ(b[164], 3);
            EXPECT_EQ(b[106], 0x95);
            EXPECT_EQ(b[102], 1) << "the radio band is the device's own";
            EXPECT_EQ(b[754], c.type == 14 ? 1 : 0);
        }
    }
    ReportBlock b = Block();
    auto loud = p328;
    loud[8] = 27;
    EXPECT_FALSE(ApplyWireless(b, 10, loud).ok) << "power above the device's range";
}

TEST(SimRequests, ScheduleIsCheckedAndStored) {
    ReportBlock b = Block();
    ASSERT_TRUE(ApplySchedule(b, Hex("01 fe 0e 01")).ok);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 96, b.begin() + 100), Hex("01 fe 0e 01"));
    EXPECT_FALSE(ApplySchedule(b, Hex("01 03 00 00")).ok);
    EXPECT_FALSE(ApplySchedule(b, Hex("01 02 a0 05")).ok); // minute 1440
}

TEST(SimRequests, VlanLongFormCarriesTheExtensionAndTheTrunkPortNumber) {
    const auto p26 = Hex("01 00 64 00 c8 00 2c 01 01 00  00 01 fe 0f 00 00 00 00 00 00 00 00 00 32 10 00");
    ReportBlock b = Block();
    ASSERT_TRUE(ApplyVlan(b, 20, p26).ok);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 732, b.begin() + 740), Hex("01 00 64 00 c8 00 2c 01"));
    EXPECT_EQ(b[740], 0) << "the with-IP flag is not a setting";
    EXPECT_EQ(b[743], 1);
    EXPECT_EQ(b[744], 0xfe);
    EXPECT_EQ(b[755], 2);
    EXPECT_EQ(b[756], 0x10);
    ReportBlock s = Block();
    EXPECT_FALSE(ApplyVlan(s, 12, p26).ok) << "a short-form model";
    EXPECT_TRUE(ApplyVlan(s, 12, std::vector<std::uint8_t>(p26.begin(), p26.begin() + 10)).ok);
    EXPECT_FALSE(ApplyVlan(s, 12, Hex("01 00 00 00 c8 00 00 00 00 00")).ok) << "VLAN 0 while enabled";
}

TEST(SimRequests, SwitchesSetOnlyTheirOwnByte) {
    ReportBlock b = Block();
    ASSERT_TRUE(ApplySwitch(b, KORVA_APTransparentBridgeRequest, Sized(16, {{0, Hex("01 01")}})).ok);
    EXPECT_EQ(b[742], 1);
    EXPECT_EQ(b[743], 0);
    ASSERT_TRUE(ApplySwitch(b, KORVA_APTdMaenRequest, Sized(16, {{1, Hex("01")}})).ok);
    EXPECT_EQ(b[743], 1);
    EXPECT_FALSE(ApplySwitch(b, KORVA_APTdMaenRequest, Sized(15, {})).ok);
}

TEST(SimRequests, BridgeMakesTheDeviceAStationOfTheAccessPoint) {
    const auto p = Sized(328, {{0, Hex("02 00 aa bb cc dd ee 00")},
                               {8, Text("AP-1")},
                               {40, Hex("04 00 03 00")},
                               {44, Text("12345678")},
                               {108, Hex("08 10 0e 00 00")},
                               {304, Hex("01 0a 00 00 09 ff ff ff 00")}});
    BridgeRequest req;
    std::string why;
    ASSERT_TRUE(ParseBridge(p, req, why)) << why;
    EXPECT_EQ(MacText(req.bridgeMac), "00:aa:bb:cc:dd:ee");
    EXPECT_EQ(req.ssid, "AP-1");
    EXPECT_EQ(req.secureMode, 3);
    EXPECT_EQ(req.pskKey, "12345678");
    ReportBlock b = Block();
    const auto res = ApplyBridge(b, p, 149);
    ASSERT_TRUE(res.ok);
    EXPECT_EQ(b[0], 2);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 429, b.begin() + 436), Hex("00 aa bb cc dd ee 95"));
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 436, b.begin() + 440), Text("AP-1"));
    EXPECT_EQ(b[468], 4);
    EXPECT_EQ(b[163], 4);
    EXPECT_EQ(b[164], 3);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 166, b.begin() + 174), Text("12345678"));
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 8, b.begin() + 17), Hex("01 0a 00 00 09 ff ff ff 00"));
    EXPECT_FALSE(ParseBridge(Sized(327, {}), req, why));
}

TEST(SimRequests, UpgradeRequestNamesTheFileAndItsSize) {
    UpgradeRequest req;
    std::string why;
    ASSERT_TRUE(ParseUpgrade(Sized(268, {{0, Text("fw.bin")}, {260, Hex("06")}, {264, Hex("00 00 10 00")}}),
                             req, why));
    EXPECT_EQ(req.file, "fw.bin");
    EXPECT_EQ(req.size, 1048576u);
    EXPECT_FALSE(ParseUpgrade(Sized(268, {}), req, why)) << "no name";
}

TEST(SimRequests, NextVersionCountsTheLastNumberUp) {
    EXPECT_EQ(NextVersion("V2.1.9\nBuild 2025-01-02"), "V2.1.10");
    EXPECT_EQ(NextVersion("5G-V3.0.41"), "5G-V3.0.42");
    EXPECT_EQ(NextVersion("beta"), "beta.1");
}

} // namespace
} // namespace cpe::sim
