// Record updates and the per-device queries of the device life cycle.
#include "core/CodePage.h"
#include "link/log.h"
#include "store/CSqlManagement.h"
#include "store/store_rows.h"
#include "store/store_schema.h"
#include "store/vocabulary.h"

namespace cpe {
namespace {

constexpr int kStation = 2;
constexpr const char* kZeroMac = "00:00:00:00:00:00";
constexpr std::size_t kSurveyHeader = 3;

// A device that never reported a MAC (all zeros) is bridged to nothing.
bool IsLinkMac(const std::string& mac) {
    return !mac.empty() && mac != kZeroMac;
}

} // namespace

bool CSqlManagement::SaveApInfo(const ap_info_stu& record) {
    std::vector<store_rows::SqlValue> values = store_rows::ApInfoRowValues(record);
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s = Statement(store_rows::ApInfoUpsertSql());
    if (!s || !store_rows::BindAll(*s, values)) {
        return false;
    }
    if (s->Next() == SqliteStatement::Step::Error) {
        LOG_ERROR("%s", s->LastError().c_str());
        return false;
    }
    return true;
}

bool CSqlManagement::UpdateApUpTime(std::string_view mac, std::string_view ip, std::uint32_t upTime) {
    std::string upTimeText = GetUpTimeText(upTime);
    std::string ipText = store_rows::CutToChars(ip, store_schema::ApInfoLimit("ip"));
    double ipNum = IpTextToNumber(ipText);
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s =
        Statement("UPDATE ap_info SET up_time=?1,up_time_str=?2,ip=?3,ip_num=?4 WHERE mac=?5");
    if (!s || !s->BindInt(1, upTime) || !s->BindText(2, upTimeText) || !s->BindText(3, ipText) ||
        !s->BindDouble(4, ipNum) || !s->BindText(5, mac)) {
        return false;
    }
    return s->Next() == SqliteStatement::Step::Done && db_.Changes() > 0;
}

bool CSqlManagement::SetApStatus(std::string_view mac, int status) {
    std::string text =
        store_rows::CutToChars(GetApStatusText(status), store_schema::ApInfoLimit("ap_status_str"));
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s = Statement("UPDATE ap_info SET ap_status=?1,ap_status_str=?2 WHERE mac=?3");
    if (!s || !s->BindInt(1, status) || !s->BindText(2, text) || !s->BindText(3, mac)) {
        return false;
    }
    return s->Next() == SqliteStatement::Step::Done && db_.Changes() > 0;
}

namespace {

std::string StatusText(int status) {
    return store_rows::CutToChars(GetApStatusText(status), store_schema::ApInfoLimit("ap_status_str"));
}

} // namespace

bool CSqlManagement::MarkApUpgrading(std::string_view mac) {
    std::string text = StatusText(kApUpgrading);
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s =
        Statement("UPDATE ap_info SET ap_status=?1,ap_status_str=?2 WHERE mac=?3 AND ap_status=?4");
    if (!s || !s->BindInt(1, kApUpgrading) || !s->BindText(2, text) || !s->BindText(3, mac) ||
        !s->BindInt(4, kApUpgradeWait)) {
        return false;
    }
    return s->Next() == SqliteStatement::Step::Done && db_.Changes() > 0;
}

bool CSqlManagement::ResetApUpgradeFail(std::string_view mac) {
    std::string text = StatusText(kApOnline);
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s =
        Statement("UPDATE ap_info SET ap_status=?1,ap_status_str=?2 WHERE mac=?3 AND ap_status=?4");
    if (!s || !s->BindInt(1, kApOnline) || !s->BindText(2, text) || !s->BindText(3, mac) ||
        !s->BindInt(4, kApUpgradeFail)) {
        return false;
    }
    return s->Next() == SqliteStatement::Step::Done && db_.Changes() > 0;
}

bool CSqlManagement::IsApWaitingUpgrade(std::string_view mac) {
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s = Statement("SELECT 1 FROM ap_info WHERE mac=?1 AND ap_status=?2");
    return s && s->BindText(1, mac) && s->BindInt(2, kApUpgradeWait) &&
           s->Next() == SqliteStatement::Step::Row;
}

int CSqlManagement::GetApStatus(std::string_view mac) {
    Operation op(*this);
    if (!db_.IsOpen()) {
        return 0;
    }
    SqliteStatement* s = Statement("SELECT ap_status FROM ap_info WHERE mac=?1");
    if (!s || !s->BindText(1, mac) || s->Next() != SqliteStatement::Step::Row) {
        return 0;
    }
    return static_cast<int>(s->ColumnInt(0));
}

bool CSqlManagement::DeleteApInfo(std::string_view mac) {
    // Three attempts, the lock taken for each, as for every statement without rows.
    for (int attempt = 0; attempt < 3; ++attempt) {
        Operation op(*this);
        if (!db_.IsOpen()) {
            continue;
        }
        SqliteStatement* s = Statement("DELETE FROM ap_info WHERE mac=?1");
        if (s && s->BindText(1, mac) && s->Next() == SqliteStatement::Step::Done) {
            return true;
        }
        if (s) {
            LOG_ERROR("%s", s->LastError().c_str());
        }
    }
    return false;
}

bool CSqlManagement::ClearOtherApInfo() {
    return ExecuteSql("DELETE FROM ap_other_info");
}

void CSqlManagement::SaveOtherApInfo(std::span<const std::uint8_t> answer) {
    if (answer.size() < kSurveyHeader) {
        LOG_ERROR("survey answer of %zu bytes has no header", answer.size());
        return;
    }
    int packetCount = answer[0];
    int packetId = answer[1];
    std::size_t icount = std::min<std::size_t>(answer[2], kSurveyMaxEntries);
    std::size_t present = (answer.size() - kSurveyHeader) / kSurveyEntrySize;
    if (present < icount) {
        LOG_ERROR("survey answer announces %zu entries but carries %zu", icount, present);
        icount = present;
    }
    Operation op(*this);
    if (!db_.IsOpen()) {
        return;
    }
    // One transaction for the packet: one journal pass instead of one per entry.
    bool inTransaction = db_.Execute("BEGIN");
    for (std::size_t i = 0; i < icount; ++i) {
        const std::uint8_t* entry = answer.data() + kSurveyHeader + kSurveyEntrySize * i;
        SaveOtherApEntry(packetCount, packetId, static_cast<int>(icount), entry);
    }
    if (inTransaction && !db_.Execute("COMMIT")) {
        LOG_ERROR("%s", db_.LastError().c_str());
        db_.Execute("ROLLBACK");
    }
}

bool CSqlManagement::SaveOtherApEntry(int packetCount, int packetId, int icount, const std::uint8_t* entry) {
    config_otherwl_basic ap;
    std::copy_n(entry, kSurveyEntrySize, ap.bytes.begin());
    MacBytes mac{};
    std::copy_n(ap.mac(), 6, mac.begin());
    std::string ssid =
        store_rows::CutToChars(ConsoleCodePage().ToUtf8(ap.ssid()), store_schema::OtherApLimit("ssid"));
    SqliteStatement* s = Statement(
        "INSERT INTO "
        "ap_other_info(packet_count,packet_id,icount,mac,ssid,signal,channel,secure_mode,exchannel,"
        "bandwidth) VALUES(?1,?2,?3,?4,?5,?6,?7,?8,?9,?10) ON CONFLICT(mac) DO UPDATE SET "
        "packet_count=excluded.packet_count,packet_id=excluded.packet_id,icount=excluded.icount,"
        "ssid=excluded.ssid,signal=excluded.signal,channel=excluded.channel,secure_mode=excluded.secure_mode,"
        "exchannel=excluded.exchannel,bandwidth=excluded.bandwidth");
    bool ok = s && s->BindInt(1, packetCount) && s->BindInt(2, packetId) && s->BindInt(3, icount) &&
              s->BindText(4, MacBytesToText(mac)) && s->BindText(5, ssid) && s->BindInt(6, ap.signal()) &&
              s->BindInt(7, ap.channel()) && s->BindInt(8, ap.secure_mode()) &&
              s->BindInt(9, ap.exchannel()) && s->BindInt(10, ap.bandwidth()) &&
              s->Next() == SqliteStatement::Step::Done;
    if (s && !ok) {
        LOG_ERROR("%s", s->LastError().c_str());
    }
    return ok;
}

bool CSqlManagement::IsApBridged(std::string_view apMac) {
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s = Statement("SELECT ssid_mac FROM ap_info WHERE mac=?1");
    if (!s || !s->BindText(1, apMac) || s->Next() != SqliteStatement::Step::Row) {
        return false;
    }
    std::string ssidMac = s->ColumnText(0);
    if (!IsLinkMac(ssidMac)) {
        return false;
    }
    s = Statement("SELECT mac FROM ap_info WHERE work_mode=?1 AND bridge_mac=?2 LIMIT 1");
    return s && s->BindInt(1, kStation) && s->BindText(2, ssidMac) && s->Next() == SqliteStatement::Step::Row;
}

bool CSqlManagement::GetBridgePeerMac(std::string_view mac, std::string& peer) {
    Operation op(*this);
    if (!db_.IsOpen()) {
        return false;
    }
    SqliteStatement* s = Statement("SELECT work_mode,ssid_mac,bridge_mac FROM ap_info WHERE mac=?1");
    if (!s || !s->BindText(1, mac) || s->Next() != SqliteStatement::Step::Row) {
        return false;
    }
    bool station = s->ColumnInt(0) == kStation;
    std::string link = s->ColumnText(station ? 2 : 1);
    if (!IsLinkMac(link)) {
        return false;
    }
    // A station's bridge_mac is the ssid_mac of its access point: follow it either way.
    s = Statement(station
                      ? "SELECT mac FROM ap_info WHERE work_mode<>?1 AND ssid_mac=?2 ORDER BY ID LIMIT 1"
                      : "SELECT mac FROM ap_info WHERE work_mode=?1 AND bridge_mac=?2 ORDER BY ID LIMIT 1");
    if (!s || !s->BindInt(1, kStation) || !s->BindText(2, link) || s->Next() != SqliteStatement::Step::Row) {
        return false;
    }
    peer = s->ColumnText(0);
    return true;
}

} // namespace cpe
