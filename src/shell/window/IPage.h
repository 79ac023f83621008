#pragma once

namespace cpe {

// A page of the container. List pages read and show one page of their device list.
class IPage {
public:
    virtual ~IPage() = default;
    // Show list page `page` (from 1), chosen in the page's page-number bar.
    virtual void ShowPage(int page) = 0;
    // Read the current list page again.
    virtual void RefreshList() = 0;
};

} // namespace cpe
