#pragma once

#include "shell/window/IDeviceLink.h"

namespace cpe {

// The link's place in a build without the link manager: every request is logged, nothing is sent.
class OfflineDeviceLink : public IDeviceLink {
public:
    explicit OfflineDeviceLink(bool loopback) : loopback_(loopback) {}
    void SendUnmanage() override;
    void SendDiscover() override;

private:
    bool loopback_;
};

} // namespace cpe
