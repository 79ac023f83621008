#include "shell/forms/page_ids.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTMultiPages.h"
#include "shell/widgets/CTStatic.h"
#include "shell/window/CApplicationDlg.h"
#include "shell/window/CChildDlg.h"
#include "shell/window/CMenuDlg.h"
#include "shell/window/CPlaceholderPage.h"
#include "shell/window/CWaitDlg.h"
#include "shell/window/IDeviceLink.h"
#include "shell/window/IPage.h"
#include "shell/window/translate_window.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace cpe {
namespace {

ShellLook TestLook() {
    ShellLook look;
    const char* bin = std::getenv("CPE_BIN_DIR");
    look.appDir = bin ? bin : CPE_DEFAULT_BIN_DIR;
    look.versionLabel = "V1.0.0.0";
    return look;
}

// A page that only counts what the container asks of it.
class FakePage : public CTDialog, public IPage {
public:
    explicit FakePage(QWidget* parent) : CTDialog(parent, Qt::Widget) {}
    void ShowPage(int page) override { shown.push_back(page); }
    void RefreshList() override { ++refreshes; }
    std::vector<int> shown;
    int refreshes = 0;
};

class ContainerTest : public ::testing::Test {
protected:
    ContainerTest()
        : container(
              TestLook(),
              [this](int id, CChildDlg* parent) {
                  auto* p = new FakePage(parent);
                  pages[id] = p;
                  return p;
              },
              nullptr) {}
    int TotalRefreshes() const {
        int n = 0;
        for (const auto& [id, p] : pages) {
            n += p->refreshes;
        }
        return n;
    }
    std::map<int, FakePage*> pages;
    CChildDlg container;
};

TEST_F(ContainerTest, PageNumbersGoToTheirPageAndSystemToolIsIgnored) {
    ASSERT_EQ(pages.size(), 8u);
    container.OnPageChosen(kPageManagement, 3);
    container.OnPageChosen(kPageSystemTool, 2);
    container.OnPageChosen(kPageInstallHelp, 2);
    EXPECT_EQ(pages[kPageManagement]->shown, std::vector<int>{3});
    EXPECT_TRUE(pages[kPageSystemTool]->shown.empty());
    EXPECT_TRUE(pages[kPageInstallHelp]->shown.empty());
    EXPECT_TRUE(pages[kPageStatus]->shown.empty());
}

TEST_F(ContainerTest, ThirtySecondRefreshSkipsOperationPagesAndPagesWithRefreshOff) {
    EXPECT_EQ(container.currentPage(), kPageStatus);
    EXPECT_EQ(container.autoRefreshTimer().interval(), 30000);
    container.OnAutoRefreshTimer();
    EXPECT_EQ(pages[kPageStatus]->refreshes, 1);
    container.SetAutoRefresh(false);
    container.OnAutoRefreshTimer();
    EXPECT_EQ(pages[kPageStatus]->refreshes, 1);
    container.SetAutoRefresh(true);
    for (int id : {kPageReboot, kPageUpgrade, kPageRestore, kPageInstallHelp, kPageSystemTool}) {
        container.SwitchTo(id);
        container.OnAutoRefreshTimer();
    }
    EXPECT_EQ(TotalRefreshes(), 1);
    container.SwitchTo(kPageBridge);
    container.OnAutoRefreshTimer();
    EXPECT_EQ(pages[kPageBridge]->refreshes, 1);
}

TEST_F(ContainerTest, SwitchShowsOnePageAndRefreshesListPagesOnly) {
    container.SwitchTo(kPageInstallHelp);
    EXPECT_TRUE(container.switchTimer().isActive());
    container.OnSwitchTimer();
    EXPECT_FALSE(container.switchTimer().isActive());
    EXPECT_EQ(TotalRefreshes(), 0);
    int visible = 0;
    for (const auto& [id, p] : pages) {
        visible += p->isVisibleTo(&container) ? 1 : 0;
    }
    EXPECT_EQ(visible, 1);
    EXPECT_TRUE(pages[kPageInstallHelp]->isVisibleTo(&container));
}

TEST(MenuTest, ChoosingBridgeMarksOnlyItAndRefreshesTheBridgeListShortly) {
    std::map<int, FakePage*> pages;
    const ShellLook look = TestLook();
    CMenuDlg menu(look, nullptr);
    EXPECT_TRUE(menu.button(0)->checkedFlag()); // "Status" marked at start, no container yet
    CChildDlg container(
        look, [&pages](int id, CChildDlg* parent) { return pages[id] = new FakePage(parent); }, nullptr);
    menu.SetContainer(&container);
    container.OnSwitchTimer(); // the start-up refresh of the status page
    menu.show();
    QTest::mouseClick(menu.button(2), Qt::LeftButton);
    for (int i = 0; i < CMenuDlg::kButtons; ++i) {
        EXPECT_EQ(menu.button(i)->checkedFlag(), i == 2) << i;
    }
    EXPECT_EQ(container.currentPage(), kPageBridge);
    EXPECT_EQ(container.switchTimer().interval(), 100);
    EXPECT_TRUE(container.switchTimer().isSingleShot());
    EXPECT_EQ(pages[kPageBridge]->refreshes, 0);
    QTest::qWait(250); // the real 100 ms timer
    EXPECT_EQ(pages[kPageBridge]->refreshes, 1);
    EXPECT_EQ(menu.button(2)->text(), "Device bridge");
    EXPECT_EQ(menu.versionLabel()->text(), "V1.0.0.0");
    menu.EnableButtons(false);
    EXPECT_FALSE(menu.button(7)->isEnabled());
}

class RecordingLink : public IDeviceLink {
public:
    void SendUnmanage() override { calls.push_back("unmanage@" + std::to_string(tick)); }
    void SendDiscover() override { calls.push_back("discover@" + std::to_string(tick)); }
    std::vector<std::string> calls;
    int tick = 0;
};

TEST(WaitDlgTest, TickHandlerReleasesOnceThenRunsThePasses) {
    RecordingLink link;
    CWaitDlg wait(TestLook(), &link, 15, true, 3);
    EXPECT_EQ(wait.progressBar()->maximum(), 30);
    EXPECT_EQ(wait.timer().interval(), 500);
    for (link.tick = 1; link.tick <= 40 && !wait.schedule().closed(); ++link.tick) {
        wait.OnTick();
    }
    EXPECT_EQ(link.calls,
              (std::vector<std::string>{"unmanage@17", "discover@17", "discover@23", "discover@29"}));
    EXPECT_EQ(wait.result(), QDialog::Accepted);
    EXPECT_EQ(wait.progressBar()->value(), 30);
}

TEST(WaitDlgTest, CloseButtonSkipsTheRest) {
    RecordingLink link;
    CWaitDlg wait(TestLook(), &link, 15, true, 3);
    wait.show();
    for (int i = 0; i < 10; ++i) {
        wait.OnTick();
    }
    QTest::mouseClick(wait.closeButton(), Qt::LeftButton);
    for (int i = 0; i < 30; ++i) {
        wait.OnTick();
    }
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(wait.result(), QDialog::Accepted);
    EXPECT_FALSE(wait.isVisible());
}

TEST(TranslateWindowTest, TranslatesLabelsOnceAndLeavesUserDataAlone) {
    int lookups = 0;
    const Translator upper = [&lookups](const QString& t) {
        ++lookups;
        return t.toUpper();
    };
    QWidget window;
    window.setWindowTitle("Settings");
    auto* label = new QLabel("Name", &window);
    auto* edit = new QLineEdit("keep me", &window);
    auto* spin = new QSpinBox(&window);
    auto* dots = new QPushButton("...", &window);
    auto* button = new CTButtonPicture(&window);
    button->SetText("Search");
    auto* combo = new QComboBox(&window);
    combo->addItems({"Auto", "Manual"});
    combo->setCurrentIndex(1);
    auto* address = new QLabel("192.168.1.1", &window);
    address->setProperty("cpeKeepText", true);

    TranslateWindow(&window, upper);
    EXPECT_EQ(window.windowTitle(), "SETTINGS");
    EXPECT_EQ(label->text(), "NAME");
    EXPECT_EQ(edit->text(), "keep me");
    EXPECT_EQ(spin->value(), 0);
    EXPECT_EQ(dots->text(), "...");
    EXPECT_EQ(button->text(), "SEARCH");
    EXPECT_EQ(button->accessibleName(), "SEARCH");
    EXPECT_EQ(combo->itemText(0), "AUTO");
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(address->text(), "192.168.1.1");

    const int after = lookups;
    label->setText("Name");
    TranslateWindow(&window, upper); // the same window again: left alone
    EXPECT_EQ(lookups, after);
    EXPECT_EQ(label->text(), "Name");
}

TEST(TranslateWindowTest, EmptyTranslationKeepsTheEnglishText) {
    QWidget window;
    auto* label = new QLabel("Name", &window);
    TranslateWindow(&window, [](const QString&) { return QString(); });
    EXPECT_EQ(label->text(), "Name");
}

TEST(TranslateWindowTest, MenusKeepSeparatorsAndRecurse) {
    QMenu menu;
    menu.addAction("Product");
    menu.addSeparator();
    QMenu* sub = menu.addMenu("More");
    sub->addAction("Exit");
    TranslateMenu(&menu, [](const QString& t) { return "[" + t + "]"; });
    EXPECT_EQ(menu.actions()[0]->text(), "[Product]");
    EXPECT_TRUE(menu.actions()[1]->isSeparator());
    EXPECT_EQ(menu.actions()[2]->text(), "[More]");
    EXPECT_EQ(sub->actions()[0]->text(), "[Exit]");
}

class MainWindowTest : public ::testing::Test {
protected:
    MainServices Services(bool tray) {
        MainServices s;
        s.trayAvailable = tray;
        s.openUrl = [this](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        return s;
    }
    std::vector<QUrl> opened;
};

TEST_F(MainWindowTest, LayoutCaptionAndKeys) {
    CApplicationDlg main(TestLook(), Services(false));
    main.show();
    EXPECT_EQ(main.size(), QSize(1056, 691));
    EXPECT_EQ(main.menu()->geometry(), QRect(0, 158, 137, 527));
    EXPECT_EQ(main.container()->geometry(), QRect(137, 86, 915, 605));
    EXPECT_EQ(main.closeButton()->toolTip(), "Close");
    EXPECT_EQ(main.minimiseButton()->accessibleName(), "Min");
    EXPECT_EQ(main.helpButton()->accessibleName(), "Info");
    EXPECT_TRUE(main.hasBackgroundPicture());
    QTest::keyClick(&main, Qt::Key_Escape);
    QTest::keyClick(&main, Qt::Key_Return);
    EXPECT_TRUE(main.isVisible());
    QTest::mouseClick(main.closeButton(), Qt::LeftButton);
    EXPECT_EQ(main.result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, MinimiseHidesOnlyWhenATrayCanBringItBack) {
    CApplicationDlg noTray(TestLook(), Services(false));
    noTray.show();
    noTray.OnMinimise();
    EXPECT_TRUE(noTray.isVisible());
    EXPECT_TRUE(noTray.isMinimized());

    CApplicationDlg withTray(TestLook(), Services(true));
    withTray.show();
    withTray.OnMinimise();
    EXPECT_FALSE(withTray.isVisible());
    withTray.OnTrayActivated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(withTray.isVisible());
    ASSERT_EQ(withTray.trayMenu()->actions().size(), 2);
    withTray.trayMenu()->actions()[1]->trigger(); // "Exit"
    EXPECT_EQ(withTray.result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, HelpMenuOpensThePackAddressesAsFiles) {
    CApplicationDlg main(TestLook(), Services(false));
    const QList<QAction*> items = main.helpMenu()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[1]->text(), "Support");
    items[1]->trigger();
    ASSERT_EQ(opened.size(), 1u);
    // Without a pack the key itself comes back: a relative path, opened under the application folder.
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_TRUE(opened[0].toLocalFile().endsWith("/Support_url")) << opened[0].toString().toStdString();
}

TEST_F(MainWindowTest, PagerOfThePlaceholderReachesItsPage) {
    CApplicationDlg main(TestLook(), Services(false));
    auto* page = dynamic_cast<CPlaceholderPage*>(main.container()->page(kPageManagement));
    ASSERT_NE(page, nullptr);
    ASSERT_NE(page->pager(), nullptr);
    page->pager()->SetPages(5, 1);
    emit page->pager()->pageChosen(kPageManagement, 3);
    EXPECT_EQ(page->shownPage(), 3);
}

// Grabs the window as it renders on the offscreen platform so reviewers can look at it.
TEST_F(MainWindowTest, ScreenshotOfTheMainWindow) {
    CApplicationDlg main(TestLook(), Services(false));
    main.show();
    QTest::qWait(20);
    const QImage shot = main.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(1056, 691));
    // The caption band is slate and the page area white: the skin was found and drawn.
    EXPECT_NEAR(QColor(shot.pixel(500, 20)).red(), 45, 3);
    EXPECT_NEAR(QColor(shot.pixel(500, 20)).blue(), 72, 3);
    const QString dir = QString(CPE_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(dir));
    EXPECT_TRUE(shot.save(dir + "/main_window.png"));
}

} // namespace
} // namespace cpe
