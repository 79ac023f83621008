#include "pages/status/device_list_columns.h"

#include "core/CodePage.h"
#include "shell/lang/language.h"
#include "store/vocabulary.h"

namespace cpe {

int SortKeyForColumn(const std::vector<ListColumn>& columns, int column) {
    if (column < 0 || column >= static_cast<int>(columns.size())) {
        return 1;
    }
    const int key = columns[static_cast<std::size_t>(column)].sortKey;
    return key == kNoSortKey ? 1 : key;
}

const std::vector<ListColumn>& StatusListColumns() {
    static const std::vector<ListColumn> columns = {
        {"", 20, CellField::Check, kNoSortKey},
        {CPE_TR("Serial"), 40, CellField::Serial, kNoSortKey},
        {CPE_TR("Location"), 90, CellField::Name, 2},
        {CPE_TR("Type"), 80, CellField::Type, 3},
        {CPE_TR("IP"), 102, CellField::Ip, 1},
        {CPE_TR("MAC"), 112, CellField::Mac, 0},
        {CPE_TR("OperationMode"), 66, CellField::WorkMode, 4},
        {CPE_TR("SSID"), 100, CellField::Ssid, 5},
        {CPE_TR("Channel"), 65, CellField::Channel, 6},
        {CPE_TR("Version"), 60, CellField::Version, 9},
        {CPE_TR("Transparent bridge"), 100, CellField::BridgeTransparent, 10},
        {CPE_TR("AIRSLOT"), 70, CellField::Tdma, 11},
        {CPE_TR("Time"), 70, CellField::UpTime, 12},
        {CPE_TR("Operate"), 70, CellField::Picture, kNoSortKey},
    };
    return columns;
}

std::string CellText(const ap_info_stu& r, CellField field) {
    const CodePage& codePage = ConsoleCodePage();
    switch (field) {
    case CellField::Name:
        return codePage.ToUtf8(r.ap_name());
    case CellField::Type:
        return GetApTypeName(r.ap_type());
    case CellField::Ip:
        return r.ip();
    case CellField::Mac:
        return r.mac();
    case CellField::WorkMode:
        return GetWorkModeText(r.work_mode());
    case CellField::Ssid:
        return codePage.ToUtf8(r.ssid());
    case CellField::Channel:
        return GetChannelText(r.channel());
    case CellField::Version:
        return codePage.ToUtf8(r.version());
    case CellField::BridgeTransparent:
        return GetBridgeTransparentText(r.ap_type(), r.work_mode(), r.bridge_transparent());
    case CellField::Tdma:
        return GetTdmaEnText(r.ap_type(), r.tdmaEn());
    case CellField::UpTime:
        return GetUpTimeText(r.up_time());
    case CellField::Status:
        return GetApStatusText(r.ap_status());
    case CellField::Check:
    case CellField::Serial:
    case CellField::Picture:
        break;
    }
    return {};
}

} // namespace cpe
