#include "pages/status/StatusPageForm.h"
#include "pages/status/rename_request.h"
#include "unit/forms/status_fakes.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

using namespace cpe::test;

class StatusPageTest : public ::testing::Test {
protected:
    FakeStore store;
    FakeLink link;
    FakeMessages messages;
    FakeHost host;
    FakeTimers timers;
    StatusPageForm page{store, link, messages, host, timers};

    void Stored(int count, int type = 5) {
        for (int i = 0; i < count; ++i) {
            store.rows.push_back(Device(i + 1, type));
        }
    }
    DeviceListForm& list() { return page.list(); }
};

TEST_F(StatusPageTest, SerialNumbersContinueAndSearchedDevicesFillTheLastPage) {
    Stored(31);
    for (int i = 0; i < 20; ++i) {
        link.searched.push_back(Device(100 + i));
    }
    list().OnPageSizeChanged(0); // 15
    EXPECT_EQ(list().pageSize(), 15);
    list().RefreshPage(3);
    EXPECT_EQ(list().pageCount(), 3);
    EXPECT_EQ(list().barPage(), 3);
    EXPECT_EQ(link.lastSearchedLimit, 14);
    ASSERT_EQ(list().rows().size(), 15u);
    EXPECT_EQ(list().rows()[0].cells[1], "31");
    EXPECT_EQ(list().rows()[1].cells[1], "32");
    EXPECT_FALSE(list().rows()[0].searched);
    EXPECT_EQ(list().rows()[0].itemData, 1);
    EXPECT_TRUE(list().rows()[1].searched);
    EXPECT_EQ(list().rows()[1].itemData, kSearchedItemData);
    EXPECT_EQ(list().OnlineCountText(), "Online device count:31");

    // Not the last page: no searched devices.
    link.lastSearchedLimit = -1;
    list().RefreshPage(2);
    EXPECT_EQ(link.lastSearchedLimit, -1);
    EXPECT_EQ(list().rows().front().cells[1], "16");
}

TEST_F(StatusPageTest, PageSizesAndStatusColumns) {
    EXPECT_EQ(list().pageSize(), 30);
    const auto& columns = list().columns();
    ASSERT_EQ(columns.size(), 14u);
    const int widths[] = {20, 40, 90, 80, 102, 112, 66, 100, 65, 60, 100, 70, 70, 70};
    const int keys[] = {1, 1, 2, 3, 1, 0, 4, 5, 6, 9, 10, 11, 12, 1};
    for (int c = 0; c < 14; ++c) {
        EXPECT_EQ(columns[static_cast<std::size_t>(c)].width, widths[c]) << c;
        EXPECT_EQ(SortKeyForColumn(columns, c), keys[c]) << c;
    }
    EXPECT_STREQ(columns[4].header, "IP");
}

TEST_F(StatusPageTest, HeaderClicksAlternateAndRefreshesKeepTheLastDirection) {
    Stored(3);
    list().RefreshCurrentPage();
    EXPECT_FALSE(store.queries.back().ascending); // by address, descending, before any click
    EXPECT_EQ(store.queries.back().sortKey, 1);

    list().OnHeaderClicked(4);
    EXPECT_TRUE(store.queries.back().ascending);
    EXPECT_TRUE(list().shownAscending());
    list().OnHeaderClicked(4);
    EXPECT_FALSE(store.queries.back().ascending);
    list().RefreshPage(1); // message 2023
    EXPECT_FALSE(store.queries.back().ascending);
    EXPECT_EQ(store.queries.back().sortKey, 1);

    list().OnHeaderClicked(5);
    EXPECT_EQ(store.queries.back().sortKey, 0);
    EXPECT_TRUE(store.queries.back().ascending);
    EXPECT_EQ(list().sortColumn(), 5);

    const std::size_t before = store.queries.size();
    list().OnHeaderClicked(1);
    list().OnHeaderClicked(13);
    EXPECT_EQ(store.queries.size(), before); // Serial and Operate do not sort
}

