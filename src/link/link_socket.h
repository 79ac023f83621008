#pragma once

#include "link/packet.h"

#include <cstdint>
#include <string>

// The console's UDP sockets: creation with the link's options, and sending from a chosen local
// address and interface through an already open socket.
namespace cpe {

struct SocketOptions {
    std::uint16_t port = 0;
    bool broadcast = false;
    int sendBuffer = 1 << 20;
    int receiveBuffer = 1 << 20;
    // A receive socket on the any address: take no group traffic this process did not join
    // (on Linux a 0.0.0.0 socket gets every joined group's datagrams for its port otherwise).
    bool noForeignGroups = true;
    std::string localAddress; // empty: any address
    std::string group;        // empty: no membership
};

// Closes `fd` if open, then creates, configures and binds a UDP socket; -1 in `fd` and false
// (with the failing step in the log) on error. The granted buffer sizes are logged: Linux doubles
// the request and caps it at net.core.[rw]mem_max.
bool AcCreateSocket(int& fd, const SocketOptions& options);

// Where a datagram leaves from: source address and interface index.
struct SendVia {
    std::string sourceIp;
    unsigned ifindex = 0;
};

// Builds the request and sends it to destIp:port with the source address and interface of `via`
// (IP_PKTINFO), so one socket serves every adapter. Logs "socket sendto fail" when nothing went out.
bool SendPacketVia(int fd, const SendVia& via, const std::uint8_t* payload, const MacArg& mac,
                   const std::string& destIp, std::uint16_t port, std::uint16_t msgType,
                   std::uint16_t dataLen, bool destFlag);

void CloseSocket(int& fd);

} // namespace cpe
