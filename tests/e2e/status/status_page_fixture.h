#pragma once

#include "SimFixture.h"
#include "link/AcTransmitManage.h"
#include "pages/status/CStatusDlg.h"
#include "pages/status/StatusLinkAdapter.h"
#include "store/CSqlManagement.h"

#include <QDialog>
#include <chrono>
#include <functional>
#include <memory>

namespace cpe::e2e {

class RecordingMessages final : public IOperatorMessages {
public:
    std::vector<std::string> shown;
    void ShowMessage(const std::string& text, MessageIcon, bool) override { shown.push_back(text); }
};

// A status page on the real store (in the test's folder) and link manager, with cpe-sim.
class StatusPageFixture : public SimFixture {
protected:
    void TearDown() override;

    // Opens the store, starts the link (loopback or the namespace's adapters) and the page.
    void OpenPage(bool loopback);
    // Runs the event loop, one discovery tick per `tickEvery`, until `done` or `timeout`.
    bool TickUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout,
                   std::chrono::milliseconds tickEvery = std::chrono::milliseconds(1000));
    // Runs the event loop for a while without ticks.
    void Pump(std::chrono::milliseconds time);
    int StoredRows() const; // rows of the shown page with a stored report
    int SearchedRows() const;

    std::unique_ptr<CSqlManagement> store;
    std::unique_ptr<DeviceStoreAdapter<CSqlManagement>> storeLink;
    std::unique_ptr<AcTransmitManage> link;
    std::unique_ptr<StatusLinkAdapter> linkAdapter;
    std::unique_ptr<StatusStoreAdapter> storeAdapter;
    RecordingMessages messages;
    std::function<int(QDialog&)> answer;
    std::unique_ptr<CStatusDlg> page;
};

} // namespace cpe::e2e
