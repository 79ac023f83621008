#include "pages/status/CSwitchSetMultiDlg.h"

#include "pages/status/dialog_parts.h"
#include "shell/widgets/CTButtonPicture.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

namespace cpe {

CSwitchSetMultiDlg::CSwitchSetMultiDlg(const ShellLook& look, SwitchSetForm& form, QWidget* parent)
    : CTDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), form_(form) {
    setModal(true);
    resize(340, 170);
    CTButtonPicture* close = DecorateDialog(look, form.title(), this);
    connect(close, &QAbstractButton::clicked, this, &QDialog::reject);
    MakeDialogLabel(look, form.title(), QRect(20, 56, 120, 26), this);
    enable_ = new QRadioButton(Tr("Enable"), this);
    enable_->setObjectName("enable");
    enable_->setGeometry(150, 56, 80, 26);
    disable_ = new QRadioButton(Tr("Disable_off"), this);
    disable_->setObjectName("disable");
    disable_->setGeometry(236, 56, 90, 26);
    auto* group = new QButtonGroup(this);
    group->addButton(enable_);
    group->addButton(disable_);
    (form_.enabled() ? enable_ : disable_)->setChecked(true);
    connect(enable_, &QRadioButton::clicked, this, [this] { form_.ChooseEnable(); });
    connect(disable_, &QRadioButton::clicked, this, [this] { form_.ChooseDisable(); });

    save_ = MakeDialogButton(look, CPE_TR("Save"), QRect(70, 116, 90, 30), this);
    cancel_ = MakeDialogButton(look, CPE_TR("Cancel"), QRect(180, 116, 90, 30), this);
    connect(save_, &QAbstractButton::clicked, this, &CSwitchSetMultiDlg::OnSave);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
}

void CSwitchSetMultiDlg::OnSave() {
    form_.Save();
    accept();
}

} // namespace cpe
