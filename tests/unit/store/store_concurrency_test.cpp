#include "store_fixture.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace cpe {
namespace {

// The link manager's threads write reports and heartbeats while the interface thread reads pages;
// every page must be a consistent snapshot.
TEST(StoreConcurrencyTest, WritersAndAPageReaderShareTheStore) {
    test::StoreFixture f;
    CSqlManagement& store = *f.store;
    constexpr int kDevices = 60;
    constexpr int kRounds = 5;
    std::atomic<bool> writing{true};

    std::thread reports([&] {
        for (int round = 0; round < kRounds; ++round) {
            for (int n = 0; n < kDevices; ++n) {
                EXPECT_TRUE(store.SaveApInfo(test::MakeDevice(n)));
            }
        }
    });
    std::thread heartbeats([&] {
        for (int round = 0; round < kRounds * 4; ++round) {
            for (int n = 0; n < kDevices; ++n) {
                store.UpdateApUpTime(test::DeviceMac(n), "192.168.1." + std::to_string(n + 1),
                                     static_cast<std::uint32_t>(round));
                store.SetApStatus(test::DeviceMac(n), round % 2 ? kApRestarting : kApOnline);
            }
        }
    });
    int reads = 0;
    std::thread reader([&] {
        while (writing.load() || reads == 0) {
            std::vector<ap_info_stu> list;
            int pages = 0;
            int online = 0;
            ASSERT_TRUE(store.GetApInfoList(1, reads % 2 ? "192" : "", 15, 1 + reads % 5, reads % 3 != 0,
                                            list, pages, online));
            EXPECT_LE(list.size(), 15u);
            EXPECT_LE(pages, (kDevices + 14) / 15);
            std::vector<std::string> macs;
            EXPECT_TRUE(store.GetAllApMac(macs));
            ++reads;
        }
    });
    reports.join();
    heartbeats.join();
    writing = false;
    reader.join();

    std::vector<ap_info_stu> all;
    int pages = 0;
    int online = 0;
    ASSERT_TRUE(store.GetApInfoList(0, "", 100, 1, true, all, pages, online));
    EXPECT_EQ(all.size(), static_cast<std::size_t>(kDevices));
    EXPECT_EQ(online, kDevices);
    EXPECT_GT(reads, 0);
}

} // namespace
} // namespace cpe
