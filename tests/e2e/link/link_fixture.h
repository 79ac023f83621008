#pragma once

#include "SimFixture.h"
#include "link/AcTransmitManage.h"
#include "store/CSqlManagement.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

namespace cpe::e2e {

// The link engine in loopback mode on a real store in the test's folder, against a cpe-sim
// fleet on 127.1.x.y. Timer passes are driven by the tests.
class LinkFixture : public SimFixture {
protected:
    std::unique_ptr<CSqlManagement> store;
    std::unique_ptr<DeviceStoreAdapter<CSqlManagement>> storeLink;
    std::unique_ptr<AcTransmitManage> link;
    nlohmann::json fleet;

    void SetUp() override {
        SimFixture::SetUp();
        store = std::make_unique<CSqlManagement>(Folder());
        ASSERT_TRUE(store->IsOpen());
        storeLink = std::make_unique<DeviceStoreAdapter<CSqlManagement>>(*store);
        LinkOptions options;
        options.loopback = true;
        options.timerThreads = false;
        link = std::make_unique<AcTransmitManage>(*storeLink, options);
        ASSERT_TRUE(link->Init(3, 60000)) << link->error();
    }

    void TearDown() override {
        link.reset();
        SimFixture::TearDown();
    }

    // A fleet of `devices` with fast heartbeats and short device delays; extra arguments follow.
    void StartFleet(int devices, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"--loopback",
                                         "--devices",
                                         std::to_string(devices),
                                         "--seed",
                                         "11",
                                         "--heartbeat-seconds",
                                         "0.2",
                                         "--time-scale",
                                         "0.02",
                                         "--answer-spread-ms",
                                         "20",
                                         "--quiet",
                                         "--dump-fleet",
                                         PathIn("fleet.json")};
        args.insert(args.end(), extra.begin(), extra.end());
        StartSim(args);
        std::ifstream in(PathIn("fleet.json"));
        fleet = nlohmann::json::parse(in)["devices"];
    }

    std::string Mac(int i) const { return fleet[i]["mac"]; }
    std::string Ip(int i) const { return fleet[i]["ip"]; }

    static bool WaitUntil(const std::function<bool()>& done,
                          std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) {
        auto end = std::chrono::steady_clock::now() + timeout;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    std::size_t StoredCount() {
        std::vector<std::string> macs;
        store->GetAllApMac(macs);
        return macs.size();
    }

    // One discovery pass, then until every device of the fleet has reported.
    void DiscoverAll() {
        link->SendDiscover();
        ASSERT_TRUE(WaitUntil([&] { return StoredCount() == fleet.size(); })) << StoredCount();
    }

    // Datagrams the simulator received of this type for this device.
    std::size_t Received(int msgType, const std::string& mac) {
        Events().Refresh();
        return Events().Count({{"dir", "rx"}, {"msg_type", msgType}, {"mac", mac}});
    }
    // Requests to the device by the multicast route (dest_flag 1).
    std::size_t ReceivedByRoute(int msgType, const std::string& mac) {
        Events().Refresh();
        return Events().Count({{"dir", "rx"}, {"msg_type", msgType}, {"mac", mac}, {"dest_flag", 1}});
    }
    std::size_t Sent(int msgType, const std::string& mac) {
        Events().Refresh();
        return Events().Count({{"dir", "tx"}, {"msg_type", msgType}, {"mac", mac}});
    }

    int Status(const std::string& mac) { return store->GetApStatus(mac); }
};

} // namespace cpe::e2e
