#pragma once

#include <cstddef>
#include <cstdint>

// Numeric facts of the device protocol, shared by the console and the device simulator.
namespace cpe {

inline constexpr std::uint16_t kPacketMagic = 6536; // 0x1988, little-endian on the wire
inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kMaxDatagram = 1472;
inline constexpr std::size_t kMaxPayload = kMaxDatagram - kHeaderSize; // 1456

inline constexpr std::uint16_t kPortDiscoverRecv = 9785; // discovery answers in
inline constexpr std::uint16_t kPortDiscoverSend = 9786; // discovery out, device listens here
inline constexpr std::uint16_t kPortHeartbeat = 9787;    // heartbeats in, every request out
inline constexpr std::uint16_t kPortConfig = 9788;       // answers and reports in
inline constexpr const char* kRequestGroup = "239.255.255.250";
inline constexpr const char* kLimitedBroadcast = "255.255.255.255";

enum MessageType : std::uint16_t {
    KORVA_APDiscoverRequest = 1,
    KORVA_APConfigGetRequest = 2,
    KORVA_APIpSetRequest = 3,
    KORVA_APWirelessSetRequest = 4,
    KORVA_APTimeRebootSetRequest = 5,
    KORVA_APSearchApRequest = 6,
    KORVA_APBridgeSetRequest = 7,
    KORVA_APNameSetRequest = 8,
    KORVA_APRebootRequest = 9,
    KORVA_APRestoreRequest = 10,
    KORVA_APUpgradeRequest = 11,
    KORVA_APUpgradeResult = 12,
    KORVA_APVlanSetRequest = 13,
    KORVA_APReserved14 = 14,
    KORVA_APHeartbeat = 15,
    KORVA_APHeartbeatAck = 15,
    KORVA_APUpgradeStateRequest = 16,
    KORVA_APUnmanageRequest = 17,
    KORVA_APTransparentBridgeRequest = 18,
    KORVA_APTdMaenRequest = 19,
};

inline constexpr std::uint16_t kFirstMessageType = 1;
inline constexpr std::uint16_t kLastMessageType = 19;

// Request payload sizes the device accepts, by type.
inline constexpr std::size_t kIpSetPayload = 22;
inline constexpr std::size_t kWirelessPayloadShort = 328;
inline constexpr std::size_t kWirelessPayloadLong = 344;
inline constexpr std::size_t kRebootTimePayload = 4;
inline constexpr std::size_t kBridgeSetPayload = 328;
inline constexpr std::size_t kNameSetPayload = 33;
inline constexpr std::size_t kUpgradePayload = 268;
inline constexpr std::size_t kVlanPayloadShort = 10;
inline constexpr std::size_t kVlanPayloadLong = 26;
inline constexpr std::size_t kSwitchPayload = 16;

// Device payloads.
inline constexpr std::size_t kReportBlockSize = 760;
inline constexpr std::size_t kSurveyPayloadMax = 1414;
inline constexpr std::size_t kSurveyEntrySize = 44;
inline constexpr std::size_t kSurveyMaxEntries = 32;

} // namespace cpe
