#include "link/AcTransmitManage.h"
#include "shell/app/LinkDeviceLink.h"
#include "shell/app/StoreDeviceList.h"
#include "shell/forms/page_ids.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTMultiPages.h"
#include "shell/window/CApplicationDlg.h"
#include "shell/window/CPlaceholderPage.h"
#include "store/CSqlManagement.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// The window against a simulated fleet on loopback: Search on the status page finds the devices
// and the list shows them (inside the test's private network namespace).
namespace cpe {
namespace {

TEST(FleetWindowTest, SearchListsTheSimulatedFleet) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(CPE_SIM, {"--devices", "24", "--loopback", "--seed", "7"});
    ASSERT_TRUE(sim.waitForStarted(5000));
    QTest::qWait(500);
    ASSERT_EQ(sim.state(), QProcess::Running);

    CSqlManagement store(home.path().toStdString());
    ASSERT_TRUE(store.IsOpen());
    DeviceStoreAdapter<CSqlManagement> adapter(store);
    LinkOptions options;
    options.loopback = true;
    AcTransmitManage manager(adapter, options);
    ASSERT_TRUE(manager.Init(3, 2000)) << manager.error();
    LinkDeviceLink link(manager);
    StoreDeviceList devices(store);

    ShellLook look;
    look.appDir = std::getenv("CPE_BIN_DIR") ? std::getenv("CPE_BIN_DIR") : CPE_DEFAULT_BIN_DIR;
    look.versionLabel = "V1.0.0.0";
    MainServices services;
    services.link = &link;
    services.devices = &devices;
    services.trayAvailable = false;
    CApplicationDlg main(look, services);
    main.show();
    auto* status = dynamic_cast<CPlaceholderPage*>(main.container()->page(kPageStatus));
    ASSERT_NE(status, nullptr);
    auto* grid = status->findChild<QTableWidget*>("deviceList");
    auto* search = status->findChild<CTButtonPicture*>("searchButton");
    ASSERT_TRUE(grid && search);
    ASSERT_TRUE(search->isEnabled());
    QTest::mouseClick(search, Qt::LeftButton);

    QElapsedTimer timer;
    timer.start();
    while (grid->rowCount() < 24 && timer.elapsed() < 20000) {
        QTest::qWait(250);
        status->RefreshList();
    }
    EXPECT_EQ(grid->rowCount(), 24); // one page of 30
    EXPECT_EQ(status->pager()->pageCount(), 1);
    const QString dir = QString(CPE_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    main.grab().save(dir + "/main_window_fleet.png");

    main.close();
    manager.Shutdown();
    sim.terminate();
    sim.waitForFinished(5000);
}

} // namespace
} // namespace cpe
