#include "shell/app/StoreDeviceList.h"

#include "store/CSqlManagement.h"
#include "store/vocabulary.h"

namespace cpe {
namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

bool StoreDeviceList::ReadPage(const QString& search, int pageSize, int page, std::vector<StandInRow>& rows,
                               int& pageCount, int& onlineCount) {
    std::vector<ap_info_stu> list;
    rows.clear();
    // Search text goes to the store in the console code page, as the device texts are stored.
    const std::string text = codePage_.FromUtf8(search.toStdString());
    if (!store_.GetApInfoList(kSortByIp, text, pageSize, page, true, list, pageCount, onlineCount)) {
        return false;
    }
    int serial = (std::max(1, page) - 1) * pageSize;
    for (const ap_info_stu& d : list) {
        StandInRow row;
        row.online = d.ap_status() != 0;
        const int type = d.ap_type();
        row.cells = {QString::number(++serial),
                     Q(codePage_.ToUtf8(d.ap_name())),
                     Q(GetApTypeName(type)),
                     Q(d.ip()),
                     Q(d.mac()),
                     Q(GetWorkModeText(d.work_mode())),
                     Q(codePage_.ToUtf8(d.ssid())),
                     Q(GetChannelText(d.channel())),
                     Q(d.version()),
                     Q(GetBridgeTransparentText(type, d.work_mode(), d.bridge_transparent())),
                     Q(GetTdmaEnText(type, d.tdmaEn())),
                     Q(GetUpTimeText(d.up_time()))};
        rows.push_back(std::move(row));
    }
    return true;
}

} // namespace cpe
