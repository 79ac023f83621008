#pragma once

#include "device_layout.h"
#include "sim_bytes.h"

#include <array>
#include <cstdint>

namespace cpe::sim {

using ReportBlock = std::array<std::uint8_t, layout::rep::kSize>;

// One simulated device. Its configuration is kept as the report block it sends, so every request
// that changes a setting writes into the same bytes the next report carries.
struct SimDevice {
    Mac mac{};
    std::uint16_t apType = 1;
    ReportBlock block{};   // current settings; the up-time bytes are filled in when sending
    ReportBlock factory{}; // what a factory restore returns to
    Ipv4 address = 0;      // the address the device sends from
    Ipv4 factoryAddress = 0;
    std::uint32_t upTimeAtBoot = 0; // up-time the device had when the run started (0 after a reboot)
    double bootTime = 0;            // seconds on the run clock when the up-time was upTimeAtBoot

    // Run state.
    bool managed = false;     // sends heartbeats to `console`
    Ipv4 console = 0;         // address of the console that last asked for the report
    double offlineUntil = -1; // rebooting until then (run clock); negative when running
    std::uint64_t epoch = 0;  // changes at every reboot so that stale timers do nothing
    bool vlanRestartPending = false;
    bool upgrading = false;
    std::uint64_t heartbeatGen = 0; // a heartbeat chain stops when this changes
    std::uint32_t acks = 0;
    std::uint32_t heartbeats = 0;

    std::uint32_t UpTime(double now) const {
        const double up = now > bootTime ? now - bootTime : 0;
        return upTimeAtBoot + static_cast<std::uint32_t>(up);
    }
    bool Online(double now) const { return offlineUntil < 0 || now >= offlineUntil; }
    std::uint8_t Get(std::size_t off) const { return block[off]; }
};

} // namespace cpe::sim
