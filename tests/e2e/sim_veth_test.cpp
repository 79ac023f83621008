// cpe-sim on a namespace interface, reached over a veth pair: IP change, survey, bridge and a
// firmware upgrade fetched from a small TFTP server of the test. Needs root (skipped otherwise).
#include "NamespacePair.h"
#include "ProbeConsole.h"
#include "SimFixture.h"

#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <set>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace cpe::e2e {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

std::string Text(const Bytes& b, std::size_t o, std::size_t width, std::size_t lenAt) {
    const std::size_t len = std::min<std::size_t>(b.at(lenAt), width);
    return std::string(b.begin() + static_cast<long>(o), b.begin() + static_cast<long>(o + len));
}

// Serves one file of `size` bytes by plain TFTP (512-byte blocks, no options) to one client.
class TinyTftpServer {
public:
    TinyTftpServer(const std::string& addr, std::uint16_t port, std::size_t size) : size_(size) {
        fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        const int one = 1;
        setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(port);
        inet_pton(AF_INET, addr.c_str(), &sa.sin_addr);
        ok_ = bind(fd_, reinterpret_cast<sockaddr*>(&sa), sizeof sa) == 0;
        thread_ = std::thread([this] { Serve(); });
    }
    ~TinyTftpServer() {
        stop_ = true;
        thread_.join();
        close(fd_);
    }
    bool Ok() const { return ok_; }
    std::string Requested() const { return requested_; }

private:
    bool Wait(int fd, int ms) {
        pollfd p{fd, POLLIN, 0};
        return poll(&p, 1, ms) > 0;
    }
    void Serve() {
        std::uint8_t buf[1500];
        sockaddr_in client{};
        socklen_t len = sizeof client;
        while (!stop_ && !Wait(fd_, 100)) {
        }
        if (stop_ || recvfrom(fd_, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&client), &len) < 4 ||
            buf[1] != 1) {
            return;
        }
        requested_ = reinterpret_cast<const char*>(buf + 2);
        const int tid = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0); // the transfer's own port
        for (std::uint16_t block = 1; !stop_; ++block) {
            const std::size_t from = (block - 1u) * 512u;
            const std::size_t n = from >= size_ ? 0 : std::min<std::size_t>(512, size_ - from);
            Bytes data = {0, 3, static_cast<std::uint8_t>(block >> 8), static_cast<std::uint8_t>(block)};
            data.resize(4 + n, 0x5a);
            bool acked = false;
            for (int attempt = 0; attempt < 5 && !acked && !stop_; ++attempt) {
                sendto(tid, data.data(), data.size(), 0, reinterpret_cast<sockaddr*>(&client), sizeof client);
                while (Wait(tid, 1000)) {
                    std::uint8_t ack[16];
                    if (recv(tid, ack, sizeof ack, 0) >= 4 && ack[1] == 4 && ack[2] == data[2] &&
                        ack[3] == data[3]) {
                        acked = true;
                        break;
                    }
                }
            }
            if (!acked || n < 512) {
                break;
            }
        }
        close(tid);
    }
    int fd_ = -1;
    bool ok_ = false;
    std::size_t size_;
    std::atomic<bool> stop_{false};
    std::string requested_;
    std::thread thread_;
};

class SimOverVeth : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        std::string why;
        if (!NamespacePair::Available(why)) {
            GTEST_SKIP() << why;
        }
        ASSERT_TRUE(net_.Create({"10.77.0.1/16", "10.77.0.254/16"}, why)) << why;
        StartSim({"--interface", net_.InterfaceB(), "--addresses", "10.77.0.0/16", "--devices", "30",
                  "--seed", "7", "--dump-fleet", PathIn("fleet.json"), "--time-scale", "0.05", "--tftp-port",
                  "6969", "--quiet"},
                 net_.ExecPrefix());
        std::ifstream in(PathIn("fleet.json"));
        fleet_ = nlohmann::json::parse(in)["devices"];
        ASSERT_TRUE(console_.Open("10.77.0.1", why)) << why;
    }
    void TearDown() override {
        SimFixture::TearDown(); // the simulator first, then its namespace
        net_.Destroy();
    }
    std::optional<ProbeConsole::Datagram> Ask(std::uint16_t type, const std::string& mac,
                                              const Bytes& payload = {},
                                              std::chrono::milliseconds timeout = 2s) {
        EXPECT_TRUE(console_.Request(type, mac, payload));
        return console_.Await(9788, type, mac, timeout);
    }

    NamespacePair net_;
    nlohmann::json fleet_;
    ProbeConsole console_;
};

TEST_F(SimOverVeth, AnswersFromInterfaceAddressesAndMovesOnAnIpChange) {
    ASSERT_TRUE(console_.Discover("10.77.255.255"));
    std::set<std::string> from;
    while (auto d = console_.Receive(9785, 1500ms)) {
        from.insert(d->from);
        if (from.size() == fleet_.size()) {
            break;
        }
    }
    ASSERT_EQ(from.size(), fleet_.size());
    EXPECT_TRUE(from.count(fleet_[0]["ip"]));

    const std::string mac = fleet_[0]["mac"];
    // Fixed address 10.77.9.9/16, gateway 10.77.0.1, no DNS, apply at once.
    const Bytes ipSet = {1, 10, 77, 9, 9, 255, 255, 0, 0, 10, 77, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    const auto ack = Ask(3, mac, ipSet);
    ASSERT_TRUE(ack.has_value());
    EXPECT_EQ(ack->from, fleet_[0]["ip"]) << "the answer leaves from the old address";
    const auto report = Ask(2, mac);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->from, "10.77.9.9");
    const Bytes p = report->payload();
    EXPECT_EQ(Bytes(p.begin() + 8, p.begin() + 29), Bytes(ipSet.begin(), ipSet.begin() + 21));
}

