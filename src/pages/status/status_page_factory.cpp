#include "pages/status/status_page_factory.h"

#include "shell/forms/page_ids.h"

namespace cpe {

PageFactory WithStatusPage(const ShellLook& look, StatusPageServices services, PageFactory others) {
    return [look, services = std::move(services),
            others = std::move(others)](int pageId, CChildDlg* container) -> QWidget* {
        if (pageId == kPageStatus) {
            return new CStatusDlg(look, services, container);
        }
        return others ? others(pageId, container) : nullptr;
    };
}

} // namespace cpe
