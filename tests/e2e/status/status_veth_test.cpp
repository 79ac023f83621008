// The status page over a veth pair (root only): a batch IP change moves three simulated devices
// and they are listed at their new addresses after the rediscovery rounds; a MAC scan finds a
// device whose address lies in no local subnet.
#include "NamespacePair.h"
#include "pages/status/CIpsetMutilDlg.h"
#include "pages/status/ScanMacDlg.h"
#include "status_page_fixture.h"
#include "store/vocabulary.h"

#include <QLineEdit>
#include <set>

namespace cpe::e2e {
namespace {

using namespace std::chrono_literals;

class StatusVethTest : public StatusPageFixture {
protected:
    NamespacePair pair;
    DeviceListForm& list() { return page->form().list(); }

    void SetUp() override {
        StatusPageFixture::SetUp();
        std::string why;
        if (!NamespacePair::Available(why)) {
            GTEST_SKIP() << why;
        }
        ASSERT_TRUE(pair.Create({}, why)) << why;
    }
    void StartFleet(const std::string& addresses, int devices) {
        StartSim({"--interface", pair.InterfaceB(), "--addresses", addresses, "--devices",
                  std::to_string(devices), "--seed", "5"},
                 pair.ExecPrefix());
    }
};

TEST_F(StatusVethTest, BatchIpMovesThreeDevicesAndListsThemAtTheirNewAddresses) {
    StartFleet("10.77.1.0/24", 3);
    OpenPage(false);
    page->OnSearchClicked();
    ASSERT_TRUE(TickUntil([&] { return list().onlineCount() == 3 && SearchedRows() == 0; }, 30s, 300ms));
    page->OnSearchClicked();

    page->OnHeaderClicked(0);
    answer = [&](QDialog& d) {
        auto& dialog = dynamic_cast<CIpsetMutilDlg&>(d);
        dialog.field(CIpsetMutilDlg::kBegin)->setText("10.77.2.254");
        dialog.field(CIpsetMutilDlg::kEnd)->setText("10.77.3.10");
        dialog.field(CIpsetMutilDlg::kMask)->setText("255.255.0.0");
        dialog.field(CIpsetMutilDlg::kGateway)->setText("0.0.0.0");
        dialog.field(CIpsetMutilDlg::kDns1)->setText("0.0.0.0");
        dialog.field(CIpsetMutilDlg::kDns2)->setText("0.0.0.0");
        dialog.OnSave();
        EXPECT_TRUE(messages.shown.empty()) << messages.shown.back();
        // The progress steps come every 100 ms instead of 500 ms.
        for (int i = 0; i < 29 && dialog.result() != QDialog::Accepted; ++i) {
            Pump(100ms);
            dialog.OnProgressTick();
        }
        return dialog.result();
    };
    page->OnSetIpClicked();
    page->form().ipWorker().Join();

    const std::set<std::string> expected = {"10.77.2.254", "10.77.3.1", "10.77.3.2"};
    std::set<std::string> shown;
    page->OnSearchClicked();
    ASSERT_TRUE(TickUntil(
        [&] {
            shown.clear();
            for (const DeviceRow& row : list().rows()) {
                if (!row.searched) {
                    shown.insert(row.cells[4]);
                }
            }
            return shown == expected;
        },
        30s, 300ms))
        << "listed " << shown.size() << " devices";
    page->OnSearchClicked();
    Events().Refresh();
    EXPECT_EQ(Events().Count({{"dir", "rx"}, {"msg_type", 3}}), 3u);
}

TEST_F(StatusVethTest, MacScanFindsADeviceOutsideEveryLocalSubnet) {
    StartFleet("192.168.50.0/24", 2);
    OpenPage(false);
    // The first device's MAC, from an ordinary search (the limited broadcast reaches it).
    page->OnSearchClicked();
    ASSERT_TRUE(TickUntil([&] { return !list().rows().empty(); }, 20s, 300ms));
    const std::string mac = list().rows()[0].cells[5];
    page->OnSearchClicked();

    answer = [&](QDialog& d) {
        auto& dialog = dynamic_cast<ScanMacDlg&>(d);
        const QStringList parts = QString::fromStdString(mac).split(':');
        for (int i = 0; i < 6; ++i) {
            dialog.field(i)->setText(parts[i]);
        }
        dialog.OnOk();
        return dialog.result();
    };
    // The raw frame is addressed to the device's MAC; the simulator's end of the pair takes that
    // MAC, as the device's own interface would have it.
    ASSERT_EQ(RunCommand({"ip", "netns", "exec", pair.Name(), "ip", "link", "set", "dev", pair.InterfaceB(),
                          "address", mac}),
              0);
    Events().Refresh();
    const std::size_t answersBefore = Events().Count({{"dir", "tx"}, {"msg_type", 1}});
    const std::size_t discoveriesBefore = Events().Count({{"dir", "rx"}, {"port", 9786}});
    page->OnScanMacClicked();
    ASSERT_FALSE(page->form().idle());
    ASSERT_TRUE(
        TickUntil([&] { return list().rows().size() == 1 && list().rows()[0].cells[5] == mac; }, 30s, 300ms));
    Events().Refresh();
    EXPECT_GT(Events().Count({{"dir", "rx"}, {"port", 9786}}), discoveriesBefore);
    EXPECT_GT(Events().Count({{"dir", "tx"}, {"msg_type", 1}}), answersBefore);
    page->OnScanMacClicked(); // Stop
    EXPECT_TRUE(page->form().idle());
}

} // namespace
} // namespace cpe::e2e
