#pragma once

#include "shell/lang/language.h"

// The operator messages of the rules whose texts do not fit a line; the pack check reads each
// literal from one line, so the lines stay whole.
namespace cpe::rule_message {

// clang-format off
inline constexpr const char* kNameRestricted = CPE_TR("Device name maximum allowed 32 bytes, only support combination of Chinese, lowercase letters, 0-9 numbers");
inline constexpr const char* kNameGeneral = CPE_TR("Device name maximum allowed 32 bytes, only support combination of Chinese, ASCII characters");
inline constexpr const char* kSsidRestricted = CPE_TR("SSID maximum allowed 32 bytes, only support combination of Chinese, lowercase letters, 0-9 numbers");
inline constexpr const char* kSsidGeneral = CPE_TR("SSID maximum allowed 32 bytes, only support combination of Chinese, ASCII characters");
inline constexpr const char* kSsidBlank = CPE_TR("Please enter 1 to 32 byte ASCII charaters or chinese characters!");
inline constexpr const char* kPskMinimal = CPE_TR("Please enter a key for 8~63 ASCII characters or 8~63 HEX characters!");
inline constexpr const char* kPsk = CPE_TR("Please enter a key for 8~63 ASCII characters or 8~64 HEX characters!");
inline constexpr const char* kWepHex = CPE_TR("WEP key is invalid! Please enter 10 or 26 HEX characters!");
inline constexpr const char* kWepAsciiLength = CPE_TR("WEP key is invalid! Please enter 5 or 13 ASCII characters!");
inline constexpr const char* kWepAsciiCharacters = CPE_TR("WEP key includes invalid characters (It should only include 0-9,a-z,A-Z,@,*,- and _.)!");
inline constexpr const char* kPrimaryDnsSame = CPE_TR("Primary DNS Server and Secondary DNS Server can't be the same!");
inline constexpr const char* kNotSameSubnet = CPE_TR("Ip address and gateway address is not in the same subnet!");
inline constexpr const char* kIpGatewaySame = CPE_TR("The ip address and gateway address cannot be the same!");
// clang-format on

} // namespace cpe::rule_message
