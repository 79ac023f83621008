#pragma once

#include "SimDevice.h"

#include <cstdint>
#include <string>
#include <vector>

// How a device applies the configuration requests to its settings. Each function checks the
// payload the way a device does (size for its model, ranges) and either changes the block and
// lists what changed, or leaves it alone and says why.
namespace cpe::sim {

struct ApplyResult {
    bool ok = false;
    std::string why;                  // when refused
    std::vector<std::string> changed; // names of the fields that now differ
};

ApplyResult ApplyAddressing(ReportBlock& block, ConstBytes payload);              // type 3
ApplyResult ApplyWireless(ReportBlock& block, std::uint16_t type, ConstBytes p);  // type 4
ApplyResult ApplySchedule(ReportBlock& block, ConstBytes payload);                // type 5
ApplyResult ApplyName(ReportBlock& block, ConstBytes payload);                    // type 8
ApplyResult ApplyVlan(ReportBlock& block, std::uint16_t type, ConstBytes p);      // type 13
ApplyResult ApplySwitch(ReportBlock& block, std::uint16_t msgType, ConstBytes p); // types 18, 19

// Bridge request (type 7), read but not yet applied: the device first checks the access point.
struct BridgeRequest {
    Mac bridgeMac{};
    std::uint8_t channel = 0;
    std::string ssid;
    std::uint8_t secureMode = 0;
    std::string pskKey;
    std::uint8_t wepKeyIndex = 0; // 0..3 in the request
    std::string wepKeys[4];
    Ipv4 ip = 0;
};
bool ParseBridge(ConstBytes payload, BridgeRequest& out, std::string& why);
// Makes the device a station of the access point: bridge fields, SSID, security and addressing.
ApplyResult ApplyBridge(ReportBlock& block, ConstBytes payload, std::uint8_t apChannel);

struct UpgradeRequest {
    std::string file;
    std::uint32_t size = 0;
};
bool ParseUpgrade(ConstBytes payload, UpgradeRequest& out, std::string& why);

// Factory settings of a device: its model name, an open default network, no VLAN, no schedule,
// access point mode; the addressing it left the factory with is kept.
ReportBlock FactoryDefaults(const ReportBlock& generated, const Mac& mac, std::uint16_t type);

// The next firmware version text after an upgrade (the last number goes up by one).
std::string NextVersion(const std::string& version);

} // namespace cpe::sim
