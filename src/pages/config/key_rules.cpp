#include "pages/config/key_rules.h"

#include "pages/config/rule_messages.h"

namespace cpe {

bool UsesMinimalKeySet(int apType) {
    return apType == 33 || apType == 81 || apType == 286 || apType == 287;
}

std::optional<std::uint32_t> ParseDecimal(std::u32string_view text) {
    std::uint64_t value = 0;
    for (char32_t c : text) {
        if (c < U'0' || c > U'9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - U'0');
        if (value > 0xFFFFFFFFull) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(value);
}

RuleMessage CheckPreSharedKey(std::u32string_view key, int apType) {
    const std::size_t length = key.size();
    if (UsesMinimalKeySet(apType) && (length < 8 || length > 63)) {
        return rule_message::kPskMinimal;
    }
    if (length < 8 || length > 64) {
        return rule_message::kPsk;
    }
    if (length == 64 && !IsHexText(key)) {
        return rule_message::kPsk;
    }
    if (!IsAsciiText(key)) {
        return rule_message::kPsk;
    }
    return nullptr;
}

RuleMessage CheckKeyInterval(std::u32string_view text) {
    if (text.empty()) {
        return CPE_TR("The key update interval should not be empty!");
    }
    const std::optional<std::uint32_t> n = ParseDecimal(text);
    if (!n || (*n != 0 && (*n < 60 || *n > 99999))) {
        return CPE_TR("The key update interval range: 60~99999 or 0!");
    }
    return nullptr;
}

RuleMessage CheckWepKey(std::u32string_view key, bool hexType) {
    const std::size_t length = key.size();
    if (hexType) {
        return (length == 10 || length == 26) && IsHexText(key) ? nullptr : rule_message::kWepHex;
    }
    if (length != 5 && length != 13) {
        return rule_message::kWepAsciiLength;
    }
    return IsAsciiText(key) ? nullptr : rule_message::kWepAsciiCharacters;
}

RuleMessage CheckWepPage(const std::array<std::u32string, 4>& keys, const std::array<bool, 4>& hexTypes,
                         int defaultKey) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!keys[i].empty()) {
            if (RuleMessage message = CheckWepKey(keys[i], hexTypes[i])) {
                return message;
            }
        }
    }
    static constexpr RuleMessage kMissing[] = {
        CPE_TR("Please enter the WEP key1!"), CPE_TR("Please enter the WEP key2!"),
        CPE_TR("Please enter the WEP key3!"), CPE_TR("Please enter the WEP key4!")};
    if (defaultKey < 0 || defaultKey > 3) {
        return kMissing[0];
    }
    return keys[static_cast<std::size_t>(defaultKey)].empty() ? kMissing[defaultKey] : nullptr;
}

RuleMessage CheckRadius(const IpBytes& server, std::u32string_view port, std::u32string_view key,
                        std::u32string_view interval) {
    if (!IsHostAddress(server)) {
        return CPE_TR("Please enter a valid RADIUS Server address!");
    }
    const std::optional<std::uint32_t> portNumber = ParseDecimal(port);
    if (!portNumber || *portNumber < 1 || *portNumber > 65535) {
        return CPE_TR("Please specify a valid RADIUS Port!");
    }
    if (key.empty() || key.size() > 64 || !IsAsciiText(key)) {
        return CPE_TR("Please enter a key for 1~64 ASCII characters!");
    }
    return CheckKeyInterval(interval);
}

} // namespace cpe
