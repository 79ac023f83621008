#include "core/CodePage.h"
#include "store_fixture.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

using test::DeviceMac;
using test::MakeDevice;

class StoreUpdatesTest : public ::testing::Test {
protected:
    test::StoreFixture f;
    CSqlManagement& store = *f.store;

    std::vector<std::string> Rows(const std::string& sql) { return test::QueryStore(store, sql); }
    std::string Row(const std::string& sql) {
        std::vector<std::string> rows = Rows(sql);
        return rows.empty() ? "<none>" : rows.front();
    }
    std::string Status(const std::string& mac) {
        return Row("SELECT ap_status, ap_status_str FROM ap_info WHERE mac='" + mac + "'");
    }
};

TEST_F(StoreUpdatesTest, ReportAddsThenUpdatesOneRowAndIsAlwaysOnline) {
    ap_info_stu device = MakeDevice(7);
    device.set_ap_status(4); // whatever the record says, a report means online
    ASSERT_TRUE(store.SaveApInfo(device));
    EXPECT_EQ(Status(device.mac()), "1|Online");
    EXPECT_EQ(Row("SELECT ap_type, ap_type_str, work_mode_str, up_time, up_time_str, ip, ip_num, ap_name, "
                  "ssid_mac, secure_mode_str, bridge_transparent_str, tdmaEn_str FROM ap_info"),
              "7|" + GetApTypeName(7) +
                  "|AP|1007|0:16:47|192.168.0.8|3232235528.0|dev-7|06:00:00:00:00:07|"
                  "" +
                  GetSecureModeText(0) + "|On2|N/A");

    device.set_ap_name("renamed");
    ASSERT_TRUE(store.SaveApInfo(device));
    EXPECT_EQ(Rows("SELECT ID, ap_name FROM ap_info"), std::vector<std::string>{"1|renamed"});

    ASSERT_TRUE(store.SetApStatus(device.mac(), kApRestarting));
    EXPECT_EQ(Status(device.mac()), "4|Restarting");
    ASSERT_TRUE(store.SaveApInfo(device));
    EXPECT_EQ(Status(device.mac()), "1|Online");
}

TEST_F(StoreUpdatesTest, TextsAreCutToTheirFieldsAndStoredAsUtf8) {
    ap_info_stu device = MakeDevice(1);
    const ReportField& name = kReportFields[report_index::ap_name];
    std::string longName(40, 'n');
    longName.replace(0, 3, "abc");
    std::copy(longName.begin(), longName.begin() + 32, device.report().begin() + name.offset);
    device.report()[name.lengthOffset] = 200; // longer than the field
    ASSERT_TRUE(store.SaveApInfo(device));
    EXPECT_EQ(Row("SELECT length(ap_name), substr(ap_name,1,3) FROM ap_info"), "32|abc");

    // A record in a legacy code page is stored as UTF-8 and read back in that code page.
    SetConsoleCodePage("GB18030");
    ap_info_stu chinese = MakeDevice(2);
    std::string gbName = ConsoleCodePage().FromUtf8("\xe5\x8c\x97\xe4\xba\xac-ap"); // "Beijing-ap"
    chinese.set_ap_name(gbName);
    ASSERT_TRUE(store.SaveApInfo(chinese));
    ap_info_stu read;
    ASSERT_TRUE(store.GetApInfo(chinese.mac(), read));
    SetConsoleCodePage("UTF-8");
    EXPECT_EQ(Row("SELECT ap_name FROM ap_info WHERE mac='" + chinese.mac() + "'"),
              "\xe5\x8c\x97\xe4\xba\xac-ap");
    EXPECT_EQ(read.ap_name(), gbName);
}

TEST_F(StoreUpdatesTest, HeartbeatUpdatesUpTimeAndAddressOfKnownDevicesOnly) {
    ap_info_stu device = MakeDevice(3);
    EXPECT_FALSE(store.UpdateApUpTime(device.mac(), "10.0.0.9", 90000));
    EXPECT_TRUE(Rows("SELECT * FROM ap_info").empty());

    ASSERT_TRUE(store.SaveApInfo(device));
    ASSERT_TRUE(store.SetApStatus(device.mac(), kApUpgradeWait));
    ASSERT_TRUE(store.UpdateApUpTime(device.mac(), "10.0.0.9", 90000));
    EXPECT_EQ(Row("SELECT up_time, up_time_str, ip, ip_num, ap_status FROM ap_info"),
              "90000|1 1:0:0|10.0.0.9|167772169.0|6");
}

