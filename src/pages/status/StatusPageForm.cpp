#include "pages/status/StatusPageForm.h"

#include "core/CodePage.h"
#include "pages/config/character_rules.h"
#include "pages/status/rename_request.h"
#include "shell/lang/language.h"

#include <algorithm>

namespace cpe {

StatusPageForm::StatusPageForm(IDeviceListStore& store, IStatusLink& link, IOperatorMessages& messages,
                               IPageHost& host, IPageTimers& timers)
    : store_(store), link_(link), messages_(messages), host_(host), timers_(timers),
      list_(store, link, StatusListColumns()) {}

const char* StatusPageForm::searchButtonText() const {
    return idle_ ? CPE_TR("Search") : CPE_TR("Stop");
}

const char* StatusPageForm::scanButtonText() const {
    return idle_ ? CPE_TR("ScanMac") : CPE_TR("Stop");
}

void StatusPageForm::OnSearchClicked() {
    if (!idle_) {
        Stop();
        return;
    }
    link_.SetFilter(false, MacBytes{});
    StartSearchSequence();
}

bool StatusPageForm::OnScanMacClicked() {
    if (idle_) {
        return true;
    }
    Stop();
    return false;
}

void StatusPageForm::StartMacScan(const MacBytes& mac) {
    if (!idle_) {
        return;
    }
    link_.SetFilter(true, mac);
    StartSearchSequence();
}

void StatusPageForm::StartSearchSequence() {
    idle_ = false;
    link_.RefreshCaptureDevices();
    link_.SendUnmanage();
    link_.RemoveSearchedAps();
    link_.PurgeStore();
    link_.SendDiscover();
    tickCounter_ = 0;
    list_.ClearSearchText();
    list_.RefreshPage(1);
    host_.SetNavigationEnabled(false);
    host_.SetAutoRefresh(false);
    timers_.StartTimer(kDiscoveryTimer, kDiscoveryPeriodMs, false);
}

void StatusPageForm::Stop() {
    if (idle_) {
        return;
    }
    idle_ = true;
    timers_.KillTimer(kDiscoveryTimer);
    host_.SetNavigationEnabled(true);
    host_.SetAutoRefresh(true);
    list_.RefreshCurrentPage();
}

void StatusPageForm::OnTimer(int id) {
    if (id == kRefreshTimer) {
        timers_.KillTimer(kRefreshTimer);
        list_.RefreshCurrentPage();
        return;
    }
    if (id != kDiscoveryTimer || idle_) {
        return;
    }
    ++tickCounter_;
    if (tickCounter_ >= kDiscoveryTicks) {
        Stop();
    } else if (tickCounter_ % 3 == 0) {
        link_.SendDiscover();
        list_.RefreshPage(1);
    }
}

const DeviceRow* StatusPageForm::Row(int row) const {
    const auto& rows = list_.rows();
    return row >= 0 && row < static_cast<int>(rows.size()) ? &rows[static_cast<std::size_t>(row)] : nullptr;
}

bool StatusPageForm::BeginRename(int row) {
    const DeviceRow* r = Row(row);
    if (!r || r->itemData == kSearchedItemData) {
        return false;
    }
    renameOld_ = r->cells[2];
    return true;
}

StatusPageForm::RenameResult StatusPageForm::EndRename(int row, const std::string& newName,
                                                       std::string& shownName) {
    shownName = renameOld_;
    const DeviceRow* r = Row(row);
    if (!r || r->itemData == kSearchedItemData || newName == renameOld_) {
        return RenameResult::Unchanged;
    }
    if (newName.empty()) {
        return RenameResult::RestoreOld;
    }
    const SelectionRecord device = MakeSelection(*r);
    const std::u32string name = DecodeUtf8(newName);
    if (RuleMessage message = CheckDeviceNameCharacters(name, UsesRestrictedNameRule(device.type))) {
        messages_.ShowMessage(message, MessageIcon::Warning, false);
        return RenameResult::Refused;
    }
    shownName = EncodeUtf8(CutToUtf8Length(name, kNameByteLimit));
    list_.rows()[static_cast<std::size_t>(row)].cells[2] = shownName;
    renameWorker_.Start([&link = link_, device, name = shownName](std::stop_token stop) {
        if (!stop.stop_requested()) {
            SendRename(link, device.ip, device.mac, name);
        }
    });
    ArmRefresh();
    return RenameResult::Sent;
}

std::optional<std::string> StatusPageForm::WebLink(int row) const {
    const DeviceRow* r = Row(row);
    if (!r || r->itemData == kSearchedItemData) {
        return std::nullopt;
    }
    return "http://" + r->cells[4];
}

void StatusPageForm::ArmRefresh() {
    timers_.StartTimer(kRefreshTimer, kRefreshDelayMs, true);
}

std::optional<StatusPageForm::IpsetRequest> StatusPageForm::PrepareSetIp() {
    IpsetRequest request;
    request.queue = list_.TickedRows();
    if (request.queue.empty()) {
        messages_.ShowMessage(CPE_TR("Please select the devices!"), MessageIcon::Warning, false);
        return std::nullopt;
    }
    ap_info_stu record;
    if (store_.GetApInfo(request.queue.front().mac, record)) {
        // Address mode, address, mask, gateway, DNS servers and one more byte of the report.
        const auto report = record.report();
        std::copy_n(report.begin() + static_cast<std::ptrdiff_t>(report_offset::ip_mode),
                    request.addressing.size(), request.addressing.begin());
    }
    return request;
}

std::optional<StatusPageForm::SwitchRequest> StatusPageForm::PrepareSwitch(SwitchKind kind) {
    SwitchRequest request;
    request.queue = list_.TickedRows([kind](const DeviceRow& row) {
        return SwitchApplies(kind, row.record.ap_type(), row.record.work_mode());
    });
    if (request.queue.empty()) {
        messages_.ShowMessage(CPE_TR("Please select configurable devices!"), MessageIcon::Warning, false);
        return std::nullopt;
    }
    ap_info_stu record;
    if (store_.GetApInfo(request.queue.front().mac, record)) {
        request.initialValue = SwitchValue(kind, record) != 0 ? 1 : 0;
    }
    return request;
}

} // namespace cpe
