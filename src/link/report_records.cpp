#include "link/report_records.h"

#include "link/bytes.h"
#include "link/text_rules.h"

#include <algorithm>
#include <cstring>

namespace cpe {
namespace {

// The payload length the header claims, bounded by what a datagram can carry.
std::size_t ClaimedLength(const ap_packet_info& packet) {
    return std::min<std::size_t>(packet.data_len(), kMaxPayload);
}

void DecodeFirstBlock(const std::uint8_t* p, DiscoverySummary& out) {
    out.work_mode = p[summary_offset::kWorkMode];
    out.mode_btn_status = p[summary_offset::kModeBtnStatus];
    out.up_time = GetU32(p + summary_offset::kUpTime);
}

std::string Version(const std::uint8_t* p) {
    return CountedText(p + summary_offset::kVersion, kTextFieldSize, p[summary_offset::kVersionLength]);
}

// Replaces a UTF-8 text field of the report block by its converted form.
void ConvertReportText(ap_info_stu& record, const ReportField& field, const CodePage& codePage) {
    auto block = record.report();
    std::uint8_t* text = block.data() + field.offset;
    std::string received = CountedText(text, field.size, block[field.lengthOffset]);
    std::string converted = ReceivedText(received, codePage);
    converted.resize(std::min(converted.size(), field.size));
    std::fill_n(text, std::min<std::size_t>(received.size(), field.size), 0);
    std::memcpy(text, converted.data(), converted.size());
    block[field.lengthOffset] = static_cast<std::uint8_t>(converted.size());
}

} // namespace

std::string CountedText(const std::uint8_t* field, std::size_t size, std::uint8_t length) {
    return std::string(reinterpret_cast<const char*>(field), std::min<std::size_t>(length, size));
}

DiscoverySummary DecodeDiscoverySummary(const ap_packet_info& packet, const CodePage& codePage) {
    DiscoverySummary out;
    const std::uint8_t* p = packet.payload();
    out.version = Version(p);
    if (ClaimedLength(packet) <= summary_offset::kVersionOnlyLimit) {
        return out;
    }
    DecodeFirstBlock(p, out);
    out.ap_name = ReceivedText(
        CountedText(p + summary_offset::kApName, kTextFieldSize, p[summary_offset::kApNameLength]), codePage);
    out.ssid = ReceivedText(
        CountedText(p + summary_offset::kSsid, kTextFieldSize, p[summary_offset::kSsidLength]), codePage);
    out.channel = p[summary_offset::kChannel];
    out.bridge_transparent = p[summary_offset::kBridgeTransparent];
    out.tdmaEn = p[summary_offset::kTdmaEn];
    return out;
}

DiscoverySummary DecodeHeartbeat(const ap_packet_info& packet) {
    DiscoverySummary out;
    const std::uint8_t* p = packet.payload();
    out.version = Version(p);
    DecodeFirstBlock(p, out);
    return out;
}

ap_info_stu BuildApInfoFromReport(const ap_packet_info& packet, const CodePage& codePage) {
    ap_info_stu record;
    record.set_mac(packet.mac_text());
    record.set_ap_type(packet.ap_type());
    std::size_t length = std::min(ClaimedLength(packet), kReportBlockSize);
    std::memcpy(record.report().data(), packet.payload(), length);
    for (std::size_t index : {report_index::ap_name, report_index::ssid, report_index::bridge_ssid}) {
        ConvertReportText(record, kReportFields[index], codePage);
    }
    return record;
}

} // namespace cpe