TEST_F(SimOverVeth, SurveyThenBridgeToAHeardAccessPoint) {
    const std::string mac = fleet_[2]["mac"];
    ASSERT_TRUE(console_.Request(6, mac));
    std::vector<Bytes> entries;
    int packets = -1, seen = 0;
    while (seen != packets) {
        const auto d = console_.Await(9788, 6, mac, 3s);
        ASSERT_TRUE(d.has_value()) << "survey datagram " << seen << " of " << packets;
        const Bytes p = d->payload();
        ASSERT_GE(p.size(), 3u);
        ASSERT_LE(p[2], 32);
        ASSERT_EQ(p.size(), 3u + 44u * p[2]);
        packets = p[0];
        ++seen;
        for (std::size_t i = 0; i < p[2]; ++i) {
            entries.emplace_back(p.begin() + 3 + 44 * i, p.begin() + 3 + 44 * (i + 1));
        }
    }
    ASSERT_FALSE(entries.empty());
    // A foreign access point with WPA2-PSK/AES (code 4): its key is "pass-" and its last six hex digits.
    const Bytes* ap = nullptr;
    for (const Bytes& e : entries) {
        const auto signal = static_cast<std::int8_t>(e[6]);
        EXPECT_GE(signal, -90);
        EXPECT_LE(signal, -30);
        EXPECT_LE(e[8], 10);
        if (e[0] == 0x06 && e[8] == 4) {
            ap = &e;
        }
    }
    ASSERT_NE(ap, nullptr) << "no foreign WPA2-PSK/AES access point heard";
    char key[16];
    std::snprintf(key, sizeof key, "pass-%02x%02x%02x", (*ap)[3], (*ap)[4], (*ap)[5]);
    auto bridge = [&](const std::string& k) {
        Bytes b(328, 0);
        b[0] = 2;
        std::copy(ap->begin(), ap->begin() + 6, b.begin() + 1);
        std::copy(ap->begin() + 9, ap->begin() + 9 + (*ap)[41], b.begin() + 8);
        b[40] = (*ap)[41];
        b[42] = 3; // WPA2-PSK
        std::copy(k.begin(), k.end(), b.begin() + 44);
        b[108] = static_cast<std::uint8_t>(k.size());
        return b;
    };
    auto wrong = Ask(7, mac, bridge("not-the-key"));
    ASSERT_TRUE(wrong.has_value());
    EXPECT_EQ(wrong->payload(), Bytes{1});
    auto right = Ask(7, mac, bridge(key));
    ASSERT_TRUE(right.has_value());
    EXPECT_EQ(right->payload(), Bytes{0});
    const auto report = Ask(2, mac);
    ASSERT_TRUE(report.has_value());
    const Bytes p = report->payload();
    EXPECT_EQ(p[0], 2);
    EXPECT_EQ(Bytes(p.begin() + 429, p.begin() + 435), Bytes(ap->begin(), ap->begin() + 6));
    EXPECT_EQ(Text(p, 436, 32, 468), Text(*ap, 9, 32, 41));
    EXPECT_EQ(Text(p, 166, 64, 230), key);
}

TEST_F(SimOverVeth, UpgradeFetchesTheFileAndReportsTheResult) {
    TinyTftpServer server("10.77.0.1", 6969, 3000);
    ASSERT_TRUE(server.Ok());
    auto upgrade = [](std::uint32_t size) {
        Bytes b(268, 0);
        const std::string name = "fw.bin";
        std::copy(name.begin(), name.end(), b.begin());
        b[260] = static_cast<std::uint8_t>(name.size());
        for (int i = 0; i < 4; ++i) {
            b[264 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        }
        return b;
    };
    const std::string mac = fleet_[3]["mac"];
    ASSERT_TRUE(Ask(11, mac, upgrade(3000)).has_value());
    const auto wait = console_.Await(9788, 12, mac, 3s);
    ASSERT_TRUE(wait.has_value());
    EXPECT_EQ(wait->payload(), Bytes{0});
    const auto done = console_.Await(9788, 12, mac, 5s);
    ASSERT_TRUE(done.has_value());
    EXPECT_EQ(done->payload(), Bytes{2});
    EXPECT_EQ(server.Requested(), "fw.bin");
    EXPECT_TRUE(Events().WaitFor(
        [&](const auto&) {
            return Events().Count({{"mac", mac}, {"what", "rebooting"}}) == 1;
        },
        2s));

    // A size that does not match the file: the device reports a failure and keeps running.
    TinyTftpServer again("10.77.0.1", 6969, 3000);
    const std::string other = fleet_[4]["mac"];
    ASSERT_TRUE(Ask(11, other, upgrade(4096)).has_value());
    ASSERT_TRUE(console_.Await(9788, 12, other, 3s).has_value());
    const auto failed = console_.Await(9788, 12, other, 5s);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->payload(), Bytes{1});
}

} // namespace
} // namespace cpe::e2e
