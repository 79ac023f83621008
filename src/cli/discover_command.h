#pragma once

#include "cli/device_output.h"
#include "link/packet.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace cpe::cli {

// Exit codes of cpe-cli.
enum ExitCode : int {
    kExitOk = 0,
    kExitFailure = 1,
    kExitUsage = 2,
    kExitSockets = 3,
    kExitAnotherInstance = 4,
};

struct DiscoverArgs {
    int seconds = 10;
    bool loopback = false;
    std::optional<MacBytes> mac; // a MAC scan when set
    OutputFormat format = OutputFormat::Table;
    std::filesystem::path home;
};

// The status page's search, headless: search sequence, a discovery pass every 3 seconds, the
// device list, then the ordered shutdown. SIGINT and SIGTERM (blocked by the caller in every
// thread) end the wait early and take the same way out.
int RunDiscover(const DiscoverArgs& args, std::ostream& out, std::ostream& err);

} // namespace cpe::cli
