#include "link/text_rules.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

struct SendCase {
    const char* what;
    const char* codePage;
    std::string text;     // in that code page
    std::string expected; // bytes on the wire
};

TEST(TextToSend, ConvertsOnlyWhenAChineseCharacterIsPresent) {
    const SendCase cases[] = {
        {"plain ASCII", "UTF-8", "Tower-3", "Tower-3"},
        {"accented Latin under CP1252 goes out single-byte", "CP1252", "Ca\xF1on \xE9t\xE9",
         "Ca\xF1on \xE9t\xE9"},
        {"GBK Chinese goes out as UTF-8", "GBK", "\xB1\xB1-1", "\xE5\x8C\x97-1"},
        {"Chinese full stop alone is Chinese", "GBK", "a\xA1\xA3", "a\xE3\x80\x82"},
        {"UTF-8 console: Chinese stays UTF-8", "UTF-8", "\xE5\x8C\x97", "\xE5\x8C\x97"},
        {"UTF-8 console: accented name unchanged", "UTF-8", "Caf\xC3\xA9", "Caf\xC3\xA9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextToSend(c.text, CodePage(c.codePage)), c.expected) << c.what;
    }
}

TEST(TextToSend, LengthByteCountsThreeBytesPerChineseCharacter) {
    EXPECT_EQ(TextToSend("\xB1\xB1\xCB\xFE", CodePage("GBK")).size(), 6u);
}

struct ReceiveCase {
    const char* what;
    const char* codePage;
    std::string wire;
    std::string stored;
};

TEST(ReceivedText, RepairsThenConverts) {
    const ReceiveCase cases[] = {
        {"ASCII untouched", "GBK", "Mast", "Mast"},
        {"two CJK characters: 6 bytes in, 4 stored under GBK", "GBK", "\xE5\x8C\x97\xE5\xA1\x94",
         "\xB1\xB1\xCB\xFE"},
        {"cut character dropped", "GBK", "\xE5\x8C\x97\xE5\xA1", "\xB1\xB1"},
        {"accented name to CP1252", "CP1252", "Caf\xC3\xA9", "Caf\xE9"},
        {"character missing from CP1252 becomes ?", "CP1252", "a\xE5\x8C\x97", "a?"},
        {"UTF-8 console keeps the bytes", "UTF-8", "\xE5\x8C\x97\xE5", "\xE5\x8C\x97"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReceivedText(c.wire, CodePage(c.codePage)), c.stored) << c.what;
    }
}

TEST(ChineseCharacterSet, EdgesOfTheRangeAndPunctuation) {
    for (char32_t yes : {0x4E00u, 0x9FA5u, 0x00B7u, 0x3008u, 0x3011u, 0xFF1Fu, 0xFFE5u}) {
        EXPECT_TRUE(IsChineseCharacter(yes)) << std::hex << static_cast<unsigned>(yes);
    }
    for (char32_t no : {0x4DFFu, 0x9FA6u, 0x3012u, 0x3013u, 0x00E9u, 0x41u, 0xFF02u}) {
        EXPECT_FALSE(IsChineseCharacter(no)) << std::hex << static_cast<unsigned>(no);
    }
}

TEST(Utf8Prefix, CutsAfterLastCompleteCharacter) {
    EXPECT_EQ(CompleteUtf8Prefix("abc"), 3u);
    EXPECT_EQ(CompleteUtf8Prefix("\xE5\x8C\x97"), 3u);
    EXPECT_EQ(CompleteUtf8Prefix("\xE5\x8C\x97\xE5\x8C"), 3u);
    EXPECT_EQ(CompleteUtf8Prefix("a\xC3"), 1u);
    EXPECT_EQ(CompleteUtf8Prefix("a\xF0\x9F\x98\x80"), 5u);
    EXPECT_EQ(CompleteUtf8Prefix(""), 0u);
}

} // namespace
} // namespace cpe
