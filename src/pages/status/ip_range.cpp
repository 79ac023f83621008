#include "pages/status/ip_range.h"

#include "link/log.h"

#include <algorithm>

namespace cpe {
namespace {

std::uint32_t ToNumber(const IpBytes& ip) {
    return (std::uint32_t{ip[0]} << 24) | (std::uint32_t{ip[1]} << 16) | (std::uint32_t{ip[2]} << 8) | ip[3];
}

IpBytes FromNumber(std::uint32_t n) {
    return {static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
            static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)};
}

void Put(IpSetPayload& payload, std::size_t offset, const IpBytes& ip) {
    std::copy(ip.begin(), ip.end(), payload.begin() + static_cast<std::ptrdiff_t>(offset));
}

} // namespace

IpSetPayload BuildIpSetPayload(const IpBytes& ip, const IpRangeBuffer& range) {
    IpSetPayload payload{};
    payload[ip_set_offset::kMode] = 1;
    Put(payload, ip_set_offset::kIp, ip);
    Put(payload, ip_set_offset::kMask, range.mask);
    Put(payload, ip_set_offset::kGateway, range.gateway);
    Put(payload, ip_set_offset::kDns1, range.dns1);
    Put(payload, ip_set_offset::kDns2, range.dns2);
    payload[ip_set_offset::kLast] = 1;
    return payload;
}

std::vector<IpBytes> AssignIpRange(const IpBytes& begin, const IpBytes& end, std::size_t deviceCount) {
    std::vector<IpBytes> addresses;
    if (deviceCount == 0) {
        return addresses;
    }
    if (deviceCount == 1) {
        addresses.push_back(begin);
        return addresses;
    }
    // 64-bit so that an end of 255.255.255.255 still ends the walk.
    for (std::uint64_t n = ToNumber(begin); n <= ToNumber(end); ++n) {
        const IpBytes ip = FromNumber(static_cast<std::uint32_t>(n));
        if (ip[3] == 0 || ip[3] == 255) {
            continue;
        }
        if (addresses.size() == deviceCount) {
            break;
        }
        addresses.push_back(ip);
    }
    return addresses;
}

int SetIpThreadFunc(IStatusLink& link, const std::vector<SelectionRecord>& queue, const IpRangeBuffer& range,
                    std::stop_token stop) {
    const std::vector<IpBytes> addresses = AssignIpRange(range.begin, range.end, queue.size());
    int sent = 0;
    for (std::size_t i = 0; i < addresses.size() && !stop.stop_requested(); ++i) {
        const SelectionRecord& device = queue[i];
        const std::string newIp = IpBytesToText(addresses[i]);
        link.UpdateManageApIp(device.mac, device.ip, newIp);
        if (queue.size() == 1) {
            LOG_INFO("SendPacketMutilcast KORVA_APIpSetRequest");
        }
        const IpSetPayload payload = BuildIpSetPayload(addresses[i], range);
        link.SendPacketMutilcast(device.ip, kIpSetRequest, payload, device.mac, true);
        ++sent;
    }
    if (queue.size() > 1) {
        LOG_INFO("SendPacketMutilcast KORVA_APIpSetReques sendCount:%d", sent);
    }
    return sent;
}

} // namespace cpe
