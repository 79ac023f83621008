#pragma once

#include "shell/widgets/CTDialog.h"
#include "shell/window/IPage.h"
#include "shell/window/ShellLook.h"

class QTableWidget;

namespace cpe {

class CTMultiPages;
class CChildDlg;

// Stands in for a page that this build does not have yet: its title, and for the list pages the
// empty list with its search field, page size, page-number bar and online count, wired to the
// container like a real page. The install help page shows the install picture.
class CPlaceholderPage : public CTDialog, public IPage {
    Q_OBJECT
public:
    CPlaceholderPage(const ShellLook& look, int pageId, CChildDlg* container);

    void ShowPage(int page) override;
    void RefreshList() override { ++refreshes_; }

    int pageId() const { return pageId_; }
    int shownPage() const { return shownPage_; }
    int refreshes() const { return refreshes_; }
    CTMultiPages* pager() const { return pager_; }

private:
    void BuildList(const ShellLook& look, CChildDlg* container);

    int pageId_;
    int shownPage_ = 1;
    int refreshes_ = 0;
    CTMultiPages* pager_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

} // namespace cpe
