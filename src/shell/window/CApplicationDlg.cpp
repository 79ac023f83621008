#include "shell/window/CApplicationDlg.h"

#include "shell/forms/dialog_units.h"
#include "shell/forms/help_url.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/skin_assets.h"
#include "shell/window/CAboutDlg.h"
#include "shell/window/CMenuDlg.h"
#include "shell/window/translate_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QScreen>

namespace cpe {
namespace {

const char* UrlKey(int command) {
    switch (command) {
    case CApplicationDlg::kProduct:
        return "Product_url";
    case CApplicationDlg::kSupport:
        return "Support_url";
    case CApplicationDlg::kContact:
        return "Contact_url";
    case CApplicationDlg::kHelp:
        return "Help_url";
    default:
        return nullptr;
    }
}

QString UrlText(int command) {
    switch (command) {
    case CApplicationDlg::kProduct:
        return Tr("Product_url");
    case CApplicationDlg::kSupport:
        return Tr("Support_url");
    case CApplicationDlg::kContact:
        return Tr("Contact_url");
    default:
        return Tr("Help_url");
    }
}

const char* kMenuStyle =
    "QMenu { background: white; border: 1px solid rgb(215,215,215); padding: 4px; }"
    "QMenu::item { padding: 6px 24px 6px 8px; color: rgb(33,37,41); border-radius: 4px; }"
    "QMenu::item:selected { background: rgb(252,233,219); }"
    "QMenu::icon { padding-left: 8px; }"
    "QMenu::separator { height: 1px; background: rgb(215,215,215); margin: 4px 8px; }";

} // namespace

CApplicationDlg::CApplicationDlg(const ShellLook& look, MainServices services, QWidget* parent)
    : CTDialog(parent, Qt::Window | Qt::FramelessWindowHint), look_(look), services_(std::move(services)) {
    setObjectName("CApplicationDlg");
    setWindowTitle("Korva CPE Assistant");
    // The container hangs 86 pixels below the top, so the window is as tall as it needs to be.
    resize(DluX(704), std::max(DluY(415), kBandHeight + DluY(372)));
    const QIcon icon(look_.Skin("Application.ico"));
    setWindowIcon(icon);
    BuildCaption();
    TranslateWindow(this);
    SetFillColor(look_.childBk);
    SetBackgroundPicture(look_.Skin("main_bk.jpg"));
    SetDrag(true);
    BuildMenus();
    BuildTray();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    menu_ = new CMenuDlg(look_, this);
    menu_->move(0, kMenuTop);
    container_ = new CChildDlg(look_, services_.pages, this);
    container_->move(menu_->width(), kBandHeight);
    menu_->SetContainer(container_);
    menu_->show();
    container_->show();
    setTabOrder(help_, min_);
    setTabOrder(min_, close_);
    setTabOrder(close_, menu_->button(0));
    for (int i = 1; i < CMenuDlg::kButtons; ++i) {
        setTabOrder(menu_->button(i - 1), menu_->button(i));
    }
}

CApplicationDlg::~CApplicationDlg() {
    if (tray_) {
        tray_->hide();
    }
    delete container_;
    container_ = nullptr;
    delete menu_;
    menu_ = nullptr;
}

void CApplicationDlg::BuildCaption() {
    struct Caption {
        CTButtonPicture** button;
        int id;
        int x;
        const char* image;
    } captions[] = {
        {&help_, 1001, 647, "help_normal.bmp"},
        {&min_, 1002, 666, "min_normal.bmp"},
        {&close_, 1000, 684, "close_normal.bmp"},
    };
    for (const Caption& c : captions) {
        auto* b = new CTButtonPicture(this);
        b->setObjectName(QString("caption%1").arg(c.id));
        b->setGeometry(DluX(c.x), DluY(2), DluX(17), DluY(10));
        const QString image = look_.Skin(c.image);
        b->SetImages(image, image, image, image);
        b->SetHoverFrame(true);
        *c.button = b;
    }
    help_->SetDescription(Tr("Info"));
    min_->SetDescription(Tr("Min"));
    close_->SetDescription(Tr("Close"));
    connect(help_, &CTButtonPicture::clicked, this,
            [this] { helpMenu_->popup(QCursor::pos() + QPoint(-6, 30)); });
    connect(min_, &CTButtonPicture::clicked, this, &CApplicationDlg::OnMinimise);
    connect(close_, &CTButtonPicture::clicked, this, &QDialog::accept);
}

void CApplicationDlg::BuildMenus() {
    helpMenu_ = new QMenu(this);
    helpMenu_->setStyleSheet(kMenuStyle);
    struct Item {
        const char* text;
        int command;
        const char* image;
    } items[] = {
        {"Product", kProduct, "help_product_normal.bmp"},
        {"Support", kSupport, "help_support_normal.bmp"},
        {"Contact Us", kContact, "help_contact_normal.bmp"},
        {"Help", kHelp, "help_help_normal.bmp"},
    };
    for (const Item& i : items) {
        QAction* a = helpMenu_->addAction(QIcon(LoadSkinPixmap(look_.Skin(i.image))), i.text);
        a->setData(i.command);
        const int command = i.command;
        connect(a, &QAction::triggered, this, [this, command] { OnHelpCommand(command); });
    }
    TranslateMenu(helpMenu_);
    trayMenu_ = new QMenu(this);
    trayMenu_->setStyleSheet(kMenuStyle);
    connect(trayMenu_->addAction("Show Utility"), &QAction::triggered, this, &CApplicationDlg::ShowUtility);
    connect(trayMenu_->addAction("Exit"), &QAction::triggered, this, &QDialog::accept);
    TranslateMenu(trayMenu_);
}

void CApplicationDlg::BuildTray() {
    const bool available = services_.trayAvailable.value_or(QSystemTrayIcon::isSystemTrayAvailable());
    if (!available) {
        return;
    }
    tray_ = new QSystemTrayIcon(windowIcon(), this);
    tray_->setToolTip(Tr("CPEManagement").left(127));
    tray_->setContextMenu(trayMenu_);
    connect(tray_, &QSystemTrayIcon::activated, this, &CApplicationDlg::OnTrayActivated);
    tray_->show();
}

bool CApplicationDlg::OnHelpCommand(int command) {
    if (!UrlKey(command)) {
        return false;
    }
    const std::string url = ResolveHelpUrl(look_.appDir, UrlText(command).toStdString());
    if (url.empty()) {
        return false;
    }
    const QUrl target(QString::fromStdString(url));
    return services_.openUrl ? services_.openUrl(target) : QDesktopServices::openUrl(target);
}

void CApplicationDlg::OnMinimise() {
    // Hidden only when the tray can bring it back; otherwise a normal minimise.
    if (tray_) {
        hide();
    } else {
        showMinimized();
    }
}

void CApplicationDlg::ShowUtility() {
    showNormal();
    raise();
    activateWindow();
}

void CApplicationDlg::OnTrayActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick) {
        ShowUtility();
    }
}

void CApplicationDlg::ShowAbout() {
    CAboutDlg about(look_, this);
    about.move(geometry().center() - about.rect().center());
    about.exec();
}

void CApplicationDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (event->pos().y() >= kBandHeight) {
        CTDialog::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    menu.setStyleSheet(kMenuStyle);
    connect(menu.addAction(Tr("About") + " Korva CPE Assistant..."), &QAction::triggered, this,
            &CApplicationDlg::ShowAbout);
    menu.exec(event->globalPos());
}

void CApplicationDlg::closeEvent(QCloseEvent* event) {
    // However the window is closed, the dialog ends with OK and the console shuts down.
    event->accept();
    done(QDialog::Accepted);
}

} // namespace cpe
