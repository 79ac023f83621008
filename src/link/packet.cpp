#include "link/packet.h"

#include "link/bytes.h"

#include <arpa/inet.h>
#include <cstring>

namespace cpe {

MacArg MacArg::Raw(const std::uint8_t* raw) {
    MacArg arg;
    if (raw) {
        std::memcpy(arg.bytes.data(), raw, 6);
    }
    return arg;
}

MacArg MacArg::Text(std::string_view text) {
    MacArg arg;
    if (!ParseMacText(std::string(text), arg.bytes.data())) {
        arg.bytes.fill(0);
    }
    return arg;
}

PacketHeader ReadHeader(const std::uint8_t* packet) {
    PacketHeader h;
    h.magic = GetU16(packet + header_offset::kMagic);
    h.ap_type = GetU16(packet + header_offset::kApType);
    h.msg_type = GetU16(packet + header_offset::kMsgType);
    h.dest_flag = packet[header_offset::kDestFlag];
    std::memcpy(h.mac.data(), packet + header_offset::kMac, 6);
    h.data_len = GetU16(packet + header_offset::kDataLen);
    return h;
}

std::size_t BuildPacket(PacketBuffer& out, std::uint16_t msgType, const MacArg& mac,
                        const std::uint8_t* payload, std::size_t dataLen, bool destFlag) {
    out.fill(0);
    if (dataLen > kMaxPayload) {
        return 0;
    }
    PutU16(out.data() + header_offset::kMagic, kPacketMagic);
    PutU16(out.data() + header_offset::kMsgType, msgType);
    out[header_offset::kDestFlag] = destFlag ? 1 : 0;
    std::memcpy(out.data() + header_offset::kMac, mac.bytes.data(), 6);
    PutU16(out.data() + header_offset::kDataLen, static_cast<std::uint16_t>(dataLen));
    if (payload && dataLen > 0) {
        std::memcpy(out.data() + kHeaderSize, payload, dataLen);
    }
    return kHeaderSize + dataLen;
}

bool PassesReceiveTest(std::uint16_t port, const std::uint8_t* data, std::size_t length) {
    if (!data || length < kHeaderSize || length > kMaxDatagram) {
        return false;
    }
    if (GetU16(data + header_offset::kMagic) != kPacketMagic) {
        return false;
    }
    std::uint16_t type = GetU16(data + header_offset::kMsgType);
    switch (port) {
    case kPortDiscoverRecv:
        return type == KORVA_APDiscoverRequest;
    case kPortHeartbeat:
        return type == KORVA_APHeartbeat;
    case kPortConfig:
        return true;
    default:
        return false;
    }
}

std::string ap_packet_info::sender_ip() const {
    char text[INET_ADDRSTRLEN] = {};
    in_addr addr = sender_addr();
    inet_ntop(AF_INET, &addr, text, sizeof text);
    return text;
}

std::uint16_t ap_packet_info::sender_port() const {
    return static_cast<std::uint16_t>((sender[2] << 8) | sender[3]);
}

in_addr ap_packet_info::sender_addr() const {
    in_addr addr{};
    std::memcpy(&addr.s_addr, sender.data() + 4, 4);
    return addr;
}

std::uint16_t ap_packet_info::msg_type() const {
    return GetU16(packet.data() + header_offset::kMsgType);
}
std::uint16_t ap_packet_info::ap_type() const {
    return GetU16(packet.data() + header_offset::kApType);
}
std::uint16_t ap_packet_info::data_len() const {
    return GetU16(packet.data() + header_offset::kDataLen);
}
std::string ap_packet_info::mac_text() const {
    return MacText(packet.data() + header_offset::kMac);
}

bool AcceptDatagram(std::uint16_t port, const sockaddr_in& from, const std::uint8_t* data, std::size_t length,
                    ap_packet_info& out) {
    if (!PassesReceiveTest(port, data, length)) {
        return false;
    }
    out.sender.fill(0);
    PutU16(out.sender.data(), AF_INET); // family in host order, as the socket API keeps it
    std::memcpy(out.sender.data() + 2, &from.sin_port, 2);
    std::memcpy(out.sender.data() + 4, &from.sin_addr.s_addr, 4);
    out.packet.fill(0);
    std::memcpy(out.packet.data(), data, length);
    return true;
}

} // namespace cpe
