#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cpe::e2e {

// A stand-in console made of plain POSIX sockets, for tests that talk to cpe-sim without the
// console's engine: it listens on 0.0.0.0:9785/9787/9788, broadcasts discoveries and sends
// requests to 239.255.255.250:9787 through one interface address. Its packets are built here
// from the header table, independently of both the console's and the simulator's code.
class ProbeConsole {
public:
    struct Datagram {
        std::vector<std::uint8_t> bytes;
        std::string from; // sender address (dotted)
        std::uint16_t msgType() const { return bytes.size() >= 6 ? bytes[4] | (bytes[5] << 8) : 0; }
        std::string mac() const;
        std::vector<std::uint8_t> payload() const {
            return bytes.size() > 16 ? std::vector<std::uint8_t>(bytes.begin() + 16, bytes.end())
                                     : std::vector<std::uint8_t>{};
        }
    };

    ~ProbeConsole();
    // `ifaddr` is the console's interface address (127.0.0.1 on loopback).
    bool Open(const std::string& ifaddr, std::string& why);

    static std::vector<std::uint8_t> Packet(std::uint16_t msgType, std::uint8_t destFlag,
                                            const std::string& mac,
                                            const std::vector<std::uint8_t>& payload = {});
    bool Discover(const std::string& broadcast); // type 1 to broadcast:9786
    bool Request(std::uint16_t msgType, const std::string& mac,
                 const std::vector<std::uint8_t>& payload = {});

    // Next datagram on port 9785, 9787 or 9788 within the timeout.
    std::optional<Datagram> Receive(std::uint16_t port, std::chrono::milliseconds timeout);
    // Next datagram on the port of the given type from the given MAC (others are dropped).
    std::optional<Datagram> Await(std::uint16_t port, std::uint16_t msgType, const std::string& mac,
                                  std::chrono::milliseconds timeout);

private:
    int Fd(std::uint16_t port) const;
    int discover_ = -1, heartbeat_ = -1, config_ = -1, sender_ = -1, broadcaster_ = -1;
};

} // namespace cpe::e2e
