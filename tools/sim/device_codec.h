#pragma once

#include "SimDevice.h"
#include "sim_bytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The device side of the wire: datagrams, the discovery summary, the heartbeat, the full report
// and the survey answer.
namespace cpe::sim {

struct Datagram {
    std::uint16_t apType = 0;
    std::uint16_t msgType = 0;
    std::uint8_t destFlag = 0;
    Mac mac{};
    std::uint16_t dataLen = 0;         // as announced in the header
    std::vector<std::uint8_t> payload; // the bytes that actually arrived, at most dataLen
};

std::vector<std::uint8_t> EncodeDatagram(std::uint16_t apType, std::uint16_t msgType, std::uint8_t destFlag,
                                         const Mac& mac, ConstBytes payload);

// Checks length and magic; on failure returns nothing and says why.
std::optional<Datagram> DecodeDatagram(ConstBytes datagram, std::string& why);

std::vector<std::uint8_t> EncodeSummary(const SimDevice& device, std::uint32_t upTime);
std::vector<std::uint8_t> EncodeHeartbeat(const SimDevice& device, std::uint32_t upTime);
std::vector<std::uint8_t> EncodeReport(const SimDevice& device, std::uint32_t upTime);

// One access point heard by a device during a survey.
struct SurveyEntry {
    Mac mac{};
    std::int8_t signal = -60;
    std::uint8_t channel = 0;
    std::uint8_t secure = 0; // survey security code 0..10
    std::string ssid;
    std::uint8_t exChannel = 2;
    std::uint8_t bandwidth = 0;
};

// Splits the entries into answer payloads of at most 32 entries each; an empty survey is one
// payload with no entries.
std::vector<std::vector<std::uint8_t>> EncodeSurvey(const std::vector<SurveyEntry>& entries);

// Survey security code of an access point from its security mode and cipher.
std::uint8_t SurveySecurityCode(std::uint8_t secureMode, std::uint8_t cipher);

} // namespace cpe::sim
