#include "shell/window/CWaitDlg.h"

#include "shell/forms/dialog_units.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/window/IDeviceLink.h"
#include "shell/window/translate_window.h"

#include <QProgressBar>

namespace cpe {

CWaitDlg::CWaitDlg(const ShellLook& look, IDeviceLink* link, int seconds, bool rediscover, int passes,
                   QWidget* parent)
    : CTDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), link_(link),
      schedule_(seconds, rediscover, passes), progress_(new QProgressBar(this)),
      close_(new CTButtonPicture(this)) {
    setObjectName("CWaitDlg");
    setModal(true);
    resize(DluX(264), DluY(26));
    progress_->setGeometry(DluX(7), DluY(9), DluX(250), DluY(10));
    progress_->setTextVisible(false);
    progress_->setStyleSheet(
        "QProgressBar { border: none; border-radius: 4px; background: rgb(221,221,221); }"
        "QProgressBar::chunk { border-radius: 4px; background: rgb(237,112,32); }");
    close_->setGeometry(DluX(252), 0, DluX(11), DluY(9));
    TranslateWindow(this);
    SetDrag(true);
    SetFillColor(QColor(242, 242, 242));
    const QString closeImage = look.Skin("close_wait.bmp");
    close_->SetImages(closeImage, closeImage, closeImage, closeImage);
    close_->SetDescription(Tr("Close"));
    progress_->setAccessibleName(Tr("Please wait"));
    progress_->setRange(0, schedule_.ticks());
    progress_->setValue(0);
    connect(close_, &CTButtonPicture::clicked, this, &CWaitDlg::OnClose);
    timer_.setInterval(WaitSchedule::kTickMs);
    connect(&timer_, &QTimer::timeout, this, &CWaitDlg::OnTick);
    timer_.start();
}

void CWaitDlg::OnTick() {
    if (schedule_.closed()) {
        return;
    }
    const WaitSchedule::Step step = schedule_.Tick();
    if (link_ && step.unmanage) {
        link_->SendUnmanage();
    }
    if (link_ && step.discover) {
        link_->SendDiscover();
    }
    progress_->setValue(step.progress);
    if (step.close) {
        timer_.stop();
        accept();
    }
}

void CWaitDlg::OnClose() {
    schedule_.Close();
    timer_.stop();
    accept();
}

} // namespace cpe
