#include "survey.h"

#include "fleet_gen.h"

#include <cstdio>

namespace cpe::sim {

namespace r = layout::rep;

std::string ForeignKey(const Mac& mac) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "pass-%02x%02x%02x", mac[3], mac[4], mac[5]);
    return buf;
}

namespace {
bool IsAccessPoint(const SimDevice& d) {
    const std::uint8_t m = d.block[r::kWorkMode];
    return m == 1 || m == 3 || m == 5;
}

std::uint8_t SecureModeOfCode(std::uint8_t code) {
    if (code <= 1) {
        return code;
    }
    if (code <= 3 || code == 10) {
        return 2;
    }
    return code <= 6 ? 3 : 4;
}

std::string DeviceKey(const SimDevice& ap) {
    const ConstBytes b(ap.block);
    const std::uint8_t mode = b[r::kSecureMode];
    if (mode == 1) {
        const std::size_t k = (b[r::kWepKeyIndex] + 3u) % 4u;
        const std::size_t at = r::kWepKeys + k * r::kWepKeyStride;
        return GetText(b, at + r::kWepKeyValue, r::kWepKeyWidth, at + r::kWepKeyLen);
    }
    return GetText(b, r::kWpapskKey, r::kKeyWidth, r::kWpapskKeyLen);
}
} // namespace

std::vector<Neighbour> Neighbours(const std::vector<SimDevice>& fleet, std::size_t self, std::uint64_t seed) {
    std::vector<Neighbour> out;
    const SimDevice& me = fleet[self];
    const bool my5 = me.block[r::kRfType] != 0;
    std::uint64_t h = Mix(seed ^ (self * 0x51ED27ULL));
    auto next = [&h] { return h = Mix(h); };
    // Fleet access points around this device in the list, on the same band.
    const std::size_t from = self > 40 ? self - 40 : 0;
    for (std::size_t i = from; i < fleet.size() && i <= self + 40; ++i) {
        const SimDevice& ap = fleet[i];
        if (i == self || !IsAccessPoint(ap) || (ap.block[r::kRfType] != 0) != my5 || ap.offlineUntil >= 0) {
            continue;
        }
        Neighbour n;
        n.fleetIndex = static_cast<long>(i);
        n.entry.mac = GetMac(ap.block, r::kSsidMac);
        n.entry.signal = static_cast<std::int8_t>(-90 + static_cast<int>(next() % 61));
        n.entry.channel = ap.block[r::kChannel];
        n.entry.secure = SurveySecurityCode(ap.block[r::kSecureMode], ap.block[r::kWpapskAuthType]);
        n.entry.ssid = GetText(ap.block, r::kSsid, r::kTextWidth, r::kSsidLen);
        n.entry.exChannel = ap.block[r::kExpandChannel];
        n.entry.bandwidth = ap.block[r::kBandwidth];
        n.secureMode = ap.block[r::kSecureMode];
        n.key = DeviceKey(ap);
        out.push_back(n);
    }
    // Foreign access points: enough that a survey needs more than one datagram now and then.
    static const char* const kNames[] = {"Village-Net", "村委会无线",  "Warehouse-5G", "Clinic Guest",
                                         "农场监控",    "Quarry-Link", "School_WLAN",  "加油站"};
    const std::size_t foreign = 3 + next() % 45;
    for (std::size_t k = 0; k < foreign; ++k) {
        Neighbour n;
        const std::uint64_t v = next();
        n.entry.mac = {0x06,
                       0x1f,
                       static_cast<std::uint8_t>(v >> 8),
                       static_cast<std::uint8_t>(v >> 16),
                       static_cast<std::uint8_t>(v >> 24),
                       static_cast<std::uint8_t>(v >> 32)};
        n.entry.signal = static_cast<std::int8_t>(-90 + static_cast<int>((v >> 40) % 61));
        n.entry.secure = static_cast<std::uint8_t>((k + (v >> 48)) % 11);
        static const int k24[] = {1, 6, 11, 3, 9, 13};
        static const int k5[] = {36, 44, 149, 157, 161, 48};
        n.entry.channel = static_cast<std::uint8_t>(my5 ? k5[v % 6] : k24[v % 6]);
        char name[40];
        std::snprintf(name, sizeof name, "%s-%02u", kNames[(v >> 4) % 8],
                      static_cast<unsigned>((v >> 12) % 100));
        n.entry.ssid = name;
        n.entry.exChannel = 2;
        n.entry.bandwidth = static_cast<std::uint8_t>((v >> 20) % 3);
        n.secureMode = SecureModeOfCode(n.entry.secure);
        n.key = n.secureMode == 0 ? "" : ForeignKey(n.entry.mac);
        out.push_back(n);
    }
    return out;
}

} // namespace cpe::sim
