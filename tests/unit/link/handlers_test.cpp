#include "fake_store.h"
#include "link/AcTransmitManage.h"
#include "test_packets.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

using test::DevicePacket;
using test::Payload;

const std::string kMac = "00:1a:2b:3c:4d:5e";

// The handlers without sockets: no adapter reaches anything, so sends fail quietly and only the
// table and the store show what happened.
class Handlers : public ::testing::Test {
protected:
    test::FakeStore store;
    AcTransmitManage link{store, LinkOptions{false, false, 16, [] { return std::vector<LocalAdapter>{}; }}};

    void Report(const std::string& mac, const std::string& ip) {
        link.ManageDiscoverPacket(DevicePacket(1, mac, ip, Payload(109)));
        link.ManageConfigPacket(DevicePacket(2, mac, ip, Payload(760)));
    }
};

TEST_F(Handlers, StatusChangingAnswersSetTheirCode) {
    struct Case {
        int type;
        std::uint8_t result;
        int before;
        int after;
    } cases[] = {
        {7, 0, 1, 2},  {7, 5, 1, 3},  {9, 0, 1, 4},  {9, 1, 1, 1},  {13, 0, 1, 4},
        {10, 0, 1, 5}, {10, 2, 1, 1}, {12, 0, 1, 6}, {12, 1, 1, 9}, {12, 2, 1, 8},
        {16, 0, 6, 7}, {16, 0, 1, 1}, {4, 0, 1, 1},  {8, 0, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " result " << int(c.result));
        store.status[kMac] = c.before;
        link.ManageConfigPacket(DevicePacket(c.type, kMac, "10.0.0.2", Payload(4, 0, {c.result})));
        EXPECT_EQ(store.status[kMac], c.after);
    }
}

TEST_F(Handlers, ReportOfADiscoveredDeviceIsStoredOnce) {
    Report(kMac, "10.0.0.2");
    ASSERT_EQ(store.rows.count(kMac), 1u);
    EXPECT_EQ(store.status[kMac], 1);
    EXPECT_EQ(link.managed().Snapshot()[0].state, kApStateReported);
    store.rows.clear();
    link.ManageConfigPacket(DevicePacket(2, "02:00:00:00:00:09", "10.0.0.9", Payload(760))); // unknown
    EXPECT_TRUE(store.rows.empty());
}

TEST_F(Handlers, ZeroMacAnswerAddsNothing) {
    link.ManageDiscoverPacket(DevicePacket(1, "00:00:00:00:00:00", "10.0.0.2", Payload(109)));
    EXPECT_EQ(link.managed().size(), 0u);
}

TEST_F(Handlers, HeartbeatOfAnUnknownDeviceIsIgnored) {
    link.ManageHeartbeatPacket(DevicePacket(15, kMac, "10.0.0.2", Payload(40)));
    EXPECT_EQ(store.upTimeWrites, 0);
    Report(kMac, "10.0.0.2");
    link.ManageHeartbeatPacket(DevicePacket(15, kMac, "10.0.0.2", Payload(40)));
    EXPECT_EQ(store.upTimeWrites, 1);
}

TEST_F(Handlers, SurveyIsCompleteOnlyWithItsLastDatagram) {
    for (std::uint8_t index = 0; index < 3; ++index) {
        link.ManageConfigPacket(DevicePacket(6, kMac, "10.0.0.2", Payload(3 + 44, 0, {3, index, 1})));
        EXPECT_EQ(link.survey_complete(), index == 2) << int(index);
    }
    EXPECT_EQ(store.surveyWrites, 3);
}

TEST_F(Handlers, SilentDeviceLeavesTableAndStoreAtTheFourthCheck) {
    Report(kMac, "10.0.0.2");
    for (int check = 1; check <= 3; ++check) {
        link.CheckManageApHeartbeat();
    }
    EXPECT_TRUE(store.deleted.empty());
    link.CheckManageApHeartbeat();
    EXPECT_EQ(store.deleted, std::vector<std::string>{kMac});
    EXPECT_EQ(link.managed().size(), 0u);
}

TEST_F(Handlers, PurgeDeletesRowsOfDevicesNoLongerManaged) {
    Report(kMac, "10.0.0.2");
    ap_info_stu stale;
    stale.set_mac("02:00:00:00:00:07");
    store.SaveApInfo(stale);
    link.PurgeStore();
    EXPECT_EQ(store.deleted, std::vector<std::string>{"02:00:00:00:00:07"});
}

TEST_F(Handlers, FilterMakesASearchReplaceEveryEntry) {
    Report(kMac, "10.0.0.2");
    link.ManageDiscoverPacket(DevicePacket(1, "02:00:00:00:00:01", "10.0.0.3", Payload(109)));
    link.RemoveSearchedAps();
    EXPECT_EQ(link.managed().size(), 1u);
    link.SetFilter(true, {0, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e});
    link.RemoveSearchedAps();
    EXPECT_EQ(link.managed().size(), 0u);
}

} // namespace
} // namespace cpe
