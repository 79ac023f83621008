#pragma once

#include "pages/status/DeviceListForm.h"
#include "pages/status/PageWorker.h"
#include "pages/status/switch_request.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace cpe {

// The status page without its widgets: the device list, discovery and the MAC scan with their
// tick schedule, the in-place rename, the web link and the batch buttons' preparation.
class StatusPageForm {
public:
    static constexpr int kPageId = 133;
    static constexpr int kDiscoveryTimer = 1000;
    static constexpr int kDiscoveryPeriodMs = 1000;
    static constexpr int kDiscoveryTicks = 50;
    static constexpr int kRefreshTimer = 2000;
    static constexpr int kRefreshDelayMs = 2000;

    // `timers` may be called from worker threads (the switch workers arm the refresh).
    StatusPageForm(IDeviceListStore& store, IStatusLink& link, IOperatorMessages& messages, IPageHost& host,
                   IPageTimers& timers);

    DeviceListForm& list() { return list_; }
    const DeviceListForm& list() const { return list_; }

    // Button 1003: starts discovery when idle, otherwise stops what runs.
    void OnSearchClicked();
    // Button 1001: true when the view should open the MAC dialog (the page is idle); otherwise
    // the running discovery or scan is stopped.
    bool OnScanMacClicked();
    // The dialog ended with OK.
    void StartMacScan(const MacBytes& mac);
    void Stop();
    void OnTimer(int id);

    bool idle() const { return idle_; }
    int tickCounter() const { return tickCounter_; }
    const char* searchButtonText() const;          // "Search" or "Stop"
    const char* scanButtonText() const;            // "ScanMac" or "Stop"
    bool controlsEnabled() const { return idle_; } // search edit, grid, page-size list
    bool animationVisible() const { return !idle_; }

    // In-place rename of column 2. BeginRename: false when the row cannot be renamed.
    bool BeginRename(int row);
    enum class RenameResult { Unchanged, RestoreOld, Refused, Sent };
    // The cell shows `shownName` afterwards (the old name, or the accepted name cut to 32 bytes).
    RenameResult EndRename(int row, const std::string& newName, std::string& shownName);

    // Column 13: "http://<ip>" for a row with a stored report.
    std::optional<std::string> WebLink(int row) const;

    struct IpsetRequest {
        std::vector<SelectionRecord> queue;
        std::array<std::uint8_t, 22> addressing{};
    };
    struct SwitchRequest {
        std::vector<SelectionRecord> queue;
        int initialValue = 0;
    };
    // "Set IP", "Set Bridge", "AIRSLOT": the queue for the dialog, or nothing when the message
    // was shown instead.
    std::optional<IpsetRequest> PrepareSetIp();
    std::optional<SwitchRequest> PrepareSwitch(SwitchKind kind);

    PageWorker& renameWorker() { return renameWorker_; }
    PageWorker& ipWorker() { return ipWorker_; }
    PageWorker& switchWorker(SwitchKind kind) {
        return kind == SwitchKind::TransparentBridge ? bridgeWorker_ : airslotWorker_;
    }
    // Arms the one-shot refresh (after a rename or a switch change).
    void ArmRefresh();

private:
    IDeviceListStore& store_;
    IStatusLink& link_;
    IOperatorMessages& messages_;
    IPageHost& host_;
    IPageTimers& timers_;
    DeviceListForm list_;
    bool idle_ = true;
    int tickCounter_ = 0;
    std::string renameOld_;
    // Declared last: destroyed (stopped and joined) first.
    PageWorker renameWorker_, ipWorker_, bridgeWorker_, airslotWorker_;

    void StartSearchSequence();
    const DeviceRow* Row(int row) const;
};

} // namespace cpe
