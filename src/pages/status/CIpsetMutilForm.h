#pragma once

#include "pages/config/address_rules.h"
#include "pages/status/PageWorker.h"
#include "pages/status/ip_range.h"

#include <string>
#include <vector>

namespace cpe {

// The batch IP dialog without its widgets: the six fields, the ten checks in their order, the
// start of the range worker, and the progress schedule with its three rediscovery rounds.
class CIpsetMutilForm {
public:
    static constexpr int kProgressTimer = 1000;
    static constexpr int kProgressPeriodMs = 500;
    static constexpr int kProgressEnd = 30;
    static constexpr int kRediscoveryRounds = 3;

    struct Fields {
        std::u32string begin, end, mask, gateway, dns1, dns2;
    };

    // `addressing`: the first queued device's 22 addressing bytes (mode, address, mask, gateway,
    // DNS servers, one more byte); `worker`: the page's recorded range worker.
    CIpsetMutilForm(IStatusLink& link, IOperatorMessages& messages, PageWorker& worker,
                    std::vector<SelectionRecord> queue, const std::array<std::uint8_t, 22>& addressing);

    // One device: no end field, and the begin label reads "IP_Address".
    bool singleDevice() const { return queue_.size() <= 1; }
    const char* beginLabel() const;

    Fields& fields() { return fields_; }
    const Fields& fields() const { return fields_; }

    // The first failing check's message (English key), nullptr when all pass.
    RuleMessage Check() const;
    // Checks, shows the message when one fails (the dialog stays open); otherwise starts the
    // worker and the progress. True when the progress started.
    bool Save();

    // One step of the 500 ms timer while progressing. True when the dialog closes (position 30).
    bool Tick();
    // The close button: the rediscovery rounds no longer happen; requests already handed to
    // the worker are still sent.
    void Close() { progressing_ = false; }

    bool progressing() const { return progressing_; }
    bool editable() const { return !started_; }
    int position() const { return position_; }
    int countdown() const { return countdown_; }
    const IpRangeBuffer& range() const { return range_; }
    const std::vector<SelectionRecord>& queue() const { return queue_; }

private:
    IStatusLink& link_;
    IOperatorMessages& messages_;
    PageWorker& worker_;
    std::vector<SelectionRecord> queue_;
    Fields fields_;
    IpRangeBuffer range_;
    bool started_ = false;
    bool progressing_ = false;
    int position_ = 1;
    int countdown_ = kRediscoveryRounds;
};

} // namespace cpe
