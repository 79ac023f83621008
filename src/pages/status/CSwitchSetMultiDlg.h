#pragma once

#include "pages/status/SwitchSetForm.h"
#include "shell/widgets/CTDialog.h"
#include "shell/window/ShellLook.h"

class QRadioButton;

namespace cpe {

class CTButtonPicture;

// The twin switch dialogs: Enable / Disable for the ticked devices; Save starts the page's
// worker of the dialog's kind and closes with OK; Cancel and the close button send nothing.
class CSwitchSetMultiDlg : public CTDialog {
    Q_OBJECT
public:
    CSwitchSetMultiDlg(const ShellLook& look, SwitchSetForm& form, QWidget* parent);

    QRadioButton* enableRadio() const { return enable_; }
    QRadioButton* disableRadio() const { return disable_; }
    CTButtonPicture* saveButton() const { return save_; }
    CTButtonPicture* cancelButton() const { return cancel_; }
    void OnSave();

private:
    SwitchSetForm& form_;
    QRadioButton* enable_ = nullptr;
    QRadioButton* disable_ = nullptr;
    CTButtonPicture* save_ = nullptr;
    CTButtonPicture* cancel_ = nullptr;
};

} // namespace cpe
