#pragma once

#include <cstdint>
#include <span>
#include <string>

// What the simulator knows about the device models: the catalogue codes and the model families
// that change what a device accepts or offers.
namespace cpe::sim {

std::span<const std::uint16_t> ModelCodes(); // 59 codes: 1-25, 32, 33, 81, 257-287

bool InWirelessExtensionSet(std::uint16_t type); // 344-byte wireless request, DFS
bool InVlanExtensionSet(std::uint16_t type);     // 26-byte VLAN request
bool InRestrictedSet(std::uint16_t type);        // no WEP or enterprise security, no VLAN tab
bool InMinimalSet(std::uint16_t type);           // no scheduled reboot, keys of at most 63 characters
bool InRestrictedSsidSet(std::uint16_t type);    // names of lower-case letters, digits and Chinese
bool InChannelPlanSet(std::uint16_t type);
bool HasAirslot(std::uint16_t type);
bool HasTransparentBridge(std::uint16_t type, std::uint8_t workMode);
bool Offers11ac(std::uint16_t type);
bool Offers11ax(std::uint16_t type);
bool Lacks11n(std::uint16_t type);
bool Is5GHzModel(std::uint16_t type);

// Our own short model name (at most 14 characters) for a catalogue code.
std::string ModelName(std::uint16_t type);

} // namespace cpe::sim
