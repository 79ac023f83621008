#include "fleet_gen.h"

#include "device_catalogue.h"
#include "device_requests.h"
#include "radio_tables.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

namespace cpe::sim {

namespace r = layout::rep;

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

namespace {

class Dice {
public:
    explicit Dice(std::uint64_t seed) : rng_(seed) {}
    unsigned Below(unsigned n) { return n == 0 ? 0 : static_cast<unsigned>(rng_() % n); }
    unsigned Range(unsigned lo, unsigned hi) { return lo + Below(hi - lo + 1); }
    bool Chance(unsigned percent) { return Below(100) < percent; }
    template <typename T>
    T Pick(const std::vector<T>& v) {
        return v[Below(static_cast<unsigned>(v.size()))];
    }
    std::string Chars(const char* alphabet, std::size_t n) {
        const std::string a(alphabet);
        std::string out;
        for (std::size_t i = 0; i < n; ++i) {
            out.push_back(a[Below(static_cast<unsigned>(a.size()))]);
        }
        return out;
    }

private:
    std::mt19937_64 rng_;
};

constexpr const char* kHex = "0123456789abcdef";
constexpr const char* kAscii = "abcdefghijkmnopqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789!#%+-=_@";

std::string Fmt(const char* format, unsigned v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

// Names: ASCII, UTF-8 Chinese and names of exactly 32 bytes; the restricted family accepts only
// lower-case letters, digits and Chinese.
std::string MakeName(std::size_t i, bool restricted) {
    const unsigned n = static_cast<unsigned>(i);
    if (restricted) {
        switch (i % 4) {
        case 0:
            return Fmt("cpe%04u", n % 10000);
        case 1:
            return Fmt("北区基站%02u", n % 100);
        case 2:
            return Fmt("northridgewarehouselink%09u", n);
        default:
            return Fmt("东门监控点位无线网桥%02u", n % 100);
        }
    }
    switch (i % 8) {
    case 0:
        return Fmt("Tower-%03u", n % 1000);
    case 1:
        return Fmt("北区基站%02u", n % 100);
    case 2:
        return Fmt("Warehouse-North-Roof-Link-%06u", n % 1000000);
    case 3:
        return Fmt("东门监控点位无线网桥%02u", n % 100);
    case 4:
        return Fmt("cpe-%04u", n % 10000);
    case 5:
        return Fmt("Farm Gate %u", n);
    case 6:
        return Fmt("山顶中继-%u", n);
    default:
        return Fmt("Silo_B%u (east)", n);
    }
}

std::string MakeSsid(std::size_t i, bool restricted) {
    const unsigned n = static_cast<unsigned>(i);
    if (restricted) {
        return i % 2 ? Fmt("园区无线%02u", n % 100) : Fmt("fieldnet%03u", n % 1000);
    }
    switch (i % 5) {
    case 0:
        return Fmt("Field-Net-%03u", n % 1000);
    case 1:
        return Fmt("园区无线%02u", n % 100);
    case 2:
        return Fmt("Backhaul-Link-Segment-%010u", n);
    case 3:
        return Fmt("园区无线覆盖网络接入%02u", n % 100);
    default:
        return Fmt("Orchard %u", n);
    }
}

std::string MakeVersion(Dice& d, std::uint16_t type) {
    char buf[40];
    const unsigned major = d.Range(2, 6), minor = d.Range(0, 9), build = d.Range(1, 420);
    if (d.Chance(40)) {
        std::snprintf(buf, sizeof buf, "V%u.%u.%u\nBuild 2025-%02u-%02u", major, minor, build, d.Range(1, 12),
                      d.Range(1, 28));
    } else {
        std::snprintf(buf, sizeof buf, "%s-V%u.%u.%u", Is5GHzModel(type) ? "5G" : "2G", major, minor, build);
    }
    return buf;
}

void FillRadio(Dice& d, Bytes b, std::uint16_t type) {
    const bool is5 = Is5GHzModel(type);
    b[r::kRfCount] = 1;
    b[r::kRfEn] = d.Chance(95) ? 1 : 0;
    b[r::kRfType] = is5 ? 1 : 0;
    // Most devices report a country with an entry; some report codes that have none (NL, EE, AT, ...).
    unsigned country = d.Chance(85) ? d.Pick<unsigned>({0, 1, 2, 3, 5, 6, 9, 11, 26, 28, 34, 39, 44, 56, 61})
                                    : d.Pick<unsigned>({7, 10, 13, 24, 30, 43, 51, 55});
    b[r::kCountryCode] = static_cast<std::uint8_t>(country);
    const auto modes = AllowedNetworkModes(type, is5);
    b[r::kNetworkMode] = d.Pick(modes);
    auto bws = AllowedBandwidths(type, is5, b[r::kNetworkMode]);
    if (bws.empty()) {
        bws = {0};
    }
    b[r::kBandwidth] = d.Pick(bws);
    const bool dfs = InWirelessExtensionSet(type) && d.Chance(40);
    b[r::kWlDfs] = dfs ? 1 : 0;
    const auto channels = AllowedChannels(CountryEntryForCode(country), type, is5, b[r::kBandwidth], dfs);
    ChannelChoice ch{};
    if (!channels.empty() && d.Chance(85)) {
        ch = d.Pick(channels);
    }
    b[r::kChannel] = static_cast<std::uint8_t>(ch.channel);
    b[r::kExpandChannel] = 2;
    if (!is5 && b[r::kNetworkMode] == 4 && b[r::kBandwidth] == 1 && ch.channel != 0) {
        b[r::kExpandChannel] = ch.channel <= 4   ? 1
                               : ch.channel >= 8 ? 0
                                                 : static_cast<std::uint8_t>(d.Below(2));
    } else if (is5 && ch.half != 0) {
        b[r::kExpandChannel] = ch.half == 'l' ? 1 : 0;
    }
    static const std::vector<std::pair<unsigned, unsigned>> kPower = {
        {0, 20}, {1, 23}, {8, 26}, {10, 27}, {5, 30}};
    const auto [lo, hi] = d.Pick(kPower);
    b[r::kTxPowerMin] = static_cast<std::uint8_t>(lo);
    b[r::kTxPowerMax] = static_cast<std::uint8_t>(hi);
    b[r::kTxPower] = static_cast<std::uint8_t>(d.Range(lo, hi));
    b[r::kSsidRfType] = b[r::kRfType];
    b[r::kSsidHide] = d.Chance(15) ? 1 : 0;
    b[r::kSsidCount] = 1;
}

void FillSecurity(Dice& d, Bytes b, std::uint16_t type, std::size_t i) {
    std::uint8_t mode = static_cast<std::uint8_t>((i / 3 + d.Below(2)) % 7);
    if (InRestrictedSet(type) && (mode == 1 || mode == 5 || mode == 6)) {
        mode = static_cast<std::uint8_t>(mode == 1 ? 0 : mode - 3);
    }
    b[r::kSecureMode] = mode;
    if (mode >= 2 && mode <= 4) {
        const bool minimal = InMinimalSet(type);
        std::uint8_t cipher = static_cast<std::uint8_t>(d.Below(mode == 2 ? 2 : 3));
        if (minimal) {
            cipher = 0;
        }
        b[r::kWpapskAuthType] = cipher;
        const std::string key =
            (!minimal && d.Chance(20)) ? d.Chars(kHex, 64) : d.Chars(kAscii, d.Range(8, 63));
        PutText(b, r::kWpapskKey, r::kKeyWidth, r::kWpapskKeyLen, key);
        PutLe32(b, r::kWpapskKeyTime, d.Pick<std::uint32_t>({0, 60, 3600, 86400, 99999}));
    } else if (mode == 1) {
        b[r::kWepAuthType] = static_cast<std::uint8_t>(d.Below(2));
        const std::uint8_t index = static_cast<std::uint8_t>(d.Range(1, 4));
        b[r::kWepKeyIndex] = index;
        for (std::size_t k = 0; k < 4; ++k) {
            if (k + 1 != index && d.Chance(50)) {
                continue; // unused key slot
            }
            const std::size_t at = r::kWepKeys + k * r::kWepKeyStride;
            const bool hex = d.Chance(50);
            const bool wide = d.Chance(50);
            b[at + r::kWepKeyType] = hex ? 1 : 0;
            const std::string key = hex ? d.Chars(kHex, wide ? 26 : 10) : d.Chars(kAscii, wide ? 13 : 5);
            PutText(b, at + r::kWepKeyValue, r::kWepKeyWidth, at + r::kWepKeyLen, key);
        }
    } else if (mode == 5 || mode == 6) {
        PutIp(b, r::kRadiusIp, 0x0A140005 + d.Below(8));
        PutLe16(b, r::kRadiusPort, d.Chance(80) ? 1812 : 18120);
        b[r::kWpaAuthType] = static_cast<std::uint8_t>(d.Below(3));
        PutText(b, r::kWpaKey, r::kKeyWidth, r::kWpaKeyLen, d.Chars(kAscii, d.Range(1, 64)));
        PutLe32(b, r::kWpaKeyTime, d.Pick<std::uint32_t>({0, 3600, 7200}));
    }
}

void FillVlan(Dice& d, Bytes b, std::uint16_t type) {
    if (InRestrictedSet(type) || !d.Chance(35)) {
        return;
    }
    b[r::kVlanEn] = 1;
    PutLe16(b, r::kVlanId, static_cast<std::uint16_t>(d.Range(1, 4094)));
    PutLe16(b, r::kVlanIdWlan, static_cast<std::uint16_t>(d.Range(1, 4094)));
    if (!InVlanExtensionSet(type)) {
        return;
    }
    PutLe16(b, r::kVlanPvid, static_cast<std::uint16_t>(d.Range(1, 4094)));
    PutLe16(b, r::kVlanIdLan, static_cast<std::uint16_t>(d.Range(1, 4094)));
    for (std::uint16_t t : {10, 24, 268, 269, 284}) {
        if (t == type) {
            PutLe16(b, r::kVlanIdLan3, static_cast<std::uint16_t>(d.Range(1, 4094)));
            PutLe16(b, r::kVlanIdLan4, static_cast<std::uint16_t>(d.Range(1, 4094)));
        }
    }
    for (std::uint16_t t : {20, 21, 25, 278, 279, 285}) {
        if (t == type) {
            b[r::kTrunkPort] = static_cast<std::uint8_t>(d.Range(1, 2));
            PutLe16(b, r::kVlanIdLan2, static_cast<std::uint16_t>(d.Range(1, 4094)));
        }
    }
}

void FillSchedule(Dice& d, Bytes b, std::uint16_t type) {
    if (InMinimalSet(type) || !d.Chance(30)) {
        return;
    }
    b[r::kRestartEn] = 1;
    b[r::kRestartType] = d.Chance(40) ? 0xFE : static_cast<std::uint8_t>((d.Range(1, 127)) << 1);
    PutLe16(b, r::kRestartTime, static_cast<std::uint16_t>(d.Range(0, 1439)));
}

} // namespace

SimDevice GenerateDevice(std::uint64_t seed, std::size_t index, Ipv4 address, const AddressPlan& plan) {
    Dice d(Mix(seed * 1000003ULL + index));
    SimDevice dev;
    const auto codes = ModelCodes();
    const std::uint16_t type = codes[(index + seed) % codes.size()];
    dev.apType = type;
    const std::uint32_t serial = static_cast<std::uint32_t>((Mix(seed) & 0x3FFF) * 1024 + index * 2);
    dev.mac = {0x02,
               0x4b,
               0x56,
               static_cast<std::uint8_t>(serial >> 16),
               static_cast<std::uint8_t>(serial >> 8),
               static_cast<std::uint8_t>(serial)};
    Bytes b(dev.block);
    b[r::kWorkMode] = static_cast<std::uint8_t>(1 + (index * 3 + seed) % 7);
    b[r::kModeBtn] = static_cast<std::uint8_t>(d.Below(3));
    b[r::kIpMode] = d.Chance(90) ? 1 : 0;
    PutIp(b, r::kIp, address);
    PutIp(b, r::kMask, plan.mask);
    PutIp(b, r::kGateway, d.Chance(80) ? plan.gateway : 0);
    PutIp(b, r::kDns1, d.Pick<Ipv4>({0x08080808, 0x72727272, 0x01010101, 0}));
    PutIp(b, r::kDns2, d.Chance(50) ? 0xDFFFFFFF - d.Below(4) : 0);
    const bool restrictedNames = InRestrictedSsidSet(type);
    PutText(b, r::kName, r::kTextWidth, r::kNameLen, MakeName(index, restrictedNames));
    PutText(b, r::kVersion, r::kTextWidth, r::kVersionLen, MakeVersion(d, type));
    FillSchedule(d, b, type);
    FillRadio(d, b, type);
    Mac ssidMac = dev.mac;
    ssidMac[5] = static_cast<std::uint8_t>(ssidMac[5] + 1);
    PutMac(b, r::kSsidMac, ssidMac);
    PutText(b, r::kSsid, r::kTextWidth, r::kSsidLen, MakeSsid(index, restrictedNames));
    FillSecurity(d, b, type, index);
    b[r::kBridgeWorkMode] = b[r::kWorkMode] == 2 ? 2 : 1;
    FillVlan(d, b, type);
    if (HasTransparentBridge(type, b[r::kWorkMode])) {
        b[r::kBridgeTransparent] = d.Chance(50) ? 1 : 0;
    }
    if (HasAirslot(type)) {
        b[r::kTdmaEn] = d.Chance(50) ? 1 : 0;
    }
    dev.factory = FactoryDefaults(dev.block, dev.mac, type);
    dev.address = dev.factoryAddress = address;
    dev.upTimeAtBoot = d.Below(86400 * 60);
    return dev;
}

namespace {
bool CanJoin(const SimDevice& station, const SimDevice& ap) {
    const std::uint8_t mode = ap.block[r::kSecureMode];
    if (ap.block[r::kWorkMode] != 1 || (ap.block[r::kRfType] != 0) != (station.block[r::kRfType] != 0)) {
        return false;
    }
    if (mode >= 5 || (mode == 1 && InRestrictedSet(station.apType))) {
        return false;
    }
    if (InRestrictedSsidSet(station.apType) != InRestrictedSsidSet(ap.apType)) {
        return false; // the station could not carry the access point's SSID
    }
    return !(InMinimalSet(station.apType) && ap.block[r::kWpapskKeyLen] > 63);
}
} // namespace

void LinkStations(std::vector<SimDevice>& fleet) {
    for (std::size_t i = 0; i < fleet.size(); ++i) {
        SimDevice& st = fleet[i];
        if (st.block[r::kWorkMode] != 2 || st.block[r::kBridgeMac] != 0) {
            continue;
        }
        for (std::size_t back = 1; back <= 40 && back <= i; ++back) {
            const SimDevice& ap = fleet[i - back];
            if (!CanJoin(st, ap)) {
                continue;
            }
            Bytes b(st.block);
            const ConstBytes a(ap.block);
            std::copy(a.begin() + r::kSecureMode, a.begin() + r::kWpaKeyTime + 4, b.begin() + r::kSecureMode);
            if (InMinimalSet(st.apType) || (st.block[r::kSecureMode] == 2 && a[r::kWpapskAuthType] == 2)) {
                b[r::kWpapskAuthType] = 0;
            }
            const std::string ssid = GetText(a, r::kSsid, r::kTextWidth, r::kSsidLen);
            PutText(b, r::kSsid, r::kTextWidth, r::kSsidLen, ssid);
            PutText(b, r::kBridgeSsid, r::kTextWidth, r::kBridgeSsidLen, ssid);
            PutMac(b, r::kBridgeMac, GetMac(a, r::kSsidMac));
            b[r::kBridgeChannel] = a[r::kChannel];
            b[r::kCountryCode] = a[r::kCountryCode];
            b[r::kChannel] = 0; // a station follows its access point
            b[r::kBridgeWorkMode] = 2;
            break;
        }
    }
}

std::vector<SimDevice> GenerateFleet(std::uint64_t seed, const AddressPlan& plan) {
    std::vector<SimDevice> fleet;
    fleet.reserve(plan.addresses.size());
    for (std::size_t i = 0; i < plan.addresses.size(); ++i) {
        fleet.push_back(GenerateDevice(seed, i, plan.addresses[i], plan));
    }
    LinkStations(fleet);
    return fleet;
}

} // namespace cpe::sim
