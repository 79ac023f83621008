#pragma once

#include "link/message_types.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <netinet/in.h>
#include <string>
#include <string_view>

namespace cpe {

namespace header_offset {
inline constexpr std::size_t kMagic = 0;    // u16
inline constexpr std::size_t kApType = 2;   // u16
inline constexpr std::size_t kMsgType = 4;  // u16
inline constexpr std::size_t kDestFlag = 6; // u8
inline constexpr std::size_t kReserved = 7; // u8
inline constexpr std::size_t kMac = 8;      // 6 bytes
inline constexpr std::size_t kDataLen = 14; // u16
} // namespace header_offset

using MacBytes = std::array<std::uint8_t, 6>;
using PacketBuffer = std::array<std::uint8_t, kMaxDatagram>;

// The MAC argument of a request: MAC text ("%02x:%02x:..."), six raw bytes, or none (zeros).
struct MacArg {
    MacBytes bytes{};
    static MacArg None() { return {}; }
    static MacArg Raw(const std::uint8_t* raw);
    // Text that is empty or no MAC gives zeros.
    static MacArg Text(std::string_view text);
};

struct PacketHeader {
    std::uint16_t magic = 0;
    std::uint16_t ap_type = 0;
    std::uint16_t msg_type = 0;
    std::uint8_t dest_flag = 0;
    MacBytes mac{};
    std::uint16_t data_len = 0;
};

PacketHeader ReadHeader(const std::uint8_t* packet);

// Fills `out` (zeroed first) with a console request and returns the number of bytes to send,
// 16 + data_len; 0 when the payload does not fit a datagram.
std::size_t BuildPacket(PacketBuffer& out, std::uint16_t msgType, const MacArg& mac,
                        const std::uint8_t* payload, std::size_t dataLen, bool destFlag);

// The receive test of the three console ports: 16..1472 bytes, the magic, and type 1 only on
// 9785, type 15 only on 9787, any type on 9788.
bool PassesReceiveTest(std::uint16_t port, const std::uint8_t* data, std::size_t length);

// One accepted datagram with its sender: the 16-byte IPv4 socket address (family, port and
// address in network order, 8 zeros) and the packet zero-filled to 1472 bytes.
struct ap_packet_info {
    std::array<std::uint8_t, 16> sender{};
    PacketBuffer packet{};

    std::string sender_ip() const;
    std::uint16_t sender_port() const;
    in_addr sender_addr() const;
    PacketHeader header() const { return ReadHeader(packet.data()); }
    std::uint16_t msg_type() const;
    std::uint16_t ap_type() const;
    std::uint16_t data_len() const;
    std::string mac_text() const;
    const std::uint8_t* payload() const { return packet.data() + kHeaderSize; }
};

// Runs the receive test for `port` and, when it passes, fills `out`. False drops the datagram.
bool AcceptDatagram(std::uint16_t port, const sockaddr_in& from, const std::uint8_t* data, std::size_t length,
                    ap_packet_info& out);

} // namespace cpe
