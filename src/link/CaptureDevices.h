#pragma once

#include "link/raw_frame.h"

#include <mutex>
#include <string>
#include <vector>

namespace cpe {

// The capture library's device list and the one thing the console does with it: put one raw
// frame on the wire of an adapter.
class CaptureDevices {
public:
    // Enumerates the capture devices again; on failure the list stays empty.
    void Refresh();
    std::vector<std::string> Names() const;
    // Sends `frame` through the device of `adapterName` (the exact name, else the first that
    // contains it). False when there is none, it cannot be opened or the send fails.
    bool Send(const std::string& adapterName, const RawDiscoverFrame& frame) const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> names_;
};

} // namespace cpe