TEST_F(StatusPageTest, SearchTextReturnsToPageOneAndFiltersSearchedDevices) {
    Stored(70);
    list().RefreshPage(3);
    EXPECT_EQ(list().currentPage(), 3);
    list().OnSearchTextChanged("dev1");
    EXPECT_EQ(store.queries.back().page, 1);
    EXPECT_EQ(store.queries.back().search, "dev1");
    EXPECT_EQ(list().currentPage(), 1);
    EXPECT_EQ(link.lastSearchedFilter, "dev1");
}

TEST_F(StatusPageTest, PageThatNoLongerExistsFallsBackToPageOne) {
    Stored(40);
    list().RefreshPage(2);
    store.rows.resize(5);
    list().RefreshCurrentPage();
    EXPECT_EQ(list().currentPage(), 1);
    EXPECT_EQ(list().barPage(), 1);
    EXPECT_EQ(list().rows().size(), 5u);
}

TEST_F(StatusPageTest, FailedQueryShowsOnlySearchedDevices) {
    store.fail = true;
    link.searched.push_back(Device(7));
    list().RefreshCurrentPage();
    EXPECT_EQ(list().pageCount(), 0);
    EXPECT_EQ(list().onlineCount(), 0);
    ASSERT_EQ(list().rows().size(), 1u);
    EXPECT_TRUE(list().rows()[0].searched);
}

TEST_F(StatusPageTest, SelectAllToggleAndRowTicks) {
    Stored(3);
    list().RefreshCurrentPage();
    list().OnHeaderClicked(0);
    EXPECT_TRUE(list().allSelected());
    for (const auto& row : list().rows()) {
        EXPECT_TRUE(row.ticked);
    }
    list().OnCheckClicked(1);
    EXPECT_FALSE(list().rows()[1].ticked);
    list().OnHeaderClicked(0);
    for (const auto& row : list().rows()) {
        EXPECT_FALSE(row.ticked);
    }
    list().OnHeaderClicked(0);
    list().RefreshCurrentPage(); // a new list clears the ticks and the flag
    EXPECT_FALSE(list().allSelected());
    EXPECT_FALSE(list().rows()[0].ticked);
}

TEST_F(StatusPageTest, DiscoveryStartSequenceTickScheduleAndStop) {
    Stored(2);
    list().OnSearchTextChanged("dev");
    page.OnSearchClicked();
    const std::vector<std::string> start = {"SetFilter(off)", "RefreshCaptureDevices",
                                            "SendUnmanage",   "RemoveSearchedAps",
                                            "PurgeStore",     "SendDiscover"};
    EXPECT_EQ(link.calls(), start);
    EXPECT_FALSE(page.idle());
    EXPECT_STREQ(page.searchButtonText(), "Stop");
    EXPECT_TRUE(page.animationVisible());
    EXPECT_FALSE(page.controlsEnabled());
    EXPECT_FALSE(host.navigation);
    EXPECT_FALSE(host.autoRefresh);
    EXPECT_TRUE(list().searchText().empty());
    ASSERT_TRUE(timers.running(1000));
    EXPECT_EQ(timers.timer(1000).periodMs, 1000);

    link.ClearCalls();
    std::vector<int> discoverTicks;
    for (int tick = 1; tick <= 60 && !page.idle(); ++tick) {
        const std::size_t queries = store.queries.size();
        page.OnTimer(1000);
        if (!link.calls().empty()) {
            discoverTicks.push_back(tick);
            EXPECT_EQ(store.queries.back().page, 1);
            EXPECT_GT(store.queries.size(), queries);
        }
        link.ClearCalls();
    }
    EXPECT_EQ(page.tickCounter(), 50);
    EXPECT_EQ(discoverTicks.size(), 16u); // 3, 6, ..., 48
    EXPECT_EQ(discoverTicks.front(), 3);
    EXPECT_EQ(discoverTicks.back(), 48);
    EXPECT_TRUE(page.idle());
    EXPECT_STREQ(page.searchButtonText(), "Search");
    EXPECT_STREQ(page.scanButtonText(), "ScanMac");
    EXPECT_FALSE(timers.running(1000));
    EXPECT_TRUE(host.navigation);
    EXPECT_TRUE(host.autoRefresh);
}

