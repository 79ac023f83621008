#pragma once

#include "shell/widgets/CTDialog.h"
#include "shell/window/ShellLook.h"

#include <QTimer>
#include <array>
#include <functional>

namespace cpe {

class CChildDlg;

// Builds the page of an identifier as a child of the container; nullptr gives a placeholder.
using PageFactory = std::function<QWidget*(int pageId, CChildDlg* container)>;

// The page container: holds the eight pages and shows one, refreshes the current list 100 ms after
// a switch and every 30 seconds (never on reboot, upgrade and restore, nor while a page has the
// automatic refresh off), and passes page-number choices to the page they belong to.
class CChildDlg : public CTDialog {
    Q_OBJECT
public:
    static constexpr int kSwitchRefreshMs = 100; // timer 2000
    static constexpr int kAutoRefreshMs = 30000; // timer 1000
    // Slot order of the pages.
    static constexpr std::array<int, 8> kSlots = {133, 134, 135, 136, 138, 137, 139, 155};

    CChildDlg(const ShellLook& look, PageFactory factory, QWidget* parent);
    ~CChildDlg() override;

    int currentPage() const { return current_; }
    QWidget* page(int pageId) const;
    bool autoRefresh() const { return autoRefresh_; }
    void SetAutoRefresh(bool on) { autoRefresh_ = on; }

    // The navigation menu's switch: show this page, hide the others, refresh it shortly.
    void SwitchTo(int pageId);

    // Tick handlers of the two timers; tests call them directly.
    void OnSwitchTimer();
    void OnAutoRefreshTimer();

    const QTimer& switchTimer() const { return switchTimer_; }
    const QTimer& autoRefreshTimer() const { return autoTimer_; }

public slots:
    // A page-number bar's choice: list pages 133..138 show that page; any other identifier is ignored.
    void OnPageChosen(int pageId, int page);

private:
    void RefreshCurrent();

    std::array<QWidget*, 8> pages_{};
    int current_ = 133;
    bool autoRefresh_ = true;
    QTimer switchTimer_;
    QTimer autoTimer_;
};

} // namespace cpe
