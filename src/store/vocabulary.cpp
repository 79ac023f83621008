#include "store/vocabulary.h"

#include "core/CodePage.h"
#include "link/bytes.h"
#include "shell/lang/language.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace cpe {
namespace {

// An unknown code yields an empty text, not a lookup of an empty key.
std::string Translated(const char* const* table, std::size_t size, int code) {
    if (code < 0 || static_cast<std::size_t>(code) >= size || table[code] == nullptr) {
        return {};
    }
    return TranslateText(table[code]);
}

constexpr const char* kStatusTexts[] = {"Outline",         "Online",      "Bridge success", "Bridge fail",
                                        "Restarting",      "Reseting",    "Upgrade wait",   "Upgrading",
                                        "Upgrade success", "Upgrade fail"};
constexpr const char* kWorkModeTexts[] = {nullptr,    "AP",   "Station", "Universal Repeater",
                                          "Repeater", "P2MP", "WISP",    "Router"};
constexpr const char* kSecureModeTexts[] = {"Disable",     "WEP", "WPA_PSK", "WPA2_PSK",
                                            "WPAWPA2_PSK", "WPA", "WPA2"};

constexpr int kNoTransparentBridgeTypes[] = {4, 32, 33, 81, 261, 286, 287};
constexpr int kTdmaTypes[] = {6,   8,   9,   10,  11,  14,  15,  18,  19,  20,  23,  24,  25,  265, 266,
                              267, 268, 269, 270, 272, 273, 274, 277, 278, 279, 280, 282, 283, 284, 285};

template <std::size_t N>
bool Contains(const int (&list)[N], int value) {
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

std::string SwitchText(int value) {
    return TranslateText(value != 0 ? "On2" : "Off2");
}

// atoi-like: leading blanks, sign, digits; saturates instead of overflowing.
long DecimalPrefix(const std::string& piece) {
    errno = 0;
    return std::strtol(piece.c_str(), nullptr, 10);
}

std::size_t Utf8Width(char32_t c) {
    return c <= 0x7F ? 1 : c <= 0x7FF ? 2 : c <= 0xFFFF ? 3 : 4;
}

template <typename Char>
std::vector<std::basic_string<Char>> Split(std::basic_string_view<Char> text,
                                           std::basic_string_view<Char> delimiter,
                                           std::basic_string_view<Char> emptyPiece) {
    std::vector<std::basic_string<Char>> pieces;
    auto add = [&](std::basic_string_view<Char> piece) {
        pieces.emplace_back(piece.empty() ? emptyPiece : piece);
    };
    if (delimiter.empty()) {
        add(text);
        return pieces;
    }
    std::size_t start = 0;
    for (std::size_t at = text.find(delimiter); at != text.npos; at = text.find(delimiter, start)) {
        add(text.substr(start, at - start));
        start = at + delimiter.size();
    }
    add(text.substr(start));
    return pieces;
}

bool IsLineEnd(char32_t c) {
    return c == U'\n' || c == U'\r' || c == U'\u2028' || c == U'\u2029';
}

// True when `text` is exactly the tokens of `sequence` from `at` on; a token is one of its literal
// texts, or any one character but a line end when it has none.
bool MatchesWhole(const std::vector<std::vector<std::u32string_view>>& sequence, std::size_t at,
                  std::u32string_view text) {
    if (at == sequence.size()) {
        return text.empty();
    }
    const std::vector<std::u32string_view>& token = sequence[at];
    if (token.empty()) {
        return !text.empty() && !IsLineEnd(text.front()) && MatchesWhole(sequence, at + 1, text.substr(1));
    }
    return std::any_of(token.begin(), token.end(), [&](std::u32string_view literal) {
        return text.starts_with(literal) && MatchesWhole(sequence, at + 1, text.substr(literal.size()));
    });
}

} // namespace

IpBytes IpTextToBytes(std::string_view text) {
    int n[4] = {0, 0, 0, 0};
    std::string copy(text);
    std::sscanf(copy.c_str(), "%d.%d.%d.%d", &n[0], &n[1], &n[2], &n[3]);
    IpBytes ip{};
    for (int i = 0; i < 4; ++i) {
        ip[i] = static_cast<std::uint8_t>(n[i]);
    }
    return ip;
}

std::uint32_t IpTextToNumber(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    std::vector<std::string> pieces = SplitText(text, ".", "");
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < pieces.size() && i < 4; ++i) {
        auto value = static_cast<std::uint32_t>(DecimalPrefix(pieces[i]));
        sum += value << (24 - 8 * i);
    }
    return sum;
}

MacBytes MacTextToBytes(std::string_view text) {
    unsigned n[6] = {0, 0, 0, 0, 0, 0};
    std::string copy(text);
    std::sscanf(copy.c_str(), "%02x:%02x:%02x:%02x:%02x:%02x", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5]);
    MacBytes mac{};
    for (int i = 0; i < 6; ++i) {
        mac[i] = static_cast<std::uint8_t>(n[i]);
    }
    return mac;
}

