#include "pages/status/QtPageServices.h"

#include "shell/window/CApplicationDlg.h"
#include "shell/window/CChildDlg.h"
#include "shell/window/CMenuDlg.h"
#include "shell/window/ShellLook.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>
#include <mutex>

namespace cpe {
namespace {

std::mutex interceptorLock;
OperatorMessageBox::Interceptor interceptor;

} // namespace

void OperatorMessageBox::SetInterceptor(Interceptor next) {
    std::lock_guard guard(interceptorLock);
    interceptor = std::move(next);
}

void OperatorMessageBox::ShowMessage(const std::string& text, MessageIcon icon, bool applicationCaption) {
    const QString shown = Tr(text.c_str());
    {
        std::lock_guard guard(interceptorLock);
        if (interceptor) {
            interceptor(shown, icon, applicationCaption);
            return;
        }
    }
    const QString caption = applicationCaption ? QCoreApplication::applicationName() : QString();
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, caption, shown,
                    QMessageBox::Ok, parent_);
    box.exec();
}

PageTimerSet::PageTimerSet(std::function<void(int)> fired, QObject* parent)
    : QObject(parent), fired_(std::move(fired)) {}

void PageTimerSet::StartTimer(int id, int periodMs, bool singleShot) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, id, periodMs, singleShot] { StartTimer(id, periodMs, singleShot); },
            Qt::QueuedConnection);
        return;
    }
    std::unique_ptr<QTimer>& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        connect(timer.get(), &QTimer::timeout, this, [this, id] { fired_(id); });
    }
    timer->setSingleShot(singleShot);
    timer->start(periodMs);
}

void PageTimerSet::KillTimer(int id) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, id] { KillTimer(id); }, Qt::QueuedConnection);
        return;
    }
    auto it = timers_.find(id);
    if (it != timers_.end()) {
        it->second->stop();
    }
}

bool PageTimerSet::isActive(int id) const {
    auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

int PageTimerSet::interval(int id) const {
    auto it = timers_.find(id);
    return it != timers_.end() ? it->second->interval() : 0;
}

void ContainerHost::SetNavigationEnabled(bool enabled) {
    if (!container_) {
        return;
    }
    if (auto* window = qobject_cast<CApplicationDlg*>(container_->parentWidget())) {
        if (window->menu()) {
            window->menu()->EnableButtons(enabled);
        }
    }
}

void ContainerHost::SetAutoRefresh(bool enabled) {
    if (container_) {
        container_->SetAutoRefresh(enabled);
    }
}

} // namespace cpe
