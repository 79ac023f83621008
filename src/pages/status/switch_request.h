#pragma once

#include "pages/status/status_services.h"

#include <array>
#include <cstdint>
#include <stop_token>
#include <vector>

// The transparent-bridge (type 18) and AIRSLOT (type 19) switch requests: one 16-byte layout,
// byte 0 for the bridge and byte 1 for AIRSLOT, the rest zero.
namespace cpe {

enum class SwitchKind { TransparentBridge, Airslot };

inline constexpr std::size_t kSwitchPayloadSize = 16;
using SwitchPayload = std::array<std::uint8_t, kSwitchPayloadSize>;

namespace switch_offset {
inline constexpr std::size_t kTransparentBridge = 0;
inline constexpr std::size_t kAirslot = 1;
} // namespace switch_offset

int SwitchMessageType(SwitchKind kind); // 18 or 19
std::size_t SwitchByte(SwitchKind kind);

// Whether the switch applies to a device (its grid column does not show "N/A").
bool SwitchApplies(SwitchKind kind, int apType, int workMode);

// The device's current value of the switch, from its record.
int SwitchValue(SwitchKind kind, const ap_info_stu& record);

SwitchPayload BuildSwitchPayload(SwitchKind kind, bool enable);

// The worker: the payload to every queued device in order, then the log line. Returns the count.
int SendSwitchRequests(IStatusLink& link, SwitchKind kind, const std::vector<SelectionRecord>& queue,
                       const SwitchPayload& payload, std::stop_token stop = {});

} // namespace cpe
