#pragma once

#include "sim_bytes.h"

#include <netinet/in.h>
#include <string>

namespace cpe::sim {

// The simulator's three sockets: the discovery listener on 0.0.0.0:9786, the request listener on
// 239.255.255.250:9787 joined on one interface, and one sender on an ephemeral port that picks
// each device's own source address per datagram (IP_PKTINFO), so that one descriptor serves any
// number of device addresses and no console port is ever taken.
class SimSockets {
public:
    SimSockets() = default;
    ~SimSockets();
    SimSockets(const SimSockets&) = delete;
    SimSockets& operator=(const SimSockets&) = delete;

    // `ifindex` and `ifaddr` name the interface the group is joined on.
    bool Open(unsigned ifindex, Ipv4 ifaddr, std::string& why);

    int DiscoveryFd() const { return discovery_; }
    int RequestFd() const { return request_; }

    bool SendFrom(Ipv4 source, Ipv4 dest, std::uint16_t port, ConstBytes datagram, std::string& why);

    // Non-blocking receive of one datagram; returns its length or -1 when none is waiting. A
    // datagram longer than `cap` is reported with its full length (and cut).
    static long Receive(int fd, std::uint8_t* buf, std::size_t cap, sockaddr_in& from);

private:
    int discovery_ = -1;
    int request_ = -1;
    int sender_ = -1;
};

} // namespace cpe::sim