MacBytes MacTextToBytesA(std::string_view text) {
    if (text.find(':') != text.npos) {
        return MacTextToBytes(text);
    }
    MacBytes mac{};
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 6), mac.begin());
    return mac;
}

std::string IpBytesToText(const IpBytes& ip) {
    return IpText(ip.data());
}

std::string MacBytesToText(const MacBytes& mac) {
    return MacText(mac.data());
}

std::string GetNetworkAddressText(const IpBytes& ip, const IpBytes& mask) {
    IpBytes net{};
    for (int i = 0; i < 4; ++i) {
        net[i] = static_cast<std::uint8_t>(ip[i] & mask[i]);
    }
    return IpBytesToText(net);
}

std::string GetApStatusText(int status) {
    return Translated(kStatusTexts, std::size(kStatusTexts), status);
}

std::string GetWorkModeText(int workMode) {
    return Translated(kWorkModeTexts, std::size(kWorkModeTexts), workMode);
}

std::string GetSecureModeText(int secureMode) {
    return Translated(kSecureModeTexts, std::size(kSecureModeTexts), secureMode);
}

std::string GetChannelText(int channel) {
    return channel == 0 ? TranslateText("Auto") : std::to_string(channel);
}

std::string GetUpTimeText(std::uint32_t seconds) {
    unsigned days = seconds / 86400;
    unsigned hours = (seconds / 3600) % 24;
    unsigned minutes = (seconds / 60) % 60;
    char text[40];
    if (days != 0) {
        std::snprintf(text, sizeof text, "%u %u:%u:%u", days, hours, minutes, seconds % 60);
    } else {
        std::snprintf(text, sizeof text, "%u:%u:%u", hours, minutes, seconds % 60);
    }
    return text;
}

bool BridgeTransparentApplies(int apType, int workMode) {
    return !Contains(kNoTransparentBridgeTypes, apType) && (workMode < 4 || workMode > 7);
}

bool TdmaEnApplies(int apType) {
    return Contains(kTdmaTypes, apType);
}

std::string GetBridgeTransparentText(int apType, int workMode, int value) {
    return BridgeTransparentApplies(apType, workMode) ? SwitchText(value) : "N/A";
}

std::string GetTdmaEnText(int apType, int value) {
    return TdmaEnApplies(apType) ? SwitchText(value) : "N/A";
}

bool IsHexText(std::u32string_view text) {
    return std::all_of(text.begin(), text.end(), [](char32_t c) {
        return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'f') || (c >= U'A' && c <= U'F');
    });
}

bool IsAsciiText(std::u32string_view text) {
    return std::all_of(text.begin(), text.end(), [](char32_t c) { return c <= 127; });
}

std::size_t GetUtf8Length(std::u32string_view text) {
    std::size_t length = 0;
    for (char32_t c : text) {
        length += Utf8Width(c);
    }
    return length;
}

std::u32string CutToUtf8Length(std::u32string_view text, std::size_t byteLimit) {
    std::size_t length = 0;
    std::size_t count = 0;
    for (char32_t c : text) {
        if (length + Utf8Width(c) > byteLimit) {
            break;
        }
        length += Utf8Width(c);
        ++count;
    }
    return std::u32string(text.substr(0, count));
}

std::vector<std::u32string> SplitText(std::u32string_view text, std::u32string_view delimiter,
                                      std::u32string_view emptyPiece) {
    return Split(text, delimiter, emptyPiece);
}

std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter,
                                   std::string_view emptyPiece) {
    return Split(text, delimiter, emptyPiece);
}

bool IsValidNetmask(std::string_view text) {
    // The mask pattern
    //   ^(254|252|248|240|224|192|128).0.0.0$|^(255.(254|252|248|240|224|192|128|0).0.0)$|
    //   ^(255.255.(254|252|248|240|224|192|128|0).0)$|^(255.255.255.(254|252|248|240|224|192|128|0))$
    // matched per character, as an ECMAScript regular expression matches it: each unescaped dot
    // is any one character but a line end.
    using Choice = std::vector<std::u32string_view>; // empty: the dot
    static const Choice kLow = {U"254", U"252", U"248", U"240", U"224", U"192", U"128"};
    static const Choice kLowOrZero = {U"254", U"252", U"248", U"240", U"224", U"192", U"128", U"0"};
    static const Choice kDot = {};
    static const Choice k255 = {U"255"};
    static const Choice k0 = {U"0"};
    static const std::vector<Choice> kAlternatives[] = {
        {kLow, kDot, k0, kDot, k0, kDot, k0},
        {k255, kDot, kLowOrZero, kDot, k0, kDot, k0},
        {k255, kDot, k255, kDot, kLowOrZero, kDot, k0},
        {k255, kDot, k255, kDot, k255, kDot, kLowOrZero},
    };
    std::u32string decoded = DecodeUtf8(text);
    return std::any_of(
        std::begin(kAlternatives), std::end(kAlternatives),
        [&](const std::vector<Choice>& sequence) { return MatchesWhole(sequence, 0, decoded); });
}

} // namespace cpe
