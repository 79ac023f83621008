// The link engine in normal mode on two adapters: two veth pairs on different subnets, each
// leading to its own namespace with a simulated fleet. Needs root (skipped otherwise).
#include "NamespacePair.h"
#include "SimFixture.h"
#include "link/AcTransmitManage.h"
#include "store/CSqlManagement.h"

#include <arpa/inet.h>
#include <atomic>
#include <fstream>
#include <thread>

namespace cpe::e2e {
namespace {

using namespace std::chrono_literals;

// From the kernel of this namespace (sysfs may belong to another one).
std::string InterfaceMac(const std::string& name) {
    std::string out;
    RunCommand({"ip", "-o", "link", "show", "dev", name}, &out);
    auto at = out.find("link/ether ");
    return at == std::string::npos ? std::string() : out.substr(at + 11, 17);
}

class LinkOverVeth : public SimFixture {
protected:
    NamespacePair net[2];
    SimProcess sim2;
    EventLogReader events2;
    nlohmann::json fleet[2];
    std::unique_ptr<CSqlManagement> store;
    std::unique_ptr<DeviceStoreAdapter<CSqlManagement>> storeLink;
    std::unique_ptr<AcTransmitManage> link;

    void SetUp() override {
        SimFixture::SetUp();
        std::string why;
        if (!NamespacePair::Available(why)) {
            GTEST_SKIP() << why;
        }
        ASSERT_TRUE(net[0].Create({"10.77.0.1/16", "10.77.0.254/16"}, why)) << why;
        ASSERT_TRUE(net[1].Create({"10.78.0.1/16", "10.78.0.254/16"}, why)) << why;
        StartSim(FleetArgs(0), net[0].ExecPrefix());
        auto args = FleetArgs(1);
        args.insert(args.end(), {"--events", PathIn("events2.jsonl")});
        ASSERT_TRUE(sim2.Start(args, 10s, why, net[1].ExecPrefix())) << why;
        events2.SetPath(PathIn("events2.jsonl"));
        for (int i = 0; i < 2; ++i) {
            std::ifstream in(PathIn("fleet" + std::to_string(i) + ".json"));
            fleet[i] = nlohmann::json::parse(in)["devices"];
        }
        store = std::make_unique<CSqlManagement>(Folder());
        storeLink = std::make_unique<DeviceStoreAdapter<CSqlManagement>>(*store);
        LinkOptions options;
        options.timerThreads = false;
        link = std::make_unique<AcTransmitManage>(*storeLink, options);
        ASSERT_TRUE(link->Init(3, 60000)) << link->error();
    }

    void TearDown() override {
        link.reset();
        sim2.Stop();
        SimFixture::TearDown();
        net[0].Destroy();
        net[1].Destroy();
    }

    std::vector<std::string> FleetArgs(int i) {
        std::string subnet = i == 0 ? "10.77.0.0/16" : "10.78.0.0/16";
        return {"--interface",
                net[i].InterfaceB(),
                "--addresses",
                subnet,
                "--devices",
                "2",
                "--seed",
                std::to_string(20 + i),
                "--dump-fleet",
                PathIn("fleet" + std::to_string(i) + ".json"),
                "--heartbeat-seconds",
                "0.5",
                "--time-scale",
                "0.02",
                "--answer-spread-ms",
                "20",
                "--quiet"};
    }

    EventLogReader& Log(int i) { return i == 0 ? Events() : events2; }
    std::size_t Count(int i, const nlohmann::json& fields) {
        Log(i).Refresh();
        return Log(i).Count(fields);
    }

    static bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 5000ms) {
        auto end = std::chrono::steady_clock::now() + timeout;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            std::this_thread::sleep_for(10ms);
        }
        return true;
    }
    std::size_t Stored() {
        std::vector<std::string> macs;
        store->GetAllApMac(macs);
        return macs.size();
    }
    void DiscoverAll() {
        link->SendDiscover();
        ASSERT_TRUE(WaitUntil([&] { return Stored() == 4; })) << Stored();
    }
};

TEST_F(LinkOverVeth, DiscoveryLeavesEachAdapterFromItsAddressWithItsMac) {
    DiscoverAll();
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        std::string mac = InterfaceMac(net[i].InterfaceA());
        std::string from = i == 0 ? "10.77.0.1:9786" : "10.78.0.1:9786";
        EXPECT_EQ(Count(i, {{"dir", "rx"}, {"msg_type", 1}, {"dest_flag", 0}}), 1u);
        EXPECT_EQ(Count(i, {{"dir", "rx"}, {"msg_type", 1}, {"dest_flag", 0}, {"mac", mac}, {"peer", from}}),
                  1u);
    }
}

