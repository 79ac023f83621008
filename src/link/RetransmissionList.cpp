#include "link/RetransmissionList.h"

#include "link/log.h"

namespace cpe {

bool IsRetransmittedType(int msgType) {
    return msgType != KORVA_APDiscoverRequest && msgType != KORVA_APSearchApRequest &&
           msgType != KORVA_APHeartbeatAck && msgType != KORVA_APUnmanageRequest;
}

void RetransmissionList::Add(RetransmissionEntry entry) {
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
}

bool RetransmissionList::RemoveFirstMatch(const std::string& ip, int msgType, const std::string& macText) {
    MacArg mac = MacArg::Text(macText);
    std::lock_guard lock(mutex_);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->ip == ip && it->msg_type == msgType && it->mac.bytes == mac.bytes) {
            entries_.erase(it);
            return true;
        }
    }
    return false;
}

void RetransmissionList::Pass(const Resend& resend) {
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < entries_.size();) {
        RetransmissionEntry& e = entries_[i];
        if (e.remaining > 0) {
            --e.remaining;
            LOG_INFO("retransmission count:%d", e.remaining);
            resend(e);
            ++i;
        } else {
            LOG_INFO("Retransmission times exceeded:%s", e.ip.c_str());
            entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

std::size_t RetransmissionList::size() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

} // namespace cpe
