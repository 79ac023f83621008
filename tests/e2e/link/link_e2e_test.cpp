#include "link_fixture.h"

namespace cpe::e2e {
namespace {

using namespace std::chrono_literals;

TEST_F(LinkFixture, NewDeviceIsAskedForItsReportOnceAndAKnownOneIsNot) {
    StartFleet(1);
    DiscoverAll();
    EXPECT_TRUE(WaitUntil([&] { return ReceivedByRoute(1, Mac(0)) >= 1; }));
    EXPECT_EQ(ReceivedByRoute(1, Mac(0)), 1u);
    EXPECT_EQ(Received(2, Mac(0)), 1u);

    ap_info_stu row;
    ASSERT_TRUE(store->GetApInfo(Mac(0), row));
    EXPECT_EQ(row.ap_status(), 1);
    EXPECT_EQ(row.ip(), Ip(0));
    EXPECT_EQ(row.ap_name(), fleet[0]["ap_name"].get<std::string>());
    EXPECT_EQ(row.ssid(), fleet[0]["ssid"].get<std::string>());
    EXPECT_EQ(row.version(), fleet[0]["version"].get<std::string>());
    EXPECT_EQ(row.ap_type(), fleet[0]["ap_type"].get<int>());

    link->SendDiscover(); // now fully known at the same address
    EXPECT_TRUE(WaitUntil([&] { return ReceivedByRoute(1, Mac(0)) == 2; }));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(Received(2, Mac(0)), 1u);
}

TEST_F(LinkFixture, HeartbeatsAreAcknowledgedAndSilenceEndsTheDeviceAtTheFourthCheck) {
    StartFleet(2);
    DiscoverAll();
    ASSERT_TRUE(WaitUntil([&] { return Received(15, Mac(0)) >= 3 && Received(15, Mac(1)) >= 3; }));
    for (int check = 0; check < 6; ++check) { // heartbeats (every 0.2 s) refill the lives
        std::this_thread::sleep_for(250ms);
        link->CheckManageApHeartbeat();
    }
    std::this_thread::sleep_for(300ms); // a heartbeat after the last check
    EXPECT_EQ(link->managed().size(), 2u);
    EXPECT_GE(Sent(15, Mac(0)), Received(15, Mac(0)) - 1); // every heartbeat but a last one in flight

    StopSim();
    std::this_thread::sleep_for(100ms);
    for (int check = 1; check <= 3; ++check) {
        link->CheckManageApHeartbeat();
    }
    EXPECT_EQ(link->managed().size(), 2u);
    EXPECT_EQ(StoredCount(), 2u);
    link->CheckManageApHeartbeat();
    EXPECT_EQ(link->managed().size(), 0u);
    EXPECT_EQ(StoredCount(), 0u);
}

TEST_F(LinkFixture, UnansweredRequestIsSentOnePlusCountTimesThenDropped) {
    StartFleet(1, {"--silent", "9"});
    DiscoverAll();
    std::size_t before = 0;
    for (int count : {0, 2}) {
        SCOPED_TRACE(count);
        ASSERT_TRUE(link->Init(count, 60000));
        ASSERT_TRUE(
            link->SendPacketMutilcast(Ip(0), KORVA_APRebootRequest, nullptr, 0, MacArg::Text(Mac(0)), true));
        EXPECT_EQ(link->retransmission_size(), 1u);
        int passes = 0;
        while (link->retransmission_size() > 0 && passes < 10) {
            link->RetransmissionPass();
            ++passes;
        }
        EXPECT_EQ(passes, count + 1);
        EXPECT_TRUE(WaitUntil([&] { return Received(9, Mac(0)) == before + 1 + count; }));
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(Received(9, Mac(0)), before + 1 + count);
        before = Received(9, Mac(0));
    }
}

TEST_F(LinkFixture, IdenticalRequestsAreRemovedOnePerAnswer) {
    StartFleet(1, {"--delay-ms", "300-300"});
    DiscoverAll();
    std::uint8_t schedule[4] = {};
    for (int i = 0; i < 2; ++i) {
        link->SendPacketMutilcast(Ip(0), KORVA_APTimeRebootSetRequest, schedule, 4, MacArg::Text(Mac(0)),
                                  true);
    }
    EXPECT_EQ(link->retransmission_size(), 2u);
    EXPECT_TRUE(WaitUntil([&] { return link->retransmission_size() == 0; }));
    EXPECT_TRUE(WaitUntil([&] { return Sent(5, Mac(0)) == 2; })); // the log line may follow the datagram
}

TEST_F(LinkFixture, EveryStatusChangingAnswerSetsItsCode) {
    StartFleet(6, {"--fail", "7,11"});
    DiscoverAll();
    std::vector<std::uint8_t> vlanShort(10), vlanLong(26), bridge(328), upgrade(268);
    const char file[] = "fw.bin";
    std::copy(file, file + 6, upgrade.begin());
    upgrade[260] = 6;
    struct Request {
        int device;
        int type;
        std::vector<std::vector<std::uint8_t>> payloads;
        int expected;
    } requests[] = {
        {0, KORVA_APRebootRequest, {{}}, 4},
        {1, KORVA_APRestoreRequest, {{}}, 5},
        {2, KORVA_APVlanSetRequest, {vlanShort, vlanLong}, 4}, // the device takes the size of its model
        {3, KORVA_APBridgeSetRequest, {bridge}, 3},
        {4, KORVA_APUpgradeRequest, {upgrade}, 9}, // 12 with 0 (wait), then 12 with 1 (fail)
    };
    for (const auto& r : requests) {
        for (const auto& p : r.payloads) {
            link->SendPacketMutilcast(Ip(r.device), r.type, p.empty() ? nullptr : p.data(),
                                      static_cast<int>(p.size()), MacArg::Text(Mac(r.device)), true);
        }
    }
    for (const auto& r : requests) {
        EXPECT_TRUE(WaitUntil([&] { return Status(Mac(r.device)) == r.expected; }))
            << "type " << r.type << " status " << Status(Mac(r.device));
    }
    EXPECT_GE(Sent(12, Mac(4)), 2u);
    store->SetApStatus(Mac(5), 6); // waiting for the upgrade
    link->SendPacketMutilcast(Ip(5), KORVA_APUpgradeStateRequest, nullptr, 0, MacArg::Text(Mac(5)), true);
    EXPECT_TRUE(WaitUntil([&] { return Status(Mac(5)) == 7; })) << Status(Mac(5));
}

TEST_F(LinkFixture, SurveyClearsTheFlagAndItsLastDatagramSetsIt) {
    StartFleet(12);
    DiscoverAll();
    ASSERT_TRUE(
        link->SendPacketMutilcast(Ip(0), KORVA_APSearchApRequest, nullptr, 0, MacArg::Text(Mac(0)), true));
    EXPECT_FALSE(link->survey_complete());
    EXPECT_EQ(link->retransmission_size(), 0u); // a survey is never repeated
    EXPECT_TRUE(WaitUntil([&] { return link->survey_complete(); }));
    std::vector<config_otherwl_basic> heard;
    EXPECT_TRUE(store->GetOtherApList(0, heard, true));
    EXPECT_FALSE(heard.empty());
}

TEST_F(LinkFixture, ShutdownReleasesEveryManagedDevice) {
    StartFleet(5);
    DiscoverAll();
    link->Shutdown();
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(WaitUntil([&] { return Received(17, Mac(i)) == 1; })) << Mac(i);
    }
}

TEST_F(LinkFixture, WithTheFilterSetOnlyTheSearchedDeviceIsHeard) {
    StartFleet(3);
    DiscoverAll();
    MacBytes wanted{};
    ParseMacText(Mac(1), wanted.data());
    link->SetFilter(true, wanted);
    for (int check = 0; check < 5; ++check) { // the others' heartbeats are no longer queued
        std::this_thread::sleep_for(250ms);
        link->CheckManageApHeartbeat();
    }
    auto left = link->managed().Snapshot();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].mac, Mac(1));
    link->SendUnmanage(); // with the filter: every entry
    link->RemoveSearchedAps();
    EXPECT_TRUE(WaitUntil([&] { return Received(17, Mac(1)) == 1; }));
    EXPECT_EQ(link->managed().size(), 0u);
    link->SendDiscover(); // raw frames; answers of the other devices are dropped
    std::this_thread::sleep_for(300ms);
    for (const auto& e : link->managed().Snapshot()) {
        EXPECT_EQ(e.mac, Mac(1));
    }
}

} // namespace
} // namespace cpe::e2e
