#pragma once

#include "shell/widgets/CTDialog.h"
#include "shell/window/ShellLook.h"

namespace cpe {

// The About box: icon, product name, version and year, an OK button.
class CAboutDlg : public CTDialog {
    Q_OBJECT
public:
    CAboutDlg(const ShellLook& look, QWidget* parent);
};

} // namespace cpe
