#include "link/AdapterAddressTable.h"

#include <algorithm>

namespace cpe {

std::vector<LocalAdapter> AcceptedAdapters(std::vector<LocalAdapter> adapters) {
    std::erase_if(adapters, [](const LocalAdapter& a) {
        return a.kind != kAdapterKindEthernet || a.addresses.empty() ||
               a.addresses.front().address == "0.0.0.0";
    });
    for (auto& a : adapters) {
        if (a.addresses.size() > kMaxAdapterAddresses) {
            a.addresses.resize(kMaxAdapterAddresses);
        }
    }
    return adapters;
}

void AdapterAddressTable::Merge(const std::vector<LocalAdapter>& adapters) {
    std::lock_guard lock(mutex_);
    auto present = [&](const std::string& address) {
        for (const auto& a : adapters) {
            for (const auto& addr : a.addresses) {
                if (addr.address == address) {
                    return true;
                }
            }
        }
        return false;
    };
    std::erase_if(entries_, [&](const AdapterAddressEntry& e) { return !present(e.address); });
    for (const auto& a : adapters) {
        for (const auto& addr : a.addresses) {
            bool known = std::any_of(entries_.begin(), entries_.end(),
                                     [&](const AdapterAddressEntry& e) { return e.address == addr.address; });
            if (!known) {
                entries_.push_back({addr.address, addr.mask, a.ifindex, a.mac, a.name});
            }
        }
    }
}

std::vector<AdapterAddressEntry> AdapterAddressTable::Reaching(const std::string& deviceIp) const {
    std::lock_guard lock(mutex_);
    std::vector<AdapterAddressEntry> out;
    for (const auto& e : entries_) {
        if (!e.address.empty() && InSubnet(e.address, e.mask, deviceIp)) {
            out.push_back(e);
        }
    }
    return out;
}

std::vector<AdapterAddressEntry> AdapterAddressTable::Entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

} // namespace cpe
