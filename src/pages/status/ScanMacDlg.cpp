#include "pages/status/ScanMacDlg.h"

#include "pages/status/dialog_parts.h"
#include "shell/widgets/CTButtonPicture.h"

#include <QLabel>
#include <QLineEdit>

namespace cpe {

ScanMacDlg::ScanMacDlg(const ShellLook& look, IOperatorMessages& messages, QWidget* parent)
    : CTDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), form_(messages) {
    setObjectName("ScanMacDlg");
    setModal(true);
    resize(360, 170);
    CTButtonPicture* close = DecorateDialog(look, CPE_TR("SCAN MAC"), this);
    connect(close, &QAbstractButton::clicked, this, &QDialog::reject);
    MakeDialogLabel(look, CPE_TR("Please enter the add you want to search"), QRect(20, 46, 320, 24), this);
    for (int i = 0; i < ScanMacForm::kFieldCount; ++i) {
        QLineEdit* edit = new QLineEdit(this);
        edit->setObjectName(QString("mac%1").arg(i));
        edit->setMaxLength(2);
        edit->setAlignment(Qt::AlignCenter);
        edit->setGeometry(20 + i * 54, 78, 36, 26);
        edit->setAccessibleName(QString("MAC %1").arg(i + 1));
        connect(edit, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { OnTextChanged(i, text); });
        fields_[static_cast<std::size_t>(i)] = edit;
        if (i + 1 < ScanMacForm::kFieldCount) {
            auto* separator = new QLabel(QString::fromUtf8("："), this);
            separator->setGeometry(58 + i * 54, 78, 14, 26);
        }
    }
    ok_ = MakeDialogButton(look, CPE_TR("Ok"), QRect(70, 122, 90, 30), this);
    auto* cancel = MakeDialogButton(look, CPE_TR("Cancel"), QRect(190, 122, 90, 30), this);
    connect(ok_, &QAbstractButton::clicked, this, &ScanMacDlg::OnOk);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
}

void ScanMacDlg::OnTextChanged(int index, const QString& text) {
    const ScanMacForm::Typing typing = form_.OnFieldTextChanged(index, text.toStdU32String());
    QLineEdit* edit = fields_[static_cast<std::size_t>(index)];
    if (typing.rewrite) {
        const QSignalBlocker blocker(edit);
        edit->setText(QString::fromStdU32String(typing.text));
        edit->setCursorPosition(edit->text().size());
    }
    if (typing.refused) {
        edit->setFocus();
    } else if (typing.focusField >= 0) {
        fields_[static_cast<std::size_t>(typing.focusField)]->setFocus();
    }
}

void ScanMacDlg::OnOk() {
    mac_ = form_.Accept();
    if (mac_) {
        accept();
    }
}

} // namespace cpe
