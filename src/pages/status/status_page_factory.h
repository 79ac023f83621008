#pragma once

#include "pages/status/CStatusDlg.h"
#include "shell/window/CChildDlg.h"

namespace cpe {

// The container's page factory with the status page in slot 133; every other identifier goes to
// `others` (nullptr from it gives the container's placeholder).
PageFactory WithStatusPage(const ShellLook& look, StatusPageServices services, PageFactory others = {});

} // namespace cpe
