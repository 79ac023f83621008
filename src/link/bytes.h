#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Little-endian and address accessors on raw byte buffers.
namespace cpe {

inline std::uint16_t GetU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t GetU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void PutU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void PutU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// Four bytes in network order as "%d.%d.%d.%d".
inline std::string IpText(const std::uint8_t* p) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", p[0], p[1], p[2], p[3]);
    return text;
}

// Six bytes as "%02x:%02x:%02x:%02x:%02x:%02x".
inline std::string MacText(const std::uint8_t* p) {
    char text[18];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", p[0], p[1], p[2], p[3], p[4], p[5]);
    return text;
}

// Parses "%02x:%02x:%02x:%02x:%02x:%02x" (either case). False when the text is not a MAC.
bool ParseMacText(const std::string& text, std::uint8_t out[6]);

// Parses a dotted IPv4 text into four bytes in network order. False when it is not one.
bool ParseIpText(const std::string& text, std::uint8_t out[4]);

} // namespace cpe
