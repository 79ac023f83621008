#pragma once

#include "link/packet.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace cpe {

struct RetransmissionEntry {
    int remaining = 0;
    std::string ip;
    int msg_type = 0;
    std::vector<std::uint8_t> payload;
    MacArg mac;
};

// Requests waiting for their answer. One pass (`Pass`) per retransmission interval re-sends each
// entry while it has retries left and drops it one pass after its last send.
class RetransmissionList {
public:
    using Resend = std::function<void(const RetransmissionEntry&)>;

    void Add(RetransmissionEntry entry);
    // Removes the first entry for this answer (one entry per answer). False when none matched.
    bool RemoveFirstMatch(const std::string& ip, int msgType, const std::string& macText);
    // One pass; `resend` runs under the list's lock.
    void Pass(const Resend& resend);
    std::size_t size() const;

private:
    mutable std::mutex mutex_;
    std::vector<RetransmissionEntry> entries_;
};

// Requests that have no answer to wait for, or are answered by something else than a 9788 answer.
bool IsRetransmittedType(int msgType);

} // namespace cpe
