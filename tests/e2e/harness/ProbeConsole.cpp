#include "ProbeConsole.h"

#include <arpa/inet.h>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cpe::e2e {

namespace {
int Listen(std::uint16_t port, std::string& why) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const int one = 1, zero = 0, big = 8 << 20;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &big, sizeof big);
    // Without this a socket on 0.0.0.0:9787 would also get every request sent to the group.
    setsockopt(fd, IPPROTO_IP, IP_MULTICAST_ALL, &zero, sizeof zero);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
        why = "cannot listen on port " + std::to_string(port) + ": " + std::strerror(errno);
        if (fd >= 0) {
            close(fd);
        }
        return -1;
    }
    return fd;
}

bool SendTo(int fd, const std::vector<std::uint8_t>& bytes, const std::string& addr, std::uint16_t port) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    inet_pton(AF_INET, addr.c_str(), &to.sin_addr);
    return sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) ==
           static_cast<ssize_t>(bytes.size());
}
} // namespace

std::string ProbeConsole::Datagram::mac() const {
    if (bytes.size() < 14) {
        return {};
    }
    char buf[18];
    std::snprintf(buf, sizeof buf, "%02x:%02x:%02x:%02x:%02x:%02x", bytes[8], bytes[9], bytes[10], bytes[11],
                  bytes[12], bytes[13]);
    return buf;
}

ProbeConsole::~ProbeConsole() {
    for (int fd : {discover_, heartbeat_, config_, sender_, broadcaster_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool ProbeConsole::Open(const std::string& ifaddr, std::string& why) {
    discover_ = Listen(9785, why);
    heartbeat_ = Listen(9787, why);
    config_ = Listen(9788, why);
    if (discover_ < 0 || heartbeat_ < 0 || config_ < 0) {
        return false;
    }
    sender_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    in_addr itf{};
    inet_pton(AF_INET, ifaddr.c_str(), &itf);
    if (setsockopt(sender_, IPPROTO_IP, IP_MULTICAST_IF, &itf, sizeof itf) != 0) {
        why = "IP_MULTICAST_IF " + ifaddr + ": " + std::strerror(errno);
        return false;
    }
    broadcaster_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const int one = 1;
    setsockopt(broadcaster_, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    return true;
}

std::vector<std::uint8_t> ProbeConsole::Packet(std::uint16_t msgType, std::uint8_t destFlag,
                                               const std::string& mac,
                                               const std::vector<std::uint8_t>& payload) {
    std::vector<std::uint8_t> p(16, 0);
    p[0] = 0x88; // magic 6536, little-endian
    p[1] = 0x19;
    p[4] = static_cast<std::uint8_t>(msgType);
    p[5] = static_cast<std::uint8_t>(msgType >> 8);
    p[6] = destFlag;
    unsigned m[6] = {};
    if (!mac.empty() && std::sscanf(mac.c_str(), "%02x:%02x:%02x:%02x:%02x:%02x", &m[0], &m[1], &m[2], &m[3],
                                    &m[4], &m[5]) == 6) {
        for (int i = 0; i < 6; ++i) {
            p[8 + i] = static_cast<std::uint8_t>(m[i]);
        }
    }
    p[14] = static_cast<std::uint8_t>(payload.size());
    p[15] = static_cast<std::uint8_t>(payload.size() >> 8);
    p.insert(p.end(), payload.begin(), payload.end());
    return p;
}

bool ProbeConsole::Discover(const std::string& broadcast) {
    return SendTo(broadcaster_, Packet(1, 0, ""), broadcast, 9786);
}

bool ProbeConsole::Request(std::uint16_t msgType, const std::string& mac,
                           const std::vector<std::uint8_t>& payload) {
    return SendTo(sender_, Packet(msgType, 1, mac, payload), "239.255.255.250", 9787);
}

int ProbeConsole::Fd(std::uint16_t port) const {
    return port == 9785 ? discover_ : port == 9787 ? heartbeat_ : config_;
}

std::optional<ProbeConsole::Datagram> ProbeConsole::Receive(std::uint16_t port,
                                                            std::chrono::milliseconds timeout) {
    pollfd p{Fd(port), POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(timeout.count())) <= 0) {
        return std::nullopt;
    }
    std::uint8_t buf[2048];
    sockaddr_in from{};
    socklen_t len = sizeof from;
    const ssize_t n = recvfrom(Fd(port), buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &len);
    if (n < 0) {
        return std::nullopt;
    }
    char addr[INET_ADDRSTRLEN];
    inet_ntop(AF_INET, &from.sin_addr, addr, sizeof addr);
    return Datagram{std::vector<std::uint8_t>(buf, buf + n), addr};
}

std::optional<ProbeConsole::Datagram> ProbeConsole::Await(std::uint16_t port, std::uint16_t msgType,
                                                          const std::string& mac,
                                                          std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return std::nullopt;
        }
        auto d = Receive(port, left);
        if (d && d->msgType() == msgType && d->mac() == mac) {
            return d;
        }
    }
}

} // namespace cpe::e2e
