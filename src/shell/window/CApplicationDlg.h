#pragma once

#include "shell/widgets/CTDialog.h"
#include "shell/window/CChildDlg.h"
#include "shell/window/ShellLook.h"

#include <QSystemTrayIcon>
#include <QUrl>
#include <functional>
#include <optional>

class QMenu;

namespace cpe {

class CMenuDlg;
class CTButtonPicture;
class IDeviceLink;

// What the main window is given: the link (for the pages' wait dialogs), the page factory, how to
// open a help address, and whether there is a system tray (asked of the desktop when unset).
struct MainServices {
    IDeviceLink* link = nullptr;
    PageFactory pages;
    std::function<bool(const QUrl&)> openUrl;
    std::optional<bool> trayAvailable;
};

// The frameless main window: the slate caption band with help, minimise and close, the tray icon,
// the navigation menu on the left and the page container beside it. Dragging anywhere moves it.
class CApplicationDlg : public CTDialog {
    Q_OBJECT
public:
    // Help menu commands.
    enum Command : int { kProduct = 32774, kSupport = 32775, kContact = 32779, kHelp = 57670 };
    static constexpr int kBandHeight = 86; // caption band; the menu starts at 158
    static constexpr int kMenuTop = 158;

    CApplicationDlg(const ShellLook& look, MainServices services, QWidget* parent = nullptr);
    ~CApplicationDlg() override;

    CMenuDlg* menu() const { return menu_; }
    CChildDlg* container() const { return container_; }
    CTButtonPicture* helpButton() const { return help_; }
    CTButtonPicture* minimiseButton() const { return min_; }
    CTButtonPicture* closeButton() const { return close_; }
    QMenu* helpMenu() const { return helpMenu_; }
    QMenu* trayMenu() const { return trayMenu_; }
    bool hasTray() const { return tray_ != nullptr; }

    // Opens the address the language pack gives for a help command; false when nothing was opened.
    bool OnHelpCommand(int command);
    void OnMinimise();
    void ShowUtility();
    void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void ShowAbout();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCaption();
    void BuildMenus();
    void BuildTray();

    ShellLook look_;
    MainServices services_;
    CTButtonPicture* help_ = nullptr;
    CTButtonPicture* min_ = nullptr;
    CTButtonPicture* close_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    CMenuDlg* menu_ = nullptr;
    CChildDlg* container_ = nullptr;
};

} // namespace cpe