TEST_F(LinkOverVeth, RequestLeavesOnlyThroughTheAdapterOfTheDevicesSubnet) {
    DiscoverAll();
    std::string mac = fleet[0][0]["mac"];
    std::uint8_t schedule[4] = {};
    ASSERT_TRUE(link->SendPacketMutilcast(fleet[0][0]["ip"], KORVA_APTimeRebootSetRequest, schedule, 4,
                                          MacArg::Text(mac), true));
    EXPECT_TRUE(WaitUntil([&] { return link->retransmission_size() == 0; })); // answered
    EXPECT_EQ(Count(0, {{"dir", "rx"}, {"msg_type", 5}}), 1u);
    EXPECT_EQ(Count(1, {{"dir", "rx"}, {"msg_type", 5}}), 0u);
    EXPECT_EQ(Count(0, {{"dir", "rx"}, {"msg_type", 5}, {"peer", "10.77.0.1:9787"}}), 1u);
    EXPECT_FALSE(link->SendPacketMutilcast("10.99.0.5", KORVA_APTimeRebootSetRequest, schedule, 4,
                                           MacArg::Text(mac), true));
    EXPECT_EQ(link->retransmission_size(), 0u);
}

TEST_F(LinkOverVeth, IpChangeMovesTheManagedEntry) {
    DiscoverAll();
    std::string mac = fleet[0][1]["mac"];
    std::string oldIp = fleet[0][1]["ip"];
    std::uint8_t request[22] = {1, 10, 77, 200, 1, 255, 255, 0, 0, 10, 77, 0, 1};
    request[21] = 1; // apply without a restart
    link->UpdateManageApIp(mac, oldIp, "10.77.200.1");
    ASSERT_TRUE(link->SendPacketMutilcast(oldIp, KORVA_APIpSetRequest, request, 22, MacArg::Text(mac), true));
    auto ipOf = [&] {
        for (const auto& e : link->managed().Snapshot()) {
            if (e.mac == mac) {
                return e.ip;
            }
        }
        return std::string();
    };
    EXPECT_TRUE(WaitUntil([&] { return ipOf() == "10.77.200.1"; })) << ipOf();
    EXPECT_EQ(link->retransmission_size(), 0u); // the answer came from the old address
}

TEST_F(LinkOverVeth, AdapterWhoseAddressChangesMovesInTheTable) {
    link->GetLocalAdapters();
    auto before = link->adapter_addresses();
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[0].address, "10.77.0.1");
    ASSERT_EQ(RunCommand({"ip", "addr", "del", "10.77.0.1/16", "dev", net[0].InterfaceA()}), 0);
    ASSERT_EQ(RunCommand({"ip", "addr", "add", "10.79.0.1/16", "dev", net[0].InterfaceA()}), 0);
    link->GetLocalAdapters();
    auto after = link->adapter_addresses();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].address, "10.78.0.1");
    EXPECT_EQ(after[1].address, "10.79.0.1");
    EXPECT_EQ(after[1].adapterName, net[0].InterfaceA());
}

TEST_F(LinkOverVeth, RawDiscoveryFrameArrivesWithValidChecksums) {
    std::string target = fleet[0][0]["mac"];
    std::string capture = PathIn("raw.pcap");
    std::string tsharkOut;
    std::atomic<bool> captured{false};
    std::thread tshark([&] {
        auto cmd = net[0].ExecPrefix();
        cmd.insert(cmd.end(), {"tshark", "-q", "-i", net[0].InterfaceB(), "-c", "1", "-a", "duration:8", "-w",
                               capture, "-f", "udp port 9786 and ether dst " + target});
        RunCommand(cmd, &tsharkOut);
        captured = true;
    });
    MacBytes filter{};
    ParseMacText(target, filter.data());
    link->SetFilter(true, filter);
    link->RefreshCaptureDevices();
    // tshark takes a moment before it captures: a MAC scan pass every 200 ms until it has one.
    for (int pass = 0; pass < 40 && !captured; ++pass) {
        link->SendDiscover();
        std::this_thread::sleep_for(200ms);
    }
    tshark.join();
    std::string decoded;
    ASSERT_EQ(RunCommand({"tshark", "-r", capture, "-V", "-o", "ip.check_checksum:TRUE", "-o",
                          "udp.check_checksum:TRUE"},
                         &decoded),
              0)
        << tsharkOut;
    EXPECT_NE(decoded.find("Header checksum status: Good"), std::string::npos) << decoded;
    EXPECT_NE(decoded.find("Checksum Status: Good"), std::string::npos) << decoded;
    EXPECT_NE(decoded.find("Destination Address: 10.77.255.255"), std::string::npos) << decoded;
    EXPECT_NE(decoded.find("Source Address: 10.77.0.1"), std::string::npos) << decoded;
    EXPECT_NE(decoded.find(target), std::string::npos) << decoded;
}

} // namespace
} // namespace cpe::e2e
