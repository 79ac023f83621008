#include "cli/discover_command.h"
#include "link/bytes.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>
#include <map>

namespace {

// SIGINT and SIGTERM are taken by the command's own wait (sigtimedwait); blocked here, before
// any thread exists, so no thread of the link is interrupted by them.
void BlockStopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    using namespace cpe::cli;
    CLI::App app{"Korva CPE Assistant engine without a window"};
    app.require_subcommand(1);

    DiscoverArgs args;
    std::string mac;
    std::string home;
    auto* discover = app.add_subcommand("discover", "search the network and list the devices found");
    discover->add_option("--seconds", args.seconds, "how long to search (default 10)")
        ->check(CLI::Range(1, 3600));
    discover->add_flag("--loopback", args.loopback, "use only lo (127.0.0.1/8)");
    discover->add_option("--mac", mac, "search for one device by MAC (XX:XX:XX:XX:XX:XX)");
    discover->add_option("--format", args.format, "table, json or csv")
        ->transform(CLI::CheckedTransformer(
            std::map<std::string, OutputFormat>{
                {"table", OutputFormat::Table}, {"json", OutputFormat::Json}, {"csv", OutputFormat::Csv}},
            CLI::ignore_case));
    discover->add_option("--home", home, "folder for the log and the device database");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int rc = app.exit(e);
        return rc == 0 ? kExitOk : kExitUsage;
    }
    if (!mac.empty()) {
        cpe::MacBytes bytes{};
        if (!cpe::ParseMacText(mac, bytes.data())) {
            std::cerr << "cpe-cli: --mac needs the form XX:XX:XX:XX:XX:XX, got \"" << mac << "\"\n";
            return kExitUsage;
        }
        args.mac = bytes;
    }
    args.home = home;
    BlockStopSignals();
    return RunDiscover(args, std::cout, std::cerr);
}
