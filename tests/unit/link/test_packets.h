#pragma once

#include "link/bytes.h"
#include "link/packet.h"

#include <arpa/inet.h>
#include <cstring>
#include <string>
#include <vector>

// Device datagrams for tests, laid out by hand from the header table.
namespace cpe::test {

inline ap_packet_info DevicePacket(int msgType, const std::string& mac, const std::string& ip,
                                   const std::vector<std::uint8_t>& payload = {}, std::uint16_t apType = 7) {
    ap_packet_info p;
    sockaddr_in from{};
    from.sin_family = AF_INET;
    from.sin_port = htons(9000);
    inet_pton(AF_INET, ip.c_str(), &from.sin_addr);
    std::memcpy(p.sender.data(), &from, sizeof from);
    std::uint8_t* h = p.packet.data();
    h[0] = 0x88;
    h[1] = 0x19;
    PutU16(h + 2, apType);
    PutU16(h + 4, static_cast<std::uint16_t>(msgType));
    ParseMacText(mac, h + 8);
    PutU16(h + 14, static_cast<std::uint16_t>(payload.size()));
    std::memcpy(h + 16, payload.data(), payload.size());
    return p;
}

// A payload of `size` zero bytes with `bytes` written at `offset`.
inline std::vector<std::uint8_t> Payload(std::size_t size, std::size_t offset = 0,
                                         std::vector<std::uint8_t> bytes = {}) {
    std::vector<std::uint8_t> p(size, 0);
    std::copy(bytes.begin(), bytes.end(), p.begin() + static_cast<std::ptrdiff_t>(offset));
    return p;
}

} // namespace cpe::test
