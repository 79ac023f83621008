#pragma once

#include "pages/status/status_services.h"

#include <string>

namespace cpe {

inline constexpr int kConfigGetRequest = 2;

// Asks a device for its full report, so that a change it has just applied (name, switch) is in
// the store when the page refreshes; devices report only when asked.
inline void RequestReport(IStatusLink& link, const std::string& ip, const std::string& mac) {
    link.SendPacketMutilcast(ip, kConfigGetRequest, {}, mac, true);
}

} // namespace cpe
