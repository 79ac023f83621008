#include "link/text_rules.h"

#include <algorithm>
#include <array>

namespace cpe {
namespace {

constexpr std::array<char32_t, 33> kChinesePunctuation = {
    0x00B7, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D, 0x2026, 0x3001, 0x3002, 0x3008, 0x3009,
    0x300A, 0x300B, 0x300C, 0x300D, 0x300E, 0x300F, 0x3010, 0x3011, 0x3014, 0x3015, 0xFE43,
    0xFE44, 0xFE4F, 0xFF01, 0xFF08, 0xFF09, 0xFF0C, 0xFF1A, 0xFF1B, 0xFF1F, 0xFF5E, 0xFFE5,
};

bool HasHighByte(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

bool IsChineseCharacter(char32_t cp) {
    if (cp >= 0x4E00 && cp <= 0x9FA5) {
        return true;
    }
    return std::find(kChinesePunctuation.begin(), kChinesePunctuation.end(), cp) != kChinesePunctuation.end();
}

std::string ReceivedText(std::string_view bytes, const CodePage& codePage) {
    if (!HasHighByte(bytes)) {
        return std::string(bytes);
    }
    return codePage.FromUtf8(bytes.substr(0, CompleteUtf8Prefix(bytes)));
}

std::string TextToSend(std::string_view text, const CodePage& codePage) {
    if (!HasHighByte(text)) {
        return std::string(text);
    }
    std::u32string points = codePage.Decode(text);
    if (std::none_of(points.begin(), points.end(), IsChineseCharacter)) {
        return std::string(text);
    }
    return codePage.ToUtf8(text);
}

} // namespace cpe