TEST_F(StatusPageTest, ScanMacStopsARunningDiscoveryAndTheNextSearchClearsTheFilter) {
    page.OnSearchClicked();
    EXPECT_FALSE(page.OnScanMacClicked()); // stops instead of opening the dialog
    EXPECT_TRUE(page.idle());
    EXPECT_TRUE(page.OnScanMacClicked());
    link.ClearCalls();
    page.StartMacScan({0, 1, 2, 3, 4, 5});
    EXPECT_EQ(link.calls().front(), "SetFilter(on)");
    EXPECT_EQ(link.filterMac, (MacBytes{0, 1, 2, 3, 4, 5}));
    EXPECT_STREQ(page.scanButtonText(), "Stop");
    for (int i = 0; i < 50; ++i) {
        page.OnTimer(1000);
    }
    EXPECT_TRUE(page.idle());
    link.ClearCalls();
    page.OnSearchClicked();
    EXPECT_EQ(link.calls().front(), "SetFilter(off)");
}

TEST_F(StatusPageTest, RenameRulesAndRequest) {
    store.rows.push_back(Device(1, 5));
    store.rows.push_back(Device(2, 261));
    link.searched.push_back(Device(3, 5));
    list().RefreshCurrentPage();
    std::string shown;

    EXPECT_FALSE(page.BeginRename(2)); // searched device
    ASSERT_TRUE(page.BeginRename(0));
    EXPECT_EQ(page.EndRename(0, "dev1", shown), StatusPageForm::RenameResult::Unchanged);
    EXPECT_EQ(page.EndRename(0, "", shown), StatusPageForm::RenameResult::RestoreOld);
    EXPECT_EQ(shown, "dev1");

    ASSERT_TRUE(page.BeginRename(1));
    EXPECT_EQ(page.EndRename(1, "a b", shown), StatusPageForm::RenameResult::Refused);
    EXPECT_EQ(shown, "dev2");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last(), "Device name maximum allowed 32 bytes, only support combination of Chinese, "
                               "lowercase letters, 0-9 numbers");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);

    ASSERT_TRUE(page.BeginRename(0));
    EXPECT_EQ(page.EndRename(0, "dev\xC3\xA9", shown), StatusPageForm::RenameResult::Refused);
    EXPECT_EQ(messages.last(),
              "Device name maximum allowed 32 bytes, only support combination of Chinese, ASCII characters");
    EXPECT_TRUE(link.sent().empty());
    EXPECT_FALSE(timers.running(2000));

    ASSERT_TRUE(page.BeginRename(0));
    EXPECT_EQ(page.EndRename(0, "机房 1", shown), StatusPageForm::RenameResult::Sent);
    page.renameWorker().Join();
    const auto sent = link.sent();
    ASSERT_EQ(sent.size(), 2u); // the name, then a report request so the store gets the new name
    EXPECT_EQ(sent[1].type, 2);
    EXPECT_TRUE(sent[1].payload.empty());
    EXPECT_EQ(sent[1].mac, sent[0].mac);
    EXPECT_EQ(sent[0].type, 8);
    EXPECT_EQ(sent[0].ip, "10.0.0.2");
    EXPECT_EQ(sent[0].mac, "00:11:22:33:00:01");
    EXPECT_TRUE(sent[0].retransmit);
    std::vector<std::uint8_t> expected(33, 0);
    const std::string bytes = "\xE6\x9C\xBA\xE6\x88\xBF 1";
    std::copy(bytes.begin(), bytes.end(), expected.begin());
    expected[32] = 8;
    EXPECT_EQ(sent[0].payload, expected);
    ASSERT_TRUE(timers.running(2000));
    EXPECT_TRUE(timers.timer(2000).singleShot);
    page.OnTimer(2000);
    EXPECT_FALSE(timers.running(2000));
}

