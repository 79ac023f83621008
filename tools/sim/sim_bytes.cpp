#include "sim_bytes.h"

#include <algorithm>
#include <cstdio>

namespace cpe::sim {

Mac GetMac(ConstBytes b, std::size_t off) {
    Mac mac{};
    for (std::size_t i = 0; i < mac.size(); ++i) {
        mac[i] = Get8(b, off + i);
    }
    return mac;
}

void PutMac(Bytes b, std::size_t off, const Mac& mac) {
    for (std::size_t i = 0; i < mac.size(); ++i) {
        Put8(b, off + i, mac[i]);
    }
}

std::string GetText(ConstBytes b, std::size_t off, std::size_t width, std::size_t lenOff) {
    const std::size_t len = std::min<std::size_t>(Get8(b, lenOff), width);
    std::string text;
    text.reserve(len);
    for (std::size_t i = 0; i < len; ++i) {
        text.push_back(static_cast<char>(Get8(b, off + i)));
    }
    return text;
}

void PutText(Bytes b, std::size_t off, std::size_t width, std::size_t lenOff, std::string_view text) {
    const std::size_t len = std::min(text.size(), width);
    for (std::size_t i = 0; i < width; ++i) {
        Put8(b, off + i, i < len ? static_cast<std::uint8_t>(text[i]) : 0);
    }
    Put8(b, lenOff, static_cast<std::uint8_t>(len));
}

std::string IpText(Ipv4 ip) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%u.%u.%u.%u", (ip >> 24) & 0xff, (ip >> 16) & 0xff, (ip >> 8) & 0xff,
                  ip & 0xff);
    return buf;
}

bool ParseIp(std::string_view text, Ipv4& out) {
    Ipv4 value = 0;
    int parts = 0;
    std::size_t i = 0;
    while (parts < 4) {
        unsigned n = 0;
        std::size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
            n = n * 10 + static_cast<unsigned>(text[i] - '0');
            ++i;
            ++digits;
        }
        if (digits == 0 || n > 255) {
            return false;
        }
        value = (value << 8) | n;
        ++parts;
        if (parts < 4) {
            if (i >= text.size() || text[i] != '.') {
                return false;
            }
            ++i;
        }
    }
    if (i != text.size()) {
        return false;
    }
    out = value;
    return true;
}

std::string MacText(const Mac& mac) {
    char buf[18];
    std::snprintf(buf, sizeof buf, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3], mac[4],
                  mac[5]);
    return buf;
}

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}
} // namespace

bool ParseMac(std::string_view text, Mac& out) {
    if (text.size() != 17) {
        return false;
    }
    Mac mac{};
    for (std::size_t i = 0; i < 6; ++i) {
        const int hi = HexDigit(text[i * 3]);
        const int lo = HexDigit(text[i * 3 + 1]);
        if (hi < 0 || lo < 0 || (i < 5 && text[i * 3 + 2] != ':')) {
            return false;
        }
        mac[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    out = mac;
    return true;
}

std::string HexText(ConstBytes b) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(b.size() * 2);
    for (const std::uint8_t v : b) {
        out.push_back(kDigits[v >> 4]);
        out.push_back(kDigits[v & 15]);
    }
    return out;
}

bool ParseHex(std::string_view text, std::string& out) {
    if (text.size() % 2 != 0) {
        return false;
    }
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int hi = HexDigit(text[i]);
        const int lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) {
            return false;
        }
        bytes.push_back(static_cast<char>(hi * 16 + lo));
    }
    out = std::move(bytes);
    return true;
}

namespace {
// Length of the whole character starting at `i`, or 0 when the bytes there are not one.
std::size_t CharLength(std::string_view t, std::size_t i) {
    const auto c = static_cast<unsigned char>(t[i]);
    std::size_t n = 0;
    if (c < 0x80) {
        return 1;
    } else if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
        n = 2;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
    } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
        n = 4;
    } else {
        return 0;
    }
    if (i + n > t.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(t[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return n;
}
} // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = CharLength(text, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

std::string CutUtf8(std::string_view text, std::size_t limit) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t n = CharLength(text, end);
        if (n == 0 || end + n > limit) {
            break;
        }
        end += n;
    }
    return std::string(text.substr(0, end));
}

} // namespace cpe::sim
