// A scripted probe of cpe-sim over real sockets in a private namespace: discovery, report,
// rename, reboot, and the event log. The probe reads the bytes with its own offsets, written
// from the report table, and compares them with the fleet the simulator dumped.
#include "ProbeConsole.h"
#include "SimFixture.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace cpe::e2e {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

unsigned U16(const Bytes& b, std::size_t o) {
    return b.at(o) | (b.at(o + 1) << 8);
}
unsigned long U32(const Bytes& b, std::size_t o) {
    return U16(b, o) | (static_cast<unsigned long>(U16(b, o + 2)) << 16);
}
std::string Ip(const Bytes& b, std::size_t o) {
    return std::to_string(b.at(o)) + "." + std::to_string(b.at(o + 1)) + "." + std::to_string(b.at(o + 2)) +
           "." + std::to_string(b.at(o + 3));
}
std::string Mac(const Bytes& b, std::size_t o) {
    char buf[18];
    std::snprintf(buf, sizeof buf, "%02x:%02x:%02x:%02x:%02x:%02x", b.at(o), b.at(o + 1), b.at(o + 2),
                  b.at(o + 3), b.at(o + 4), b.at(o + 5));
    return buf;
}
std::string Text(const Bytes& b, std::size_t o, std::size_t width, std::size_t lenAt) {
    const std::size_t len = std::min<std::size_t>(b.at(lenAt), width);
    return std::string(b.begin() + static_cast<long>(o), b.begin() + static_cast<long>(o + len));
}

// The report block, field by field (payload offsets).
enum class Kind { U8, U16, U32, Ip, Mac, Text };
struct Field {
    const char* name;
    std::size_t off;
    Kind kind;
    std::size_t width = 0, lenAt = 0;
};
const Field kReport[] = {
    {"work_mode", 0, Kind::U8},
    {"mode_btn_status", 1, Kind::U8},
    {"ip_mode", 8, Kind::U8},
    {"ip", 9, Kind::Ip},
    {"ip_mask", 13, Kind::Ip},
    {"ip_gateway", 17, Kind::Ip},
    {"ip_dns1", 21, Kind::Ip},
    {"ip_dns2", 25, Kind::Ip},
    {"ap_name", 30, Kind::Text, 32, 62},
    {"version", 63, Kind::Text, 32, 95},
    {"restart_en", 96, Kind::U8},
    {"restart_type", 97, Kind::U8},
    {"restart_time", 98, Kind::U16},
    {"rf_count", 100, Kind::U8},
    {"rf_en", 101, Kind::U8},
    {"rf_type", 102, Kind::U8},
    {"country_code", 103, Kind::U8},
    {"network_mode", 104, Kind::U8},
    {"bandwidth", 105, Kind::U8},
    {"channel", 106, Kind::U8},
    {"expand_channel", 107, Kind::U8},
    {"tx_power", 108, Kind::U8},
    {"tx_power_min", 109, Kind::U8},
    {"tx_power_max", 110, Kind::U8},
    {"ssid_rf_type", 122, Kind::U8},
    {"ssid_id", 123, Kind::U8},
    {"ssid_hide", 124, Kind::U8},
    {"ssid_mac", 125, Kind::Mac},
    {"ssid", 131, Kind::Text, 32, 163},
    {"secure_mode", 164, Kind::U8},
    {"wpapsk_auth_type", 165, Kind::U8},
    {"wpapsk_key_value", 166, Kind::Text, 64, 230},
    {"wpapsk_key_time", 231, Kind::U32},
    {"wep_auth_type", 235, Kind::U8},
    {"wep_key_index", 236, Kind::U8},
    {"wep_key_type0", 237, Kind::U8},
    {"wep_key_value0", 238, Kind::Text, 26, 264},
    {"wep_key_type1", 265, Kind::U8},
    {"wep_key_value1", 266, Kind::Text, 26, 292},
    {"wep_key_type2", 293, Kind::U8},
    {"wep_key_value2", 294, Kind::Text, 26, 320},
    {"wep_key_type3", 321, Kind::U8},
    {"wep_key_value3", 322, Kind::Text, 26, 348},
    {"wpa_radius_ip", 350, Kind::Ip},
    {"wpa_radius_port", 354, Kind::U16},
    {"wpa_auth_type", 356, Kind::U8},
    {"wpa_key", 357, Kind::Text, 64, 421},
    {"wpa_key_time", 422, Kind::U32},
    {"ssid_count", 426, Kind::U8},
    {"bridge_work_mode", 428, Kind::U8},
    {"bridge_mac", 429, Kind::Mac},
    {"bridge_channel", 435, Kind::U8},
    {"bridge_ssid", 436, Kind::Text, 32, 468},
    {"vlan_en", 732, Kind::U8},
    {"vlan_id", 734, Kind::U16},
    {"vlan_id_wlan", 736, Kind::U16},
    {"vlan_id_lan", 738, Kind::U16},
    {"bridge_transparent", 742, Kind::U8},
    {"tdmaEn", 743, Kind::U8},
    {"vlan_pvid", 744, Kind::U16},
    {"vlan_id_lan3", 746, Kind::U16},
    {"vlan_id_lan4", 748, Kind::U16},
    {"wl_dfs", 754, Kind::U8},
    {"trunk_port", 755, Kind::U8},
    {"vlan_id_lan2", 756, Kind::U16},
};

