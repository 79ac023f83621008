#pragma once

#include "pages/status/CSwitchSetMultiDlg.h"

namespace cpe {

// Dialog 160: the AIRSLOT switch (message type 19).
class CTdmaxenSetMultiDlg : public CSwitchSetMultiDlg {
public:
    CTdmaxenSetMultiDlg(const ShellLook& look, SwitchSetForm& form, QWidget* parent)
        : CSwitchSetMultiDlg(look, form, parent) {
        setObjectName("CTdmaxenSetMultiDlg");
    }
};

} // namespace cpe
