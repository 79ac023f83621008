#include "shell/app/CApplicationApp.h"

#include "core/paths.h"
#include "link/AcTransmitManage.h"
#include "link/log.h"
#include "pages/status/status_page_factory.h"
#include "shell/app/LinkDeviceLink.h"
#include "shell/app/StoreDeviceList.h"
#include "shell/app/signal_bridge.h"
#include "shell/lang/language.h"
#include "shell/settings/Settings.h"
#include "shell/window/CApplicationDlg.h"
#include "store/CSqlManagement.h"

#include <QProxyStyle>

namespace cpe {
namespace {

// Tooltips of the caption buttons come up after half a second.
class ShellStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay) {
            return 500;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

CApplicationApp::CApplicationApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("cpe-assistant");
    setApplicationVersion(CPE_VERSION);
    setQuitOnLastWindowClosed(false); // hiding to the tray must not end the console
    setStyle(new ShellStyle);
}

CApplicationApp::~CApplicationApp() {
    ExitInstance();
}

int CApplicationApp::InitInstance(const AppOptions& options) {
    // From the first moment: a signal during start-up waits in the bridge and closes the window as
    // soon as it runs, so the shutdown is always the ordered one.
    signals_ = new SignalBridge(this);
    connect(signals_, &SignalBridge::terminationRequested, this, [this](int signal) {
        LOG_INFO("signal %d: shutting down", signal);
        if (main_) {
            main_->done(QDialog::Accepted);
        }
    });
    SetCurrentAppPaths(ResolveAppPaths(options.home.toStdString()));
    const AppPaths& paths = CurrentAppPaths();
    OpenLog(paths.dataDir);
    LOG_INFO("cpe-assistant %s starting, application folder %s, data folder %s", CPE_VERSION,
             paths.appDir.c_str(), paths.dataDir.c_str());

    // The same lock as cpe-cli's; with --home it lives in that folder, so tests never meet a
    // running console.
    instance_ = std::make_unique<SingleInstanceLock>(options.home.isEmpty() ? std::filesystem::path()
                                                                            : paths.dataDir);
    if (!instance_->Acquire()) {
        LOG_INFO("another console is running (lock %s: %s); this one ends", instance_->path().c_str(),
                 instance_->error().c_str());
        return kExitSecondInstance;
    }

    const LanguageInfo language = LoadLanguage(paths.appDir, options.lcid);
    LOG_INFO("language %u, pack %s", language.lcid, language.packLoaded ? language.packPath.c_str() : "none");

    const Settings settings = Settings::Load(paths.appDir / "Setting.ini");
    for (const std::string& line : settings.ignored) {
        LOG_ERROR("Setting.ini: %s", line.c_str());
    }
    look_ = LookFromSettings(settings);
    look_.versionLabel = VersionLabel(CPE_VERSION);
    look_.appDir = paths.appDir;
    look_.lcid = static_cast<int>(language.lcid);

    const bool loopback = options.loopback || settings.loopback;
    // The store first (the link writes into it), then the link with the retransmission values;
    // a link that cannot open its sockets is logged and the window still comes up.
    store_ = &CSqlManagement::GetInstance();
    if (!store_->IsOpen()) {
        LOG_ERROR("the device store could not be opened at %s", store_->path().c_str());
    }
    LinkOptions linkOptions;
    linkOptions.loopback = loopback;
    AcTransmitManage::SetInstanceOptions(linkOptions);
    manager_ = &AcTransmitManage::GetInstance();
    if (!manager_->Init(settings.retransmissionMax, settings.retransmissionInterval)) {
        LOG_ERROR("link manager: %s", manager_->error().c_str());
    }
    LOG_INFO("link: %s mode, retransmission %d times every %d ms", loopback ? "loopback" : "normal",
             settings.retransmissionMax, settings.retransmissionInterval);
    link_ = std::make_unique<LinkDeviceLink>(*manager_);
    devices_ = std::make_unique<StoreDeviceList>(*store_);

    statusLink_ = std::make_unique<StatusLinkAdapter>(*manager_);
    statusStore_ = std::make_unique<StatusStoreAdapter>(*store_);

    MainServices services;
    services.link = link_.get();
    services.devices = devices_.get();
    StatusPageServices statusServices;
    statusServices.link = statusLink_.get();
    statusServices.store = statusStore_.get();
    services.pages = WithStatusPage(look_, std::move(statusServices));
    main_ = std::make_unique<CApplicationDlg>(look_, std::move(services));
    main_->exec();
    LOG_INFO("main window closed");
    ExitInstance();
    return 0;
}

void CApplicationApp::ExitInstance() {
    // Order: the window and its pages, then the link (it releases the devices), then the store,
    // which deletes data.mdb when the process ends.
    main_.reset();
    devices_.reset();
    statusStore_.reset();
    statusLink_.reset();
    link_.reset();
    if (manager_) {
        manager_->Shutdown(); // type 17 to every managed device, threads joined
        manager_ = nullptr;
    }
    if (signals_) {
        delete signals_;
        signals_ = nullptr;
    }
}

} // namespace cpe
