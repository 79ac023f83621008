#include "pages/status/SwitchSetForm.h"

#include "shell/lang/language.h"

namespace cpe {

SwitchSetForm::SwitchSetForm(SwitchKind kind, IStatusLink& link, PageWorker& worker,
                             std::vector<SelectionRecord> queue, int initialValue, std::function<void()> done)
    : kind_(kind), link_(link), worker_(worker), queue_(std::move(queue)), value_(initialValue != 0 ? 1 : 0),
      done_(std::move(done)) {}

const char* SwitchSetForm::title() const {
    return kind_ == SwitchKind::TransparentBridge ? CPE_TR("Set Bridge") : CPE_TR("AIRSLOT");
}

void SwitchSetForm::Save() {
    worker_.Start([&link = link_, kind = kind_, queue = queue_, payload = payload(),
                   done = done_](std::stop_token stop) {
        SendSwitchRequests(link, kind, queue, payload, stop);
        if (done && !stop.stop_requested()) {
            done();
        }
    });
}

} // namespace cpe
