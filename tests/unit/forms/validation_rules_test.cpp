#include "core/CodePage.h"
#include "pages/config/address_rules.h"
#include "pages/config/character_rules.h"

#include <gtest/gtest.h>
#include <string>

namespace cpe {
namespace {

std::string Msg(RuleMessage message) {
    return message ? message : "";
}

struct HostCase {
    const char* text;
    bool optional;
    bool valid;
};

TEST(HostAddressTest, FirstAndLastNumberRules) {
    const HostCase cases[] = {
        {"192.168.1.1", false, true},
        {"192.168.1.255", false, false},
        {"192.168.1.0", false, false},
        {"192.168.1.127", false, true},
        {"127.0.0.1", false, false},
        {"0.1.2.3", false, false},
        {"224.0.0.1", false, false},
        {"223.255.255.254", false, true},
        {"", false, false},
        {"", true, true},
        {"0.0.0.0", false, false},
        {"0.0.0.0", true, true},
        {"192.168.1", false, false},
        {"192.168.1.1.1", false, false},
        {"192.168..1", false, false},
        {"192.168.1.x", false, false},
        {"192.168.256.1", false, false},
        {"1.2.3.4 ", false, false},
        {"1.2.3.0004", false, false},
    };
    for (const HostCase& c : cases) {
        EXPECT_EQ(IsHostAddress(ToU32(c.text), c.optional), c.valid) << c.text << " optional " << c.optional;
    }
}

TEST(NetmaskTest, ContiguousMasksOfOneTo31Bits) {
    const std::pair<const char*, bool> cases[] = {
        {"255.0.0.0", true},      {"255.255.255.254", true},  {"128.0.0.0", true}, {"255.255.255.128", true},
        {"255.255.0.0", true},    {"255.255.255.255", false}, {"0.0.0.0", false},  {"255.255.0.255", false},
        {"255.255.255.1", false}, {"255.255.255", false},     {"", false},         {"255x255.255.0", false},
    };
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(IsNetmask(ToU32(text)), valid) << text;
    }
}

TEST(FourPartsTest, CountsEmptyParts) {
    EXPECT_TRUE(HasFourParts(U"1..2.3"));
    EXPECT_TRUE(HasFourParts(U"..."));
    EXPECT_FALSE(HasFourParts(U"1.2.3"));
    EXPECT_FALSE(HasFourParts(U""));
}

TEST(SameSubnetTest, ComparesMaskedBytes) {
    EXPECT_TRUE(IsSameSubnet({10, 1, 2, 3}, {10, 9, 9, 9}, {255, 0, 0, 0}));
    EXPECT_FALSE(IsSameSubnet({10, 1, 2, 3}, {11, 1, 2, 3}, {255, 0, 0, 0}));
    EXPECT_TRUE(IsSameSubnet({192, 168, 1, 1}, {192, 168, 1, 126}, {255, 255, 255, 128}));
    EXPECT_FALSE(IsSameSubnet({192, 168, 1, 1}, {192, 168, 1, 129}, {255, 255, 255, 128}));
}

struct AddressCase {
    const char* name;
    AddressFields fields;
    const char* message; // "" for passing
};

TEST(AddressRulesTest, StepsInOrderWithTheirMessages) {
    const AddressCase cases[] = {
        {"valid", {U"10.0.0.1", U"255.0.0.0", U"10.0.0.254", U"8.8.8.8", U"8.8.4.4"}, ""},
        {"network segment", {U"10.0.0.0", U"255.0.0.0", U"", U"", U""}, "The ip address is invalid!"},
        {"network segment /25",
         {U"192.168.1.128", U"255.255.255.128", U"", U"", U""},
         "IP Address can't be the network segment!"},
        {"broadcast of /25 accepted", {U"192.168.1.127", U"255.255.255.128", U"", U"", U""}, ""},
        {"bad ip before bad mask", {U"127.0.0.1", U"0.0.0.0", U"", U"", U""}, "The ip address is invalid!"},
        {"empty ip", {U"", U"255.0.0.0", U"", U"", U""}, "The ip address is invalid!"},
        {"mask all ones", {U"10.0.0.1", U"255.255.255.255", U"", U"", U""}, "The subnet mask is invalid!"},
        {"bad gateway",
         {U"10.0.0.1", U"255.0.0.0", U"10.0.0.255", U"", U""},
         "The gateway address is invalid!"},
        {"ip equals gateway",
         {U"10.0.0.1", U"255.0.0.0", U"10.0.0.1", U"", U""},
         "The ip address and gateway address cannot be the same!"},
        {"gateway blank skips subnet", {U"10.0.0.1", U"255.255.255.0", U"", U"", U""}, ""},
        {"gateway zero skips subnet", {U"10.0.0.1", U"255.255.255.0", U"0.0.0.0", U"", U""}, ""},
        {"gateway in other subnet",
         {U"10.0.0.1", U"255.255.255.0", U"10.0.1.1", U"", U""},
         "Ip address and gateway address is not in the same subnet!"},
        {"gateway subnet before dns",
         {U"10.0.0.1", U"255.255.255.0", U"10.0.1.1", U"127.0.0.1", U""},
         "Ip address and gateway address is not in the same subnet!"},
        {"bad primary dns",
         {U"10.0.0.1", U"255.0.0.0", U"", U"8.8.8.0", U""},
         "The primary DNS Server is invalid!"},
        {"bad secondary dns",
         {U"10.0.0.1", U"255.0.0.0", U"", U"8.8.8.8", U"224.1.1.1"},
         "The secondary DNS Server is invalid!"},
        {"two empty dns", {U"10.0.0.1", U"255.0.0.0", U"", U"", U""}, ""},
        {"two zero dns", {U"10.0.0.1", U"255.0.0.0", U"", U"0.0.0.0", U"0.0.0.0"}, ""},
        {"equal dns",
         {U"10.0.0.1", U"255.0.0.0", U"", U"8.8.8.8", U"8.8.8.8"},
         "Primary DNS Server and Secondary DNS Server can't be the same!"},
    };
    for (const AddressCase& c : cases) {
        EXPECT_EQ(Msg(CheckAddressRules(c.fields)), c.message) << c.name;
    }
}

struct NameCase {
    std::u32string text;
    bool general;
    bool restricted;
};

TEST(CharacterRulesTest, GeneralAndRestricted) {
    const NameCase cases[] = {
        {U"abc def", true, false},
        {U"Ab9_-!", true, true},
        {std::u32string(32, U'a'), true, true},
        {std::u32string(33, U'a'), false, false},
        {std::u32string(10, U'\u4E2D'), true, true}, // 30 bytes
        {std::u32string(11, U'\u4E2D'), false, false},
        {U"\u9FA5\u4E00", true, true},
        {U"\u9FA6", false, false},           // past the set
        {U"\u00E9", false, false},           // Latin-1 letter is not ASCII
        {U"\u3002\u00B7\uFFE5", true, true}, // punctuation of the set
        {std::u32string(1, U'\0'), false, false},
        {U"#$%&()*+-./<=>?@^_~", true, true},
        {U"a,b", true, false},
        {U"a\"b", true, false},
        {U"a:b;c[d]{e}\\f`g|h'", true, false},
        {U"", true, true},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(PassesGeneralCharacterRule(c.text), c.general) << EncodeUtf8(c.text);
        EXPECT_EQ(PassesRestrictedCharacterRule(c.text), c.restricted) << EncodeUtf8(c.text);
    }
}

TEST(CharacterRulesTest, NonBlank) {
    EXPECT_FALSE(IsNonBlank(U""));
    EXPECT_FALSE(IsNonBlank(U"   "));
    EXPECT_TRUE(IsNonBlank(U" a "));
}

TEST(NameMessagesTest, DeviceNameAndSsid) {
    EXPECT_EQ(Msg(CheckDeviceName(U"", false)), "The device name can not be empty!");
    EXPECT_EQ(
        Msg(CheckDeviceName(U"a b", true)),
        "Device name maximum allowed 32 bytes, only support combination of Chinese, lowercase letters, 0-9 "
        "numbers");
    EXPECT_EQ(Msg(CheckDeviceName(std::u32string(33, U'a'), false)),
              "Device name maximum allowed 32 bytes, only support combination of Chinese, ASCII characters");
    EXPECT_EQ(Msg(CheckDeviceName(U"a b", false)), "");
    EXPECT_EQ(Msg(CheckSsid(U"", false)), "The ssid can not be empty!");
    EXPECT_EQ(Msg(CheckSsid(U"  ", false)),
              "Please enter 1 to 32 byte ASCII charaters or chinese characters!");
    EXPECT_EQ(
        Msg(CheckSsid(U"a b", true)),
        "SSID maximum allowed 32 bytes, only support combination of Chinese, lowercase letters, 0-9 numbers");
    EXPECT_EQ(Msg(CheckSsid(U"a\u00E9", false)),
              "SSID maximum allowed 32 bytes, only support combination of Chinese, ASCII characters");
    for (int type : {4, 17, 261, 276}) {
        EXPECT_TRUE(UsesRestrictedNameRule(type)) << type;
    }
    for (int type : {1, 5, 33, 262}) {
        EXPECT_FALSE(UsesRestrictedNameRule(type)) << type;
    }
}

} // namespace
} // namespace cpe
