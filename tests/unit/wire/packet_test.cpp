#include "link/packet.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace cpe {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Sent(std::uint16_t type, const MacArg& mac, const Bytes& payload, bool destFlag) {
    PacketBuffer buffer;
    std::size_t n =
        BuildPacket(buffer, type, mac, payload.empty() ? nullptr : payload.data(), payload.size(), destFlag);
    return Bytes(buffer.begin(), buffer.begin() + static_cast<long>(n));
}

// Header bytes written out by hand: 88 19 | 00 00 | type lo hi | dest | 00 | mac | len lo hi.
struct HeaderCase {
    std::uint16_t type;
    std::size_t payload;
    bool dest;
    Bytes header;
};

TEST(BuildPacket, HeaderOfEveryRequestType) {
    const MacArg mac = MacArg::Text("00:1a:2b:3c:4d:5e");
    const HeaderCase cases[] = {
        {1, 0, true, {0x88, 0x19, 0, 0, 0x01, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x00}},
        {2, 0, true, {0x88, 0x19, 0, 0, 0x02, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x00}},
        {3, 22, true, {0x88, 0x19, 0, 0, 0x03, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x16, 0x00}},
        {4, 344, true, {0x88, 0x19, 0, 0, 0x04, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x58, 0x01}},
        {4, 328, true, {0x88, 0x19, 0, 0, 0x04, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x48, 0x01}},
        {5, 4, true, {0x88, 0x19, 0, 0, 0x05, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x04, 0x00}},
        {6, 0, true, {0x88, 0x19, 0, 0, 0x06, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x00}},
        {7, 328, true, {0x88, 0x19, 0, 0, 0x07, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x48, 0x01}},
        {8, 33, true, {0x88, 0x19, 0, 0, 0x08, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x21, 0x00}},
        {9, 0, true, {0x88, 0x19, 0, 0, 0x09, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x00}},
        {10, 0, true, {0x88, 0x19, 0, 0, 0x0a, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x00}},
        {11, 268, true, {0x88, 0x19, 0, 0, 0x0b, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x0c, 0x01}},
        {13, 26, true, {0x88, 0x19, 0, 0, 0x0d, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x1a, 0x00}},
        {13, 10, true, {0x88, 0x19, 0, 0, 0x0d, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x0a, 0x00}},
        {15, 0, true, {0x88, 0x19, 0, 0, 0x0f, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x00}},
        {16, 0, true, {0x88, 0x19, 0, 0, 0x10, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x00}},
        {17, 0, true, {0x88, 0x19, 0, 0, 0x11, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x00}},
        {18, 16, true, {0x88, 0x19, 0, 0, 0x12, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x10, 0x00}},
        {19, 16, true, {0x88, 0x19, 0, 0, 0x13, 0, 1, 0, 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x10, 0x00}},
    };
    for (const auto& c : cases) {
        Bytes payload(c.payload, 0xA5);
        Bytes wire = Sent(c.type, mac, payload, c.dest);
        ASSERT_EQ(wire.size(), 16 + c.payload) << "type " << c.type;
        EXPECT_EQ(Bytes(wire.begin(), wire.begin() + 16), c.header) << "type " << c.type;
        EXPECT_EQ(Bytes(wire.begin() + 16, wire.end()), payload) << "type " << c.type;
    }
}

