#pragma once

namespace cpe {

// Every page of the main window is known by its dialog template number.
enum PageId : int {
    kPageStatus = 133,
    kPageManagement = 134,
    kPageBridge = 135,
    kPageReboot = 136,
    kPageUpgrade = 137,
    kPageRestore = 138,
    kPageInstallHelp = 139,
    kPageSystemTool = 155,
};

// Pages with a device list: they take page numbers and refresh requests.
inline bool HasDeviceList(int pageId) {
    return pageId >= kPageStatus && pageId <= kPageRestore;
}

// The 30-second refresh: list pages with the automatic refresh on, except reboot, upgrade and
// restore, whose lists show operation progress the operator is reading.
inline bool RefreshesOnTimer(int pageId, bool autoRefresh) {
    return autoRefresh && HasDeviceList(pageId) && pageId != kPageReboot && pageId != kPageUpgrade &&
           pageId != kPageRestore;
}

} // namespace cpe
