#pragma once

#include "pages/status/status_services.h"

#include <array>
#include <cstdint>
#include <string>

// The device-name request (type 8): the name bytes zero-padded to 32, then their count.
namespace cpe {

inline constexpr int kDeviceNameRequest = 8;
inline constexpr std::size_t kNameBytes = 32;
inline constexpr std::size_t kRenamePayloadSize = 33;
using RenamePayload = std::array<std::uint8_t, kRenamePayloadSize>;

namespace rename_offset {
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kLength = 32;
} // namespace rename_offset

// `wireName`: the bytes as they go out; more than 32 are cut.
RenamePayload BuildRenamePayload(std::string_view wireName);

// The bytes a name (UTF-8, as the operator typed it) takes on the wire: its console code page
// text, as UTF-8 when it holds a Chinese character, at most 32 bytes and never a cut character.
std::string RenameWireName(const std::string& utf8Name);

// The rename worker: the request with retransmission, then a report request for the new name.
void SendRename(IStatusLink& link, const std::string& ip, const std::string& mac,
                const std::string& utf8Name);

} // namespace cpe
