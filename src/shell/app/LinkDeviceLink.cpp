#include "shell/app/LinkDeviceLink.h"

#include "link/AcTransmitManage.h"

namespace cpe {

void LinkDeviceLink::SendUnmanage() {
    // As before every search: release the devices found last time and forget their rows.
    link_.SendUnmanage();
    link_.RemoveSearchedAps();
    link_.PurgeStore();
}

void LinkDeviceLink::SendDiscover() {
    link_.SendDiscover();
}

} // namespace cpe
