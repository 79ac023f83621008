#pragma once

namespace cpe {

// What the windows of the shell ask of the device link. The console passes the link manager in;
// tests pass a recorder.
class IDeviceLink {
public:
    virtual ~IDeviceLink() = default;
    // Tells every managed device that it is no longer managed (type 17) and forgets it.
    virtual void SendUnmanage() = 0;
    // One discovery pass on every adapter.
    virtual void SendDiscover() = 0;
};

} // namespace cpe
