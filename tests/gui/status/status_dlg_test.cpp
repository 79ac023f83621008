#include "pages/status/CIpsetMutilDlg.h"
#include "pages/status/CSwitchSetMultiDlg.h"
#include "pages/status/DeviceListModel.h"
#include "pages/status/ScanMacDlg.h"
#include "pages/status/status_page_factory.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTMultiPages.h"
#include "unit/forms/status_fakes.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace cpe {
namespace {

using namespace cpe::test;

class StatusDlgTest : public ::testing::Test {
protected:
    FakeStore store;
    FakeLink link;
    FakeMessages messages;
    std::vector<QUrl> opened;
    std::function<int(QDialog&)> answer;
    std::unique_ptr<CStatusDlg> page;

    void Open() {
        StatusPageServices services;
        services.link = &link;
        services.store = &store;
        services.messages = &messages;
        services.runDialog = [this](QDialog& d) { return answer ? answer(d) : int(QDialog::Rejected); };
        services.openUrl = [this](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        page = std::make_unique<CStatusDlg>(ShellLook{}, services, nullptr);
        page->RefreshList();
    }
    QModelIndex Cell(int row, int column) { return page->model()->index(row, column); }
};

TEST_F(StatusDlgTest, ListPagesCountsAndSortIndicator) {
    for (int i = 0; i < 31; ++i) {
        store.rows.push_back(Device(i + 1));
    }
    Open();
    EXPECT_EQ(page->pageSizeList()->currentText(), "30");
    EXPECT_EQ(page->onlineLabel()->text(), "Online device count:31");
    EXPECT_EQ(page->pager()->pageCount(), 2);
    page->pageSizeList()->setCurrentIndex(0);
    emit page->pageSizeList()->activated(0);
    EXPECT_EQ(page->pager()->pageCount(), 3);
    page->ShowPage(3);
    EXPECT_EQ(page->model()->rowCount(), 1);
    EXPECT_EQ(Cell(0, 1).data().toString(), "31");

    page->OnHeaderClicked(4);
    EXPECT_EQ(page->grid()->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    page->OnHeaderClicked(4);
    EXPECT_EQ(page->grid()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    page->ShowPage(2);
    EXPECT_EQ(page->grid()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(page->grid()->horizontalHeader()->sortIndicatorSection(), 4);
    EXPECT_EQ(page->grid()->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);

    page->ShowPage(2);
    QTest::keyClicks(page->searchEdit(), "de");
    EXPECT_EQ(store.queries.back().page, 1);
    EXPECT_EQ(store.queries.back().search, "de");
    EXPECT_EQ(store.queries[store.queries.size() - 2].search, "d");
    EXPECT_EQ(page->pager()->currentPage(), 1);
}

TEST_F(StatusDlgTest, DiscoveryDisablesTheControlsUntilTheFiftiethTick) {
    Open();
    page->button(1003)->click();
    EXPECT_EQ(page->button(1003)->text(), "Stop");
    EXPECT_FALSE(page->grid()->isEnabled());
    EXPECT_FALSE(page->searchEdit()->isEnabled());
    EXPECT_FALSE(page->pageSizeList()->isEnabled());
    EXPECT_TRUE(page->timers().isActive(1000));
    EXPECT_EQ(page->timers().interval(1000), 1000);
    for (int i = 0; i < 50; ++i) {
        page->OnTimer(1000);
    }
    EXPECT_FALSE(page->timers().isActive(1000));
    EXPECT_EQ(page->button(1003)->text(), "Search");
    EXPECT_EQ(page->button(1001)->text(), "ScanMac");
    EXPECT_TRUE(page->grid()->isEnabled());
}

TEST_F(StatusDlgTest, WebLinkRenameAndTicks) {
    store.rows = {Device(1)};
    link.searched = {Device(2)};
    Open();
    page->OnCellClicked(Cell(0, 13));
    page->OnCellClicked(Cell(1, 13));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), "http://10.0.0.2");

    page->OnCellClicked(Cell(1, 0));
    EXPECT_EQ(Cell(1, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);

    EXPECT_TRUE(page->model()->setData(Cell(0, 2), "roof"));
    page->form().renameWorker().Join();
    ASSERT_EQ(link.sent().size(), 2u);
    EXPECT_EQ(link.sent()[0].type, 8);
    EXPECT_EQ(Cell(0, 2).data().toString(), "roof");
    EXPECT_TRUE(page->timers().isActive(2000));
}

TEST_F(StatusDlgTest, SetIpDialogRunsTheRangeAndClosesItself) {
    store.rows = {Device(1), Device(2), Device(3)};
    Open();
    page->OnSetIpClicked();
    EXPECT_EQ(messages.last(), "Please select the devices!");
    page->grid()->model(); // keep the grid alive
    page->OnHeaderClicked(0);
    bool closed = false;
    answer = [&](QDialog& d) {
        auto& dialog = dynamic_cast<CIpsetMutilDlg&>(d);
        EXPECT_FALSE(dialog.field(CIpsetMutilDlg::kEnd)->isHidden());
        EXPECT_EQ(dialog.field(CIpsetMutilDlg::kBegin)->text(), "10.0.0.2");
        dialog.field(CIpsetMutilDlg::kBegin)->setText("192.168.1.254");
        dialog.field(CIpsetMutilDlg::kEnd)->setText("192.168.2.10");
        dialog.field(CIpsetMutilDlg::kMask)->setText("255.255.0.0");
        dialog.saveButton()->click();
        EXPECT_TRUE(dialog.progressTimer().isActive());
        EXPECT_FALSE(dialog.field(CIpsetMutilDlg::kBegin)->isEnabled());
        for (int i = 0; i < 29; ++i) {
            dialog.OnProgressTick();
        }
        closed = dialog.result() == QDialog::Accepted;
        return dialog.result();
    };
    page->OnSetIpClicked();
    page->form().ipWorker().Join();
    EXPECT_TRUE(closed);
    const auto sent = link.sent();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[2].payload[3], 2); // 192.168.2.2
    EXPECT_EQ(sent[2].payload[4], 2);
}

TEST_F(StatusDlgTest, OneDeviceHidesTheEndFieldAndRefusedSaveKeepsTheDialog) {
    store.rows = {Device(1)};
    Open();
    page->OnCellClicked(Cell(0, 0));
    answer = [&](QDialog& d) {
        auto& dialog = dynamic_cast<CIpsetMutilDlg&>(d);
        EXPECT_TRUE(dialog.field(CIpsetMutilDlg::kEnd)->isHidden());
        EXPECT_EQ(dialog.beginLabel()->text(), "IP_Address");
        dialog.field(CIpsetMutilDlg::kBegin)->setText("127.0.0.5");
        dialog.saveButton()->click();
        EXPECT_FALSE(dialog.progressTimer().isActive());
        EXPECT_TRUE(dialog.field(CIpsetMutilDlg::kBegin)->isEnabled());
        return int(QDialog::Rejected);
    };
    page->OnSetIpClicked();
    EXPECT_EQ(messages.last(), "The ip address is invalid!");
    EXPECT_TRUE(link.sent().empty());
}

TEST_F(StatusDlgTest, SetBridgeSendsOnlyToEligibleDevices) {
    store.rows = {Device(1, 261), Device(2, 5, 1)};
    Open();
    page->OnHeaderClicked(0);
    answer = [&](QDialog& d) {
        auto& dialog = dynamic_cast<CSwitchSetMultiDlg&>(d);
        EXPECT_TRUE(dialog.disableRadio()->isChecked());
        dialog.enableRadio()->click();
        dialog.saveButton()->click();
        return dialog.result();
    };
    page->OnSwitchClicked(SwitchKind::TransparentBridge);
    page->form().switchWorker(SwitchKind::TransparentBridge).Join();
    const auto sent = link.sent();
    ASSERT_EQ(sent.size(), 2u); // type 18, then the report request
    EXPECT_EQ(sent[0].type, 18);
    EXPECT_EQ(sent[0].mac, "00:11:22:33:00:02");
    EXPECT_EQ(sent[0].payload[0], 1);
    QTest::qWait(20); // the worker's refresh request arrives queued
    EXPECT_TRUE(page->timers().isActive(2000));
}

TEST_F(StatusDlgTest, ScanMacDialogTypingAndTheScan) {
    Open();
    answer = [&](QDialog& d) {
        auto& dialog = dynamic_cast<ScanMacDlg&>(d);
        dialog.show();
        dialog.field(0)->setFocus();
        QTest::keyClicks(dialog.field(0), "ab");
        EXPECT_EQ(dialog.field(0)->text(), "AB");
        EXPECT_EQ(dialog.focusWidget(), dialog.field(1));
        QTest::keyClicks(dialog.field(1), "g");
        EXPECT_EQ(dialog.field(1)->text(), "");
        EXPECT_EQ(messages.last(), "please enter : 0-9&a--f&A--F");
        for (int i = 1; i < 6; ++i) {
            dialog.field(i)->setText("0" + QString::number(i));
        }
        dialog.okButton()->click();
        return dialog.result();
    };
    page->OnScanMacClicked();
    EXPECT_EQ(link.calls().front(), "SetFilter(on)");
    EXPECT_EQ(link.filterMac, (MacBytes{0xAB, 1, 2, 3, 4, 5}));
    EXPECT_EQ(page->button(1001)->text(), "Stop");
    page->OnScanMacClicked(); // stops the scan
    EXPECT_EQ(page->button(1001)->text(), "ScanMac");
}

TEST(StatusPageFactoryTest, ContainerHoldsTheStatusPageAndPassesPageChoices) {
    FakeStore store;
    FakeLink link;
    FakeMessages messages;
    for (int i = 0; i < 40; ++i) {
        store.rows.push_back(Device(i + 1));
    }
    StatusPageServices services{&link, &store, &messages, {}, {}};
    CChildDlg container(ShellLook{}, WithStatusPage(ShellLook{}, services), nullptr);
    auto* status = qobject_cast<CStatusDlg*>(container.page(133));
    ASSERT_NE(status, nullptr);
    container.OnPageChosen(133, 2);
    EXPECT_EQ(status->form().list().currentPage(), 2);
    EXPECT_EQ(status->model()->rowCount(), 10);
    status->OnSearchClicked();
    EXPECT_FALSE(container.autoRefresh());
    status->OnSearchClicked();
    EXPECT_TRUE(container.autoRefresh());
}

} // namespace
} // namespace cpe
