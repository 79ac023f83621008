// The status page against a simulated fleet on loopback: discovery lists the fleet (grey until
// the reports arrive), paging, sorting, live search, rename and the transparent-bridge switch.
#include "pages/status/CSwitchSetMultiDlg.h"
#include "pages/status/DeviceListModel.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTMultiPages.h"
#include "status_page_fixture.h"
#include "store/vocabulary.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <set>

namespace cpe::e2e {
namespace {

using namespace std::chrono_literals;

class StatusLoopbackTest : public StatusPageFixture {
protected:
    DeviceListForm& list() { return page->form().list(); }
    std::vector<std::uint32_t> ShownIps() {
        std::vector<std::uint32_t> ips;
        for (const DeviceRow& row : list().rows()) {
            ips.push_back(IpTextToNumber(row.cells[4]));
        }
        return ips;
    }
    void SearchUntilOnline(int devices) {
        page->OnSearchClicked();
        ASSERT_TRUE(
            TickUntil([&] { return list().onlineCount() == devices && SearchedRows() == 0; }, 30s, 300ms))
            << "online " << list().onlineCount() << ", searched " << SearchedRows();
        page->OnSearchClicked(); // Stop
    }
};

TEST_F(StatusLoopbackTest, SearchListsTheFleetGreyUntilReportedThenPagesSortsAndSearches) {
    // Answers come late, so the devices are listed from the link before their reports are stored.
    StartSim({"--loopback", "--devices", "31", "--seed", "7", "--delay-ms", "1500-2500"});
    OpenPage(true);
    page->pageSizeList()->setCurrentIndex(0);
    emit page->pageSizeList()->activated(0);
    ASSERT_EQ(list().pageSize(), 15);

    page->OnSearchClicked();
    EXPECT_EQ(page->button(1003)->text(), "Stop");
    EXPECT_FALSE(page->grid()->isEnabled());
    bool sawGrey = false;
    ASSERT_TRUE(TickUntil(
        [&] {
            for (int r = 0; r < page->model()->rowCount(); ++r) {
                if (page->model()->index(r, 1).data(DeviceListModel::kItemDataRole).toInt() ==
                    kSearchedItemData) {
                    sawGrey = true;
                }
            }
            return list().onlineCount() == 31 && SearchedRows() == 0;
        },
        40s, 300ms))
        << "online " << list().onlineCount();
    EXPECT_TRUE(sawGrey);
    page->OnSearchClicked();
    EXPECT_EQ(page->button(1003)->text(), "Search");
    EXPECT_EQ(page->onlineLabel()->text(), "Online device count:31");
    EXPECT_EQ(page->pager()->pageCount(), 3);

    page->ShowPage(3);
    ASSERT_EQ(page->model()->rowCount(), 1);
    EXPECT_EQ(page->model()->index(0, 1).data().toString(), "31");

    page->OnHeaderClicked(4);
    std::vector<std::uint32_t> ips = ShownIps();
    EXPECT_TRUE(std::is_sorted(ips.begin(), ips.end()));
    page->OnHeaderClicked(4);
    ips = ShownIps();
    EXPECT_TRUE(std::is_sorted(ips.rbegin(), ips.rend()));
    const std::uint32_t lastOfPageOne = ips.back();
    page->ShowPage(2); // the page-number bar's choice keeps the direction
    ips = ShownIps();
    EXPECT_TRUE(std::is_sorted(ips.rbegin(), ips.rend()));
    EXPECT_LT(ips.front(), lastOfPageOne);

    QTest::keyClicks(page->searchEdit(), "1");
    EXPECT_EQ(list().currentPage(), 1);
    EXPECT_EQ(page->pager()->currentPage(), 1);
}

TEST_F(StatusLoopbackTest, RenameAndTransparentBridgeReachTheDevices) {
    StartSim({"--loopback", "--devices", "6", "--seed", "11"});
    OpenPage(true);
    SearchUntilOnline(6);

    const std::string mac = list().rows()[0].cells[5];
    ASSERT_TRUE(page->model()->setData(page->model()->index(0, 2), "roof-1"));
    ASSERT_TRUE(Events().WaitFor(
        [&](const auto&) {
            return Events().Count({{"what", "changed"}, {"mac", mac}}) >= 1;
        },
        10s))
        << "no name change at the device";
    EXPECT_EQ(Events().Count({{"dir", "rx"}, {"msg_type", 8}, {"mac", mac}}), 1u);
    // The page refreshes itself 2 s after the rename; the row keeps the new name.
    EXPECT_TRUE(TickUntil([&] { return !page->timers().isActive(2000); }, 5s, 10s));
    EXPECT_EQ(page->model()->index(0, 2).data().toString(), "roof-1");

    std::set<std::string> eligible;
    for (const DeviceRow& row : list().rows()) {
        if (row.cells[10] != "N/A") {
            eligible.insert(row.cells[5]);
        }
    }
    page->OnHeaderClicked(0); // tick every row
    answer = [](QDialog& d) {
        auto& dialog = dynamic_cast<CSwitchSetMultiDlg&>(d);
        dialog.enableRadio()->click();
        dialog.saveButton()->click();
        return dialog.result();
    };
    page->OnSwitchClicked(SwitchKind::TransparentBridge);
    if (eligible.empty()) {
        EXPECT_EQ(messages.shown.back(), "Please select configurable devices!");
        return;
    }
    ASSERT_TRUE(Events().WaitFor(
        [&](const auto&) {
            return Events().Count({{"dir", "rx"}, {"msg_type", 18}}) >= eligible.size();
        },
        10s));
    Pump(500ms);
    std::set<std::string> reached;
    for (const auto& line : Events().Matching({{"dir", "rx"}, {"msg_type", 18}})) {
        reached.insert(line["mac"].get<std::string>());
    }
    EXPECT_EQ(reached, eligible);
}

} // namespace
} // namespace cpe::e2e
