// Device store benchmark: our store and the baseline of the original design, side by side.
#include "baseline_store.h"
#include "bench_devices.h"
#include "store/CSqlManagement.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace cpe::bench {
namespace {

constexpr int kSample = 1024; // devices the write cases cycle through, spread over the fleet

// One fleet of `devices` rows in both stores; only one is kept at a time (100,000 rows are large).
struct Fleet {
    int devices;
    BenchDir oursDir;
    BenchDir baselineDir;
    std::unique_ptr<CSqlManagement> ours;
    std::unique_ptr<BaselineStore> baseline;
    std::vector<ap_info_stu> sample;

    explicit Fleet(int n) : devices(n) {
        ours = std::make_unique<CSqlManagement>(oursDir.path());
        for (int i = 0; i < n; ++i) {
            ours->SaveApInfo(FleetDevice(i));
        }
        baseline = std::make_unique<BaselineStore>(baselineDir.path());
        baseline->Populate(n, FleetDevice);
        for (int i = 0; i < kSample; ++i) {
            sample.push_back(FleetDevice(static_cast<int>((static_cast<long>(i) * 7919) % n)));
        }
    }
};

Fleet& GetFleet(int devices) {
    static std::unique_ptr<Fleet> fleet;
    if (!fleet || fleet->devices != devices) {
        fleet.reset();
        fleet = std::make_unique<Fleet>(devices);
    }
    return *fleet;
}

template <typename Store>
Store& Pick(Fleet& f);
template <>
CSqlManagement& Pick<CSqlManagement>(Fleet& f) {
    return *f.ours;
}
template <>
BaselineStore& Pick<BaselineStore>(Fleet& f) {
    return *f.baseline;
}

// A changed report: new up-time and a name toggled between two values.
template <typename Store>
void SaveChangedReport(benchmark::State& state, int devices) {
    Fleet& f = GetFleet(devices);
    Store& store = Pick<Store>(f);
    std::uint32_t tick = 0;
    for (auto _ : state) {
        ap_info_stu& record = f.sample[tick % kSample];
        record.set_up_time(record.up_time() + 1);
        record.set_ap_name((tick / kSample) % 2 ? "renamed" : "cpe");
        benchmark::DoNotOptimize(store.SaveApInfo(record));
        ++tick;
    }
}

template <typename Store>
void UpdateUpTime(benchmark::State& state, int devices) {
    Fleet& f = GetFleet(devices);
    Store& store = Pick<Store>(f);
    std::vector<std::pair<std::string, std::string>> keys;
    for (const ap_info_stu& r : f.sample) {
        keys.emplace_back(r.mac(), r.ip());
    }
    std::uint32_t tick = 0;
    for (auto _ : state) {
        const auto& [mac, ip] = keys[tick % kSample];
        benchmark::DoNotOptimize(store.UpdateApUpTime(mac, ip, tick));
        ++tick;
    }
}

template <typename Store>
void SetStatus(benchmark::State& state, int devices) {
    Fleet& f = GetFleet(devices);
    Store& store = Pick<Store>(f);
    std::vector<std::string> macs;
    for (const ap_info_stu& r : f.sample) {
        macs.push_back(r.mac());
    }
    std::uint32_t tick = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.SetApStatus(macs[tick % kSample], (tick / kSample) % 2 ? 4 : 1));
        ++tick;
    }
}

struct ListCase {
    const char* name;
    int key;
    bool ascending;
    const char* search;
    bool lastPage;
};

template <typename Store>
void ListPage(benchmark::State& state, int devices, ListCase c) {
    Fleet& f = GetFleet(devices);
    Store& store = Pick<Store>(f);
    int page = 1;
    if (c.lastPage) {
        std::vector<ap_info_stu> list;
        int pages = 0;
        int online = 0;
        store.GetApInfoList(c.key, c.search, 30, 1, c.ascending, list, pages, online);
        page = pages;
    }
    for (auto _ : state) {
        std::vector<ap_info_stu> list;
        int pages = 0;
        int online = 0;
        benchmark::DoNotOptimize(
            store.GetApInfoList(c.key, c.search, 30, page, c.ascending, list, pages, online));
    }
}

constexpr ListCase kListCases[] = {
    {"List/ip_num/asc", 1, true, "", false},
    {"List/ip_num/desc", 1, false, "", false},
    {"List/ap_name/asc", 2, true, "", false},
    {"List/ap_name/desc", 2, false, "", false},
    {"List/ip_num/asc/search", 1, true, "cpe-12", false},
    {"List/ip_num/desc/search", 1, false, "cpe-12", false},
    {"List/ap_name/asc/search", 2, true, "cpe-12", false},
    {"List/ap_name/desc/search", 2, false, "cpe-12", false},
    {"List/ip_num/asc/search-broad", 1, true, "Station", false},
    {"List/ip_num/asc/last-page", 1, true, "", true},
};

template <typename Store>
void RegisterAll(const char* who, int devices) {
    auto name = [&](const std::string& what) {
        return std::string(who) + "/" + what + "/" + std::to_string(devices);
    };
    benchmark::RegisterBenchmark(name("SaveApInfo").c_str(), SaveChangedReport<Store>, devices)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(name("UpdateApUpTime").c_str(), UpdateUpTime<Store>, devices)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(name("SetApStatus").c_str(), SetStatus<Store>, devices)
        ->Unit(benchmark::kMicrosecond);
    for (const ListCase& c : kListCases) {
        benchmark::RegisterBenchmark(name(c.name).c_str(), ListPage<Store>, devices, c)
            ->Unit(benchmark::kMicrosecond);
    }
}

// Keeps each result so the ratios can be printed after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> micros;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Iteration) {
                micros[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintRatios(const RatioReporter& reporter) {
    std::printf("\n%-44s %12s %14s %9s\n", "case", "ours (us)", "baseline (us)", "ratio");
    for (const auto& [name, ours] : reporter.micros) {
        if (name.rfind("ours/", 0) != 0) {
            continue;
        }
        std::string rest = name.substr(5);
        auto base = reporter.micros.find("baseline/" + rest);
        if (base == reporter.micros.end()) {
            std::printf("%-44s %12.1f %14s\n", rest.c_str(), ours, "-");
        } else {
            std::printf("%-44s %12.1f %14.1f %8.1fx\n", rest.c_str(), ours, base->second,
                        base->second / ours);
        }
    }
}

} // namespace
} // namespace cpe::bench

int main(int argc, char** argv) {
    using namespace cpe::bench;
    for (int devices : {1000, 10000, 100000}) {
        RegisterAll<cpe::CSqlManagement>("ours", devices);
        RegisterAll<BaselineStore>("baseline", devices);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
