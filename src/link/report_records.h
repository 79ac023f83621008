#pragma once

#include "core/CodePage.h"
#include "link/ap_info.h"
#include "link/packet.h"

#include <cstdint>
#include <string>

// Decoding of the three device payloads: discovery summary, heartbeat and full report.
namespace cpe {

namespace summary_offset {
inline constexpr std::size_t kVersion = 0; // 32 bytes, length at 32
inline constexpr std::size_t kVersionLength = 32;
inline constexpr std::size_t kWorkMode = 33;
inline constexpr std::size_t kModeBtnStatus = 34;
inline constexpr std::size_t kUpTime = 36; // u32
inline constexpr std::size_t kApName = 40; // 32 bytes, length at 72
inline constexpr std::size_t kApNameLength = 72;
inline constexpr std::size_t kSsid = 73; // 32 bytes, length at 105
inline constexpr std::size_t kSsidLength = 105;
inline constexpr std::size_t kChannel = 106;
inline constexpr std::size_t kBridgeTransparent = 107;
inline constexpr std::size_t kTdmaEn = 108;
inline constexpr std::size_t kHeartbeatSize = 40;    // a heartbeat carries the first block only
inline constexpr std::size_t kVersionOnlyLimit = 33; // a summary this short carries the version only
} // namespace summary_offset

inline constexpr std::size_t kTextFieldSize = 32;

struct DiscoverySummary {
    std::string version; // as sent (the lists show the part before the first line feed)
    std::uint8_t work_mode = 0;
    std::uint8_t mode_btn_status = 0;
    std::uint32_t up_time = 0;
    std::string ap_name; // console code page
    std::string ssid;    // console code page
    std::uint8_t channel = 0;
    std::uint8_t bridge_transparent = 0;
    std::uint8_t tdmaEn = 0;
};

// The payload of a type-1 answer. A payload of 33 bytes or less gives the version only.
DiscoverySummary DecodeDiscoverySummary(const ap_packet_info& packet,
                                        const CodePage& codePage = ConsoleCodePage());

// The payload of a heartbeat: the first block (version, work mode, mode button, up-time).
DiscoverySummary DecodeHeartbeat(const ap_packet_info& packet);

// The device record from a type-2 report: MAC text and type from the header, at most 760 payload
// bytes, and the three UTF-8 texts repaired and converted.
ap_info_stu BuildApInfoFromReport(const ap_packet_info& packet, const CodePage& codePage = ConsoleCodePage());

// A length-counted text field: `length` (clamped to `size`) bytes from `field`.
std::string CountedText(const std::uint8_t* field, std::size_t size, std::uint8_t length);

} // namespace cpe
