#include "shell/window/CMenuDlg.h"

#include "shell/forms/dialog_units.h"
#include "shell/forms/page_ids.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTStatic.h"
#include "shell/widgets/skin_assets.h"
#include "shell/window/CChildDlg.h"
#include "shell/window/translate_window.h"

namespace cpe {

const std::array<CMenuDlg::Entry, CMenuDlg::kButtons>& CMenuDlg::Entries() {
    static const std::array<Entry, kButtons> entries = {{
        {1004, "Status", "Device status", kPageStatus, "search", 0},
        {1007, "Management", "Device management", kPageManagement, "wireless", 27},
        {1003, "Bridge", "Device bridge", kPageBridge, "device", 53},
        {1009, "Reboot", "Device reboot", kPageReboot, "user", 80},
        {1006, "Upgrade", "Device upgrade", kPageUpgrade, "adstragy", 107},
        {1005, "Restore", "Device restore", kPageRestore, "admanagment", 134},
        {1001, "System tool", "System tool", kPageSystemTool, "active", 161},
        {1008, "Install Help", "Install Help", kPageInstallHelp, "system", 188},
    }};
    return entries;
}

namespace {

// The texts set at start-up, each a literal key of the language pack.
QString StartText(int index) {
    switch (index) {
    case 0:
        return Tr("Device status");
    case 1:
        return Tr("Device management");
    case 2:
        return Tr("Device bridge");
    case 3:
        return Tr("Device reboot");
    case 4:
        return Tr("Device upgrade");
    case 5:
        return Tr("Device restore");
    case 6:
        return Tr("System tool");
    default:
        return Tr("Install Help");
    }
}

} // namespace

CMenuDlg::CMenuDlg(const ShellLook& look, QWidget* parent) : CTDialog(parent, Qt::Widget) {
    setObjectName("CMenuDlg");
    resize(DluX(91), DluY(324));
    for (int i = 0; i < kButtons; ++i) {
        const Entry& e = Entries()[i];
        auto* b = new CTButtonPicture(this);
        b->setObjectName(QString("menu%1").arg(e.buttonId));
        b->setText(e.caption);
        b->setGeometry(0, DluY(e.top), DluX(90), DluY(28));
        buttons_[i] = b;
        connect(b, &CTButtonPicture::clicked, this, [this, i] { Choose(i); });
    }
    version_ = new CTStatic(this);
    version_->setGeometry(DluX(7), DluY(306), DluX(77), DluY(9));
    version_->setAlignment(Qt::AlignCenter);
    version_->setProperty("cpeKeepText", true);

    TranslateWindow(this);
    SetBackgroundPicture(look.Skin("main_left_bk.jpg"));
    for (int i = 0; i < kButtons; ++i) {
        const Entry& e = Entries()[i];
        const QString normal = look.Skin(QString("bt_menu_%1_normal.bmp").arg(e.image).toUtf8().constData());
        const QString down = look.Skin(QString("bt_menu_%1_down.bmp").arg(e.image).toUtf8().constData());
        buttons_[i]->SetImages(normal, down, down, normal);
        buttons_[i]->SetFont(look.fontName, look.buttonMenuFontHeight, look.buttonMenuFontWeight);
        buttons_[i]->SetTextColors(look.buttonMenuFontColor, QColor(255, 255, 255), QColor(153, 153, 153));
        buttons_[i]->SetAlignment(kAlignCenter);
        buttons_[i]->SetText(StartText(i));
    }
    version_->setFont(look.StaticFont());
    version_->SetTextColor(look.staticTextNumberColor);
    version_->setText(look.versionLabel);
    version_->setAccessibleName(Tr("Version") + " " + look.versionLabel);
    Choose(0);
}

void CMenuDlg::Choose(int index) {
    if (index < 0 || index >= kButtons) {
        return;
    }
    for (int i = 0; i < kButtons; ++i) {
        buttons_[i]->SetCheckedFlag(i == index);
    }
    if (container_) {
        container_->SwitchTo(Entries()[index].pageId);
    }
}

void CMenuDlg::EnableButtons(bool enabled) {
    for (CTButtonPicture* b : buttons_) {
        b->setEnabled(enabled);
    }
}

} // namespace cpe
