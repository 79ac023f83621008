#pragma once

#include <filesystem>

namespace cpe {

// Where the console finds its files. The application folder holds Setting.ini, Languages/, Skin/
// and service/; the data folder holds Logs/ and data.mdb: the application folder when it is
// writable, else $XDG_STATE_HOME/korva-cpe-assistant. A home folder (--home) replaces the data folder,
// wherever it would be.
struct AppPaths {
    std::filesystem::path appDir;
    std::filesystem::path dataDir;
};

// The folder of the running program file.
std::filesystem::path ExecutableDir();

// Resolves both folders; an empty home means no override. Creates the data folder when missing.
AppPaths ResolveAppPaths(const std::filesystem::path& home = {});

// The process-wide paths, set once at start-up (defaults to ResolveAppPaths()).
const AppPaths& CurrentAppPaths();
void SetCurrentAppPaths(AppPaths paths);

} // namespace cpe