TEST_F(StoreUpdatesTest, StatusLifeCycle) {
    std::string mac = DeviceMac(4);
    EXPECT_FALSE(store.SetApStatus(mac, kApRestarting)) << "no row yet";
    ASSERT_TRUE(store.SaveApInfo(MakeDevice(4)));

    EXPECT_FALSE(store.MarkApUpgrading(mac)); // status 1: unchanged
    EXPECT_FALSE(store.IsApWaitingUpgrade(mac));
    EXPECT_EQ(Status(mac), "1|Online");
    EXPECT_FALSE(store.ResetApUpgradeFail(mac));

    ASSERT_TRUE(store.SetApStatus(mac, kApUpgradeWait));
    EXPECT_TRUE(store.IsApWaitingUpgrade(mac));
    EXPECT_TRUE(store.MarkApUpgrading(mac));
    EXPECT_EQ(Status(mac), "7|Upgrading");
    EXPECT_FALSE(store.MarkApUpgrading(mac));

    ASSERT_TRUE(store.SetApStatus(mac, kApUpgradeFail));
    EXPECT_EQ(store.GetApStatus(mac), kApUpgradeFail);
    EXPECT_TRUE(store.ResetApUpgradeFail(mac));
    EXPECT_EQ(Status(mac), "1|Online");

    ASSERT_TRUE(store.SetApStatus(mac, 12)); // a code without text
    EXPECT_EQ(Status(mac), "12|");
    EXPECT_EQ(store.GetApStatus(DeviceMac(99)), 0);

    EXPECT_TRUE(store.DeleteApInfo(mac));
    EXPECT_EQ(store.GetApStatus(mac), 0);
    EXPECT_TRUE(store.DeleteApInfo(mac)) << "deleting nothing still succeeds";
}

// One survey packet: header and `count` entries with MACs from `firstMac` on.
std::vector<std::uint8_t> SurveyPacket(int packets, int id, int count, int firstMac, int announced = -1) {
    std::vector<std::uint8_t> p = {static_cast<std::uint8_t>(packets), static_cast<std::uint8_t>(id),
                                   static_cast<std::uint8_t>(announced < 0 ? count : announced)};
    for (int i = 0; i < count; ++i) {
        int m = firstMac + i;
        std::uint8_t entry[44] = {
            0x0a, 0, 0, 0, static_cast<std::uint8_t>(m >> 8), static_cast<std::uint8_t>(m)};
        entry[6] = 0xC4; // -60 dBm
        entry[7] = 36;
        entry[8] = 3;
        std::string ssid = "ap-" + std::to_string(m);
        std::copy(ssid.begin(), ssid.end(), entry + 9);
        entry[41] = static_cast<std::uint8_t>(ssid.size());
        entry[42] = 1;
        entry[43] = 2;
        p.insert(p.end(), entry, entry + 44);
    }
    return p;
}

TEST_F(StoreUpdatesTest, SurveyAnswerInThreePacketsKeepsEveryAccessPoint) {
    store.SaveOtherApInfo(SurveyPacket(3, 0, 32, 0));
    store.SaveOtherApInfo(SurveyPacket(3, 1, 32, 32));
    store.SaveOtherApInfo(SurveyPacket(3, 2, 5, 64));
    EXPECT_EQ(
        Rows("SELECT packet_id, count(*), min(icount), max(icount) FROM ap_other_info GROUP BY packet_id"),
        (std::vector<std::string>{"0|32|32|32", "1|32|32|32", "2|5|5|5"}));
    EXPECT_EQ(Row("SELECT count(*), min(signal), max(signal), min(packet_count) FROM ap_other_info"),
              "69|-60|-60|3");

    config_otherwl_basic ap;
    ASSERT_TRUE(store.GetOtherApInfo("0a:00:00:00:00:41", ap));
    EXPECT_EQ(ap.signal(), -60);
    EXPECT_EQ(ap.ssid(), "ap-65");
    EXPECT_EQ(ap.channel(), 36);
    EXPECT_EQ(ap.secure_mode(), 3);
    EXPECT_EQ(ap.exchannel(), 1);
    EXPECT_EQ(ap.bandwidth(), 2);
    ASSERT_TRUE(store.GetOtherApInfo("0a:00:00:00:ff:ff", ap));
    EXPECT_EQ(ap.bytes, config_otherwl_basic{}.bytes);

    // Seen again: overwritten, not added.
    store.SaveOtherApInfo(SurveyPacket(1, 0, 2, 0));
    EXPECT_EQ(Row("SELECT count(*) FROM ap_other_info"), "69");
    EXPECT_EQ(Row("SELECT packet_count, icount FROM ap_other_info WHERE mac='0a:00:00:00:00:01'"), "1|2");
    EXPECT_TRUE(store.ClearOtherApInfo());
    EXPECT_EQ(Row("SELECT count(*) FROM ap_other_info"), "0");
}

