#pragma once

#include "link/ap_info.h"

#include <filesystem>
#include <string>

namespace cpe::bench {

// Device number n of a simulated fleet: MAC 02:00:00:xx:yy:zz, address 10.x.y.z, name "cpe-<n>".
ap_info_stu FleetDevice(int n);
std::string FleetMac(int n);
std::string FleetIp(int n);

// A fresh folder under the temporary folder, removed with its content.
class BenchDir {
public:
    BenchDir();
    ~BenchDir();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace cpe::bench
