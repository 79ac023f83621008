#include "pages/status/rename_request.h"

#include "core/CodePage.h"
#include "link/text_rules.h"
#include "pages/status/report_request.h"

#include <algorithm>

namespace cpe {

RenamePayload BuildRenamePayload(std::string_view wireName) {
    RenamePayload payload{};
    const std::size_t length = std::min(wireName.size(), kNameBytes);
    std::copy_n(wireName.begin(), length, payload.begin() + rename_offset::kName);
    payload[rename_offset::kLength] = static_cast<std::uint8_t>(length);
    return payload;
}

std::string RenameWireName(const std::string& utf8Name) {
    std::string wire = TextToSend(ConsoleCodePage().FromUtf8(utf8Name));
    if (wire.size() > kNameBytes) {
        wire.resize(kNameBytes);
        // A UTF-8 name is cut after its last complete character.
        wire.resize(CompleteUtf8Prefix(wire));
    }
    return wire;
}

void SendRename(IStatusLink& link, const std::string& ip, const std::string& mac,
                const std::string& utf8Name) {
    const RenamePayload payload = BuildRenamePayload(RenameWireName(utf8Name));
    link.SendPacketMutilcast(ip, kDeviceNameRequest, payload, mac, true);
    RequestReport(link, ip, mac);
}

} // namespace cpe
