#include "link/log.h"
#include "link/send_packet.h"

#include <arpa/inet.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace cpe {
namespace {

int BoundUdp(std::uint16_t port) {
    int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    EXPECT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    timeval tv{2, 0};
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    return s;
}

TEST(SendPacket, OneDatagramOfHeaderPlusPayload) {
    int rx = BoundUdp(9787);
    int tx = ::socket(AF_INET, SOCK_DGRAM, 0);
    const std::uint8_t payload[4] = {1, 0, 0x2c, 0x01};
    ASSERT_TRUE(SendPacket(tx, payload, MacArg::Text("00:1a:2b:3c:4d:5e"), "127.0.0.1", 9787, 5, 4, true));
    std::vector<std::uint8_t> got(2000);
    ssize_t n = ::recv(rx, got.data(), got.size(), 0);
    ASSERT_EQ(n, 20);
    got.resize(20);
    EXPECT_EQ(got, (std::vector<std::uint8_t>{0x88, 0x19, 0,    0,    5, 0, 1, 0, 0x00, 0x1a,
                                              0x2b, 0x3c, 0x4d, 0x5e, 4, 0, 1, 0, 0x2c, 0x01}));
    ::close(rx);
    ::close(tx);
}

TEST(SendPacket, FailureIsLoggedAndReported) {
    auto dir = std::filesystem::temp_directory_path() / ("cpe-send-" + std::to_string(::getpid()));
    ASSERT_TRUE(OpenLog(dir));
    EXPECT_FALSE(SendPacket(-1, nullptr, MacArg::None(), "127.0.0.1", 9787, 1, 0, false));
    EXPECT_FALSE(SendPacket(::socket(AF_INET, SOCK_DGRAM, 0), nullptr, MacArg::None(), "not-an-ip", 9787, 1,
                            0, false));
    std::ifstream in(LogFilePath(), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string text = ss.str();
    std::size_t first = text.find("[ERROR]");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find("socket sendto fail\r\n"), std::string::npos);
    CloseLogForTests();
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace cpe
