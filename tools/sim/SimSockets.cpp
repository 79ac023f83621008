#include "SimSockets.h"

#include "link/message_types.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace cpe::sim {

namespace {
std::string Err(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

int UdpSocket(std::string& why) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        why = Err("socket");
        return -1;
    }
    const int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    const int size = 8 << 20; // capped by the system's limit; large fleets answer in bursts
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
    return fd;
}

bool Bind(int fd, Ipv4 addr, std::uint16_t port, std::string& why) {
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    sa.sin_addr.s_addr = htonl(addr);
    if (bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
        why = Err("bind");
        return false;
    }
    return true;
}
} // namespace

SimSockets::~SimSockets() {
    for (int fd : {discovery_, request_, sender_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool SimSockets::Open(unsigned ifindex, Ipv4 ifaddr, std::string& why) {
    discovery_ = UdpSocket(why);
    if (discovery_ < 0) {
        return false;
    }
    const int one = 1;
    if (setsockopt(discovery_, SOL_SOCKET, SO_BROADCAST, &one, sizeof one) != 0) {
        why = Err("SO_BROADCAST");
        return false;
    }
    if (!Bind(discovery_, INADDR_ANY, kPortDiscoverSend, why)) {
        why = "discovery listener 0.0.0.0:9786: " + why;
        return false;
    }
    request_ = UdpSocket(why);
    if (request_ < 0) {
        return false;
    }
    Ipv4 group = 0;
    ParseIp(kRequestGroup, group);
    if (!Bind(request_, group, kPortHeartbeat, why)) {
        why = "request listener 239.255.255.250:9787: " + why;
        return false;
    }
    ip_mreqn mreq{};
    mreq.imr_multiaddr.s_addr = htonl(group);
    mreq.imr_address.s_addr = htonl(ifaddr);
    mreq.imr_ifindex = static_cast<int>(ifindex);
    if (setsockopt(request_, IPPROTO_IP, IP_ADD_MEMBERSHIP, &mreq, sizeof mreq) != 0) {
        why = Err("IP_ADD_MEMBERSHIP");
        return false;
    }
    sender_ = UdpSocket(why);
    if (sender_ < 0) {
        return false;
    }
    return Bind(sender_, INADDR_ANY, 0, why);
}

bool SimSockets::SendFrom(Ipv4 source, Ipv4 dest, std::uint16_t port, ConstBytes datagram, std::string& why) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(dest);
    iovec iov{const_cast<std::uint8_t*>(datagram.data()), datagram.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    msghdr msg{};
    msg.msg_name = &to;
    msg.msg_namelen = sizeof to;
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    msg.msg_control = control;
    msg.msg_controllen = sizeof control;
    cmsghdr* cm = CMSG_FIRSTHDR(&msg);
    cm->cmsg_level = IPPROTO_IP;
    cm->cmsg_type = IP_PKTINFO;
    cm->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
    in_pktinfo info{};
    info.ipi_spec_dst.s_addr = htonl(source);
    std::memcpy(CMSG_DATA(cm), &info, sizeof info);
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (sendmsg(sender_, &msg, 0) >= 0) {
            return true;
        }
        if (errno != EAGAIN && errno != ENOBUFS) {
            break;
        }
        usleep(200); // the send queue is full for a moment during a burst
    }
    why = Err("sendmsg");
    return false;
}

long SimSockets::Receive(int fd, std::uint8_t* buf, std::size_t cap, sockaddr_in& from) {
    socklen_t len = sizeof from;
    const ssize_t n = recvfrom(fd, buf, cap, MSG_TRUNC, reinterpret_cast<sockaddr*>(&from), &len);
    return n < 0 ? -1 : static_cast<long>(n);
}

} // namespace cpe::sim
