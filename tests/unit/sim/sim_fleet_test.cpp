// The generated fleet is varied and every device's report agrees with itself and its peers.
#include "device_catalogue.h"
#include "device_layout.h"
#include "fleet_gen.h"
#include "fleet_json.h"
#include "radio_tables.h"
#include "survey.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace cpe::sim {
namespace {

namespace r = layout::rep;

class GeneratedFleet : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        AddressPlan plan;
        for (Ipv4 a = 0x7F010002; plan.addresses.size() < 1000; ++a) {
            if ((a & 0xFF) != 0 && (a & 0xFF) != 255) {
                plan.addresses.push_back(a);
            }
        }
        plan.gateway = 0x7F010001;
        fleet_ = new std::vector<SimDevice>(GenerateFleet(7, plan));
        plan_ = new AddressPlan(plan);
    }
    static void TearDownTestSuite() {
        delete fleet_;
        delete plan_;
    }
    static std::string Txt(const SimDevice& d, std::size_t off, std::size_t width, std::size_t len) {
        return GetText(d.block, off, width, len);
    }
    static std::vector<SimDevice>* fleet_;
    static AddressPlan* plan_;
};
std::vector<SimDevice>* GeneratedFleet::fleet_ = nullptr;
AddressPlan* GeneratedFleet::plan_ = nullptr;

