#pragma once

#include "pages/status/status_services.h"

#include <array>
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

// The batch IP request: the range buffer the dialog fills, the address assignment and the
// worker that sends one IP set request (type 3) per device.
namespace cpe {

inline constexpr int kIpSetRequest = 3;
inline constexpr std::size_t kIpSetPayloadSize = 22;
using IpSetPayload = std::array<std::uint8_t, kIpSetPayloadSize>;

namespace ip_set_offset {
inline constexpr std::size_t kMode = 0; // 1: fixed address
inline constexpr std::size_t kIp = 1;
inline constexpr std::size_t kMask = 5;
inline constexpr std::size_t kGateway = 9;
inline constexpr std::size_t kDns1 = 13;
inline constexpr std::size_t kDns2 = 17;
inline constexpr std::size_t kLast = 21; // 1
} // namespace ip_set_offset

// Begin, end, mask, gateway, primary and secondary DNS, four bytes each in text order.
struct IpRangeBuffer {
    IpBytes begin{}, end{}, mask{}, gateway{}, dns1{}, dns2{};
};

IpSetPayload BuildIpSetPayload(const IpBytes& ip, const IpRangeBuffer& range);

// The addresses from begin to end (inclusive, increasing) that the first `deviceCount` devices
// get: addresses ending in .0 or .255 are skipped; the list stops when the devices or the
// addresses run out. One device gets the begin address whatever the end.
std::vector<IpBytes> AssignIpRange(const IpBytes& begin, const IpBytes& end, std::size_t deviceCount);

// The worker: tells the link each device's new address, sends each its request at its old
// address, logs the count and returns it. Stops early when `stop` is requested.
int SetIpThreadFunc(IStatusLink& link, const std::vector<SelectionRecord>& queue, const IpRangeBuffer& range,
                    std::stop_token stop = {});

} // namespace cpe
