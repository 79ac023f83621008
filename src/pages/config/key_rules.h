#pragma once

#include "pages/config/address_rules.h"

#include <array>
#include <string_view>

// Key rules of the wireless tab and the bridge wizard, on code points. L is the number of
// characters of a key.
namespace cpe {

// The device types with the smaller pre-shared key range (8 to 63 characters, no 64-digit hex).
bool UsesMinimalKeySet(int apType);

// WPA-PSK, WPA2-PSK and mixed keys.
RuleMessage CheckPreSharedKey(std::u32string_view key, int apType);

// 0, or 60 to 99999. Only decimal digits make a number; any other text is out of range.
RuleMessage CheckKeyInterval(std::u32string_view text);

// One WEP key with its type ("Hex" when hexType, else "ASCII").
RuleMessage CheckWepKey(std::u32string_view key, bool hexType);

// The WEP page: every non-empty key with its type, then the default key (0 to 3) must be set.
RuleMessage CheckWepPage(const std::array<std::u32string, 4>& keys, const std::array<bool, 4>& hexTypes,
                         int defaultKey);

// The RADIUS settings of the WPA and WPA2 modes, in their order.
RuleMessage CheckRadius(const IpBytes& server, std::u32string_view port, std::u32string_view key,
                        std::u32string_view interval);

// The value of a text of decimal digits (empty is 0); nullopt for any other text or a value that
// does not fit in 32 bits.
std::optional<std::uint32_t> ParseDecimal(std::u32string_view text);

} // namespace cpe
