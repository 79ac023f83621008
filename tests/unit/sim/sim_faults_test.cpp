// Fault options parse strictly, and a corrupted datagram never passes for the original.
#include "FaultPlan.h"
#include "device_codec.h"

#include <gtest/gtest.h>

namespace cpe::sim {
namespace {

TEST(SimFaults, TypeListsAndDelayRangesParseStrictly) {
    std::set<int> types;
    std::string why;
    ASSERT_TRUE(ParseTypeList("2,9,19", types, why));
    EXPECT_EQ(types, (std::set<int>{2, 9, 19}));
    for (const char* bad : {"0", "20", "2,,9", "a", "2;9", "-1"}) {
        EXPECT_FALSE(ParseTypeList(bad, types, why)) << bad;
        EXPECT_FALSE(why.empty());
    }
    double lo = 0, hi = 0;
    ASSERT_TRUE(ParseDelayRange("5-20", lo, hi, why));
    EXPECT_EQ(lo, 5);
    EXPECT_EQ(hi, 20);
    ASSERT_TRUE(ParseDelayRange("7", lo, hi, why));
    EXPECT_EQ(lo, hi);
    for (const char* bad : {"20-5", "", "a-b", "5-", "1.5-2"}) {
        EXPECT_FALSE(ParseDelayRange(bad, lo, hi, why)) << bad;
    }
}

TEST(SimFaults, DelaysFollowTheTimeScale) {
    FaultOptions o;
    o.delayMinMs = 100;
    o.delayMaxMs = 100;
    o.timeScale = 0.5;
    FaultPlan plan(o, 1);
    EXPECT_DOUBLE_EQ(plan.AnswerDelay(), 0.05);
    EXPECT_DOUBLE_EQ(plan.Scale(20), 10);
}

TEST(SimFaults, CorruptedDatagramsDifferAndNeverGrow) {
    FaultPlan plan(FaultOptions{}, 42);
    const std::vector<std::uint8_t> payload(109, 0x41);
    const auto original = EncodeDatagram(5, 1, 0, Mac{2, 0, 0, 0, 0, 1}, payload);
    std::set<std::string> kinds;
    for (int i = 0; i < 200; ++i) {
        const char* how = nullptr;
        const auto bad = plan.Corrupt(original, how);
        ASSERT_NE(how, nullptr);
        kinds.insert(how);
        EXPECT_NE(bad, original) << how;
        EXPECT_LE(bad.size(), original.size()) << how;
    }
    EXPECT_EQ(kinds.size(), 4u);
}

} // namespace
} // namespace cpe::sim
