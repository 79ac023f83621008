#pragma once

#include "pages/status/CIpsetMutilForm.h"
#include "shell/widgets/CTDialog.h"
#include "shell/window/ShellLook.h"

#include <QTimer>
#include <array>

class QLabel;
class QLineEdit;
class QProgressBar;

namespace cpe {

class CTButtonPicture;

// The batch IP dialog (158): begin and end address (only one address for one device), mask,
// gateway and DNS servers; Save checks and starts the range worker, then a progress bar runs
// for about 15 seconds while the devices are rediscovered, and the dialog closes itself.
class CIpsetMutilDlg : public CTDialog {
    Q_OBJECT
public:
    enum Field { kBegin, kEnd, kMask, kGateway, kDns1, kDns2, kFieldCount };

    CIpsetMutilDlg(const ShellLook& look, IStatusLink& link, IOperatorMessages& messages, PageWorker& worker,
                   std::vector<SelectionRecord> queue, const std::array<std::uint8_t, 22>& addressing,
                   QWidget* parent);

    CIpsetMutilForm& form() { return form_; }
    QLineEdit* field(Field f) const { return fields_[f]; }
    QLabel* beginLabel() const { return beginLabel_; }
    QProgressBar* progress() const { return progress_; }
    CTButtonPicture* saveButton() const { return save_; }
    QTimer& progressTimer() { return timer_; }

    void OnSave();
    void OnProgressTick();

private:
    CIpsetMutilForm form_;
    std::array<QLineEdit*, kFieldCount> fields_{};
    std::array<QLabel*, kFieldCount> labels_{};
    QLabel* beginLabel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    CTButtonPicture* save_ = nullptr;
    CTButtonPicture* cancel_ = nullptr;
    QTimer timer_;
};

} // namespace cpe
