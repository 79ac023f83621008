#pragma once

#include "pages/status/status_services.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace cpe {

class CChildDlg;

// Operator messages as message boxes with an OK button. Tests set an interceptor and answer the
// boxes there instead (the box is then not shown).
class OperatorMessageBox final : public IOperatorMessages {
public:
    using Interceptor = std::function<void(const QString& text, MessageIcon icon, bool applicationCaption)>;

    explicit OperatorMessageBox(QWidget* parent) : parent_(parent) {}
    void ShowMessage(const std::string& text, MessageIcon icon, bool applicationCaption) override;
    static void SetInterceptor(Interceptor interceptor);

private:
    QWidget* parent_;
};

// The page's timers on QTimer, reported through `fired`. Safe to call from worker threads: the
// call is carried to the page's thread.
class PageTimerSet final : public QObject, public IPageTimers {
    Q_OBJECT
public:
    explicit PageTimerSet(std::function<void(int id)> fired, QObject* parent = nullptr);
    void StartTimer(int id, int periodMs, bool singleShot) override;
    void KillTimer(int id) override;
    bool isActive(int id) const;
    int interval(int id) const;

private:
    std::function<void(int)> fired_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

// The container's automatic refresh and the main window's navigation buttons.
class ContainerHost final : public IPageHost {
public:
    explicit ContainerHost(CChildDlg* container) : container_(container) {}
    void SetNavigationEnabled(bool enabled) override;
    void SetAutoRefresh(bool enabled) override;

private:
    CChildDlg* container_;
};

} // namespace cpe
