#pragma once

#include "link/ap_info.h"
#include "store/CSqlManagement.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace cpe::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A complete report of device number `n`: MAC 02:00:00:00:xx:yy, address 192.168.(n/250).(n%250+1),
// name "dev-<n>", station or access point by `workMode`.
ap_info_stu MakeDevice(int n, int workMode = 1);
std::string DeviceMac(int n);

// A store on its own temporary folder, with the notifications it sent.
struct StoreFixture {
    TempDir dir;
    std::vector<std::string> notes;
    std::unique_ptr<CSqlManagement> store;

    StoreFixture();
};

// Rows of a statement run on the store's connection, each row's columns joined by '|'.
std::vector<std::string> QueryStore(CSqlManagement& store, const std::string& sql);

} // namespace cpe::test
