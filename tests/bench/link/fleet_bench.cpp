// Fleet runs of the link engine against cpe-sim in loopback mode. Not part of the test run; start
// inside a private namespace:  scripts/netns-run build/tests/bench/link/link_fleet_bench
// (CPE_BIN_DIR=<build>/bin when the simulator is not where the build put it).
#include "EventLogReader.h"
#include "SimProcess.h"
#include "link/AcTransmitManage.h"
#include "store/CSqlManagement.h"

#include <arpa/inet.h>
#include <atomic>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace cpe {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double RssMb() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// A console engine on a store in a fresh folder, and a simulated fleet.
struct Run {
    std::string folder;
    std::unique_ptr<CSqlManagement> store;
    std::unique_ptr<DeviceStoreAdapter<CSqlManagement>> adapter;
    std::unique_ptr<AcTransmitManage> link;
    e2e::SimProcess sim;
    e2e::EventLogReader events;

    bool Start(benchmark::State& state, std::vector<std::string> simArgs, bool timers) {
        char name[] = "/tmp/cpe-bench-XXXXXX";
        folder = mkdtemp(name);
        store = std::make_unique<CSqlManagement>(folder);
        adapter = std::make_unique<DeviceStoreAdapter<CSqlManagement>>(*store);
        LinkOptions options;
        options.loopback = true;
        options.timerThreads = timers;
        link = std::make_unique<AcTransmitManage>(*adapter, options);
        if (!link->Init()) {
            state.SkipWithError(("sockets: " + link->error()).c_str());
            return false;
        }
        simArgs.insert(simArgs.end(), {"--loopback", "--quiet", "--events", folder + "/events.jsonl"});
        std::string why;
        if (!sim.Start(simArgs, 30s, why)) {
            state.SkipWithError(("cpe-sim: " + why).c_str());
            return false;
        }
        events.SetPath(folder + "/events.jsonl");
        return true;
    }
    std::size_t Stored() {
        std::vector<std::string> macs;
        store->GetAllApMac(macs);
        return macs.size();
    }
    // Seconds from the first discovery until `devices` reports are stored (or the time-out).
    double DiscoverAll(std::size_t devices, std::chrono::seconds timeout = 30s) {
        auto start = Clock::now();
        link->SendDiscover();
        while (Stored() < devices && Clock::now() - start < timeout) {
            std::this_thread::sleep_for(5ms);
        }
        return std::chrono::duration<double>(Clock::now() - start).count();
    }
    nlohmann::json StopSimStats() {
        sim.Stop();
        events.Refresh();
        auto stats = events.Matching({{"event", "stats"}});
        return stats.empty() ? nlohmann::json::object() : stats.back();
    }
    ~Run() {
        link.reset();
        sim.Stop();
        store.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

void BM_Discovery(benchmark::State& state) {
    const auto devices = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        Run run;
        if (!run.Start(state, {"--devices", std::to_string(devices), "--seed", "3"}, true)) {
            return;
        }
        double seconds = run.DiscoverAll(devices);
        state.SetIterationTime(seconds);
        state.counters["stored"] = static_cast<double>(run.Stored());
        state.counters["missing"] = static_cast<double>(devices - run.Stored());
        state.counters["seconds"] = seconds;
    }
}
BENCHMARK(BM_Discovery)->Arg(1000)->Arg(5000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Heartbeats(benchmark::State& state) {
    const std::size_t devices = 5000;
    const int seconds = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Run run;
        if (!run.Start(state,
                       {"--devices", std::to_string(devices), "--seed", "4", "--heartbeat-seconds", "1"},
                       true)) {
            return;
        }
        run.DiscoverAll(devices);
        double rssMax = RssMb();
        double cpu0 = CpuSeconds();
        auto t0 = Clock::now();
        while (Clock::now() - t0 < std::chrono::seconds(seconds)) {
            std::this_thread::sleep_for(1s);
            rssMax = std::max(rssMax, RssMb());
        }
        double wall = std::chrono::duration<double>(Clock::now() - t0).count();
        double cpu = CpuSeconds() - cpu0;
        std::size_t managed = run.link->managed().size();
        auto stats = run.StopSimStats();
        state.SetIterationTime(wall);
        state.counters["expired"] = static_cast<double>(devices - managed);
        state.counters["cpu_pct_one_core"] = 100.0 * cpu / wall;
        state.counters["rss_max_mb"] = rssMax;
        state.counters["heartbeats"] = stats.value("heartbeats", 0.0);
        state.counters["acks"] = stats.value("acks", 0.0);
    }
}
BENCHMARK(BM_Heartbeats)->Arg(60)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// Junk at the three receive ports: wrong magic everywhere, plus datagrams that pass the receive
// test and fill the queues (heartbeats of unknown devices, answers of type 14).
void Flood(std::atomic<bool>& stop, std::atomic<std::uint64_t>& sent, int perSecond) {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    int big = 8 << 20;
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &big, sizeof big);
    std::mt19937 random(9);
    constexpr int kBatch = 64;
    std::array<std::array<std::uint8_t, 64>, kBatch> bodies{};
    std::array<sockaddr_in, kBatch> to{};
    std::array<iovec, kBatch> iov{};
    std::array<mmsghdr, kBatch> msgs{};
    const std::uint16_t ports[] = {kPortDiscoverRecv, kPortHeartbeat, kPortConfig};
    for (int i = 0; i < kBatch; ++i) {
        auto& b = bodies[i];
        for (auto& byte : b) {
            byte = static_cast<std::uint8_t>(random());
        }
        std::uint16_t port = ports[i % 3];
        if (i % 2 == 1 && port != kPortDiscoverRecv) { // passes the receive test
            b[0] = 0x88;
            b[1] = 0x19;
            b[4] = port == kPortHeartbeat ? 15 : 14;
            b[5] = 0;
            b[14] = 40;
            b[15] = 0;
        } else {
            b[0] = 0;
        }
        to[i].sin_family = AF_INET;
        to[i].sin_port = htons(port);
        inet_pton(AF_INET, "127.0.0.1", &to[i].sin_addr);
        iov[i] = {b.data(), b.size()};
        msgs[i].msg_hdr.msg_name = &to[i];
        msgs[i].msg_hdr.msg_namelen = sizeof(sockaddr_in);
        msgs[i].msg_hdr.msg_iov = &iov[i];
        msgs[i].msg_hdr.msg_iovlen = 1;
    }
    auto start = Clock::now();
    while (!stop) {
        double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (static_cast<double>(sent) > elapsed * perSecond) {
            std::this_thread::sleep_for(200us);
            continue;
        }
        int n = sendmmsg(fd, msgs.data(), kBatch, 0);
        if (n > 0) {
            sent += static_cast<std::uint64_t>(n);
        }
    }
    close(fd);
}

