#pragma once

#include "link/ap_info.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

// The device list of cpe-cli as a table, JSON or CSV, keyed by the store's column names.
namespace cpe::cli {

enum class OutputFormat { Table, Json, Csv };

// One listed device: its record (texts in the console code page) and whether its full report
// has arrived (false for devices that only answered discovery).
struct ListedDevice {
    ap_info_stu record;
    bool reported = true;
};

// The device as ordered column/value pairs, texts in UTF-8.
nlohmann::ordered_json DeviceJson(const ListedDevice& device);

void WriteDevices(std::ostream& out, const std::vector<ListedDevice>& devices, OutputFormat format);

} // namespace cpe::cli