TEST_F(GeneratedFleet, CoversTheCatalogueAndEveryMode) {
    std::set<std::uint16_t> types;
    std::set<int> workModes, secure, bands, surveyCodes, buttons;
    std::set<std::string> macs;
    bool noEntry = false, withEntry = false, vlan = false, schedule = false, chinese = false, exact32 = false;
    for (const SimDevice& d : *fleet_) {
        types.insert(d.apType);
        workModes.insert(d.block[r::kWorkMode]);
        secure.insert(d.block[r::kSecureMode]);
        bands.insert(d.block[r::kRfType]);
        buttons.insert(d.block[r::kModeBtn]);
        macs.insert(MacText(d.mac));
        (CountryEntryForCode(d.block[r::kCountryCode]) < 0 ? noEntry : withEntry) = true;
        vlan |= d.block[r::kVlanEn] != 0;
        schedule |= d.block[r::kRestartEn] != 0;
        const std::string name = Txt(d, r::kName, 32, r::kNameLen);
        chinese |= std::any_of(name.begin(), name.end(), [](char c) { return (c & 0x80) != 0; });
        exact32 |= name.size() == 32;
    }
    EXPECT_EQ(types.size(), ModelCodes().size());
    EXPECT_EQ(workModes, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(secure, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(bands, (std::set<int>{0, 1}));
    EXPECT_GE(buttons.size(), 2u);
    EXPECT_EQ(macs.size(), fleet_->size());
    EXPECT_TRUE(noEntry && withEntry && vlan && schedule && chinese && exact32);
    for (const Neighbour& n : Neighbours(*fleet_, 0, 7)) {
        surveyCodes.insert(n.entry.secure);
    }
    for (std::size_t i = 1; i < 40; ++i) {
        for (const Neighbour& n : Neighbours(*fleet_, i, 7)) {
            surveyCodes.insert(n.entry.secure);
            EXPECT_GE(n.entry.signal, -90);
            EXPECT_LE(n.entry.signal, -30);
        }
    }
    EXPECT_EQ(surveyCodes.size(), 11u);
}

TEST_F(GeneratedFleet, EveryReportIsConsistent) {
    for (const SimDevice& d : *fleet_) {
        const auto& b = d.block;
        SCOPED_TRACE(MacText(d.mac) + " type " + std::to_string(d.apType));
        EXPECT_EQ(GetIp(b, r::kIp), d.address);
        EXPECT_TRUE(IsUtf8(Txt(d, r::kName, 32, r::kNameLen)));
        EXPECT_TRUE(IsUtf8(Txt(d, r::kSsid, 32, r::kSsidLen)));
        EXPECT_GT(b[r::kNameLen], 0);
        EXPECT_LE(b[r::kNameLen], 32);
        EXPECT_GE(b[r::kTxPower], b[r::kTxPowerMin]);
        EXPECT_LE(b[r::kTxPower], b[r::kTxPowerMax]);
        EXPECT_EQ(b[r::kRfType] != 0, Is5GHzModel(d.apType));
        const std::uint8_t mode = b[r::kSecureMode];
        if (InRestrictedSet(d.apType)) {
            EXPECT_TRUE(mode == 0 || (mode >= 2 && mode <= 4)) << int(mode);
        }
        if (mode >= 2 && mode <= 4) {
            const std::size_t len = b[r::kWpapskKeyLen];
            EXPECT_TRUE((len >= 8 && len <= 63) || (len == 64 && !InMinimalSet(d.apType))) << len;
        }
        if (mode == 1) {
            const std::size_t at = r::kWepKeys + (b[r::kWepKeyIndex] - 1u) * r::kWepKeyStride;
            const std::size_t len = b[at + r::kWepKeyLen];
            EXPECT_TRUE(b[at] == 1 ? (len == 10 || len == 26) : (len == 5 || len == 13)) << len;
        }
        if (b[r::kChannel] != 0) {
            const auto allowed = AllowedChannels(CountryEntryForCode(b[r::kCountryCode]), d.apType,
                                                 b[r::kRfType] != 0, b[r::kBandwidth], b[r::kWlDfs] != 0);
            EXPECT_TRUE(std::any_of(allowed.begin(), allowed.end(), [&](const ChannelChoice& c) {
                return c.channel == b[r::kChannel];
            })) << int(b[r::kChannel]);
        }
        if (!HasAirslot(d.apType)) {
            EXPECT_EQ(b[r::kTdmaEn], 0);
        }
        if ((b[r::kRestartType] & 1) != 0 || GetLe16(b, r::kRestartTime) >= 1440) {
            ADD_FAILURE() << "schedule out of range";
        }
    }
}

TEST_F(GeneratedFleet, StationsPointAtAccessPointsOfTheFleet) {
    std::map<std::string, const SimDevice*> bySsidMac;
    for (const SimDevice& d : *fleet_) {
        bySsidMac[MacText(GetMac(d.block, r::kSsidMac))] = &d;
    }
    int bridged = 0;
    for (const SimDevice& st : *fleet_) {
        const Mac peer = GetMac(st.block, r::kBridgeMac);
        if (st.block[r::kWorkMode] != 2 || peer == Mac{}) {
            continue;
        }
        ++bridged;
        const auto it = bySsidMac.find(MacText(peer));
        ASSERT_NE(it, bySsidMac.end());
        const SimDevice& ap = *it->second;
        EXPECT_EQ(ap.block[r::kWorkMode], 1);
        EXPECT_EQ(Txt(st, r::kBridgeSsid, 32, r::kBridgeSsidLen), Txt(ap, r::kSsid, 32, r::kSsidLen));
        EXPECT_EQ(st.block[r::kBridgeChannel], ap.block[r::kChannel]);
        EXPECT_EQ(st.block[r::kSecureMode], ap.block[r::kSecureMode]);
    }
    EXPECT_GT(bridged, 20);
}

TEST_F(GeneratedFleet, SameSeedSameFleetAndTheFileRoundTrips) {
    EXPECT_EQ(GenerateFleet(7, *plan_)[123].block, (*fleet_)[123].block);
    EXPECT_NE(GenerateFleet(8, *plan_)[123].block, (*fleet_)[123].block);
    std::vector<SimDevice> back;
    std::string why;
    ASSERT_TRUE(FleetFromJson(FleetToJson(*fleet_), 99, *plan_, back, why)) << why;
    ASSERT_EQ(back.size(), fleet_->size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        ASSERT_EQ(back[i].block, (*fleet_)[i].block) << i;
        ASSERT_EQ(back[i].mac, (*fleet_)[i].mac) << i;
        ASSERT_EQ(back[i].apType, (*fleet_)[i].apType) << i;
    }
}

TEST(FleetFile, ExplicitDevicesAndClearErrors) {
    AddressPlan plan;
    plan.addresses = {0x7F010002, 0x7F010003};
    std::vector<SimDevice> fleet;
    std::string why;
    const auto doc = nlohmann::json::parse(
        R"({"devices":[{"mac":"00:1a:2b:3c:4d:5e","ap_type":14,"ap_name":"Pump 3","ip":"127.9.0.1"},{}]})");
    ASSERT_TRUE(FleetFromJson(doc, 1, plan, fleet, why)) << why;
    EXPECT_EQ(fleet[0].apType, 14);
    EXPECT_EQ(GetText(fleet[0].block, r::kName, 32, r::kNameLen), "Pump 3");
    EXPECT_EQ(IpText(fleet[0].address), "127.9.0.1");
    EXPECT_EQ(IpText(fleet[1].address), "127.1.0.3");
    struct Bad {
        const char* json;
        const char* reason;
    };
    for (const Bad& b :
         {Bad{R"({"devices":[{"colour":1}]})", "unknown field"},
          Bad{R"({"devices":[{"ap_name":"0123456789012345678901234567890123"}]})", "longer than"},
          Bad{R"({"devices":[{"ip":"1.2.3"}]})", "malformed address"},
          Bad{R"({"devices":[{"mac":"00:00:00:00:00:01"},{"mac":"00:00:00:00:00:01"}]})", "twice"},
          Bad{R"({"devices":[{},{},{}]})", "more devices than addresses"}, Bad{R"([1,2])", "devices"}}) {
        EXPECT_FALSE(FleetFromJson(nlohmann::json::parse(b.json), 1, plan, fleet, why)) << b.json;
        EXPECT_NE(why.find(b.reason), std::string::npos) << why;
    }
}

} // namespace
} // namespace cpe::sim
