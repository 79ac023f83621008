#include "store_fixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace cpe {
namespace {

using test::TempDir;

std::vector<std::string> Names(CSqlManagement& db, const std::string& table) {
    std::vector<std::string> names;
    for (const std::string& row :
         test::QueryStore(db, "SELECT name, type FROM pragma_table_info('" + table + "')")) {
        names.push_back(row);
    }
    return names;
}

// The columns of the eight schema statements, in order, with their SQLite types.
std::vector<std::string> Expected(const std::string& columns) {
    std::vector<std::string> out;
    std::istringstream in(columns);
    std::string name;
    while (in >> name) {
        char kind = name.back();
        name.pop_back();
        std::string type = kind == 'C' ? "INTEGER" : kind == 'L' ? "INTEGER" : kind == 'D' ? "REAL" : "TEXT";
        out.push_back(name + "|" + type);
    }
    return out;
}

TEST(StoreLifecycleTest, LeftoverFileIsReplacedByAFreshDatabase) {
    TempDir dir;
    std::filesystem::path file = dir.path() / "data.mdb";
    std::ofstream(file) << "left over by a run that crashed";
    std::ofstream(dir.path() / "data.mdb-journal") << "stale journal";
    std::vector<std::string> notes;
    {
        CSqlManagement store(dir.path(), [&](const std::string& m) { notes.push_back(m); });
        EXPECT_TRUE(store.IsOpen());
        EXPECT_TRUE(notes.empty());
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "data.mdb-journal"));
        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);

        EXPECT_EQ(
            Names(store, "ap_info"),
            Expected("IDC macT ap_typeL ap_type_strT ap_statusL ap_status_strT work_modeL work_mode_strT "
                     "mode_btn_statusL up_timeL up_time_strT ip_modeL ip_numD ipT ip_maskT ip_gatewayT "
                     "ip_dns1T ip_dns2T ap_nameT versionT restart_enL restart_typeL restart_timeL "
                     "rf_countL rf_enL rf_typeL country_codeL network_modeL bandwidthL channelL "
                     "expand_channelL tx_powerL tx_power_minL tx_power_maxL ssid_countL ssid_rf_typeL "
                     "ssid_idL ssid_hideL ssid_macT ssidT secure_modeL secure_mode_strT "
                     "wpapsk_auth_typeL wpapsk_key_valueT wpapsk_key_timeL wep_auth_typeL "
                     "wep_key_indexL wep_key_value0T wep_key_type0L wep_key_value1T wep_key_type1L "
                     "wep_key_value2T wep_key_type2L wep_key_value3T wep_key_type3L wpa_auth_typeL "
                     "wpa_radius_ipT wpa_radius_portL wpa_keyT wpa_key_timeL bridge_work_modeL "
                     "bridge_macT bridge_channelL bridge_ssidT vlan_enL vlan_idL vlan_id_wlanL "
                     "vlan_id_lanL bridge_transparentL bridge_transparent_strT tdmaEnL tdmaEn_strT "
                     "vlan_pvidL vlan_id_lan3L vlan_id_lan4L wl_dfsL trunk_portL vlan_id_lan2L"));
        EXPECT_EQ(Names(store, "ap_other_info"),
                  Expected("IDC packet_countL packet_idL icountL macT ssidT signalL channelL secure_modeL "
                           "exchannelL bandwidthL"));
        EXPECT_EQ(test::QueryStore(store,
                                   "SELECT tbl_name FROM sqlite_master WHERE type='index' AND sql LIKE "
                                   "'%UNIQUE%(mac)' ORDER BY tbl_name"),
                  (std::vector<std::string>{"ap_info", "ap_other_info"}));

        std::vector<ap_info_stu> list;
        int pages = -1;
        int online = 0;
        EXPECT_TRUE(store.GetApInfoList(0, "", 30, 1, true, list, pages, online));
        EXPECT_TRUE(list.empty());
        EXPECT_EQ(pages, 0);
        EXPECT_EQ(online, 0);
    }
    EXPECT_FALSE(std::filesystem::exists(file)) << "the scratch database outlives its store";
}

TEST(StoreLifecycleTest, ExecuteSqlReportsFailure) {
    test::StoreFixture f;
    EXPECT_TRUE(f.store->ExecuteSql("DELETE FROM ap_info"));
    EXPECT_FALSE(f.store->ExecuteSql("DELETE FROM no_such_table"));
    EXPECT_FALSE(f.store->ExecuteSql("this is not SQL"));
}

// Every operation on a store whose database could not be opened does nothing and fails.
void ExpectClosedStore(CSqlManagement& store) {
    EXPECT_FALSE(store.IsOpen());
    ap_info_stu device = test::MakeDevice(1);
    EXPECT_FALSE(store.SaveApInfo(device));
    EXPECT_FALSE(store.UpdateApUpTime(device.mac(), "10.0.0.1", 5));
    EXPECT_FALSE(store.SetApStatus(device.mac(), 4));
    EXPECT_FALSE(store.MarkApUpgrading(device.mac()));
    EXPECT_FALSE(store.ResetApUpgradeFail(device.mac()));
    EXPECT_FALSE(store.IsApWaitingUpgrade(device.mac()));
    EXPECT_EQ(store.GetApStatus(device.mac()), 0);
    EXPECT_FALSE(store.DeleteApInfo(device.mac()));
    EXPECT_FALSE(store.ClearOtherApInfo());
    EXPECT_FALSE(store.ExecuteSql("DELETE FROM ap_info"));
    std::vector<std::uint8_t> survey = {1, 0, 1};
    survey.resize(3 + 44, 1);
    store.SaveOtherApInfo(survey);
    EXPECT_FALSE(store.IsApBridged(device.mac()));
    std::string peer = "untouched";
    EXPECT_FALSE(store.GetBridgePeerMac(device.mac(), peer));
    EXPECT_EQ(peer, "untouched");

    std::vector<ap_info_stu> list;
    int pages = 7;
    int online = 3;
    EXPECT_FALSE(store.GetApInfoList(0, "", 30, 1, true, list, pages, online));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(online, 3);
    ap_info_stu record = device;
    EXPECT_FALSE(store.GetApInfo(device.mac(), record));
    std::vector<std::string> texts;
    EXPECT_FALSE(store.GetAllApIp(texts));
    EXPECT_FALSE(store.GetAllApMac(texts));
    EXPECT_TRUE(texts.empty());
    std::vector<config_otherwl_basic> aps;
    EXPECT_FALSE(store.GetOtherApList(0, aps, true));
    config_otherwl_basic ap;
    EXPECT_FALSE(store.GetOtherApInfo("02:00:00:00:00:01", ap));
    EXPECT_TRUE(aps.empty());
}

TEST(StoreLifecycleTest, UnopenableDatabaseIsReportedOnceAndEveryOperationFails) {
    TempDir dir;
    struct Case {
        const char* what;
        std::filesystem::path folder;
    } cases[] = {
        {"missing folder", dir.path() / "no" / "such" / "folder"},
        {"undeletable data.mdb", dir.path() / "blocked"},
    };
    // A data.mdb that cannot be deleted (a folder with content) is used as it is, and fails to open.
    std::filesystem::create_directories(dir.path() / "blocked" / "data.mdb" / "content");
    for (const Case& c : cases) {
        std::vector<std::string> notes;
        CSqlManagement store(c.folder, [&](const std::string& m) { notes.push_back(m); });
        ExpectClosedStore(store);
        EXPECT_EQ(notes, std::vector<std::string>{"Failed to open database, unable to get data."}) << c.what;
    }
}

} // namespace
} // namespace cpe
