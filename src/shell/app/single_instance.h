#pragma once

#include <filesystem>

namespace cpe {

// One console per user: an exclusive flock() on Korva_CPEAssistant.lock, held for the life of the
// process and released by the system however the process ends.
class SingleInstance {
public:
    SingleInstance() = default;
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process holds the lock (or the lock file cannot be made).
    bool Acquire(const std::filesystem::path& dir);

    // $XDG_RUNTIME_DIR, else a private folder under /tmp for this user.
    static std::filesystem::path DefaultLockDir();
    static constexpr const char* kLockName = "Korva_CPEAssistant.lock";

private:
    int fd_ = -1;
};

} // namespace cpe
