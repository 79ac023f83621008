#include "cli/discover_command.h"

#include "core/paths.h"
#include "core/single_instance.h"
#include "link/AcTransmitManage.h"
#include "link/log.h"
#include "store/CSqlManagement.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <set>

namespace cpe::cli {
namespace {

constexpr int kPassSeconds = 3;

// Waits up to `ms` for SIGINT/SIGTERM; true when one arrived.
bool WaitForSignal(int ms) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    timespec timeout{ms / 1000, (ms % 1000) * 1000000L};
    for (;;) {
        int rc = sigtimedwait(&set, nullptr, &timeout);
        if (rc > 0) {
            return true;
        }
        if (rc < 0 && errno == EINTR) {
            continue;
        }
        return false;
    }
}

// Every stored device by address, then those that answered discovery but have not reported.
std::vector<ListedDevice> CollectDevices(CSqlManagement& store, AcTransmitManage& link) {
    std::vector<ListedDevice> devices;
    std::set<std::string> seen;
    constexpr int kPageSize = 100;
    for (int page = 1;; ++page) {
        std::vector<ap_info_stu> rows;
        int pages = 0;
        int online = 0;
        if (!store.GetApInfoList(1, "", kPageSize, page, true, rows, pages, online)) {
            break;
        }
        for (auto& r : rows) {
            seen.insert(r.mac());
            devices.push_back({r, true});
        }
        if (page >= pages || rows.empty()) {
            break;
        }
    }
    std::vector<ap_info_stu> searched;
    link.GetSearchedApList(searched, 1 << 30);
    for (auto& r : searched) {
        if (!seen.contains(r.mac())) {
            devices.push_back({r, false});
        }
    }
    return devices;
}

} // namespace

int RunDiscover(const DiscoverArgs& args, std::ostream& out, std::ostream& err) {
    AppPaths paths = ResolveAppPaths(args.home);
    SetCurrentAppPaths(paths);
    SingleInstanceLock instance;
    if (!instance.Acquire()) {
        err << "cpe-cli: " << instance.error() << "\n";
        return instance.error() == "another instance is running" ? kExitAnotherInstance : kExitFailure;
    }
    OpenLog(paths.dataDir);
    std::string storeError;
    CSqlManagement store(paths.dataDir, [&](const std::string& message) { storeError = message; });
    if (!store.IsOpen()) {
        err << "cpe-cli: the device database cannot be opened in " << paths.dataDir.string() << ": "
            << storeError << "\n";
        return kExitFailure;
    }
    DeviceStoreAdapter<CSqlManagement> storeLink(store);
    LinkOptions options;
    options.loopback = args.loopback;
    AcTransmitManage link(storeLink, options);
    if (!link.Init()) {
        err << "cpe-cli: the sockets cannot be opened: " << link.error() << "\n";
        return kExitSockets;
    }

    link.SetFilter(args.mac.has_value(), args.mac.value_or(MacBytes{}));
    link.RefreshCaptureDevices();
    link.SendUnmanage();
    link.RemoveSearchedAps();
    link.PurgeStore();
    LOG_INFO("cpe-cli discover for %d s%s", args.seconds, args.loopback ? " (loopback)" : "");

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto end = start + std::chrono::seconds(args.seconds);
    auto nextPass = start;
    bool interrupted = false;
    while (!interrupted) {
        auto now = Clock::now();
        if (now >= nextPass && now < end) {
            link.SendDiscover();
            nextPass += std::chrono::seconds(kPassSeconds);
        }
        auto until = std::min(nextPass, end);
        if (Clock::now() >= end) {
            break;
        }
        auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        interrupted = WaitForSignal(static_cast<int>(std::max<long long>(wait, 1)));
    }

    std::vector<ListedDevice> devices = CollectDevices(store, link);
    link.Shutdown();
    if (interrupted) {
        err << "cpe-cli: interrupted; the devices found so far:\n";
    }
    WriteDevices(out, devices, args.format);
    return kExitOk;
}

} // namespace cpe::cli
