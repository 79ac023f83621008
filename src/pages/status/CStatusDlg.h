#pragma once

#include "pages/status/QtPageServices.h"
#include "pages/status/StatusPageForm.h"
#include "shell/widgets/CTDialog.h"
#include "shell/window/IPage.h"
#include "shell/window/ShellLook.h"

#include <QUrl>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace cpe {

class CChildDlg;
class CTButtonPicture;
class CTMultiPages;
class DeviceListModel;

// What the status page is given besides the look: the link and the store, the message boxes,
// how modal dialogs run and how a web address is opened (tests answer both).
struct StatusPageServices {
    IStatusLink* link = nullptr;
    IDeviceListStore* store = nullptr;
    IOperatorMessages* messages = nullptr;    // nullptr: message boxes
    std::function<int(QDialog&)> runDialog;   // empty: exec()
    std::function<bool(const QUrl&)> openUrl; // empty: the desktop's handler
};

// The status page (133): discovery, the device list, the in-place rename, the web link and the
// batch buttons. The behaviour is in StatusPageForm; this view copies control state in and out.
class CStatusDlg : public CTDialog, public IPage {
    Q_OBJECT
public:
    CStatusDlg(const ShellLook& look, StatusPageServices services, CChildDlg* container);
    ~CStatusDlg() override;

    void ShowPage(int page) override;
    void RefreshList() override;

    StatusPageForm& form() { return *form_; }
    DeviceListModel* model() const { return model_; }
    QTableView* grid() const { return grid_; }
    QLineEdit* searchEdit() const { return search_; }
    QComboBox* pageSizeList() const { return pageSize_; }
    CTMultiPages* pager() const { return pager_; }
    QLabel* onlineLabel() const { return online_; }
    CTButtonPicture* button(int id) const; // 1003, 1004, 1005, 1006, 1001, 1074
    PageTimerSet& timers() { return *timers_; }

    // The handlers the controls call; tests call them too.
    void OnSearchClicked();
    void OnScanMacClicked();
    void OnSetIpClicked();
    void OnSwitchClicked(SwitchKind kind);
    void OnCellClicked(const QModelIndex& index);
    void OnHeaderClicked(int column);
    void OnTimer(int id);
    // Copies the form's state into the controls.
    void SyncView();

private:
    ShellLook look_;
    StatusPageServices services_;
    CChildDlg* container_;
    std::unique_ptr<OperatorMessageBox> ownMessages_;
    std::unique_ptr<ContainerHost> host_;
    std::unique_ptr<PageTimerSet> timers_;
    std::unique_ptr<StatusPageForm> form_; // after the timers: its workers stop first
    DeviceListModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLineEdit* search_ = nullptr;
    QComboBox* pageSize_ = nullptr;
    CTMultiPages* pager_ = nullptr;
    QLabel* online_ = nullptr;
    QLabel* animation_ = nullptr;
    std::map<int, CTButtonPicture*> buttons_;

    void BuildControls();
    CTButtonPicture* MakeButton(int id, const char* text, const char* image, const QRect& geometry);
    int RunDialog(QDialog& dialog);
    IOperatorMessages& messages();
};

} // namespace cpe
