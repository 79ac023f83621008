#pragma once

#include "link/local_adapter.h"

#include <mutex>
#include <string>
#include <vector>

namespace cpe {

// One usable local address: where a request to a device in its subnet leaves from.
struct AdapterAddressEntry {
    std::string address;
    std::string mask;
    unsigned ifindex = 0;
    MacBytes mac{};
    std::string adapterName;
};

// The adapters the link works with: kind 1, at least one address, first address not 0.0.0.0.
std::vector<LocalAdapter> AcceptedAdapters(std::vector<LocalAdapter> adapters);

// The local adapter address table: each address text at most once, in the order first seen.
class AdapterAddressTable {
public:
    // Drops entries whose address no adapter has any more, then appends the new addresses.
    void Merge(const std::vector<LocalAdapter>& adapters);
    // The entries whose subnet holds `deviceIp`, in table order.
    std::vector<AdapterAddressEntry> Reaching(const std::string& deviceIp) const;
    std::vector<AdapterAddressEntry> Entries() const;

private:
    mutable std::mutex mutex_;
    std::vector<AdapterAddressEntry> entries_;
};

} // namespace cpe
