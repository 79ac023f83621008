#include "core/paths.h"

#include <cstdlib>
#include <mutex>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace cpe {
namespace {

std::mutex g_pathsMutex;
std::optional<AppPaths> g_paths;

bool IsWritableDir(const std::filesystem::path& dir) {
    return !dir.empty() && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

std::filesystem::path StateDir() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/') {
        return std::filesystem::path(state) / "korva-cpe-assistant";
    }
    const char* home = std::getenv("HOME");
    std::filesystem::path base =
        (home && *home) ? std::filesystem::path(home) : std::filesystem::path("/tmp");
    return base / ".local" / "state" / "korva-cpe-assistant";
}

} // namespace

std::filesystem::path ExecutableDir() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return std::filesystem::current_path(ec);
    }
    return exe.parent_path();
}

AppPaths ResolveAppPaths(const std::filesystem::path& home) {
    AppPaths paths;
    std::error_code ec;
    if (!home.empty()) {
        std::filesystem::create_directories(home, ec);
        auto absolute = std::filesystem::absolute(home, ec);
        paths.appDir = ExecutableDir();
        paths.dataDir = ec ? home : absolute;
        return paths;
    }
    paths.appDir = ExecutableDir();
    if (IsWritableDir(paths.appDir)) {
        paths.dataDir = paths.appDir;
    } else {
        paths.dataDir = StateDir();
        std::filesystem::create_directories(paths.dataDir, ec);
    }
    return paths;
}

const AppPaths& CurrentAppPaths() {
    std::lock_guard lock(g_pathsMutex);
    if (!g_paths) {
        g_paths = ResolveAppPaths();
    }
    return *g_paths;
}

void SetCurrentAppPaths(AppPaths paths) {
    std::lock_guard lock(g_pathsMutex);
    g_paths = std::move(paths);
}

} // namespace cpe
