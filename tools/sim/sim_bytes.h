#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Little-endian accessors over byte buffers. Reads past the end of the buffer give 0 and writes
// past it are ignored, so a short payload never reads or writes out of bounds.
namespace cpe::sim {

using Bytes = std::span<std::uint8_t>;
using ConstBytes = std::span<const std::uint8_t>;
using Mac = std::array<std::uint8_t, 6>;
using Ipv4 = std::uint32_t; // host order: 192.168.0.1 is 0xC0A80001

inline std::uint8_t Get8(ConstBytes b, std::size_t off) {
    return off < b.size() ? b[off] : 0;
}
inline void Put8(Bytes b, std::size_t off, std::uint8_t v) {
    if (off < b.size()) {
        b[off] = v;
    }
}
inline std::uint16_t GetLe16(ConstBytes b, std::size_t off) {
    return static_cast<std::uint16_t>(Get8(b, off) | (Get8(b, off + 1) << 8));
}
inline void PutLe16(Bytes b, std::size_t off, std::uint16_t v) {
    Put8(b, off, static_cast<std::uint8_t>(v));
    Put8(b, off + 1, static_cast<std::uint8_t>(v >> 8));
}
inline std::uint32_t GetLe32(ConstBytes b, std::size_t off) {
    return static_cast<std::uint32_t>(GetLe16(b, off)) |
           (static_cast<std::uint32_t>(GetLe16(b, off + 2)) << 16);
}
inline void PutLe32(Bytes b, std::size_t off, std::uint32_t v) {
    PutLe16(b, off, static_cast<std::uint16_t>(v));
    PutLe16(b, off + 2, static_cast<std::uint16_t>(v >> 16));
}

// IPv4 addresses travel in network order: the first dotted number first.
inline Ipv4 GetIp(ConstBytes b, std::size_t off) {
    return (static_cast<Ipv4>(Get8(b, off)) << 24) | (static_cast<Ipv4>(Get8(b, off + 1)) << 16) |
           (static_cast<Ipv4>(Get8(b, off + 2)) << 8) | Get8(b, off + 3);
}
inline void PutIp(Bytes b, std::size_t off, Ipv4 ip) {
    for (int i = 0; i < 4; ++i) {
        Put8(b, off + static_cast<std::size_t>(i), static_cast<std::uint8_t>(ip >> (24 - 8 * i)));
    }
}

Mac GetMac(ConstBytes b, std::size_t off);
void PutMac(Bytes b, std::size_t off, const Mac& mac);

// A length-counted text: `width` bytes of text at `off`, its length byte at `lenOff`. The stored
// length is cut to the width.
std::string GetText(ConstBytes b, std::size_t off, std::size_t width, std::size_t lenOff);
void PutText(Bytes b, std::size_t off, std::size_t width, std::size_t lenOff, std::string_view text);

std::string IpText(Ipv4 ip);
bool ParseIp(std::string_view text, Ipv4& out);
std::string MacText(const Mac& mac);
bool ParseMac(std::string_view text, Mac& out);
std::string HexText(ConstBytes b);
bool ParseHex(std::string_view text, std::string& out);

// True when the text is well-formed UTF-8 (what devices keep in names and SSIDs).
bool IsUtf8(std::string_view text);
// The longest leading part of the text of at most `limit` bytes that ends on a whole character.
std::string CutUtf8(std::string_view text, std::size_t limit);

} // namespace cpe::sim
