#include "pages/config/address_rules.h"

#include "core/CodePage.h"
#include "pages/config/rule_messages.h"

namespace cpe {

std::u32string ToU32(std::string_view ascii) {
    return std::u32string(ascii.begin(), ascii.end());
}

bool HasFourParts(std::u32string_view text) {
    return SplitText(text, U".", U"").size() == 4;
}

std::optional<IpBytes> ParseDottedAddress(std::u32string_view text) {
    std::vector<std::u32string> parts = SplitText(text, U".", U"");
    if (parts.size() != 4) {
        return std::nullopt;
    }
    IpBytes ip{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::u32string& part = parts[i];
        if (part.empty() || part.size() > 3) {
            return std::nullopt;
        }
        unsigned value = 0;
        for (char32_t c : part) {
            if (c < U'0' || c > U'9') {
                return std::nullopt;
            }
            value = value * 10 + static_cast<unsigned>(c - U'0');
        }
        if (value > 255) {
            return std::nullopt;
        }
        ip[i] = static_cast<std::uint8_t>(value);
    }
    return ip;
}

bool IsUnsetAddress(std::u32string_view text) {
    return text.empty() || text == U"0.0.0.0";
}

bool IsHostAddress(const IpBytes& ip) {
    return ip[0] != 0 && ip[0] != 127 && ip[0] < 224 && ip[3] != 0 && ip[3] != 255;
}

bool IsHostAddress(std::u32string_view text, bool optional) {
    if (IsUnsetAddress(text)) {
        return optional;
    }
    std::optional<IpBytes> ip = ParseDottedAddress(text);
    return ip && IsHostAddress(*ip);
}

bool IsNetmask(std::u32string_view text) {
    return HasFourParts(text) && IsValidNetmask(EncodeUtf8(text));
}

bool IsSameSubnet(const IpBytes& first, const IpBytes& second, const IpBytes& mask) {
    for (std::size_t i = 0; i < 4; ++i) {
        if ((first[i] & mask[i]) != (second[i] & mask[i])) {
            return false;
        }
    }
    return true;
}

std::u32string NetworkAddressText(const IpBytes& ip, const IpBytes& mask) {
    return ToU32(GetNetworkAddressText(ip, mask));
}

RuleMessage CheckDnsRules(std::u32string_view dns1, std::u32string_view dns2) {
    if (!IsHostAddress(dns1, true)) {
        return CPE_TR("The primary DNS Server is invalid!");
    }
    if (!IsHostAddress(dns2, true)) {
        return CPE_TR("The secondary DNS Server is invalid!");
    }
    if (!IsUnsetAddress(dns1) && !IsUnsetAddress(dns2) && dns1 == dns2) {
        return rule_message::kPrimaryDnsSame;
    }
    return nullptr;
}

RuleMessage CheckAddressRules(const AddressFields& f) {
    if (!IsHostAddress(f.ip)) {
        return CPE_TR("The ip address is invalid!");
    }
    if (!IsNetmask(f.mask)) {
        return CPE_TR("The subnet mask is invalid!");
    }
    if (!IsHostAddress(f.gateway, true)) {
        return CPE_TR("The gateway address is invalid!");
    }
    if (f.ip == f.gateway) {
        return rule_message::kIpGatewaySame;
    }
    const std::optional<IpBytes> parsedMask = ParseDottedAddress(f.mask);
    if (!parsedMask) {
        return CPE_TR("The subnet mask is invalid!");
    }
    const IpBytes ip = *ParseDottedAddress(f.ip); // a host address parses
    const IpBytes mask = *parsedMask;
    if (NetworkAddressText(ip, mask) == f.ip) {
        return CPE_TR("IP Address can't be the network segment!");
    }
    if (!IsUnsetAddress(f.gateway) && !IsSameSubnet(*ParseDottedAddress(f.gateway), ip, mask)) {
        return rule_message::kNotSameSubnet;
    }
    return CheckDnsRules(f.dns1, f.dns2);
}

} // namespace cpe
