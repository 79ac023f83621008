#pragma once

#include "pages/status/device_list_columns.h"
#include "pages/status/status_services.h"

#include <array>
#include <string>
#include <vector>

namespace cpe {

// One grid row below the header.
struct DeviceRow {
    ap_info_stu record;
    std::vector<std::string> cells; // one per column, UTF-8
    bool ticked = false;
    bool searched = false; // found by discovery, no stored report yet: offline colour, no link
    int itemData = 0;      // column 1's item data: the status code, kSearchedItemData for searched rows
};

inline constexpr int kSearchedItemData = 10;
inline constexpr std::array<int, 4> kPageSizes = {15, 30, 50, 100};

// The device list page pattern: search text, page size, paging, click-to-sort with alternating
// direction, select-all, the online count, and the grid rows (stored rows, then devices that
// discovery found but whose report is not stored, filling the last page).
class DeviceListForm {
public:
    DeviceListForm(IDeviceListStore& store, IStatusLink& link, std::vector<ListColumn> columns);

    // Every refresh goes through here.
    void UpdateListData(int page, bool ascending, int column, const std::string& search);
    // The current page with the direction of the last header click (the 2023 message, the
    // refresh button, the container's and the page's timers).
    void RefreshPage(int page);
    void RefreshCurrentPage() { RefreshPage(currentPage_); }

    void OnSearchTextChanged(const std::string& text);
    void OnPageSizeChanged(int index);
    void OnHeaderClicked(int column);
    void OnCheckClicked(int row); // row index from 0 below the header
    void ClearSearchText() { searchText_.clear(); }

    const std::vector<ListColumn>& columns() const { return columns_; }
    const std::vector<DeviceRow>& rows() const { return rows_; }
    std::vector<DeviceRow>& rows() { return rows_; }
    int pageSize() const { return kPageSizes[static_cast<std::size_t>(pageSizeIndex_)]; }
    int pageSizeIndex() const { return pageSizeIndex_; }
    int currentPage() const { return currentPage_; }
    int pageCount() const { return pageCount_; }
    int barPage() const { return barPage_; } // the page the page-number bar shows
    int sortColumn() const { return sortColumn_; }
    bool shownAscending() const { return shownAscending_; } // the header's sort indicator
    bool nextAscending() const { return nextAscending_; }
    bool allSelected() const { return allSelected_; }
    int onlineCount() const { return onlineCount_; }
    const std::string& searchText() const { return searchText_; }
    // "Online device count:%d", translated, with the count.
    std::string OnlineCountText() const;

    // Ticked rows in grid order, optionally only those `eligible` accepts.
    template <typename Pred>
    std::vector<SelectionRecord> TickedRows(Pred eligible) const;
    std::vector<SelectionRecord> TickedRows() const {
        return TickedRows([](const DeviceRow&) { return true; });
    }

private:
    IDeviceListStore& store_;
    IStatusLink& link_;
    std::vector<ListColumn> columns_;
    std::vector<DeviceRow> rows_;
    std::string searchText_;
    int pageSizeIndex_ = 1;
    int currentPage_ = 1;
    int pageCount_ = 0;
    int barPage_ = 1;
    int sortColumn_ = 4;
    bool nextAscending_ = true;
    bool shownAscending_ = false;
    bool allSelected_ = false;
    int onlineCount_ = 0;

    void UpdateShowList(const std::vector<ap_info_stu>& stored, const std::vector<ap_info_stu>& searched);
    DeviceRow MakeRow(const ap_info_stu& record, int serial, bool searched) const;
};

SelectionRecord MakeSelection(const DeviceRow& row);

template <typename Pred>
std::vector<SelectionRecord> DeviceListForm::TickedRows(Pred eligible) const {
    std::vector<SelectionRecord> queue;
    for (const DeviceRow& row : rows_) {
        if (row.ticked && eligible(row)) {
            queue.push_back(MakeSelection(row));
        }
    }
    return queue;
}

} // namespace cpe
