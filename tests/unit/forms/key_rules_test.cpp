#include "pages/config/key_rules.h"

#include <gtest/gtest.h>
#include <string>

namespace cpe {
namespace {

std::string Msg(RuleMessage message) {
    return message ? message : "";
}

const char kPsk[] = "Please enter a key for 8~63 ASCII characters or 8~64 HEX characters!";
const char kPskMinimal[] = "Please enter a key for 8~63 ASCII characters or 8~63 HEX characters!";

TEST(PreSharedKeyTest, LengthsCharactersAndMinimalSet) {
    struct Case {
        std::u32string key;
        int type;
        const char* message;
    };
    const Case cases[] = {
        {std::u32string(8, U'a'), 1, ""},
        {std::u32string(7, U'a'), 1, kPsk},
        {std::u32string(63, U'a'), 1, ""},
        {std::u32string(64, U'a'), 1, ""}, // hex digits
        {std::u32string(64, U'g'), 1, kPsk},
        {std::u32string(65, U'a'), 1, kPsk},
        {U"abcdefg\u4E2D", 1, kPsk},
        {std::u32string(64, U'a'), 33, kPskMinimal},
        {std::u32string(7, U'a'), 286, kPskMinimal},
        {std::u32string(63, U'a'), 287, ""},
        {U"abcdefg\u4E2D", 81, kPsk},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Msg(CheckPreSharedKey(c.key, c.type)), c.message) << c.key.size() << " type " << c.type;
    }
}

TEST(KeyIntervalTest, ZeroOrSixtyTo99999) {
    const std::pair<std::u32string, const char*> cases[] = {
        {U"", "The key update interval should not be empty!"},
        {U"0", ""},
        {U"59", "The key update interval range: 60~99999 or 0!"},
        {U"60", ""},
        {U"99999", ""},
        {U"100000", "The key update interval range: 60~99999 or 0!"},
        {U"abc", "The key update interval range: 60~99999 or 0!"},
        {U"99999999999999999999", "The key update interval range: 60~99999 or 0!"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(Msg(CheckKeyInterval(text)), message) << text.size();
    }
}

const char kWepHex[] = "WEP key is invalid! Please enter 10 or 26 HEX characters!";
const char kWepAscii[] = "WEP key is invalid! Please enter 5 or 13 ASCII characters!";
const char kWepChars[] =
    "WEP key includes invalid characters (It should only include 0-9,a-z,A-Z,@,*,- and _.)!";

TEST(WepKeyTest, TypesLengthsAndCharacters) {
    struct Case {
        std::u32string key;
        bool hex;
        const char* message;
    };
    const Case cases[] = {
        {U"abcde", false, ""},
        {U"abcdef", false, kWepAscii},
        {U"abcdefghijklm", false, ""},
        {U"a b,\"", false, ""}, // any ASCII passes although the message names fewer
        {U"abcd\u4E2D", false, kWepChars},
        {U"0123456789", true, ""},
        {U"012345678g", true, kWepHex},
        {std::u32string(26, U'F'), true, ""},
        {std::u32string(12, U'F'), true, kWepHex},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Msg(CheckWepKey(c.key, c.hex)), c.message) << c.key.size();
    }
}

TEST(WepPageTest, KeysInOrderThenDefaultKey) {
    const std::array<bool, 4> ascii{false, false, false, false};
    EXPECT_EQ(Msg(CheckWepPage({U"abcde", U"", U"", U""}, ascii, 0)), "");
    EXPECT_EQ(Msg(CheckWepPage({U"abcde", U"", U"", U""}, ascii, 2)), "Please enter the WEP key3!");
    EXPECT_EQ(Msg(CheckWepPage({U"", U"", U"", U""}, ascii, 3)), "Please enter the WEP key4!");
    // A bad key 2 is reported before the missing default key 1.
    EXPECT_EQ(Msg(CheckWepPage({U"", U"abc", U"", U""}, ascii, 0)), kWepAscii);
    EXPECT_EQ(Msg(CheckWepPage({U"abcde", U"", U"", U"12345"}, {false, false, false, true}, 0)), kWepHex);
}

TEST(RadiusTest, ServerPortKeyInterval) {
    const IpBytes good{192, 168, 1, 10};
    EXPECT_EQ(Msg(CheckRadius(good, U"1812", U"secret", U"0")), "");
    EXPECT_EQ(Msg(CheckRadius({192, 168, 1, 0}, U"1812", U"secret", U"0")),
              "Please enter a valid RADIUS Server address!");
    EXPECT_EQ(Msg(CheckRadius({127, 0, 0, 1}, U"1812", U"secret", U"0")),
              "Please enter a valid RADIUS Server address!");
    for (const char32_t* port : {U"0", U"65536", U"", U"18a"}) {
        EXPECT_EQ(Msg(CheckRadius(good, port, U"secret", U"0")), "Please specify a valid RADIUS Port!");
    }
    EXPECT_EQ(Msg(CheckRadius(good, U"65535", U"secret", U"0")), "");
    EXPECT_EQ(Msg(CheckRadius(good, U"1", U"", U"0")), "Please enter a key for 1~64 ASCII characters!");
    EXPECT_EQ(Msg(CheckRadius(good, U"1", std::u32string(65, U'k'), U"0")),
              "Please enter a key for 1~64 ASCII characters!");
    EXPECT_EQ(Msg(CheckRadius(good, U"1", U"k\u4E2D", U"0")),
              "Please enter a key for 1~64 ASCII characters!");
    EXPECT_EQ(Msg(CheckRadius(good, U"1", U"k", U"59")), "The key update interval range: 60~99999 or 0!");
}

} // namespace
} // namespace cpe
