#include "link/link_socket.h"

#include "link/log.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cpe {
namespace {

bool SetInt(int fd, int level, int name, int value) {
    return ::setsockopt(fd, level, name, &value, sizeof value) == 0;
}

int GetInt(int fd, int level, int name) {
    int value = 0;
    socklen_t size = sizeof value;
    ::getsockopt(fd, level, name, &value, &size);
    return value;
}

bool Fail(int& fd, const char* message) {
    LOG_ERROR("%s: %s", message, std::strerror(errno));
    CloseSocket(fd);
    return false;
}

} // namespace

void CloseSocket(int& fd) {
    if (fd >= 0) {
        ::close(fd);
    }
    fd = -1;
}

bool AcCreateSocket(int& fd, const SocketOptions& o) {
    CloseSocket(fd);
    fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return Fail(fd, "socket fail");
    }
    if (!SetInt(fd, SOL_SOCKET, SO_REUSEADDR, 1)) {
        return Fail(fd, "socket setsockopt SO_REUSEADDR fail");
    }
    if (o.broadcast && !SetInt(fd, SOL_SOCKET, SO_BROADCAST, 1)) {
        return Fail(fd, "socket setsockopt SO_BROADCAST fail");
    }
    in_addr local{htonl(INADDR_ANY)};
    if (!o.localAddress.empty() && inet_pton(AF_INET, o.localAddress.c_str(), &local) != 1) {
        errno = EINVAL;
        return Fail(fd, "socket bind fail");
    }
    if (!o.group.empty()) {
        ip_mreq mreq{};
        if (inet_pton(AF_INET, o.group.c_str(), &mreq.imr_multiaddr) != 1) {
            errno = EINVAL;
            return Fail(fd, "socket setsockopt IP_ADD_MEMBERSHIP fail");
        }
        mreq.imr_interface = local;
        if (::setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &mreq, sizeof mreq) != 0) {
            return Fail(fd, "socket setsockopt IP_ADD_MEMBERSHIP fail");
        }
    }
    // The console's own requests must not come back to it (and on lo, its acknowledgements
    // would return as heartbeats).
    if (!SetInt(fd, IPPROTO_IP, IP_MULTICAST_LOOP, 0)) {
        return Fail(fd, "socket setsockopt IP_MULTICAST_LOOP fail");
    }
    if (o.noForeignGroups && !SetInt(fd, IPPROTO_IP, IP_MULTICAST_ALL, 0)) {
        return Fail(fd, "socket setsockopt IP_MULTICAST_ALL fail");
    }
    if (!SetInt(fd, SOL_SOCKET, SO_SNDBUF, o.sendBuffer)) {
        return Fail(fd, "socket setsockopt SO_SNDBUF fail");
    }
    if (!SetInt(fd, SOL_SOCKET, SO_RCVBUF, o.receiveBuffer)) {
        return Fail(fd, "socket setsockopt SO_RCVBUF fail");
    }
    LOG_INFO("socket port %u: SO_SNDBUF requested %d granted %d, SO_RCVBUF requested %d granted %d", o.port,
             o.sendBuffer, GetInt(fd, SOL_SOCKET, SO_SNDBUF), o.receiveBuffer,
             GetInt(fd, SOL_SOCKET, SO_RCVBUF));
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(o.port);
    addr.sin_addr = local;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
        return Fail(fd, "socket bind fail");
    }
    return true;
}

bool SendPacketVia(int fd, const SendVia& via, const std::uint8_t* payload, const MacArg& mac,
                   const std::string& destIp, std::uint16_t port, std::uint16_t msgType,
                   std::uint16_t dataLen, bool destFlag) {
    PacketBuffer buffer;
    std::size_t size = BuildPacket(buffer, msgType, mac, payload, dataLen, destFlag);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    in_pktinfo info{};
    info.ipi_ifindex = static_cast<int>(via.ifindex);
    if (size == 0 || fd < 0 || inet_pton(AF_INET, destIp.c_str(), &to.sin_addr) != 1 ||
        inet_pton(AF_INET, via.sourceIp.c_str(), &info.ipi_spec_dst) != 1) {
        LOG_ERROR("socket sendto fail");
        return false;
    }
    iovec iov{buffer.data(), size};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    msghdr msg{};
    msg.msg_name = &to;
    msg.msg_namelen = sizeof to;
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    msg.msg_control = control;
    msg.msg_controllen = sizeof control;
    cmsghdr* cmsg = CMSG_FIRSTHDR(&msg);
    cmsg->cmsg_level = IPPROTO_IP;
    cmsg->cmsg_type = IP_PKTINFO;
    cmsg->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
    std::memcpy(CMSG_DATA(cmsg), &info, sizeof info);
    if (::sendmsg(fd, &msg, 0) <= 0) {
        LOG_ERROR("socket sendto fail: %s", std::strerror(errno));
        return false;
    }
    return true;
}

} // namespace cpe
