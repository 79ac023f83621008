#include "status_page_fixture.h"

#include "pages/status/DeviceListModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace cpe::e2e {

void StatusPageFixture::TearDown() {
    page.reset();
    if (link) {
        link->Shutdown();
    }
    link.reset();
    store.reset();
    SimFixture::TearDown();
}

void StatusPageFixture::OpenPage(bool loopback) {
    store = std::make_unique<CSqlManagement>(Folder());
    ASSERT_TRUE(store->IsOpen());
    storeLink = std::make_unique<DeviceStoreAdapter<CSqlManagement>>(*store);
    LinkOptions options;
    options.loopback = loopback;
    link = std::make_unique<AcTransmitManage>(*storeLink, options);
    ASSERT_TRUE(link->Init(3, 500)) << link->error();
    linkAdapter = std::make_unique<StatusLinkAdapter>(*link);
    storeAdapter = std::make_unique<StatusStoreAdapter>(*store);
    StatusPageServices services;
    services.link = linkAdapter.get();
    services.store = storeAdapter.get();
    services.messages = &messages;
    services.runDialog = [this](QDialog& d) { return answer ? answer(d) : int(QDialog::Rejected); };
    services.openUrl = [](const QUrl&) { return true; };
    page = std::make_unique<CStatusDlg>(ShellLook{}, services, nullptr);
    page->show();
}

bool StatusPageFixture::TickUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout,
                                  std::chrono::milliseconds tickEvery) {
    QElapsedTimer clock;
    clock.start();
    qint64 nextTick = tickEvery.count();
    while (clock.elapsed() < timeout.count()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (done()) {
            return true;
        }
        if (clock.elapsed() >= nextTick) {
            page->OnTimer(StatusPageForm::kDiscoveryTimer);
            nextTick += tickEvery.count();
        }
        QThread::msleep(20);
    }
    return done();
}

void StatusPageFixture::Pump(std::chrono::milliseconds time) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < time.count()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

int StatusPageFixture::StoredRows() const {
    int n = 0;
    for (const DeviceRow& row : page->form().list().rows()) {
        n += row.searched ? 0 : 1;
    }
    return n;
}

int StatusPageFixture::SearchedRows() const {
    return static_cast<int>(page->form().list().rows().size()) - StoredRows();
}

} // namespace cpe::e2e