void BM_Flood(benchmark::State& state) {
    const std::size_t devices = 100;
    for (auto _ : state) {
        Run run;
        if (!run.Start(state,
                       {"--devices", std::to_string(devices), "--seed", "5", "--heartbeat-seconds", "1"},
                       false)) {
            return;
        }
        run.DiscoverAll(devices);
        double rss0 = RssMb();
        double rssMax = rss0;
        std::atomic<bool> stop{false};
        std::atomic<std::uint64_t> sent{0};
        std::thread flood(Flood, std::ref(stop), std::ref(sent), 200000);
        auto t0 = Clock::now();
        // The heartbeat check once a second: a device whose heartbeats drown is gone in 4 s.
        while (Clock::now() - t0 < 10s) {
            std::this_thread::sleep_for(1s);
            run.link->CheckManageApHeartbeat();
            rssMax = std::max(rssMax, RssMb());
        }
        stop = true;
        flood.join();
        double wall = std::chrono::duration<double>(Clock::now() - t0).count();
        state.SetIterationTime(wall);
        state.counters["junk_per_s"] = static_cast<double>(sent) / wall;
        state.counters["managed"] = static_cast<double>(run.link->managed().size());
        state.counters["rss_growth_mb"] = rssMax - rss0;
    }
}
BENCHMARK(BM_Flood)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
} // namespace cpe

BENCHMARK_MAIN();
