#pragma once

#include <filesystem>
#include <string>

namespace cpe {

// The one-console-per-user rule: an exclusive flock() on Korva_CPEAssistant.lock in
// $XDG_RUNTIME_DIR (or /tmp/Korva_CPEAssistant-<uid>.lock when that is unset). The lock lives as long as the
// object and is released by the system when the process ends, however it ends.
class SingleInstanceLock {
public:
    // An empty folder means the default location.
    explicit SingleInstanceLock(std::filesystem::path folder = {});
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when this process now holds the lock; false when another process holds it or the
    // file cannot be opened (error() says which).
    bool Acquire();
    bool held() const { return fd_ >= 0; }
    const std::string& error() const { return error_; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    int fd_ = -1;
    std::string error_;
};

} // namespace cpe
