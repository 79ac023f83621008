// Status page over 10,000 stored devices: a list refresh (query, model, repaint) and a search
// keystroke (query on the new text, model, repaint), offscreen.
#include "bench_devices.h"
#include "pages/status/CStatusDlg.h"
#include "pages/status/StatusLinkAdapter.h"
#include "store/CSqlManagement.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace cpe::bench {
namespace {

constexpr int kDevices = 10000;

// No discovery runs in the benchmark: the link has nothing searched and sends nothing.
class IdleLink final : public IStatusLink {
public:
    void RefreshCaptureDevices() override {}
    void SendUnmanage() override {}
    void RemoveSearchedAps() override {}
    void PurgeStore() override {}
    void SendDiscover() override {}
    void SetFilter(bool, const MacBytes&) override {}
    std::vector<ap_info_stu> GetSearchedApList(int, const std::string&) override { return {}; }
    bool SendPacketMutilcast(const std::string&, int, std::span<const std::uint8_t>, const std::string&,
                             bool) override {
        return true;
    }
    void UpdateManageApIp(const std::string&, const std::string&, const std::string&) override {}
};

class NoMessages final : public IOperatorMessages {
public:
    void ShowMessage(const std::string&, MessageIcon, bool) override {}
};

struct Page {
    BenchDir dir;
    CSqlManagement store{dir.path()};
    StatusStoreAdapter storeAdapter{store};
    IdleLink link;
    NoMessages messages;
    std::unique_ptr<CStatusDlg> page;

    Page() {
        for (int i = 0; i < kDevices; ++i) {
            store.SaveApInfo(FleetDevice(i));
        }
        page = std::make_unique<CStatusDlg>(
            ShellLook{}, StatusPageServices{&link, &storeAdapter, &messages, {}, {}}, nullptr);
        page->resize(915, 605);
        page->show();
    }
};

Page& GetPage() {
    static Page page;
    return page;
}

void BM_UpdateListData(benchmark::State& state) {
    Page& p = GetPage();
    p.page->searchEdit()->clear();
    for (auto _ : state) {
        p.page->RefreshList();
        p.page->grid()->viewport()->repaint();
    }
    state.counters["rows"] = p.page->grid()->model()->rowCount();
}
BENCHMARK(BM_UpdateListData)->Unit(benchmark::kMillisecond);

void BM_SearchKeystroke(benchmark::State& state) {
    Page& p = GetPage();
    // Alternates between one and two characters typed, as a keystroke and its undo.
    const QString texts[] = {"cpe-1", "cpe-12"};
    int i = 0;
    for (auto _ : state) {
        p.page->searchEdit()->setText(texts[i++ % 2]);
        p.page->grid()->viewport()->repaint();
    }
    state.counters["rows"] = p.page->grid()->model()->rowCount();
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace cpe::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