TEST_F(StoreUpdatesTest, MalformedSurveyAnswersStoreOnlyWhatIsThere) {
    store.SaveOtherApInfo({});
    store.SaveOtherApInfo(SurveyPacket(1, 0, 33, 0)); // more entries than a packet holds
    EXPECT_EQ(Row("SELECT count(*), max(icount) FROM ap_other_info"), "32|32");
    ASSERT_TRUE(store.ClearOtherApInfo());
    std::vector<std::uint8_t> cut = SurveyPacket(1, 0, 3, 100, 3);
    cut.resize(cut.size() - 10); // the third entry is incomplete
    store.SaveOtherApInfo(cut);
    EXPECT_EQ(Row("SELECT count(*), max(icount) FROM ap_other_info"), "2|2");
}

class BridgePeerTest : public StoreUpdatesTest {
protected:
    // Access point 1 (BSSID 06:..:01), station 2 bridged to it, station 3 bridged to nobody known.
    void SetUp() override {
        ASSERT_TRUE(store.SaveApInfo(MakeDevice(1, 1)));
        ap_info_stu station = MakeDevice(2, 2);
        station.set_bridge_mac(MakeDevice(1).ssid_mac());
        ASSERT_TRUE(store.SaveApInfo(station));
        ap_info_stu lonely = MakeDevice(3, 2);
        lonely.set_bridge_mac("06:00:00:00:00:99");
        ASSERT_TRUE(store.SaveApInfo(lonely));
    }
};

TEST_F(BridgePeerTest, PeerIsFoundInBothDirections) {
    struct Case {
        int device;
        bool found;
        std::string peer;
    } cases[] = {
        {1, true, DeviceMac(2)},
        {2, true, DeviceMac(1)},
        {3, false, "untouched"},
        {4, false, "untouched"}, // unknown device
    };
    for (const Case& c : cases) {
        std::string peer = "untouched";
        EXPECT_EQ(store.GetBridgePeerMac(DeviceMac(c.device), peer), c.found) << c.device;
        EXPECT_EQ(peer, c.peer) << c.device;
    }
    EXPECT_TRUE(store.IsApBridged(DeviceMac(1)));
    EXPECT_FALSE(store.IsApBridged(DeviceMac(2)));
    EXPECT_FALSE(store.IsApBridged(DeviceMac(4)));
}

TEST_F(BridgePeerTest, AllZeroMacLinksNothing) {
    // An access point that reports no BSSID and a station that reports no peer are not a pair.
    ap_info_stu ap = MakeDevice(5, 1);
    ap.set_ssid_mac("00:00:00:00:00:00");
    ASSERT_TRUE(store.SaveApInfo(ap));
    ASSERT_TRUE(store.SaveApInfo(MakeDevice(6, 2))); // bridge_mac all zero
    std::string peer = "untouched";
    EXPECT_FALSE(store.GetBridgePeerMac(DeviceMac(6), peer));
    EXPECT_FALSE(store.GetBridgePeerMac(DeviceMac(5), peer));
    EXPECT_FALSE(store.IsApBridged(DeviceMac(5)));
    EXPECT_EQ(peer, "untouched");
}

} // namespace
} // namespace cpe
