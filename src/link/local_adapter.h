#pragma once

#include "link/packet.h"

#include <optional>
#include <string>
#include <vector>

// The PC's own network adapters as the link sees them, and the address rules that decide which
// adapter reaches which device.
namespace cpe {

inline constexpr int kAdapterKindEthernet = 1; // the only kind the link uses
inline constexpr std::size_t kMaxAdapterAddresses = 10;

struct AdapterAddress {
    std::string address; // dotted IPv4
    std::string mask;    // dotted IPv4
};

struct LocalAdapter {
    int kind = 0;
    MacBytes mac{};
    std::string description; // driver or model when the system tells, else the interface name
    std::string name;        // the interface name; also the capture device's name
    unsigned ifindex = 0;
    std::vector<AdapterAddress> addresses; // at most kMaxAdapterAddresses
};

// One discovery datagram of a pass: to the directed broadcast of one adapter address.
struct DiscoverTarget {
    std::string broadcast;
    MacBytes mac{};
    std::string adapterName;
    std::string address;
    unsigned ifindex = 0;
};

// A target per adapter address that has a directed broadcast, skipping repeats of the same
// broadcast address and MAC.
std::vector<DiscoverTarget> BuildDiscoverTargets(const std::vector<LocalAdapter>& adapters);

// Every Ethernet-type interface that is up and has IPv4 addresses, in the system's order.
std::vector<LocalAdapter> EnumerateSystemAdapters();
// Loopback mode: `lo` alone, as 127.0.0.1/255.0.0.0.
std::vector<LocalAdapter> LoopbackAdapters();

// True when the device address lies in the adapter's subnet; false for any empty or 0.0.0.0
// address or mask.
bool InSubnet(const std::string& address, const std::string& mask, const std::string& device);
// address | ~mask as text; none for a 0.0.0.0 or unparsable address or mask.
std::optional<std::string> DirectedBroadcast(const std::string& address, const std::string& mask);

} // namespace cpe
