#pragma once

#include "pages/status/CSwitchSetMultiDlg.h"

namespace cpe {

// Dialog 159: the transparent-bridge switch (message type 18).
class CBridgeSetMultiDlg : public CSwitchSetMultiDlg {
public:
    CBridgeSetMultiDlg(const ShellLook& look, SwitchSetForm& form, QWidget* parent)
        : CSwitchSetMultiDlg(look, form, parent) {
        setObjectName("CBridgeSetMultiDlg");
    }
};

} // namespace cpe
