#pragma once

#include "pages/status/ScanMacForm.h"
#include "shell/widgets/CTDialog.h"
#include "shell/window/ShellLook.h"

#include <array>
#include <optional>

class QLineEdit;

namespace cpe {

class CTButtonPicture;

// Dialog 161: six fields of two hexadecimal digits; OK gives the six bytes.
class ScanMacDlg : public CTDialog {
    Q_OBJECT
public:
    ScanMacDlg(const ShellLook& look, IOperatorMessages& messages, QWidget* parent);

    QLineEdit* field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }
    CTButtonPicture* okButton() const { return ok_; }
    const std::optional<MacBytes>& mac() const { return mac_; }
    void OnOk();

private:
    ScanMacForm form_;
    std::array<QLineEdit*, ScanMacForm::kFieldCount> fields_{};
    CTButtonPicture* ok_ = nullptr;
    std::optional<MacBytes> mac_;

    void OnTextChanged(int index, const QString& text);
};

} // namespace cpe
