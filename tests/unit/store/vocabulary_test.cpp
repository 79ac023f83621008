#include "store/vocabulary.h"

#include <gtest/gtest.h>
#include <set>

namespace cpe {
namespace {

TEST(VocabularyTest, UpTimeText) {
    struct Case {
        std::uint32_t seconds;
        const char* text;
    } cases[] = {
        {0, "0:0:0"},
        {59, "0:0:59"},
        {86399, "23:59:59"},
        {86400, "1 0:0:0"},
        {3 * 86400 + 4 * 3600 + 5 * 60 + 6, "3 4:5:6"},
        {4294967295u, "49710 6:28:15"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetUpTimeText(c.seconds), c.text) << c.seconds;
    }
}

TEST(VocabularyTest, CodeTables) {
    struct Case {
        std::string (*lookup)(int);
        int code;
        const char* text;
    } cases[] = {
        {GetApStatusText, 0, "Outline"},
        {GetApStatusText, 1, "Online"},
        {GetApStatusText, 5, "Reseting"},
        {GetApStatusText, 9, "Upgrade fail"},
        {GetApStatusText, 10, ""},
        {GetApStatusText, -1, ""},
        {GetWorkModeText, 0, ""},
        {GetWorkModeText, 1, "AP"},
        {GetWorkModeText, 3, "Universal Repeater"},
        {GetWorkModeText, 7, "Router"},
        {GetWorkModeText, 8, ""},
        {GetSecureModeText, 0, "Disable"},
        {GetSecureModeText, 4, "WPAWPA2_PSK"},
        {GetSecureModeText, 6, "WPA2"},
        {GetSecureModeText, 7, ""},
        {GetChannelText, 0, "Auto"},
        {GetChannelText, 161, "161"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.lookup(c.code), c.text) << c.code;
    }
}

TEST(VocabularyTest, SwitchTexts) {
    EXPECT_EQ(GetBridgeTransparentText(261, 1, 1), "N/A");
    EXPECT_EQ(GetBridgeTransparentText(5, 6, 1), "N/A");
    EXPECT_EQ(GetBridgeTransparentText(5, 4, 0), "N/A");
    EXPECT_EQ(GetBridgeTransparentText(5, 2, 1), "On2");
    EXPECT_EQ(GetBridgeTransparentText(5, 3, 0), "Off2");
    EXPECT_EQ(GetBridgeTransparentText(5, 8, 7), "On2"); // only modes 4 to 7 exclude it
    for (int value : {0, 1}) {
        EXPECT_EQ(GetTdmaEnText(7, value), "N/A");
        EXPECT_EQ(GetTdmaEnText(285, value), value ? "On2" : "Off2");
    }
    EXPECT_EQ(GetTdmaEnText(6, 1), "On2");
    EXPECT_EQ(GetTdmaEnText(264, 1), "N/A");
}

TEST(VocabularyTest, AddressTexts) {
    EXPECT_EQ(IpTextToNumber("192.168.0.1"), 192u * 16777216u + 168u * 65536u + 0u * 256u + 1u);
    EXPECT_EQ(IpTextToNumber(""), 0u);
    EXPECT_LT(IpTextToNumber("10.0.0.9"), IpTextToNumber("10.0.0.10"));
    EXPECT_EQ(IpTextToBytes("10.1.2.3"), (IpBytes{10, 1, 2, 3}));
    EXPECT_EQ(IpTextToBytes(""), (IpBytes{0, 0, 0, 0}));
    EXPECT_EQ(IpTextToBytes("10.1"), (IpBytes{10, 1, 0, 0}));      // scanning stops at the end
    EXPECT_EQ(IpTextToBytes("300.1.2.3"), (IpBytes{44, 1, 2, 3})); // low byte of each number
    EXPECT_EQ(MacTextToBytes("00:1a:2B:3c:4d:5e"), (MacBytes{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e}));
    EXPECT_EQ(MacTextToBytes(""), MacBytes{});
    EXPECT_EQ(MacTextToBytesA("ab:cd:ef:01:02:03"), (MacBytes{0xab, 0xcd, 0xef, 1, 2, 3}));
    EXPECT_EQ(MacTextToBytesA("ABCDEFGH"), (MacBytes{'A', 'B', 'C', 'D', 'E', 'F'}));
    EXPECT_EQ(MacTextToBytesA("AB"), (MacBytes{'A', 'B', 0, 0, 0, 0}));
    EXPECT_EQ(MacBytesToText({0, 0x1a, 0xff, 1, 2, 3}), "00:1a:ff:01:02:03");
    EXPECT_EQ(GetNetworkAddressText({192, 168, 7, 130}, {255, 255, 255, 128}), "192.168.7.128");
}

TEST(VocabularyTest, ModelCatalogue) {
    const std::vector<int>& codes = ApTypeCodes();
    ASSERT_EQ(codes.size(), 59u);
    std::set<std::string> names;
    for (int code : codes) {
        std::string name = GetApTypeName(code);
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 14u) << code;
        EXPECT_EQ(GetApTypeCode(name), code);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 59u);
    EXPECT_EQ(GetApTypeName(0), GetApTypeName(1));
    EXPECT_EQ(GetApTypeName(26), GetApTypeName(1));
    EXPECT_EQ(GetApTypeCode("no such model"), 1);
    EXPECT_EQ(GetApTypeCode(""), 1);
    std::string lower = GetApTypeName(257);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(GetApTypeCode(lower), 1); // case-sensitive
    EXPECT_EQ(GetApTypeCode(GetApTypeName(257) + " "), 1);
}

TEST(VocabularyTest, Netmask) {
    for (const char* mask : {"255.255.255.0", "255x255x255x0", "128.0.0.0", "255.255.255.254", "255.0.0.0",
                             "255.255.0.0", "255.255.128.0", "255.255.255.252",
                             "255\xE2\x82\xAC"
                             "255.255.0"}) {
        EXPECT_TRUE(IsValidNetmask(mask)) << mask;
    }
    for (const char* mask :
         {"255.255.255.255", "0.0.0.0", "255.0.255.0", "255.255.255.0 ", " 255.255.255.0", "255.255.255.00",
          "255.255.255.1", "255.255.255", "", "254.255.0.0", "255.255.255.0\n"}) {
        EXPECT_FALSE(IsValidNetmask(mask)) << mask;
    }
}

TEST(VocabularyTest, SplitText) {
    struct Case {
        std::string text;
        std::vector<std::string> pieces;
    } cases[] = {
        {"1..2.3", {"1", "-", "2", "3"}},
        {".a.", {"-", "a", "-"}},
        {"abc", {"abc"}},
        {"", {"-"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitText(c.text, ".", "-"), c.pieces) << c.text;
    }
    EXPECT_EQ(SplitText(U"a::b", U"::", U"?"), (std::vector<std::u32string>{U"a", U"b"}));
    EXPECT_EQ(SplitText(U"1..2.3", U".", U"").size(), 4u);
}

TEST(VocabularyTest, Utf8Lengths) {
    std::u32string text = U"a\u00e9\u4e2d\U0001F600"; // 1 + 2 + 3 + 4 bytes
    EXPECT_EQ(GetUtf8Length(text), 10u);
    EXPECT_EQ(GetUtf8Length(U""), 0u);
    struct Case {
        std::size_t limit;
        std::u32string cut;
    } cases[] = {{0, U""},
                 {1, U"a"},
                 {2, U"a"},
                 {3, U"a\u00e9"},
                 {5, U"a\u00e9"},
                 {6, U"a\u00e9\u4e2d"},
                 {9, U"a\u00e9\u4e2d"},
                 {10, text},
                 {99, text}};
    for (const Case& c : cases) {
        EXPECT_EQ(CutToUtf8Length(text, c.limit), c.cut) << c.limit;
    }
    EXPECT_TRUE(IsHexText(U""));
    EXPECT_TRUE(IsHexText(U"09afAF"));
    EXPECT_FALSE(IsHexText(U"0g"));
    EXPECT_TRUE(IsAsciiText(U"abc\x7f"));
    EXPECT_FALSE(IsAsciiText(U"ab\u00e9"));
}

} // namespace
} // namespace cpe
