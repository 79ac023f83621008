#pragma once

#include "pages/config/address_rules.h" // RuleMessage

#include <string_view>

// Character rules for SSIDs and device names, on code points. Both rules limit the text to 32
// bytes of UTF-8.
namespace cpe {

inline constexpr std::size_t kNameByteLimit = 32;

// At least one character other than a space.
bool IsNonBlank(std::u32string_view text);

// Every character is 1 to 127 or a Chinese character of the devices' set.
bool PassesGeneralCharacterRule(std::u32string_view text);
// Letters, digits, Chinese characters and ! # $ % & ( ) * + - . / < = > ? @ ^ _ ~ only.
bool PassesRestrictedCharacterRule(std::u32string_view text);

// The device types whose names and SSIDs follow the restricted rule.
bool UsesRestrictedNameRule(int apType);

// The rule's own message when the name fails it (nullptr when it passes); no emptiness check.
RuleMessage CheckDeviceNameCharacters(std::u32string_view name, bool restricted);
RuleMessage CheckSsidCharacters(std::u32string_view ssid, bool restricted);

// The IP tab's and the wireless tab's full checks, emptiness first.
RuleMessage CheckDeviceName(std::u32string_view name, bool restricted);
RuleMessage CheckSsid(std::u32string_view ssid, bool restricted);

} // namespace cpe
