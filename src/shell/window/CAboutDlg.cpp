#include "shell/window/CAboutDlg.h"

#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTStatic.h"
#include "shell/widgets/skin_assets.h"
#include "shell/window/translate_window.h"

#include <QDate>
#include <QLabel>

namespace cpe {

CAboutDlg::CAboutDlg(const ShellLook& look, QWidget* parent)
    : CTDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("CAboutDlg");
    setModal(true);
    resize(360, 170);
    SetFillColor(QColor(255, 255, 255));
    SetLineColor(look.lineColor, 1);
    AddLine(QLine(0, 0, 359, 0));
    AddLine(QLine(0, 169, 359, 169));
    AddLine(QLine(0, 0, 0, 169));
    AddLine(QLine(359, 0, 359, 169));
    SetDrag(true);
    auto* icon = new QLabel(this);
    icon->setPixmap(LoadSkinPixmap(look.Skin("Application.png"))
                        .scaled(56, 56, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setGeometry(24, 24, 56, 56);
    icon->setAccessibleName("Korva CPE Assistant");
    auto* name = new CTStatic("Korva CPE Assistant", this);
    name->setProperty("cpeKeepText", true);
    QFont big = look.StaticFont();
    big.setPixelSize(18);
    big.setBold(true);
    name->setFont(big);
    name->SetTextColor(QColor(45, 55, 72));
    name->setGeometry(96, 26, 250, 26);
    auto* version = new CTStatic(Tr("Version") + " " + look.versionLabel, this);
    version->setProperty("cpeKeepText", true);
    version->setFont(look.StaticFont());
    version->SetTextColor(look.staticTextNumberColor);
    version->setGeometry(96, 56, 250, 20);
    auto* year = new CTStatic(QString("© %1 Korva").arg(QDate::currentDate().year()), this);
    year->setProperty("cpeKeepText", true);
    year->setFont(look.StaticFont());
    year->SetTextColor(look.staticTextNumberColor);
    year->setGeometry(96, 78, 250, 20);
    auto* ok = new CTButtonPicture(this);
    ok->setObjectName("aboutOk");
    const QString image = look.Skin("btn_pie2.bmp");
    ok->SetImages(image, image, image, image);
    ok->SetFont(look.fontName, look.buttonFontHeight, look.buttonFontWeight);
    ok->SetText(Tr("OK"));
    ok->setGeometry(360 - 24 - 96, 170 - 24 - 30, 96, 30);
    connect(ok, &CTButtonPicture::clicked, this, &QDialog::accept);
    TranslateWindow(this);
}

} // namespace cpe
