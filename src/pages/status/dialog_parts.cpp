#include "pages/status/dialog_parts.h"

#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTDialog.h"

#include <QLabel>

namespace cpe {

QLabel* MakeDialogLabel(const ShellLook& look, const char* key, const QRect& geometry, QWidget* parent) {
    auto* label = new QLabel(Tr(key), parent);
    label->setFont(look.StaticFont());
    label->setGeometry(geometry);
    return label;
}

CTButtonPicture* MakeDialogButton(const ShellLook& look, const char* key, const QRect& geometry,
                                  QWidget* parent) {
    auto* b = new CTButtonPicture(parent);
    const QString path = look.Skin("btn_config.bmp");
    b->SetImages(path, path, path, path);
    b->SetFont(look.fontName, look.buttonFontHeight, look.buttonFontWeight);
    b->SetTextColors(look.buttonFontColor, QColor(255, 255, 255), QColor(153, 153, 153));
    b->SetText(Tr(key));
    b->setGeometry(geometry);
    return b;
}

CTButtonPicture* DecorateDialog(const ShellLook& look, const char* titleKey, QWidget* dialog) {
    if (auto* d = qobject_cast<CTDialog*>(dialog)) {
        d->SetFillColor(QColor(255, 255, 255));
        d->SetDrag(true);
    }
    auto* band = new QLabel(dialog);
    band->setGeometry(0, 0, dialog->width(), 36);
    band->setStyleSheet("background: rgb(242,242,242)");
    auto* title = MakeDialogLabel(look, titleKey, QRect(16, 0, dialog->width() - 60, 36), dialog);
    title->setObjectName("title");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* close = new CTButtonPicture(dialog);
    close->setObjectName("closeButton");
    const QString path = look.Skin("close_config.bmp");
    close->SetImages(path, path, path, path);
    close->SetDescription(Tr("Close"));
    close->setGeometry(dialog->width() - 32, 8, 20, 20);
    return close;
}

} // namespace cpe
