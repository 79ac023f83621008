#pragma once

#include "SimDevice.h"
#include "device_codec.h"

#include <cstdint>
#include <string>
#include <vector>

// The access points a device hears: access points of the fleet on its band and foreign ones
// made up from the seed, with signals from -90 to -30 dBm and every survey security code.
namespace cpe::sim {

struct Neighbour {
    SurveyEntry entry;
    long fleetIndex = -1;        // the fleet device this is, or -1 for a foreign access point
    std::uint8_t secureMode = 0; // security a station must use to join
    std::string key;             // pre-shared key or default WEP key a station must present
};

std::vector<Neighbour> Neighbours(const std::vector<SimDevice>& fleet, std::size_t self, std::uint64_t seed);

// The key a station must present to join a foreign access point: "pass-" and the last six hex
// digits of its MAC (documented so that tests and demos can bridge to one).
std::string ForeignKey(const Mac& mac);

} // namespace cpe::sim
