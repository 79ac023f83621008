#include "link/bytes.h"

#include <cctype>

namespace cpe {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

} // namespace

bool ParseMacText(const std::string& text, std::uint8_t out[6]) {
    if (text.size() != 17) {
        return false;
    }
    std::uint8_t bytes[6];
    for (int i = 0; i < 6; ++i) {
        int hi = HexValue(text[i * 3]);
        int lo = HexValue(text[i * 3 + 1]);
        if (hi < 0 || lo < 0 || (i < 5 && text[i * 3 + 2] != ':')) {
            return false;
        }
        bytes[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    for (int i = 0; i < 6; ++i) {
        out[i] = bytes[i];
    }
    return true;
}

bool ParseIpText(const std::string& text, std::uint8_t out[4]) {
    std::uint8_t bytes[4];
    std::size_t at = 0;
    for (int part = 0; part < 4; ++part) {
        if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) {
            return false;
        }
        unsigned value = 0;
        int digits = 0;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
            value = value * 10 + static_cast<unsigned>(text[at] - '0');
            if (++digits > 3 || value > 255) {
                return false;
            }
            ++at;
        }
        bytes[part] = static_cast<std::uint8_t>(value);
        if (part < 3) {
            if (at >= text.size() || text[at] != '.') {
                return false;
            }
            ++at;
        }
    }
    if (at != text.size()) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        out[i] = bytes[i];
    }
    return true;
}

} // namespace cpe
