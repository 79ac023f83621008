#include "link/raw_frame.h"

#include <arpa/inet.h>
#include <cstring>

namespace cpe {
namespace {

constexpr std::uint16_t kEtherTypeIpv4 = 0x0800;
constexpr std::uint16_t kIpTotal = 44;
constexpr std::uint16_t kIpIdentification = 0x370D;
constexpr std::uint8_t kTtl = 64;
constexpr std::uint8_t kUdpProtocol = 17;
constexpr std::uint16_t kUdpLength = 24;

void PutBe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}

std::uint32_t Sum16(std::span<const std::uint8_t> bytes) {
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        sum += static_cast<std::uint32_t>(bytes[i] << 8 | bytes[i + 1]);
    }
    if (i < bytes.size()) {
        sum += static_cast<std::uint32_t>(bytes[i] << 8);
    }
    return sum;
}

} // namespace

std::uint16_t InternetChecksum(std::span<const std::uint8_t> bytes, std::uint32_t initial) {
    std::uint32_t sum = initial + Sum16(bytes);
    while (sum >> 16) {
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum);
}

bool BuildRawDiscoverFrame(RawDiscoverFrame& frame, const MacBytes& filterMac, const MacBytes& adapterMac,
                           const std::string& sourceIp, const std::string& broadcastIp) {
    in_addr src{}, dst{};
    if (inet_pton(AF_INET, sourceIp.c_str(), &src) != 1 ||
        inet_pton(AF_INET, broadcastIp.c_str(), &dst) != 1) {
        return false;
    }
    frame.fill(0);
    std::uint8_t* f = frame.data();
    std::memcpy(f + raw_offset::kEthDest, filterMac.data(), 6);
    std::memcpy(f + raw_offset::kEthSource, adapterMac.data(), 6);
    PutBe16(f + raw_offset::kEtherType, kEtherTypeIpv4);

    f[raw_offset::kIp] = 0x45;
    PutBe16(f + raw_offset::kIpTotalLength, kIpTotal);
    PutBe16(f + raw_offset::kIpId, kIpIdentification);
    f[raw_offset::kIpTtl] = kTtl;
    f[raw_offset::kIpProtocol] = kUdpProtocol;
    std::memcpy(f + raw_offset::kIpSource, &src, 4);
    std::memcpy(f + raw_offset::kIpDest, &dst, 4);
    PutBe16(f + raw_offset::kIpChecksum, InternetChecksum({f + raw_offset::kIp, 20}));

    std::uint8_t* udp = f + raw_offset::kUdp;
    PutBe16(udp, kPortDiscoverSend);
    PutBe16(udp + 2, kPortDiscoverSend);
    PutBe16(udp + 4, kUdpLength);
    PacketBuffer request;
    BuildPacket(request, KORVA_APDiscoverRequest, MacArg::None(), nullptr, 0, false);
    std::memcpy(f + raw_offset::kPayload, request.data(), kHeaderSize);

    // Pseudo-header: source, destination, zero, protocol, UDP length.
    std::uint8_t pseudo[12] = {};
    std::memcpy(pseudo, &src, 4);
    std::memcpy(pseudo + 4, &dst, 4);
    pseudo[9] = kUdpProtocol;
    PutBe16(pseudo + 10, kUdpLength);
    std::uint16_t sum = InternetChecksum({udp, kUdpLength}, Sum16(pseudo));
    PutBe16(f + raw_offset::kUdpChecksum, sum == 0 ? 0xFFFF : sum); // 0 would mean "no checksum"
    return true;
}

} // namespace cpe
