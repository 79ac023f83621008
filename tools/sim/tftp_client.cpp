#include "tftp_client.h"

#include <arpa/inet.h>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace cpe::sim {

namespace {
constexpr std::uint16_t kRrq = 1, kData = 3, kAck = 4, kError = 5, kOack = 6;
constexpr std::size_t kWantBlock = 1428;

std::uint16_t Be16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

void PutBe16(std::vector<std::uint8_t>& v, std::uint16_t x) {
    v.push_back(static_cast<std::uint8_t>(x >> 8));
    v.push_back(static_cast<std::uint8_t>(x));
}

void PutZ(std::vector<std::uint8_t>& v, const std::string& s) {
    v.insert(v.end(), s.begin(), s.end());
    v.push_back(0);
}

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    int fd() const { return fd_; }

private:
    int fd_;
};
} // namespace

TftpResult TftpFetch(Ipv4 local, Ipv4 server, std::uint16_t port, const std::string& file,
                     const std::atomic<bool>& stop) {
    TftpResult res;
    Socket sock(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (sock.fd() < 0) {
        res.why = "socket failed";
        return res;
    }
    sockaddr_in me{};
    me.sin_family = AF_INET;
    me.sin_addr.s_addr = htonl(local);
    if (bind(sock.fd(), reinterpret_cast<sockaddr*>(&me), sizeof me) != 0) {
        res.why = "cannot bind to the device address";
        return res;
    }
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port);
    peer.sin_addr.s_addr = htonl(server);

    std::vector<std::uint8_t> last;
    PutBe16(last, kRrq);
    PutZ(last, file);
    PutZ(last, "octet");
    PutZ(last, "tsize");
    PutZ(last, "0");
    PutZ(last, "blksize");
    PutZ(last, std::to_string(kWantBlock));
    bool locked = false; // the server answers from its own transfer port; keep to that one
    std::size_t block = 512;
    std::uint16_t expect = 1;
    int silent = 0;
    std::vector<std::uint8_t> buf(65536);
    while (!stop.load()) {
        sendto(sock.fd(), last.data(), last.size(), 0, reinterpret_cast<sockaddr*>(&peer), sizeof peer);
        pollfd pfd{sock.fd(), POLLIN, 0};
        if (poll(&pfd, 1, 1000) <= 0) {
            if (++silent > 5) {
                res.why = "no answer from the file server";
                return res;
            }
            continue;
        }
        sockaddr_in from{};
        socklen_t flen = sizeof from;
        const ssize_t n =
            recvfrom(sock.fd(), buf.data(), buf.size(), 0, reinterpret_cast<sockaddr*>(&from), &flen);
        if (n < 4 || from.sin_addr.s_addr != peer.sin_addr.s_addr ||
            (locked && from.sin_port != peer.sin_port)) {
            continue;
        }
        if (!locked) {
            peer.sin_port = from.sin_port;
            locked = true;
        }
        silent = 0;
        const std::uint16_t op = Be16(buf.data());
        if (op == kError) {
            res.why = "file server error " + std::to_string(Be16(buf.data() + 2)) + ": " +
                      std::string(reinterpret_cast<const char*>(buf.data() + 4),
                                  strnlen(reinterpret_cast<const char*>(buf.data() + 4),
                                          static_cast<std::size_t>(n - 4)));
            return res;
        }
        if (op == kOack && expect == 1) {
            for (std::size_t i = 2; i < static_cast<std::size_t>(n);) {
                const std::string key(reinterpret_cast<const char*>(buf.data() + i));
                i += key.size() + 1;
                if (i >= static_cast<std::size_t>(n)) {
                    break;
                }
                const std::string value(reinterpret_cast<const char*>(buf.data() + i));
                i += value.size() + 1;
                if (key == "blksize" && !value.empty() && value.size() < 6) {
                    block = std::stoul(value);
                }
            }
            last.clear();
            PutBe16(last, kAck);
            PutBe16(last, 0);
            continue;
        }
        if (op != kData) {
            continue;
        }
        const std::uint16_t num = Be16(buf.data() + 2);
        last.clear();
        PutBe16(last, kAck);
        PutBe16(last, num);
        if (num != expect) {
            continue; // a repeat of a block already counted: acknowledge it again
        }
        const std::size_t len = static_cast<std::size_t>(n) - 4;
        res.bytes += len;
        ++expect;
        if (len < block) {
            sendto(sock.fd(), last.data(), last.size(), 0, reinterpret_cast<sockaddr*>(&peer), sizeof peer);
            res.ok = true;
            return res;
        }
    }
    res.why = "stopped";
    return res;
}

} // namespace cpe::sim
