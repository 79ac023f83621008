#include "device_codec.h"

#include "link/message_types.h"

#include <algorithm>

namespace cpe::sim {

namespace h = layout::hdr;
namespace s = layout::sum;
namespace r = layout::rep;
namespace v = layout::srv;

std::vector<std::uint8_t> EncodeDatagram(std::uint16_t apType, std::uint16_t msgType, std::uint8_t destFlag,
                                         const Mac& mac, ConstBytes payload) {
    const std::size_t len = std::min(payload.size(), kMaxPayload);
    std::vector<std::uint8_t> out(kHeaderSize + len, 0);
    PutLe16(out, h::kMagic, kPacketMagic);
    PutLe16(out, h::kApType, apType);
    PutLe16(out, h::kMsgType, msgType);
    Put8(out, h::kDestFlag, destFlag);
    PutMac(out, h::kMac, mac);
    PutLe16(out, h::kDataLen, static_cast<std::uint16_t>(len));
    std::copy_n(payload.begin(), len, out.begin() + kHeaderSize);
    return out;
}

std::optional<Datagram> DecodeDatagram(ConstBytes datagram, std::string& why) {
    if (datagram.size() < kHeaderSize) {
        why = "shorter than the header";
        return std::nullopt;
    }
    if (datagram.size() > kMaxDatagram) {
        why = "longer than 1472 bytes";
        return std::nullopt;
    }
    if (GetLe16(datagram, h::kMagic) != kPacketMagic) {
        why = "bad magic";
        return std::nullopt;
    }
    Datagram d;
    d.apType = GetLe16(datagram, h::kApType);
    d.msgType = GetLe16(datagram, h::kMsgType);
    d.destFlag = Get8(datagram, h::kDestFlag);
    d.mac = GetMac(datagram, h::kMac);
    d.dataLen = GetLe16(datagram, h::kDataLen);
    const std::size_t have = std::min<std::size_t>(d.dataLen, datagram.size() - kHeaderSize);
    d.payload.assign(datagram.begin() + kHeaderSize,
                     datagram.begin() + static_cast<long>(kHeaderSize + have));
    return d;
}

namespace {
void PutSummaryHead(Bytes out, const SimDevice& dev, std::uint32_t upTime) {
    const ConstBytes b(dev.block);
    PutText(out, s::kVersion, r::kTextWidth, s::kVersionLen,
            GetText(b, r::kVersion, r::kTextWidth, r::kVersionLen));
    Put8(out, s::kWorkMode, dev.block[r::kWorkMode]);
    Put8(out, s::kModeBtn, dev.block[r::kModeBtn]);
    PutLe32(out, s::kUpTime, upTime);
}
} // namespace

std::vector<std::uint8_t> EncodeSummary(const SimDevice& dev, std::uint32_t upTime) {
    std::vector<std::uint8_t> out(s::kSize, 0);
    const ConstBytes b(dev.block);
    PutSummaryHead(out, dev, upTime);
    PutText(out, s::kName, r::kTextWidth, s::kNameLen, GetText(b, r::kName, r::kTextWidth, r::kNameLen));
    PutText(out, s::kSsid, r::kTextWidth, s::kSsidLen, GetText(b, r::kSsid, r::kTextWidth, r::kSsidLen));
    Put8(out, s::kChannel, dev.block[r::kChannel]);
    Put8(out, s::kBridgeTransparent, dev.block[r::kBridgeTransparent]);
    Put8(out, s::kTdmaEn, dev.block[r::kTdmaEn]);
    return out;
}

std::vector<std::uint8_t> EncodeHeartbeat(const SimDevice& dev, std::uint32_t upTime) {
    std::vector<std::uint8_t> out(s::kHeartbeatSize, 0);
    PutSummaryHead(out, dev, upTime);
    return out;
}

std::vector<std::uint8_t> EncodeReport(const SimDevice& dev, std::uint32_t upTime) {
    std::vector<std::uint8_t> out(dev.block.begin(), dev.block.end());
    PutLe32(out, r::kUpTime, upTime);
    return out;
}

std::vector<std::vector<std::uint8_t>> EncodeSurvey(const std::vector<SurveyEntry>& entries) {
    const std::size_t packets =
        std::max<std::size_t>(1, (entries.size() + v::kMaxEntries - 1) / v::kMaxEntries);
    std::vector<std::vector<std::uint8_t>> out;
    for (std::size_t p = 0; p < packets; ++p) {
        const std::size_t first = p * v::kMaxEntries;
        const std::size_t count = std::min(v::kMaxEntries, entries.size() - std::min(first, entries.size()));
        std::vector<std::uint8_t> payload(v::kEntries + count * v::kEntrySize, 0);
        Put8(payload, v::kPacketCount, static_cast<std::uint8_t>(packets));
        Put8(payload, v::kPacketId, static_cast<std::uint8_t>(p));
        Put8(payload, v::kCount, static_cast<std::uint8_t>(count));
        for (std::size_t i = 0; i < count; ++i) {
            const SurveyEntry& e = entries[first + i];
            const std::size_t at = v::kEntries + i * v::kEntrySize;
            const Bytes entry = Bytes(payload).subspan(at, v::kEntrySize);
            PutMac(entry, v::kMac, e.mac);
            Put8(entry, v::kSignal, static_cast<std::uint8_t>(e.signal));
            Put8(entry, v::kChannel, e.channel);
            Put8(entry, v::kSecure, e.secure);
            PutText(entry, v::kSsid, r::kTextWidth, v::kSsidLen, e.ssid);
            Put8(entry, v::kExChannel, e.exChannel);
            Put8(entry, v::kBandwidth, e.bandwidth);
        }
        out.push_back(std::move(payload));
    }
    return out;
}

std::uint8_t SurveySecurityCode(std::uint8_t secureMode, std::uint8_t cipher) {
    // Enterprise modes have no code of their own; they are heard as their pre-shared key family.
    const std::uint8_t c = cipher > 2 ? 0 : cipher;
    switch (secureMode) {
    case 0:
        return 0;
    case 1:
        return 1;
    case 2:
    case 5:
        return c == 0 ? 2 : c == 1 ? 3 : 10;
    case 3:
    case 6:
        return static_cast<std::uint8_t>(4 + c);
    case 4:
        return static_cast<std::uint8_t>(7 + c);
    default:
        return 10;
    }
}

} // namespace cpe::sim
