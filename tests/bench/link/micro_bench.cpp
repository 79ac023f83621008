#include "core/BoundedQueue.h"
#include "link/ManagedApTable.h"
#include "unit/link/test_packets.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace cpe {
namespace {

std::string MacOf(int i) {
    char text[18];
    std::snprintf(text, sizeof text, "02:00:00:%02x:%02x:%02x", (i >> 16) & 255, (i >> 8) & 255, i & 255);
    return text;
}

// A heartbeat against a table of N fully known devices: the per-datagram cost of a big fleet.
void BM_HeartbeatLookup(benchmark::State& state) {
    ManagedApTable table;
    const int n = static_cast<int>(state.range(0));
    std::vector<ap_packet_info> beats;
    for (int i = 0; i < n; ++i) {
        std::string ip = "10.0." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1);
        table.Add(test::DevicePacket(1, MacOf(i), ip, test::Payload(109)));
        table.AcceptReport(test::DevicePacket(2, MacOf(i), ip, test::Payload(760)));
        beats.push_back(test::DevicePacket(15, MacOf(i), ip, test::Payload(40)));
    }
    std::size_t k = 0;
    std::uint32_t up = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.Heartbeat(beats[k++ % beats.size()], up));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HeartbeatLookup)->Arg(100)->Arg(5000);

// Discovery answers of N new devices followed by their reports: the table side of a search.
void BM_DiscoverAndReport(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<ap_packet_info> answers, reports;
    for (int i = 0; i < n; ++i) {
        std::string ip = "10.0." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1);
        answers.push_back(test::DevicePacket(1, MacOf(i), ip, test::Payload(109)));
        reports.push_back(test::DevicePacket(2, MacOf(i), ip, test::Payload(760)));
    }
    for (auto _ : state) {
        ManagedApTable table;
        for (int i = 0; i < n; ++i) {
            table.Add(answers[i]);
        }
        for (int i = 0; i < n; ++i) {
            benchmark::DoNotOptimize(table.AcceptReport(reports[i]));
        }
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_DiscoverAndReport)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_QueuePushTakeAll(benchmark::State& state) {
    BoundedQueue<ap_packet_info> queue(8192);
    ap_packet_info record;
    std::deque<ap_packet_info> out;
    for (auto _ : state) {
        for (int i = 0; i < 64; ++i) {
            queue.Push(record);
        }
        queue.TakeAll(out);
    }
    state.SetItemsProcessed(state.iterations() * 64);
}
BENCHMARK(BM_QueuePushTakeAll);

} // namespace
} // namespace cpe
