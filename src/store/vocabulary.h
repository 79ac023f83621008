#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Conversions between the numbers devices report and the texts the console stores and shows.
// Texts are UTF-8 (std::string) unless the parameter is a code-point text (std::u32string_view);
// translated texts come from the language lookup with the English text as key.
namespace cpe {

using IpBytes = std::array<std::uint8_t, 4>;
using MacBytes = std::array<std::uint8_t, 6>;

// Device status codes of the ap_status column.
enum ApStatus : int {
    kApOutline = 0,
    kApOnline = 1,
    kApBridgeSuccess = 2,
    kApBridgeFail = 3,
    kApRestarting = 4,
    kApReseting = 5,
    kApUpgradeWait = 6,
    kApUpgrading = 7,
    kApUpgradeSuccess = 8,
    kApUpgradeFail = 9,
};

// Addresses. Parsing follows "%d.%d.%d.%d" / "%02x:..." scanning: it stops at the first piece that
// does not scan and leaves the rest zero; each address number keeps its low byte.
IpBytes IpTextToBytes(std::string_view text);
std::uint32_t IpTextToNumber(std::string_view text); // ip_num: a*2^24 + b*2^16 + c*2^8 + d
MacBytes MacTextToBytes(std::string_view text);
// Single-byte form: a text with ':' is parsed as above, otherwise its first six bytes are the MAC.
MacBytes MacTextToBytesA(std::string_view text);
std::string IpBytesToText(const IpBytes& ip);
std::string MacBytesToText(const MacBytes& mac);
std::string GetNetworkAddressText(const IpBytes& ip, const IpBytes& mask);

// Code tables (translated; an unknown code gives an empty text).
std::string GetApStatusText(int status);
std::string GetWorkModeText(int workMode);
std::string GetSecureModeText(int secureMode);
std::string GetChannelText(int channel); // "Auto" (translated) for 0
std::string GetUpTimeText(std::uint32_t seconds);

// Switch texts: "N/A" when the switch does not apply, else the "On2" / "Off2" translation.
bool BridgeTransparentApplies(int apType, int workMode);
bool TdmaEnApplies(int apType);
std::string GetBridgeTransparentText(int apType, int workMode, int value);
std::string GetTdmaEnText(int apType, int value);

// Model catalogue: an unknown code gives the name of code 1; an unknown name gives code 1.
std::string GetApTypeName(int apType);
int GetApTypeCode(std::string_view modelName);
// The catalogue's codes in ascending order (59 entries).
const std::vector<int>& ApTypeCodes();

// Character rules on code-point texts.
bool IsHexText(std::u32string_view text);   // empty counts as hex
bool IsAsciiText(std::u32string_view text); // every character <= 127
// UTF-8 bytes the text takes: 1 up to 127, 2 up to 2047, 3 up to 0xFFFF, 4 above.
std::size_t GetUtf8Length(std::u32string_view text);
std::u32string CutToUtf8Length(std::u32string_view text, std::size_t byteLimit);
// Pieces between delimiters; an empty piece becomes `emptyPiece`. "1..2.3" at "." gives 4.
std::vector<std::u32string> SplitText(std::u32string_view text, std::u32string_view delimiter,
                                      std::u32string_view emptyPiece);
std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter,
                                   std::string_view emptyPiece);

// Contiguous masks 128.0.0.0 to 255.255.255.254; the pattern's dots match any character.
bool IsValidNetmask(std::string_view text);

} // namespace cpe