TEST(BuildPacket, BroadcastDiscoveryHasZeroMacAndNoDestFlag) {
    Bytes wire = Sent(1, MacArg::None(), {}, false);
    EXPECT_EQ(wire, (Bytes{0x88, 0x19, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(BuildPacket, MacArgumentForms) {
    const std::uint8_t raw[6] = {0xde, 0xad, 0xbe, 0xef, 0x00, 0x01};
    Bytes wire = Sent(2, MacArg::Raw(raw), {}, true);
    EXPECT_EQ(Bytes(wire.begin() + 8, wire.begin() + 14), Bytes(raw, raw + 6));
    EXPECT_EQ(MacArg::Text("DE:AD:BE:EF:00:01").bytes, MacArg::Raw(raw).bytes);
    for (const char* bad : {"", "de:ad:be:ef:00", "de-ad-be-ef-00-01", "zz:ad:be:ef:00:01"}) {
        EXPECT_EQ(MacArg::Text(bad).bytes, MacBytes{}) << bad;
    }
}

TEST(BuildPacket, RefusesPayloadBeyondDatagram) {
    PacketBuffer buffer;
    Bytes big(1457, 1);
    EXPECT_EQ(BuildPacket(buffer, 4, MacArg::None(), big.data(), big.size(), true), 0u);
    EXPECT_EQ(BuildPacket(buffer, 4, MacArg::None(), big.data(), 1456, true), 1472u);
}

Bytes Datagram(std::size_t length, std::uint16_t type, std::uint8_t magicLo = 0x88,
               std::uint8_t magicHi = 0x19) {
    Bytes d(length, 0);
    if (length >= 6) {
        d[0] = magicLo;
        d[1] = magicHi;
        d[4] = static_cast<std::uint8_t>(type);
        d[5] = static_cast<std::uint8_t>(type >> 8);
    }
    return d;
}

struct ReceiveCase {
    const char* what;
    std::uint16_t port;
    Bytes datagram;
    bool accepted;
};

TEST(ReceiveTest, LengthMagicAndTypePerPort) {
    const ReceiveCase cases[] = {
        {"16 bytes, empty payload", 9788, Datagram(16, 2), true},
        {"15 bytes", 9788, Datagram(15, 2), false},
        {"exactly 1472 bytes", 9788, Datagram(1472, 2), true},
        {"1473 bytes", 9788, Datagram(1473, 2), false},
        {"big-endian magic", 9788, Datagram(40, 2, 0x19, 0x88), false},
        {"type 1 on 9785", 9785, Datagram(50, 1), true},
        {"type 15 on 9785", 9785, Datagram(50, 15), false},
        {"type 15 on 9787", 9787, Datagram(56, 15), true},
        {"type 1 on 9787", 9787, Datagram(56, 1), false},
        {"any type on 9788", 9788, Datagram(20, 12), true},
        {"unknown type on 9788", 9788, Datagram(20, 300), true},
        {"other port", 9786, Datagram(20, 1), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PassesReceiveTest(c.port, c.datagram.data(), c.datagram.size()), c.accepted) << c.what;
    }
}

TEST(AcceptDatagram, CopiesSenderAndZeroFills) {
    sockaddr_in from{};
    from.sin_family = AF_INET;
    from.sin_port = htons(9788);
    from.sin_addr.s_addr = htonl(0xC0A80001); // 192.168.0.1
    Bytes d = Datagram(20, 2);
    d[8] = 0x00, d[9] = 0x1a, d[10] = 0x2b, d[11] = 0x3c, d[12] = 0x4d, d[13] = 0x5e;
    d[14] = 200; // claims 200 payload bytes, only 4 arrived
    d[16] = 7, d[17] = 8, d[18] = 9, d[19] = 10;
    ap_packet_info info;
    info.packet.fill(0xEE);
    ASSERT_TRUE(AcceptDatagram(9788, from, d.data(), d.size(), info));
    EXPECT_EQ(info.sender_ip(), "192.168.0.1");
    EXPECT_EQ(info.sender_port(), 9788);
    EXPECT_EQ((Bytes(info.sender.begin() + 2, info.sender.end())),
              (Bytes{0x26, 0x3c, 192, 168, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(info.mac_text(), "00:1a:2b:3c:4d:5e");
    EXPECT_EQ(info.msg_type(), 2);
    EXPECT_EQ(info.data_len(), 200);
    EXPECT_EQ(info.payload()[3], 10);
    for (std::size_t i = 20; i < kMaxDatagram; ++i) {
        ASSERT_EQ(info.packet[i], 0) << i;
    }
}

TEST(AcceptDatagram, RandomBytesOfEveryLengthAreSafe) {
    std::mt19937 rng(42);
    sockaddr_in from{};
    Bytes d(1600);
    ap_packet_info info;
    for (std::size_t length = 0; length <= 1600; ++length) {
        for (auto& b : d) {
            b = static_cast<std::uint8_t>(rng());
        }
        if (length >= 2 && length % 2 == 0) {
            d[0] = 0x88, d[1] = 0x19;
        }
        for (std::uint16_t port : {9785, 9787, 9788}) {
            bool ok = AcceptDatagram(port, from, d.data(), length, info);
            EXPECT_EQ(ok, PassesReceiveTest(port, d.data(), length));
            if (ok) {
                EXPECT_GE(length, 16u);
                EXPECT_LE(length, 1472u);
            }
        }
    }
}

} // namespace
} // namespace cpe