nlohmann::json Read(const Bytes& b, const Field& f) {
    switch (f.kind) {
    case Kind::U8:
        return b.at(f.off);
    case Kind::U16:
        return U16(b, f.off);
    case Kind::U32:
        return U32(b, f.off);
    case Kind::Ip:
        return Ip(b, f.off);
    case Kind::Mac:
        return Mac(b, f.off);
    case Kind::Text:
        return Text(b, f.off, f.width, f.lenAt);
    }
    return nullptr;
}

class SimProbe : public SimFixture {
protected:
    void StartFleet(int devices, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"--loopback", "--devices",    std::to_string(devices), "--seed",
                                         "7",          "--dump-fleet", PathIn("fleet.json"),    "--quiet"};
        args.insert(args.end(), extra.begin(), extra.end());
        StartSim(args);
        std::ifstream in(PathIn("fleet.json"));
        fleet_ = nlohmann::json::parse(in)["devices"];
        for (const auto& d : fleet_) {
            byMac_[d["mac"].get<std::string>()] = d;
        }
        std::string why;
        ASSERT_TRUE(console_.Open("127.0.0.1", why)) << why;
    }

    // Broadcasts one discovery and collects answers until `want` arrived or the time is up.
    std::map<std::string, ProbeConsole::Datagram> Discover(std::size_t want,
                                                           std::chrono::milliseconds timeout) {
        std::map<std::string, ProbeConsole::Datagram> answers;
        EXPECT_TRUE(console_.Discover("127.255.255.255"));
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (answers.size() < want && std::chrono::steady_clock::now() < deadline) {
            if (auto d = console_.Receive(9785, 100ms)) {
                answers[d->mac()] = *d;
            }
        }
        return answers;
    }

    std::optional<ProbeConsole::Datagram> Report(const std::string& mac,
                                                 std::chrono::milliseconds timeout = 2s) {
        EXPECT_TRUE(console_.Request(2, mac));
        return console_.Await(9788, 2, mac, timeout);
    }

    nlohmann::json fleet_;
    std::map<std::string, nlohmann::json> byMac_;
    ProbeConsole console_;
};

TEST_F(SimProbe, DiscoveryAnswersCarryEachDevicesSummary) {
    ASSERT_NO_FATAL_FAILURE(StartFleet(40, {"--answer-spread-ms", "50"}));
    const auto answers = Discover(40, 3s);
    ASSERT_EQ(answers.size(), 40u);
    for (const auto& [mac, d] : answers) {
        SCOPED_TRACE(mac);
        ASSERT_TRUE(byMac_.count(mac));
        const auto& dev = byMac_[mac];
        ASSERT_EQ(d.bytes.size(), 16u + 109);
        EXPECT_EQ(U16(d.bytes, 0), 6536u);
        EXPECT_EQ(U16(d.bytes, 2), dev["ap_type"]);
        EXPECT_EQ(U16(d.bytes, 14), 109u);
        EXPECT_EQ(d.from, dev["ip"]);
        const Bytes p = d.payload();
        EXPECT_EQ(Text(p, 0, 32, 32), dev["version"]);
        EXPECT_EQ(p[33], dev["work_mode"]);
        EXPECT_EQ(p[34], dev["mode_btn_status"]);
        EXPECT_GE(U32(p, 36), dev["up_time"].get<unsigned long>());
        EXPECT_EQ(Text(p, 40, 32, 72), dev["ap_name"]);
        EXPECT_EQ(Text(p, 73, 32, 105), dev["ssid"]);
        EXPECT_EQ(p[106], dev["channel"]);
        EXPECT_EQ(p[107], dev["bridge_transparent"]);
        EXPECT_EQ(p[108], dev["tdmaEn"]);
    }
    // Every datagram is in the event log: the discovery received and the 40 answers sent.
    EXPECT_TRUE(Events().WaitFor(
        [&](const auto&) {
            return Events().Count({{"dir", "tx"}, {"msg_type", 1}, {"port", 9785}}) == 40;
        },
        2s));
    EXPECT_EQ(Events().Count({{"dir", "rx"}, {"msg_type", 1}, {"port", 9786}}), 1u);
}

