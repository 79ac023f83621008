#pragma once

#include "shell/window/IDeviceLink.h"

namespace cpe {

class AcTransmitManage;

// The windows' view of the link manager.
class LinkDeviceLink : public IDeviceLink {
public:
    explicit LinkDeviceLink(AcTransmitManage& link) : link_(link) {}
    void SendUnmanage() override;
    void SendDiscover() override;

private:
    AcTransmitManage& link_;
};

} // namespace cpe
