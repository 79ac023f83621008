#pragma once

#include "pages/status/PageWorker.h"
#include "pages/status/switch_request.h"

#include <functional>
#include <vector>

namespace cpe {

// The twin switch dialogs (CBridgeSetMultiDlg, CTdmaxenSetMultiDlg) without their widgets: the
// chosen value, and Save starting the page's worker of that kind.
class SwitchSetForm {
public:
    // `done` runs on the worker after its last send: the page arms its one-shot refresh there.
    SwitchSetForm(SwitchKind kind, IStatusLink& link, PageWorker& worker, std::vector<SelectionRecord> queue,
                  int initialValue, std::function<void()> done);

    SwitchKind kind() const { return kind_; }
    const char* title() const;                   // "Set Bridge" / "AIRSLOT"
    bool enabled() const { return value_ != 0; } // radio 1156 ticked, else 1157
    void ChooseEnable() { value_ = 1; }
    void ChooseDisable() { value_ = 0; }
    SwitchPayload payload() const { return BuildSwitchPayload(kind_, value_ != 0); }
    const std::vector<SelectionRecord>& queue() const { return queue_; }

    // Save: stops an earlier worker of this kind and starts the new one.
    void Save();

private:
    SwitchKind kind_;
    IStatusLink& link_;
    PageWorker& worker_;
    std::vector<SelectionRecord> queue_;
    int value_;
    std::function<void()> done_;
};

} // namespace cpe
