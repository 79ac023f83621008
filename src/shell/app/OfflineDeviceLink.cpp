#include "shell/app/OfflineDeviceLink.h"

#include "link/log.h"

namespace cpe {

void OfflineDeviceLink::SendUnmanage() {
    LOG_INFO("no link manager in this build: release not sent");
}

void OfflineDeviceLink::SendDiscover() {
    LOG_INFO("no link manager in this build: discovery not sent (%s mode)",
             loopback_ ? "loopback" : "normal");
}

} // namespace cpe
