#pragma once

#include "SimDevice.h"

#include <cstdint>
#include <vector>

// Generates a realistic fleet from a seed. Device i depends only on the seed, its index and its
// address, so a fleet file can override single devices and keep the rest as generated.
namespace cpe::sim {

struct AddressPlan {
    std::vector<Ipv4> addresses; // one per device
    Ipv4 mask = 0xFFFF0000;
    Ipv4 gateway = 0;
};

SimDevice GenerateDevice(std::uint64_t seed, std::size_t index, Ipv4 address, const AddressPlan& plan);

// Generates every device, then joins some stations to access points of the fleet so that the
// reports agree with each other (a station's bridge_mac is its access point's ssid_mac).
std::vector<SimDevice> GenerateFleet(std::uint64_t seed, const AddressPlan& plan);

// Re-derives a station's link to its access point after the fleet changed.
void LinkStations(std::vector<SimDevice>& fleet);

std::uint64_t Mix(std::uint64_t x); // splitmix64 step, shared by the generators

} // namespace cpe::sim
