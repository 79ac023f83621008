#include "pages/status/CIpsetMutilDlg.h"

#include "pages/status/dialog_parts.h"
#include "shell/widgets/CTButtonPicture.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace cpe {
namespace {

constexpr int kRowTop = 52;
constexpr int kRowStep = 33;

std::u32string Text(const QLineEdit* edit) {
    return edit->text().trimmed().toStdU32String();
}

} // namespace

CIpsetMutilDlg::CIpsetMutilDlg(const ShellLook& look, IStatusLink& link, IOperatorMessages& messages,
                               PageWorker& worker, std::vector<SelectionRecord> queue,
                               const std::array<std::uint8_t, 22>& addressing, QWidget* parent)
    : CTDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      form_(link, messages, worker, std::move(queue), addressing) {
    setObjectName("CIpsetMutilDlg");
    setModal(true);
    resize(380, 330);
    CTButtonPicture* close = DecorateDialog(look, CPE_TR("Set IP"), this);
    connect(close, &QAbstractButton::clicked, this, [this] {
        form_.Close();
        timer_.stop();
        reject();
    });

    const char* keys[kFieldCount] = {CPE_TR("IP_Address_Begin"), CPE_TR("IP_Address_End"),
                                     CPE_TR("Sub_Network"),      CPE_TR("Gate_Way"),
                                     CPE_TR("Major_Dns"),        CPE_TR("Dns")};
    const CIpsetMutilForm::Fields& f = form_.fields();
    const std::u32string* values[kFieldCount] = {&f.begin, &f.end, &f.mask, &f.gateway, &f.dns1, &f.dns2};
    for (int i = 0; i < kFieldCount; ++i) {
        const int top = kRowTop + i * kRowStep;
        labels_[i] =
            MakeDialogLabel(look, i == kBegin ? form_.beginLabel() : keys[i], QRect(20, top, 150, 26), this);
        fields_[i] = new QLineEdit(QString::fromStdU32String(*values[i]), this);
        fields_[i]->setObjectName(QString("field%1").arg(i));
        fields_[i]->setGeometry(176, top, 180, 26);
        fields_[i]->setAccessibleName(labels_[i]->text());
        labels_[i]->setBuddy(fields_[i]);
    }
    beginLabel_ = labels_[kBegin];
    if (form_.singleDevice()) {
        // One device: no end address; the begin row moves into the end row.
        labels_[kEnd]->hide();
        fields_[kEnd]->hide();
        labels_[kBegin]->move(labels_[kBegin]->x(), labels_[kBegin]->y() + kRowStep);
        fields_[kBegin]->move(fields_[kBegin]->x(), fields_[kBegin]->y() + kRowStep);
    }
    progress_ = new QProgressBar(this);
    progress_->setGeometry(20, kRowTop + kFieldCount * kRowStep, 336, 14);
    progress_->setRange(0, CIpsetMutilForm::kProgressEnd);
    progress_->setTextVisible(false);
    progress_->hide();

    save_ = MakeDialogButton(look, CPE_TR("Save"), QRect(90, 284, 90, 30), this);
    cancel_ = MakeDialogButton(look, CPE_TR("Cancel"), QRect(200, 284, 90, 30), this);
    connect(save_, &QAbstractButton::clicked, this, &CIpsetMutilDlg::OnSave);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    timer_.setInterval(CIpsetMutilForm::kProgressPeriodMs);
    connect(&timer_, &QTimer::timeout, this, &CIpsetMutilDlg::OnProgressTick);
}

void CIpsetMutilDlg::OnSave() {
    CIpsetMutilForm::Fields& f = form_.fields();
    f = {Text(fields_[kBegin]),   Text(fields_[kEnd]),  Text(fields_[kMask]),
         Text(fields_[kGateway]), Text(fields_[kDns1]), Text(fields_[kDns2])};
    if (!form_.Save()) {
        return;
    }
    for (QLineEdit* edit : fields_) {
        edit->setEnabled(false);
    }
    save_->setEnabled(false);
    cancel_->setEnabled(false);
    progress_->setValue(0);
    progress_->show();
    timer_.start();
}

void CIpsetMutilDlg::OnProgressTick() {
    const bool closing = form_.Tick();
    progress_->setValue(form_.position());
    if (closing) {
        timer_.stop();
        accept();
    }
}

} // namespace cpe
