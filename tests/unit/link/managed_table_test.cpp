#include "link/ManagedApTable.h"
#include "link/report_records.h"
#include "test_packets.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

using test::DevicePacket;
using test::Payload;

const std::string kMac = "00:1a:2b:3c:4d:5e";

// A discovery summary: version "V1" and name "ap" with up-time 77.
std::vector<std::uint8_t> Summary() {
    auto p = Payload(109, 0, {'V', '1'});
    p[32] = 2;
    p[36] = 77;
    p[40] = 'a';
    p[41] = 'p';
    p[72] = 2;
    p[106] = 11; // channel
    return p;
}

std::vector<std::uint8_t> Report(std::uint32_t upTime = 500) {
    auto p = Payload(760, 63, {'V', '2'});
    p[95] = 2;
    PutU32(p.data() + 4, upTime);
    p[742] = 1;
    return p;
}

TEST(ManagedApTable, DiscoveryAsksForTheReportUnlessFullyKnownAtTheSameAddress) {
    ManagedApTable t;
    EXPECT_TRUE(t.Add(DevicePacket(1, kMac, "10.0.0.2", Summary()))); // new
    EXPECT_TRUE(t.Add(DevicePacket(1, kMac, "10.0.0.2", Summary()))); // still state 1
    EXPECT_TRUE(t.AcceptReport(DevicePacket(2, kMac, "10.0.0.2", Report())));
    EXPECT_FALSE(t.Add(DevicePacket(1, kMac, "10.0.0.2", Summary()))); // known, same address
    EXPECT_TRUE(t.Add(DevicePacket(1, kMac, "10.0.0.3", Summary())));  // answered from elsewhere
    ASSERT_EQ(t.size(), 1u);
    auto e = t.Snapshot()[0];
    EXPECT_EQ(e.state, kApStateReported);
    EXPECT_EQ(e.ip, "10.0.0.2"); // the discovery answer does not move the entry
    EXPECT_EQ(e.version, "V1");
    EXPECT_EQ(e.up_time, 500u);
    EXPECT_EQ(e.bridge_transparent, 1);
}

TEST(ManagedApTable, ShortSummaryFillsTheVersionOnly) {
    ManagedApTable t;
    auto p = Summary();
    p.resize(33); // up to and with the version length byte
    t.Add(DevicePacket(1, kMac, "10.0.0.2", p));
    auto e = t.Snapshot()[0];
    EXPECT_EQ(e.version, "V1");
    EXPECT_EQ(e.ap_name, "");
    EXPECT_EQ(e.up_time, 0u);
    EXPECT_EQ(e.channel, 0);
}

TEST(ManagedApTable, ReportIsRefusedForUnknownMacOrAnAddressHeldByAnother) {
    ManagedApTable t;
    EXPECT_FALSE(t.AcceptReport(DevicePacket(2, kMac, "10.0.0.2", Report())));
    t.Add(DevicePacket(1, "02:00:00:00:00:01", "10.0.0.2", Summary()));
    ASSERT_TRUE(t.AcceptReport(DevicePacket(2, "02:00:00:00:00:01", "10.0.0.2", Report())));
    t.Add(DevicePacket(1, kMac, "10.0.0.9", Summary()));
    EXPECT_FALSE(t.AcceptReport(DevicePacket(2, kMac, "10.0.0.2", Report()))); // address conflict
    EXPECT_TRUE(t.AcceptReport(DevicePacket(2, kMac, "10.0.0.9", Report())));
}

TEST(ManagedApTable, ReportedDeviceExpiresAtTheFourthSilentCheckSearchedOneNever) {
    ManagedApTable t;
    t.Add(DevicePacket(1, kMac, "10.0.0.2", Summary()));
    t.AcceptReport(DevicePacket(2, kMac, "10.0.0.2", Report()));
    t.Add(DevicePacket(1, "02:00:00:00:00:01", "10.0.0.3", Summary()));
    std::uint32_t up = 0;
    for (int check = 1; check <= 3; ++check) {
        EXPECT_TRUE(t.CheckHeartbeat().empty()) << check;
    }
    EXPECT_TRUE(
        t.Heartbeat(DevicePacket(15, kMac, "10.0.0.4", Payload(40, 36, {9})), up)); // lives full again
    EXPECT_EQ(up, 9u);
    for (int check = 1; check <= 3; ++check) {
        EXPECT_TRUE(t.CheckHeartbeat().empty()) << check;
    }
    auto gone = t.CheckHeartbeat();
    ASSERT_EQ(gone.size(), 1u);
    EXPECT_EQ(gone[0].mac, kMac);
    EXPECT_EQ(gone[0].ip, "10.0.0.4"); // the heartbeat moved it
    for (int check = 0; check < 10; ++check) {
        t.CheckHeartbeat();
    }
    EXPECT_EQ(t.size(), 1u); // the state-1 device stays
    EXPECT_FALSE(t.Heartbeat(DevicePacket(15, kMac, "10.0.0.4", Payload(40)), up));
}

TEST(ManagedApTable, IpChangeMovesTheEntryOnlyOnTheAnswerFromTheOldAddress) {
    ManagedApTable t;
    t.Add(DevicePacket(1, kMac, "192.168.1.20", Summary()));
    t.AcceptReport(DevicePacket(2, kMac, "192.168.1.20", Report()));
    t.AnnounceIp(kMac, "192.168.1.20", "192.168.1.30");
    t.ConfirmIp(kMac, "192.168.1.99"); // not from where the device is
    EXPECT_EQ(t.Snapshot()[0].ip, "192.168.1.20");
    t.ConfirmIp(kMac, "192.168.1.20");
    EXPECT_EQ(t.Snapshot()[0].ip, "192.168.1.30");
    EXPECT_EQ(t.Snapshot()[0].pending_ip, "");
    t.AnnounceIp(kMac, "192.168.1.30", "192.168.1.30"); // same address: nothing pending
    t.ConfirmIp(kMac, "192.168.1.30");
    EXPECT_EQ(t.Snapshot()[0].ip, "192.168.1.30");
}

TEST(ManagedApTable, SearchOperationsTouchStateOneOrEverything) {
    ManagedApTable t;
    t.Add(DevicePacket(1, kMac, "10.0.0.2", Summary()));
    t.AcceptReport(DevicePacket(2, kMac, "10.0.0.2", Report()));
    t.Add(DevicePacket(1, "02:00:00:00:00:01", "10.0.0.3", Summary()));
    t.Add(DevicePacket(1, "02:00:00:00:00:02", "10.0.0.4", Summary()));
    int visited = 0;
    t.ForEach(false, [&](const ManagedAp&) { ++visited; });
    EXPECT_EQ(visited, 2);
    std::string search = "10.0.0.4";
    auto listed = t.SearchedList(100, &search);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].mac(), "02:00:00:00:00:02");
    EXPECT_EQ(listed[0].ap_status(), kApStatusSearched);
    EXPECT_EQ(listed[0].ip(), "10.0.0.4");
    EXPECT_EQ(listed[0].ap_name(), "ap");
    EXPECT_EQ(listed[0].channel(), 11);
    EXPECT_EQ(t.SearchedList(1, nullptr).size(), 1u);
    EXPECT_EQ(t.Unmanaged({kMac, "aa:bb:cc:dd:ee:ff"}), std::vector<std::string>{"aa:bb:cc:dd:ee:ff"});
    t.RemoveSearched(false);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t.Snapshot()[0].mac, kMac);
    t.RemoveSearched(true);
    EXPECT_EQ(t.size(), 0u);
}

} // namespace
} // namespace cpe
