#pragma once

#include <cstddef>

// Byte offsets of everything a device sends and receives, written from the message tables. The
// simulator keeps its own copy on purpose: a disagreement with the console shows in the tests.
namespace cpe::sim::layout {

// Packet header.
namespace hdr {
inline constexpr std::size_t kMagic = 0, kApType = 2, kMsgType = 4, kDestFlag = 6, kMac = 8, kDataLen = 14;
} // namespace hdr

// Discovery summary (109 bytes); the heartbeat is its first 40 bytes.
namespace sum {
inline constexpr std::size_t kVersion = 0, kVersionLen = 32, kWorkMode = 33, kModeBtn = 34, kUpTime = 36;
inline constexpr std::size_t kName = 40, kNameLen = 72, kSsid = 73, kSsidLen = 105, kChannel = 106;
inline constexpr std::size_t kBridgeTransparent = 107, kTdmaEn = 108;
inline constexpr std::size_t kSize = 109;
inline constexpr std::size_t kHeartbeatSize = 40;
} // namespace sum

// Full report block (760 bytes).
namespace rep {
inline constexpr std::size_t kWorkMode = 0, kModeBtn = 1, kUpTime = 4;
inline constexpr std::size_t kIpMode = 8, kIp = 9, kMask = 13, kGateway = 17, kDns1 = 21, kDns2 = 25;
inline constexpr std::size_t kName = 30, kNameLen = 62, kVersion = 63, kVersionLen = 95;
inline constexpr std::size_t kRestartEn = 96, kRestartType = 97, kRestartTime = 98;
inline constexpr std::size_t kRfCount = 100, kRfEn = 101, kRfType = 102, kCountryCode = 103;
inline constexpr std::size_t kNetworkMode = 104, kBandwidth = 105, kChannel = 106, kExpandChannel = 107;
inline constexpr std::size_t kTxPower = 108, kTxPowerMin = 109, kTxPowerMax = 110;
inline constexpr std::size_t kSsidRfType = 122, kSsidId = 123, kSsidHide = 124, kSsidMac = 125;
inline constexpr std::size_t kSsid = 131, kSsidLen = 163, kSecureMode = 164, kWpapskAuthType = 165;
inline constexpr std::size_t kWpapskKey = 166, kWpapskKeyLen = 230, kWpapskKeyTime = 231;
inline constexpr std::size_t kWepAuthType = 235, kWepKeyIndex = 236, kWepKeys = 237, kWepKeyStride = 28;
inline constexpr std::size_t kWepKeyType = 0, kWepKeyValue = 1, kWepKeyLen = 27, kWepKeyWidth = 26;
inline constexpr std::size_t kRadiusIp = 350, kRadiusPort = 354, kWpaAuthType = 356;
inline constexpr std::size_t kWpaKey = 357, kWpaKeyLen = 421, kWpaKeyTime = 422, kSsidCount = 426;
inline constexpr std::size_t kBridgeWorkMode = 428, kBridgeMac = 429, kBridgeChannel = 435;
inline constexpr std::size_t kBridgeSsid = 436, kBridgeSsidLen = 468;
inline constexpr std::size_t kVlanEn = 732, kVlanId = 734, kVlanIdWlan = 736, kVlanIdLan = 738;
inline constexpr std::size_t kBridgeTransparent = 742, kTdmaEn = 743, kVlanPvid = 744;
inline constexpr std::size_t kVlanIdLan3 = 746, kVlanIdLan4 = 748, kWlDfs = 754, kTrunkPort = 755;
inline constexpr std::size_t kVlanIdLan2 = 756;
inline constexpr std::size_t kSize = 760;
inline constexpr std::size_t kTextWidth = 32, kKeyWidth = 64;

// Request payloads that are slices of the report block.
inline constexpr std::size_t kAddressingAt = kIpMode;         // type 3: 22 bytes, the last one a flag
inline constexpr std::size_t kWirelessAt = kRfCount;          // type 4: 328 bytes
inline constexpr std::size_t kScheduleAt = kRestartEn;        // type 5: 4 bytes
inline constexpr std::size_t kVlanAt = kVlanEn;               // type 13: 10 bytes, byte 8 a flag
inline constexpr std::size_t kVlanExtAt = kBridgeTransparent; // type 13: 16 more bytes
} // namespace rep

// Request payload fields that are not plain slices.
namespace req {
inline constexpr std::size_t kIpApplyFlag = 21;                  // type 3
inline constexpr std::size_t kVlanWithIpFlag = 8;                // type 13
inline constexpr std::size_t kWirelessDfs = 328 + 12;            // type 4, long form
inline constexpr std::size_t kNameLen = 32;                      // type 8: 32 bytes of name, then its length
inline constexpr std::size_t kSwitchBridge = 0, kSwitchTdma = 1; // types 18 and 19
inline constexpr std::size_t kUpgradeName = 0, kUpgradeNameWidth = 260, kUpgradeNameLen = 260;
inline constexpr std::size_t kUpgradeSize = 264;
} // namespace req

// Bridge request (type 7, 328 bytes).
namespace brg {
inline constexpr std::size_t kWorkMode = 0, kBridgeMac = 1, kChannel = 7, kSsid = 8, kSsidLen = 40;
inline constexpr std::size_t kSecureMode = 42, kWpapskAuthType = 43, kWpapskKey = 44, kWpapskKeyLen = 108;
inline constexpr std::size_t kWepKeyIndex = 114, kWepKeys = 115;
inline constexpr std::size_t kSecurityFrom = 42, kSecurityTo = 304; // = report 164..425
inline constexpr std::size_t kAddressing = 304;                     // 22 bytes = report 8..29
inline constexpr std::size_t kSize = 328;
} // namespace brg

// Survey answer (type 6).
namespace srv {
inline constexpr std::size_t kPacketCount = 0, kPacketId = 1, kCount = 2, kEntries = 3, kEntrySize = 44;
inline constexpr std::size_t kMac = 0, kSignal = 6, kChannel = 7, kSecure = 8, kSsid = 9, kSsidLen = 41;
inline constexpr std::size_t kExChannel = 42, kBandwidth = 43;
inline constexpr std::size_t kMaxEntries = 32;
} // namespace srv

} // namespace cpe::sim::layout
