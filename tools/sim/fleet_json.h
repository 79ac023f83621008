#pragma once

#include "SimDevice.h"
#include "fleet_gen.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// Fleet files: {"devices": [{"mac": "...", "ap_type": 14, "up_time": 100, "ap_name": "...", ...}]}
// with the report fields by name. A device in a file starts as the generated device of its
// index and takes every field the file gives; "ip" also chooses the address it sends from.
namespace cpe::sim {

// Sets one named report field from its JSON form (number, dotted address, MAC text or text).
bool SetFieldFromJson(ReportBlock& block, std::string_view name, const nlohmann::json& value,
                      std::string& why);

nlohmann::json FleetToJson(const std::vector<SimDevice>& fleet);

// Builds the fleet a file describes. `plan` gives the default addresses (at least one per
// device in the file). Returns false with a reason for a malformed file.
bool FleetFromJson(const nlohmann::json& doc, std::uint64_t seed, const AddressPlan& plan,
                   std::vector<SimDevice>& out, std::string& why);

} // namespace cpe::sim
