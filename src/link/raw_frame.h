#pragma once

#include "link/packet.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// The MAC scan's hand-built Ethernet/IPv4/UDP discovery frame.
namespace cpe {

inline constexpr std::size_t kRawDiscoverFrameSize = 58;
using RawDiscoverFrame = std::array<std::uint8_t, kRawDiscoverFrameSize>;

namespace raw_offset {
inline constexpr std::size_t kEthDest = 0;
inline constexpr std::size_t kEthSource = 6;
inline constexpr std::size_t kEtherType = 12;
inline constexpr std::size_t kIp = 14; // 20-byte IPv4 header
inline constexpr std::size_t kIpTotalLength = 16;
inline constexpr std::size_t kIpId = 18;
inline constexpr std::size_t kIpTtl = 22;
inline constexpr std::size_t kIpProtocol = 23;
inline constexpr std::size_t kIpChecksum = 24;
inline constexpr std::size_t kIpSource = 26;
inline constexpr std::size_t kIpDest = 30;
inline constexpr std::size_t kUdp = 34; // 8-byte UDP header
inline constexpr std::size_t kUdpChecksum = 40;
inline constexpr std::size_t kPayload = 42; // a 16-byte discovery request
} // namespace raw_offset

// RFC 1071 checksum of `bytes` with `initial` (a partial sum) added, already complemented.
std::uint16_t InternetChecksum(std::span<const std::uint8_t> bytes, std::uint32_t initial = 0);

// The frame to `filterMac` from the adapter, IPv4 from `sourceIp` to `broadcastIp` (dotted),
// UDP 9786 to 9786, carrying a type-1 request with zero MAC. False when an address is not IPv4.
bool BuildRawDiscoverFrame(RawDiscoverFrame& frame, const MacBytes& filterMac, const MacBytes& adapterMac,
                           const std::string& sourceIp, const std::string& broadcastIp);

} // namespace cpe