TEST(RenamePayloadTest, NameCutToThirtyTwoBytesOnACharacterBoundary) {
    // Eleven Chinese characters are 33 bytes; the wire keeps ten (30 bytes).
    std::string name;
    for (int i = 0; i < 11; ++i) {
        name += "\xE4\xB8\xAD";
    }
    EXPECT_EQ(RenameWireName(name).size(), 30u);
    const RenamePayload payload = BuildRenamePayload(std::string(40, 'x'));
    EXPECT_EQ(payload[31], 'x');
    EXPECT_EQ(payload[32], 32);
}

TEST_F(StatusPageTest, AcceptedNameIsCutToThirtyTwoBytes) {
    Stored(1);
    list().RefreshCurrentPage();
    std::string shown;
    ASSERT_TRUE(page.BeginRename(0));
    // 31 ASCII letters and one Chinese character: 34 bytes, refused by the byte limit.
    EXPECT_EQ(page.EndRename(0, std::string(31, 'a') + "\xE4\xB8\xAD", shown),
              StatusPageForm::RenameResult::Refused);
    EXPECT_EQ(page.EndRename(0, std::string(32, 'a'), shown), StatusPageForm::RenameResult::Sent);
    EXPECT_EQ(shown, std::string(32, 'a'));
    EXPECT_EQ(list().rows()[0].cells[2], shown);
}

TEST_F(StatusPageTest, WebLinkOnlyForStoredRows) {
    Stored(1);
    link.searched.push_back(Device(9));
    list().RefreshCurrentPage();
    EXPECT_EQ(page.WebLink(0).value_or(""), "http://10.0.0.2");
    EXPECT_FALSE(page.WebLink(1));
    EXPECT_FALSE(page.WebLink(5));
}

TEST_F(StatusPageTest, BatchButtonsQueueTickedRowsInGridOrder) {
    EXPECT_FALSE(page.PrepareSetIp());
    EXPECT_EQ(messages.last(), "Please select the devices!");
    EXPECT_EQ(messages.shown.back().icon, MessageIcon::Warning);
    EXPECT_FALSE(messages.shown.back().applicationCaption);

    store.rows.push_back(Device(1, 261));
    store.rows.push_back(Device(2, 5, 1));
    store.rows.back().set_ip_gateway("10.0.0.254");
    store.rows.back().set_bridge_transparent(1);
    list().RefreshCurrentPage();
    list().OnCheckClicked(0);
    EXPECT_FALSE(page.PrepareSwitch(SwitchKind::TransparentBridge));
    EXPECT_EQ(messages.last(), "Please select configurable devices!");

    list().OnCheckClicked(1);
    const auto bridge = page.PrepareSwitch(SwitchKind::TransparentBridge);
    ASSERT_TRUE(bridge);
    ASSERT_EQ(bridge->queue.size(), 1u); // the type-261 device is not eligible
    EXPECT_EQ(bridge->queue[0].mac, "00:11:22:33:00:02");
    EXPECT_EQ(bridge->initialValue, 1);

    const auto ipset = page.PrepareSetIp();
    ASSERT_TRUE(ipset);
    ASSERT_EQ(ipset->queue.size(), 2u);
    EXPECT_EQ(ipset->queue[0].type, 261);
    // The first queued device's addressing: mode, address 10.0.0.2, mask 255.255.0.0.
    EXPECT_EQ(ipset->addressing[1], 10);
    EXPECT_EQ(ipset->addressing[4], 2);
    EXPECT_EQ(ipset->addressing[5], 255);
    EXPECT_EQ(ipset->addressing[7], 0);
}

} // namespace
} // namespace cpe
