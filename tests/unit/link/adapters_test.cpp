#include "link/AdapterAddressTable.h"
#include "link/local_adapter.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

LocalAdapter Adapter(const std::string& name, std::uint8_t macTail, std::vector<AdapterAddress> addresses) {
    LocalAdapter a;
    a.kind = kAdapterKindEthernet;
    a.name = name;
    a.mac = {0x02, 0, 0, 0, 0, macTail};
    a.addresses = std::move(addresses);
    return a;
}

TEST(AddressRules, SubnetAndDirectedBroadcast) {
    struct Case {
        const char* address;
        const char* mask;
        const char* device;
        bool inSubnet;
        const char* broadcast; // "" = none
    } cases[] = {
        {"192.168.1.10", "255.255.255.0", "192.168.1.200", true, "192.168.1.255"},
        {"192.168.1.10", "255.255.255.0", "192.168.2.200", false, "192.168.1.255"},
        {"10.0.0.5", "255.0.0.0", "10.200.1.1", true, "10.255.255.255"},
        {"172.16.5.1", "255.255.252.0", "172.16.7.9", true, "172.16.7.255"},
        {"0.0.0.0", "255.255.255.0", "0.0.0.1", false, ""},
        {"192.168.1.10", "0.0.0.0", "192.168.1.20", false, ""},
        {"192.168.1.10", "", "192.168.1.20", false, ""},
        {"192.168.1.10", "255.255.255.0", "0.0.0.0", false, "192.168.1.255"},
        {"192.168.1.10", "255.255.255.0", "", false, "192.168.1.255"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.address) + "/" + c.mask + " " + c.device);
        EXPECT_EQ(InSubnet(c.address, c.mask, c.device), c.inSubnet);
        auto b = DirectedBroadcast(c.address, c.mask);
        EXPECT_EQ(b.value_or(""), c.broadcast);
    }
}

TEST(AddressRules, UnpluggedAdapterIsIgnoredAndOtherKindsToo) {
    auto unplugged = Adapter("eth0", 1, {{"0.0.0.0", "0.0.0.0"}, {"192.168.1.2", "255.255.255.0"}});
    auto wifi = Adapter("wlan0", 2, {{"10.1.1.1", "255.255.255.0"}});
    wifi.kind = 0;
    auto bare = Adapter("eth1", 3, {});
    auto good = Adapter("eth2", 4, {{"10.2.2.2", "255.255.255.0"}});
    auto accepted = AcceptedAdapters({unplugged, wifi, bare, good});
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].name, "eth2");
}

TEST(DiscoverTargets, OnePerAddressWithThatAdaptersMacAndNoRepeats) {
    auto a = Adapter("eth0", 1, {{"192.168.1.10", "255.255.255.0"}, {"10.0.0.5", "255.0.0.0"}});
    auto b = Adapter("eth1", 2, {{"192.168.2.10", "255.255.255.0"}, {"192.168.2.11", "255.255.255.0"}});
    auto targets = BuildDiscoverTargets({a, b});
    ASSERT_EQ(targets.size(), 3u); // 192.168.2.11 repeats broadcast and MAC of .10
    EXPECT_EQ(targets[0].broadcast, "192.168.1.255");
    EXPECT_EQ(targets[1].broadcast, "10.255.255.255");
    EXPECT_EQ(targets[1].address, "10.0.0.5");
    EXPECT_EQ(targets[1].mac, a.mac);
    EXPECT_EQ(targets[2].broadcast, "192.168.2.255");
    EXPECT_EQ(targets[2].mac, b.mac);
    EXPECT_EQ(targets[2].adapterName, "eth1");
}

TEST(AdapterAddressTable, ChangedAddressLeavesAndTheNewOneGoesLast) {
    AdapterAddressTable table;
    table.Merge({Adapter("eth0", 1, {{"192.168.1.10", "255.255.255.0"}}),
                 Adapter("eth1", 2, {{"192.168.2.10", "255.255.255.0"}})});
    table.Merge({Adapter("eth0", 1, {{"192.168.3.10", "255.255.255.0"}}),
                 Adapter("eth1", 2, {{"192.168.2.10", "255.255.255.0"}})});
    auto entries = table.Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].address, "192.168.2.10");
    EXPECT_EQ(entries[1].address, "192.168.3.10");
    EXPECT_EQ(entries[1].adapterName, "eth0");
    auto reaching = table.Reaching("192.168.3.77");
    ASSERT_EQ(reaching.size(), 1u);
    EXPECT_EQ(reaching[0].address, "192.168.3.10");
    EXPECT_TRUE(table.Reaching("192.168.1.77").empty());
    table.Merge({});
    EXPECT_TRUE(table.Entries().empty());
}

TEST(LocalAdapters, LoopbackModeIsLoAloneOnItsSlashEight) {
    auto lo = LoopbackAdapters();
    ASSERT_EQ(lo.size(), 1u);
    EXPECT_EQ(lo[0].name, "lo");
    ASSERT_EQ(lo[0].addresses.size(), 1u);
    EXPECT_EQ(lo[0].addresses[0].address, "127.0.0.1");
    EXPECT_EQ(lo[0].addresses[0].mask, "255.0.0.0");
    auto targets = BuildDiscoverTargets(AcceptedAdapters(lo));
    ASSERT_EQ(targets.size(), 1u);
    EXPECT_EQ(targets[0].broadcast, "127.255.255.255");
}

TEST(LocalAdapters, SystemListHoldsOnlyEthernetWithAddresses) {
    for (const auto& a : EnumerateSystemAdapters()) {
        EXPECT_EQ(a.kind, kAdapterKindEthernet) << a.name;
        EXPECT_NE(a.name, "lo");
        EXPECT_FALSE(a.addresses.empty()) << a.name;
        EXPECT_LE(a.addresses.size(), kMaxAdapterAddresses);
        EXPECT_FALSE(a.description.empty());
    }
}

} // namespace
} // namespace cpe
