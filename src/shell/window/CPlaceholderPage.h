#pragma once

#include "shell/widgets/CTDialog.h"
#include "shell/window/IDeviceList.h"
#include "shell/window/IPage.h"
#include "shell/window/ShellLook.h"

class QComboBox;
class QTableWidget;
class QTimer;

namespace cpe {

class CTMultiPages;
class CChildDlg;
class CTEdit;
class CTStatic;
class CTButtonPicture;

// Stands in for a page that this build does not have yet: its title, and for the list pages the
// device list with its search field, page size, page-number bar and online count, wired to the
// container like a real page; with a link and a device list given, Search finds devices and the
// list shows them. The install help page shows the install picture.
class CPlaceholderPage : public CTDialog, public IPage {
    Q_OBJECT
public:
    CPlaceholderPage(const ShellLook& look, int pageId, CChildDlg* container, PageServices services = {});

    void ShowPage(int page) override;
    void RefreshList() override;

    int pageId() const { return pageId_; }
    int shownPage() const { return shownPage_; }
    int refreshes() const { return refreshes_; }
    CTMultiPages* pager() const { return pager_; }

private:
    void BuildList(const ShellLook& look, CChildDlg* container);
    void Search();
    void OnSearchTick();

    int pageId_;
    int shownPage_ = 1;
    int refreshes_ = 0;
    CTMultiPages* pager_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QComboBox* pageSize_ = nullptr;
    CTEdit* search_ = nullptr;
    CTStatic* online_ = nullptr;
    CTButtonPicture* find_ = nullptr;
    QTimer* searchTimer_ = nullptr;
    int searchTicks_ = 0;
    PageServices services_;
    QColor onlineColour_, offlineColour_;
};

} // namespace cpe
