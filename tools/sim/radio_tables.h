#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Country and channel tables the generator uses so that every generated device reports a
// channel the console would offer it.
namespace cpe::sim {

struct ChannelChoice {
    int channel = 0;
    char half = 0; // 'l' or 'u' for a 40 MHz pair, else 0
};

// Short code text of a reported country code index ("" for an empty slot).
std::string CountryCodeText(unsigned index);
// Index of the country entry for a country code index, or -1 when the code has no entry.
int CountryEntryForCode(unsigned index);
int CountryCodeSlots(); // 62 filled slots

// Channels (without "Auto") a device of this type and band may use in a country entry (-1: no
// entry, a common list is used), for a bandwidth code and DFS state.
std::vector<ChannelChoice> AllowedChannels(int entry, std::uint16_t type, bool is5GHz, std::uint8_t bandwidth,
                                           bool dfs);

// Bandwidth codes the console offers for a type, band and network mode.
std::vector<std::uint8_t> AllowedBandwidths(std::uint16_t type, bool is5GHz, std::uint8_t networkMode);
// Network mode codes the console offers for a type and band.
std::vector<std::uint8_t> AllowedNetworkModes(std::uint16_t type, bool is5GHz);

} // namespace cpe::sim
