#include "shell/window/CChildDlg.h"

#include "shell/forms/dialog_units.h"
#include "shell/forms/page_ids.h"
#include "shell/window/CPlaceholderPage.h"
#include "shell/window/IPage.h"
#include "shell/window/translate_window.h"

namespace cpe {
namespace {

int SlotOf(int pageId) {
    for (std::size_t i = 0; i < CChildDlg::kSlots.size(); ++i) {
        if (CChildDlg::kSlots[i] == pageId) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

CChildDlg::CChildDlg(const ShellLook& look, PageFactory factory, QWidget* parent)
    : CTDialog(parent, Qt::Widget) {
    setObjectName("CChildDlg");
    resize(DluX(610), DluY(372));
    TranslateWindow(this);
    SetFillColor(look.childBk);
    // Creation order: system tool first, then the list pages, install help last.
    for (int id : {kPageSystemTool, kPageStatus, kPageManagement, kPageBridge, kPageReboot, kPageRestore,
                   kPageUpgrade, kPageInstallHelp}) {
        QWidget*& slot = pages_[SlotOf(id)];
        if (slot) {
            continue;
        }
        slot = factory ? factory(id, this) : nullptr;
        if (!slot) {
            slot = new CPlaceholderPage(look, id, this);
        }
        slot->setParent(this);
        slot->move(0, 0);
        slot->resize(size());
        slot->setProperty("cpePageId", id);
    }
    current_ = kPageStatus;
    for (QWidget* p : pages_) {
        p->setVisible(p == page(kPageStatus));
    }
    switchTimer_.setSingleShot(true);
    switchTimer_.setInterval(kSwitchRefreshMs);
    connect(&switchTimer_, &QTimer::timeout, this, &CChildDlg::OnSwitchTimer);
    autoTimer_.setInterval(kAutoRefreshMs);
    connect(&autoTimer_, &QTimer::timeout, this, &CChildDlg::OnAutoRefreshTimer);
    switchTimer_.start();
    autoTimer_.start();
}

CChildDlg::~CChildDlg() {
    switchTimer_.stop();
    autoTimer_.stop();
    // The status page goes first, then the others in slot order.
    for (QWidget*& p : pages_) {
        delete p;
        p = nullptr;
    }
}

QWidget* CChildDlg::page(int pageId) const {
    const int slot = SlotOf(pageId);
    return slot < 0 ? nullptr : pages_[slot];
}

void CChildDlg::SwitchTo(int pageId) {
    QWidget* shown = page(pageId);
    if (!shown) {
        return;
    }
    current_ = pageId;
    for (QWidget* p : pages_) {
        p->setVisible(p == shown);
    }
    switchTimer_.start(kSwitchRefreshMs);
}

void CChildDlg::RefreshCurrent() {
    if (!HasDeviceList(current_)) {
        return;
    }
    if (auto* p = dynamic_cast<IPage*>(page(current_))) {
        p->RefreshList();
    }
}

void CChildDlg::OnSwitchTimer() {
    switchTimer_.stop();
    RefreshCurrent();
}

void CChildDlg::OnAutoRefreshTimer() {
    if (RefreshesOnTimer(current_, autoRefresh_)) {
        RefreshCurrent();
    }
}

void CChildDlg::OnPageChosen(int pageId, int pageNumber) {
    if (!HasDeviceList(pageId)) {
        return;
    }
    if (auto* p = dynamic_cast<IPage*>(page(pageId))) {
        p->ShowPage(pageNumber);
    }
}

} // namespace cpe
