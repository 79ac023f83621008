#include "pages/status/CIpsetMutilForm.h"

#include "pages/config/rule_messages.h"

namespace cpe {
namespace {

std::u32string AddressText(const std::uint8_t* bytes) {
    return ToU32(IpBytesToText({bytes[0], bytes[1], bytes[2], bytes[3]}));
}

std::uint32_t Number(const IpBytes& ip) {
    return (std::uint32_t{ip[0]} << 24) | (std::uint32_t{ip[1]} << 16) | (std::uint32_t{ip[2]} << 8) | ip[3];
}

IpBytes Parsed(std::u32string_view text) {
    return ParseDottedAddress(text).value_or(IpBytes{});
}

} // namespace

CIpsetMutilForm::CIpsetMutilForm(IStatusLink& link, IOperatorMessages& messages, PageWorker& worker,
                                 std::vector<SelectionRecord> queue,
                                 const std::array<std::uint8_t, 22>& addressing)
    : link_(link), messages_(messages), worker_(worker), queue_(std::move(queue)) {
    // Offsets within the addressing bytes: mode 0, then five addresses of four bytes.
    fields_.begin = AddressText(&addressing[1]);
    fields_.mask = AddressText(&addressing[5]);
    fields_.gateway = AddressText(&addressing[9]);
    fields_.dns1 = AddressText(&addressing[13]);
    fields_.dns2 = AddressText(&addressing[17]);
}

const char* CIpsetMutilForm::beginLabel() const {
    return singleDevice() ? CPE_TR("IP_Address") : CPE_TR("IP_Address_Begin");
}

RuleMessage CIpsetMutilForm::Check() const {
    const Fields& f = fields_;
    const bool several = !singleDevice();
    if (!IsHostAddress(f.begin)) {
        return CPE_TR("The ip address is invalid!");
    }
    if (!IsNetmask(f.mask)) {
        return CPE_TR("The subnet mask is invalid!");
    }
    if (!IsHostAddress(f.gateway, true)) {
        return CPE_TR("The gateway address is invalid!");
    }
    if (f.begin == f.gateway) {
        return rule_message::kIpGatewaySame;
    }
    const IpBytes begin = Parsed(f.begin);
    const IpBytes mask = Parsed(f.mask);
    if (several) {
        if (!IsHostAddress(f.end) || Number(Parsed(f.end)) <= Number(begin)) {
            return CPE_TR("The ip address is invalid!");
        }
        if (f.end == f.gateway) {
            return rule_message::kIpGatewaySame;
        }
    }
    if (NetworkAddressText(begin, mask) == f.begin) {
        return CPE_TR("IP Address can't be the network segment!");
    }
    if (!IsUnsetAddress(f.gateway)) {
        const IpBytes gateway = Parsed(f.gateway);
        if (!IsSameSubnet(gateway, begin, mask) || (several && !IsSameSubnet(gateway, Parsed(f.end), mask))) {
            return rule_message::kNotSameSubnet;
        }
    }
    return CheckDnsRules(f.dns1, f.dns2);
}

bool CIpsetMutilForm::Save() {
    if (started_) {
        return false;
    }
    if (RuleMessage message = Check()) {
        messages_.ShowMessage(message, MessageIcon::None, true);
        return false;
    }
    range_.begin = Parsed(fields_.begin);
    range_.end = singleDevice() ? range_.begin : Parsed(fields_.end);
    range_.mask = Parsed(fields_.mask);
    range_.gateway = Parsed(fields_.gateway);
    range_.dns1 = Parsed(fields_.dns1);
    range_.dns2 = Parsed(fields_.dns2);

    worker_.Start([&link = link_, queue = queue_, range = range_](std::stop_token stop) {
        SetIpThreadFunc(link, queue, range, stop);
    });
    started_ = true;
    progressing_ = true;
    position_ = 1;
    countdown_ = kRediscoveryRounds;
    return true;
}

bool CIpsetMutilForm::Tick() {
    if (!progressing_) {
        return false;
    }
    const int p = position_++;
    // At p = 17, 23 and 29: forget the devices once, then rediscover at their new addresses.
    if (countdown_ > 0 && p + 6 * countdown_ == 35) {
        if (countdown_ == kRediscoveryRounds) {
            link_.SendUnmanage();
        }
        --countdown_;
        link_.SendDiscover();
    }
    if (position_ >= kProgressEnd) {
        position_ = kProgressEnd;
        progressing_ = false;
        return true;
    }
    return false;
}

} // namespace cpe
