#pragma once

#include "link/message_types.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace cpe {

// One surveyed access point: the 44-byte entry of a survey answer. The network name is
// single-byte text in the console code page, counted by its length byte.
namespace otherwl_offset {
inline constexpr std::size_t kMac = 0;    // 6 bytes
inline constexpr std::size_t kSignal = 6; // signed
inline constexpr std::size_t kChannel = 7;
inline constexpr std::size_t kSecureMode = 8;
inline constexpr std::size_t kSsid = 9; // 32 bytes
inline constexpr std::size_t kSsidLength = 41;
inline constexpr std::size_t kExChannel = 42;
inline constexpr std::size_t kBandwidth = 43;
inline constexpr std::size_t kSsidWidth = 32;
} // namespace otherwl_offset

class config_otherwl_basic {
public:
    std::array<std::uint8_t, kSurveyEntrySize> bytes{};

    const std::uint8_t* mac() const { return &bytes[otherwl_offset::kMac]; }
    void set_mac(const std::uint8_t* mac) { std::memcpy(&bytes[otherwl_offset::kMac], mac, 6); }
    std::int8_t signal() const { return static_cast<std::int8_t>(bytes[otherwl_offset::kSignal]); }
    void set_signal(int v) { bytes[otherwl_offset::kSignal] = static_cast<std::uint8_t>(v); }
    std::uint8_t channel() const { return bytes[otherwl_offset::kChannel]; }
    void set_channel(int v) { bytes[otherwl_offset::kChannel] = static_cast<std::uint8_t>(v); }
    std::uint8_t secure_mode() const { return bytes[otherwl_offset::kSecureMode]; }
    void set_secure_mode(int v) { bytes[otherwl_offset::kSecureMode] = static_cast<std::uint8_t>(v); }
    std::uint8_t exchannel() const { return bytes[otherwl_offset::kExChannel]; }
    void set_exchannel(int v) { bytes[otherwl_offset::kExChannel] = static_cast<std::uint8_t>(v); }
    std::uint8_t bandwidth() const { return bytes[otherwl_offset::kBandwidth]; }
    void set_bandwidth(int v) { bytes[otherwl_offset::kBandwidth] = static_cast<std::uint8_t>(v); }

    // The bytes the length byte counts, at most the 32 of the field.
    std::string ssid() const {
        std::size_t n = std::min<std::size_t>(bytes[otherwl_offset::kSsidLength], otherwl_offset::kSsidWidth);
        return std::string(reinterpret_cast<const char*>(&bytes[otherwl_offset::kSsid]), n);
    }
    void set_ssid(std::string_view text) {
        std::size_t n = std::min(text.size(), otherwl_offset::kSsidWidth);
        std::fill_n(&bytes[otherwl_offset::kSsid], otherwl_offset::kSsidWidth, 0);
        std::memcpy(&bytes[otherwl_offset::kSsid], text.data(), n);
        bytes[otherwl_offset::kSsidLength] = static_cast<std::uint8_t>(n);
    }
};

static_assert(sizeof(config_otherwl_basic) == kSurveyEntrySize);

} // namespace cpe
