#include "store/vocabulary.h"
#include "store_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace cpe {
namespace {

using test::DeviceMac;
using test::MakeDevice;

class StoreListsTest : public ::testing::Test {
protected:
    test::StoreFixture f;
    CSqlManagement& store = *f.store;

    void AddDevices(int count) {
        for (int n = 0; n < count; ++n) {
            ASSERT_TRUE(store.SaveApInfo(MakeDevice(n)));
        }
    }

    struct Page {
        bool ok;
        std::vector<std::string> macs;
        int pages;
        int online;
    };
    Page List(int key, std::string_view search, int size, int page, bool ascending = true) {
        std::vector<ap_info_stu> list;
        Page p{false, {}, -1, 0};
        p.ok = store.GetApInfoList(key, search, size, page, ascending, list, p.pages, p.online);
        for (const ap_info_stu& r : list) {
            p.macs.push_back(r.mac());
        }
        return p;
    }
};

TEST_F(StoreListsTest, PagesCountAndOnlineCountCoverAllMatchingRows) {
    AddDevices(31);
    for (int n : {3, 17, 30}) {
        ASSERT_TRUE(store.SetApStatus(DeviceMac(n), kApOutline));
    }
    struct Case {
        int page;
        std::size_t rows;
    } cases[] = {{1, 15}, {2, 15}, {3, 1}, {4, 0}, {0, 0}, {1000, 0}};
    for (const Case& c : cases) {
        Page p = List(0, "", 15, c.page);
        EXPECT_TRUE(p.ok);
        EXPECT_EQ(p.macs.size(), c.rows) << "page " << c.page;
        EXPECT_EQ(p.pages, 3);
        EXPECT_EQ(p.online, 28) << "online devices of every page, not of the one returned";
    }
    EXPECT_EQ(List(0, "", 15, 3).macs, std::vector<std::string>{DeviceMac(30)});

    // The online count is added to what the caller passes in, and the list is appended to.
    std::vector<ap_info_stu> list(2);
    int pages = 0;
    int online = 5;
    ASSERT_TRUE(store.GetApInfoList(0, "", 15, 1, true, list, pages, online));
    EXPECT_EQ(list.size(), 17u);
    EXPECT_EQ(online, 33);

    EXPECT_FALSE(List(14, "", 15, 1).ok) << "unknown sort key";
    EXPECT_FALSE(List(0, "", 0, 1).ok) << "no page size";
}

// Pages of every sort key and direction are consecutive slices of one sorted list, with ties in
// the order the devices were first stored (reversed when descending); a search keeps that order.
TEST_F(StoreListsTest, PagesAreSlicesOfOneStableSortedList) {
    AddDevices(23);
    for (int key = 0; key <= 13; ++key) {
        for (bool ascending : {true, false}) {
            Page all = List(key, "", 1000, 1, ascending);
            ASSERT_EQ(all.macs.size(), 23u);
            std::vector<std::string> reversed(all.macs.rbegin(), all.macs.rend());
            EXPECT_EQ(List(key, "", 1000, 1, !ascending).macs, reversed) << "key " << key;
            // "dev-1" is in the names dev-1 and dev-10 .. dev-19 only.
            std::vector<std::string> matching;
            for (const std::string& mac : all.macs) {
                int n = std::stoi(mac.substr(12, 2), nullptr, 16) * 256 +
                        std::stoi(mac.substr(15, 2), nullptr, 16);
                if (n == 1 || (n >= 10 && n <= 19)) {
                    matching.push_back(mac);
                }
            }
            for (auto [search, expected] : {std::pair{"", &all.macs}, {"dev-1", &matching}}) {
                std::vector<std::string> joined;
                int pageCount = static_cast<int>((expected->size() + 6) / 7);
                for (int page = 1; page <= pageCount + 1; ++page) {
                    Page p = List(key, search, 7, page, ascending);
                    EXPECT_EQ(p.pages, pageCount);
                    EXPECT_EQ(p.online, static_cast<int>(expected->size()));
                    joined.insert(joined.end(), p.macs.begin(), p.macs.end());
                }
                EXPECT_EQ(joined, *expected)
                    << "key " << key << (ascending ? " asc" : " desc") << " '" << search << "'";
            }
        }
    }
    // Key 10 (transparent bridge): every device has the same value, so the order is the stored order.
    std::vector<std::string> stored;
    for (int n = 0; n < 23; ++n) {
        stored.push_back(DeviceMac(n));
    }
    EXPECT_EQ(List(10, "", 1000, 1).macs, stored);
}

TEST_F(StoreListsTest, SortByAddressIsNumeric) {
    for (auto [n, ip] :
         {std::pair{0, "192.168.0.10"}, {1, "192.168.0.2"}, {2, "10.0.0.10"}, {3, "10.0.0.9"}}) {
        ap_info_stu device = MakeDevice(n);
        device.set_ip(ip);
        ASSERT_TRUE(store.SaveApInfo(device));
    }
    EXPECT_EQ(List(1, "", 30, 1).macs,
              (std::vector<std::string>{DeviceMac(3), DeviceMac(2), DeviceMac(1), DeviceMac(0)}));
    // A heartbeat's new address moves the device.
    ASSERT_TRUE(store.UpdateApUpTime(DeviceMac(0), "1.2.3.4", 1));
    EXPECT_EQ(List(1, "", 1, 1).macs, std::vector<std::string>{DeviceMac(0)});
    // Names sort as the operator reads them, regardless of case.
    for (auto [n, name] : {std::pair{0, "beta"}, {1, "Alpha"}, {2, "alpha2"}, {3, "Gamma"}}) {
        ap_info_stu device = MakeDevice(n);
        device.set_ap_name(name);
        ASSERT_TRUE(store.SaveApInfo(device));
    }
    EXPECT_EQ(List(2, "", 30, 1).macs,
              (std::vector<std::string>{DeviceMac(1), DeviceMac(2), DeviceMac(0), DeviceMac(3)}));
}

TEST_F(StoreListsTest, SearchMatchesWhatTheListShows) {
    AddDevices(30);
    ASSERT_TRUE(store.SetApStatus(DeviceMac(4), kApRestarting));
    ap_info_stu quoted = MakeDevice(40);
    quoted.set_ap_name("it's 100% up");
    ASSERT_TRUE(store.SaveApInfo(quoted));

    auto count = [&](std::string_view search) { return List(0, search, 100, 1).macs.size(); };
    EXPECT_EQ(count("Online"), 30u);
    EXPECT_EQ(count("online"), 30u) << "ASCII case-insensitive";
    EXPECT_EQ(count("Restarting"), 1u);
    EXPECT_EQ(count("it's"), 1u) << "a quote is plain text";
    EXPECT_EQ(count("'"), 1u);
    EXPECT_EQ(count("100% up"), 1u);
    EXPECT_EQ(count("dev-1_"), 10u) << "_ is a wildcard: dev-10 .. dev-19";
    EXPECT_EQ(count("dev-%9"), 3u) << "% is a wildcard: dev-9, dev-19, dev-29";
    EXPECT_EQ(count("no such text"), 0u);
    Page none = List(0, "no such text", 15, 1);
    EXPECT_TRUE(none.ok);
    EXPECT_EQ(none.pages, 0);
    EXPECT_EQ(none.online, 0);

    // "5" matches channels 5 and 15 ..., names, addresses, MACs, power, model names containing 5.
    std::vector<ap_info_stu> all;
    int pages = 0;
    int online = 0;
    ASSERT_TRUE(store.GetApInfoList(0, "", 100, 1, true, all, pages, online));
    std::size_t expected = 0;
    for (const ap_info_stu& r : all) {
        std::string shown = r.ap_name() + r.ip() + r.mac() + r.ssid() + r.version() +
                            GetWorkModeText(r.work_mode()) + std::to_string(r.channel()) +
                            GetApTypeName(r.ap_type()) + std::to_string(r.tx_power()) +
                            GetBridgeTransparentText(r.ap_type(), r.work_mode(), r.bridge_transparent()) +
                            GetTdmaEnText(r.ap_type(), r.tdmaEn()) + GetUpTimeText(r.up_time()) +
                            GetApStatusText(r.ap_status()) + GetSecureModeText(r.secure_mode());
        expected += shown.find('5') != std::string::npos;
    }
    EXPECT_GT(expected, 0u);
    EXPECT_LT(expected, all.size());
    EXPECT_EQ(count("5"), expected);
    Page page2 = List(0, "5", 4, 2);
    EXPECT_EQ(page2.pages, static_cast<int>((expected + 3) / 4));
}

TEST_F(StoreListsTest, DeviceReadsGiveBackTheReport) {
    ap_info_stu device = MakeDevice(9, 2);
    device.set_bridge_mac("06:00:00:00:00:01");
    device.set_bridge_ssid("peer");
    device.set_wep_key_value2("0123456789abcdef0123456789");
    device.set_wpa_radius_ip("10.9.8.7");
    device.set_vlan_id_lan2(4094);
    device.set_up_time(4000000000u);
    ASSERT_TRUE(store.SaveApInfo(device));

    ap_info_stu read = MakeDevice(1);
    ASSERT_TRUE(store.GetApInfo(device.mac(), read));
    ap_info_stu expected = device;
    expected.set_ap_status(kApOnline);
    // The bridge-peer fields are not part of a device read.
    expected.set_bridge_mac("00:00:00:00:00:00");
    expected.set_bridge_ssid("");
    for (const ReportField& field : kReportFields) {
        EXPECT_EQ(read.Text(field), expected.Text(field)) << field.column;
    }
    EXPECT_EQ(read.mac(), device.mac());
    EXPECT_EQ(read.ap_type(), device.ap_type());
    EXPECT_EQ(read.ap_status(), kApOnline);

    ASSERT_TRUE(store.GetApInfo("02:00:00:00:ee:ee", read));
    EXPECT_EQ(read.bytes, ap_info_stu{}.bytes) << "unknown MAC: zeroed record";
    ASSERT_TRUE(store.SaveApInfo(MakeDevice(3)));
    ASSERT_TRUE(store.GetApInfo("", read));
    EXPECT_EQ(read.mac(), device.mac()) << "no MAC: the first device stored";
}

TEST_F(StoreListsTest, AllAddressesAndMacs) {
    AddDevices(3);
    std::vector<std::string> ips = {"kept"};
    std::vector<std::string> macs;
    ASSERT_TRUE(store.GetAllApIp(ips));
    ASSERT_TRUE(store.GetAllApMac(macs));
    EXPECT_EQ(ips, (std::vector<std::string>{"kept", "192.168.0.1", "192.168.0.2", "192.168.0.3"}));
    EXPECT_EQ(macs, (std::vector<std::string>{DeviceMac(0), DeviceMac(1), DeviceMac(2)}));
}

TEST_F(StoreListsTest, SurveyedAccessPointsBySortKey) {
    std::vector<std::uint8_t> packet = {1, 0, 3};
    struct Ap {
        std::uint8_t last;
        std::int8_t signal;
        std::uint8_t channel;
        const char* ssid;
    } aps[] = {{0x03, -70, 11, "b"}, {0x01, -40, 1, "c"}, {0x02, -90, 6, "a"}};
    for (const Ap& ap : aps) {
        std::uint8_t entry[44] = {0x0a,      0, 0, 0, 0, ap.last, static_cast<std::uint8_t>(ap.signal),
                                  ap.channel};
        entry[9] = static_cast<std::uint8_t>(ap.ssid[0]);
        entry[41] = 1;
        packet.insert(packet.end(), entry, entry + 44);
    }
    store.SaveOtherApInfo(packet);
    auto order = [&](int key, bool ascending) {
        std::vector<config_otherwl_basic> list;
        EXPECT_TRUE(store.GetOtherApList(key, list, ascending));
        std::string ssids;
        for (const config_otherwl_basic& ap : list) {
            ssids += ap.ssid();
        }
        return ssids;
    };
    EXPECT_EQ(order(0, true), "cab");
    EXPECT_EQ(order(1, true), "abc");
    EXPECT_EQ(order(2, false), "bac");
    EXPECT_EQ(order(4, true), "abc"); // -90, -70, -40
    EXPECT_EQ(order(4, false), "cba");
    std::vector<config_otherwl_basic> list;
    EXPECT_FALSE(store.GetOtherApList(5, list, true));
}

} // namespace
} // namespace cpe