TEST_F(SimProbe, ReportRenameAndReboot) {
    ASSERT_NO_FATAL_FAILURE(StartFleet(12, {"--time-scale", "0.05", "--heartbeat-seconds", "0.2"}));
    // A device with a Chinese name (index 1 of the generated fleet).
    const std::string mac = fleet_[1]["mac"];
    const auto& dev = byMac_[mac];
    auto report = Report(mac);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->from, dev["ip"]);
    ASSERT_EQ(report->bytes.size(), 16u + 760);
    EXPECT_EQ(U16(report->bytes, 14), 760u);
    const Bytes block = report->payload();
    for (const Field& f : kReport) {
        EXPECT_EQ(Read(block, f), dev[f.name]) << f.name;
    }
    EXPECT_GE(U32(block, 4), dev["up_time"].get<unsigned long>());
    for (std::size_t reserved :
         {2u, 3u, 29u, 111u, 121u, 349u, 427u, 469u, 600u, 731u, 733u, 740u, 741u, 750u, 758u}) {
        EXPECT_EQ(block[reserved], 0) << "unused byte " << reserved;
    }

    // Managed now: heartbeats of 40 bytes arrive on 9787.
    const auto beat = console_.Await(9787, 15, mac, 2s);
    ASSERT_TRUE(beat.has_value());
    EXPECT_EQ(beat->bytes.size(), 16u + 40);
    EXPECT_EQ(Text(beat->payload(), 0, 32, 32), dev["version"]);

    // Rename: 33 bytes of UTF-8 name and its length.
    const std::string name = "Probe \xe6\x96\xb0\xe5\x90\x8d"; // "Probe " and two Chinese characters
    Bytes rename(33, 0);
    std::copy(name.begin(), name.end(), rename.begin());
    rename[32] = static_cast<std::uint8_t>(name.size());
    ASSERT_TRUE(console_.Request(8, mac, rename));
    const auto ack = console_.Await(9788, 8, mac, 2s);
    ASSERT_TRUE(ack.has_value());
    EXPECT_EQ(ack->payload(), Bytes{0});
    report = Report(mac);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(Text(report->payload(), 30, 32, 62), name);

    // Reboot: answer 0, then silence (no report, no discovery answer), then back.
    ASSERT_TRUE(console_.Request(9, mac));
    const auto rebootAck = console_.Await(9788, 9, mac, 2s);
    ASSERT_TRUE(rebootAck.has_value());
    EXPECT_EQ(rebootAck->payload(), Bytes{0});
    EXPECT_FALSE(Report(mac, 300ms).has_value());
    EXPECT_FALSE(Discover(12, 500ms).count(mac));
    ASSERT_TRUE(Events().WaitFor(
        [&](const auto&) {
            return Events().Count({{"what", "back"}, {"mac", mac}}) == 1;
        },
        5s));
    EXPECT_TRUE(Discover(12, 2s).count(mac));
    report = Report(mac);
    ASSERT_TRUE(report.has_value());
    EXPECT_LT(U32(report->payload(), 4), 60u) << "up-time starts again after a reboot";
    EXPECT_EQ(Text(report->payload(), 30, 32, 62), name) << "a reboot keeps the settings";
}

TEST_F(SimProbe, ThousandDevicesAnswerOneDiscoveryAndEveryDatagramIsLogged) {
    ASSERT_NO_FATAL_FAILURE(StartFleet(1000));
    const auto answers = Discover(1000, 5s);
    EXPECT_EQ(answers.size(), 1000u);
    EXPECT_TRUE(Events().WaitFor(
        [&](const auto&) {
            return Events().Count({{"dir", "tx"}, {"msg_type", 1}}) == 1000;
        },
        3s));
    std::set<std::string> loggedMacs;
    for (const auto& line : Events().Matching({{"dir", "tx"}, {"msg_type", 1}})) {
        loggedMacs.insert(line["mac"].get<std::string>());
        EXPECT_EQ(line["payload"].get<std::string>().size(), 2u * 109);
    }
    EXPECT_EQ(loggedMacs.size(), 1000u);
}

TEST_F(SimProbe, FaultsSilenceAndFailTheChosenTypes) {
    ASSERT_NO_FATAL_FAILURE(StartFleet(3, {"--silent", "2", "--fail", "9"}));
    const std::string mac = fleet_[0]["mac"];
    EXPECT_FALSE(Report(mac, 500ms).has_value());
    ASSERT_TRUE(console_.Request(9, mac));
    const auto ack = console_.Await(9788, 9, mac, 2s);
    ASSERT_TRUE(ack.has_value());
    EXPECT_EQ(ack->payload(), Bytes{1});
    EXPECT_EQ(Discover(3, 2s).size(), 3u) << "a failed reboot leaves the device running";
}

} // namespace
} // namespace cpe::e2e
