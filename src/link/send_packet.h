#pragma once

#include "link/packet.h"

#include <cstdint>
#include <string>

namespace cpe {

// Builds a request and sends it with one sendto to destIp:port. False (and "socket sendto fail"
// in the log) when nothing was sent.
bool SendPacket(int socket, const std::uint8_t* payload, const MacArg& mac, const std::string& destIp,
                std::uint16_t port, std::uint16_t msgType, std::uint16_t dataLen, bool destFlag);

} // namespace cpe
