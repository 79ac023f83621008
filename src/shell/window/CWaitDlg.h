#pragma once

#include "shell/forms/wait_schedule.h"
#include "shell/widgets/CTDialog.h"
#include "shell/window/ShellLook.h"

#include <QTimer>

class QProgressBar;

namespace cpe {

class CTButtonPicture;
class IDeviceLink;

// A small modal progress bar for a number of seconds while devices restart or move. Near its end
// it can release the managed devices once and repeat discovery so they are found again.
class CWaitDlg : public CTDialog {
    Q_OBJECT
public:
    CWaitDlg(const ShellLook& look, IDeviceLink* link, int seconds, bool rediscover, int passes,
             QWidget* parent = nullptr);

    // One 500 ms tick of timer 1000; tests call it directly.
    void OnTick();
    // The close button: ends at once, remaining passes are skipped.
    void OnClose();

    const WaitSchedule& schedule() const { return schedule_; }
    QProgressBar* progressBar() const { return progress_; }
    CTButtonPicture* closeButton() const { return close_; }
    const QTimer& timer() const { return timer_; }

private:
    IDeviceLink* link_;
    WaitSchedule schedule_;
    QProgressBar* progress_;
    CTButtonPicture* close_;
    QTimer timer_;
};

} // namespace cpe
