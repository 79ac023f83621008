// Feeds arbitrary datagrams through the receive test and every decoder of the device payloads.
#include "link/report_records.h"
#include "link/text_rules.h"

#include <cstddef>
#include <cstdint>

namespace {

const cpe::CodePage& Gbk() {
    static const cpe::CodePage page("GBK");
    return page;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    static const std::uint16_t kPorts[] = {cpe::kPortDiscoverRecv, cpe::kPortHeartbeat, cpe::kPortConfig};
    std::uint16_t port = kPorts[data[0] % 3];
    const cpe::CodePage& page = (data[0] & 0x80) ? Gbk() : cpe::ConsoleCodePage();
    sockaddr_in from{};
    cpe::ap_packet_info info;
    if (!cpe::AcceptDatagram(port, from, data + 1, size - 1, info)) {
        return 0;
    }
    volatile std::size_t sink = 0;
    switch (info.msg_type()) {
    case cpe::KORVA_APDiscoverRequest:
        sink = cpe::DecodeDiscoverySummary(info, page).ap_name.size();
        break;
    case cpe::KORVA_APHeartbeat:
        sink = cpe::DecodeHeartbeat(info).version.size();
        break;
    default: {
        cpe::ap_info_stu record = cpe::BuildApInfoFromReport(info, page);
        for (const auto& field : cpe::kReportFields) {
            sink = sink + record.Text(field).size();
        }
        break;
    }
    }
    sink = sink + cpe::TextToSend(std::string_view(reinterpret_cast<const char*>(data), size), page).size();
    (void)sink;
    return 0;
}
