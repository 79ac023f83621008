#pragma once

#include "core/single_instance.h"
#include "pages/status/StatusLinkAdapter.h"
#include "shell/app/app_options.h"
#include "shell/window/ShellLook.h"

#include <QApplication>
#include <memory>

namespace cpe {

class CApplicationDlg;
class CSqlManagement;
class IDeviceLink;
class IDeviceList;
class AcTransmitManage;
class SignalBridge;

// The console's application object: brings the console up in order (log, single instance,
// language, settings, skin, link, store), runs the main window and shuts down in order when it
// closes, on the tray's Exit and on SIGINT/SIGTERM (the link releases the devices, the store
// deletes data.mdb).
class CApplicationApp : public QApplication {
    Q_OBJECT
public:
    static constexpr int kExitSecondInstance = 0; // the second instance ends silently

    CApplicationApp(int& argc, char** argv);
    ~CApplicationApp() override;

    // The whole run; returns the process exit code.
    int InitInstance(const AppOptions& options);

    const ShellLook& look() const { return look_; }
    IDeviceLink* link() const { return link_.get(); }

private:
    void ExitInstance();

    ShellLook look_;
    std::unique_ptr<SingleInstanceLock> instance_;
    AcTransmitManage* manager_ = nullptr;
    std::unique_ptr<IDeviceLink> link_;
    std::unique_ptr<IDeviceList> devices_;
    std::unique_ptr<StatusLinkAdapter> statusLink_;
    std::unique_ptr<StatusStoreAdapter> statusStore_;
    CSqlManagement* store_ = nullptr;
    std::unique_ptr<CApplicationDlg> main_;
    SignalBridge* signals_ = nullptr;
};

} // namespace cpe
