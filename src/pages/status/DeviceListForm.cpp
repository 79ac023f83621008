#include "pages/status/DeviceListForm.h"

#include "shell/lang/language.h"
#include "store/vocabulary.h"

namespace cpe {

DeviceListForm::DeviceListForm(IDeviceListStore& store, IStatusLink& link, std::vector<ListColumn> columns)
    : store_(store), link_(link), columns_(std::move(columns)) {}

void DeviceListForm::UpdateListData(int page, bool ascending, int column, const std::string& search) {
    const int size = pageSize();
    const int key = SortKeyForColumn(columns_, column);
    std::vector<ap_info_stu> stored;
    int pages = 0;
    int online = 0;
    if (!store_.GetApInfoList(key, search, size, page, ascending, stored, pages, online)) {
        stored.clear();
        pages = 0;
        online = 0;
    }
    // A page that no longer exists (devices went away) would show an empty grid under a bar
    // that says page 1; read page 1 instead so the two agree.
    if (page > 1 && pages < page) {
        page = 1;
        stored.clear();
        if (!store_.GetApInfoList(key, search, size, page, ascending, stored, pages, online)) {
            stored.clear();
            pages = 0;
            online = 0;
        }
    }
    sortColumn_ = column;
    currentPage_ = page;
    searchText_ = search;

    std::vector<ap_info_stu> searched;
    const int storedCount = static_cast<int>(stored.size());
    if (storedCount < size && (page == pages || pages == 0)) {
        searched = link_.GetSearchedApList(size - storedCount, search);
        if (static_cast<int>(searched.size()) > size - storedCount) {
            searched.resize(static_cast<std::size_t>(size - storedCount));
        }
    }
    UpdateShowList(stored, searched);

    shownAscending_ = ascending;
    pageCount_ = pages;
    barPage_ = pages < page ? 1 : page;
    onlineCount_ = online;
}

void DeviceListForm::RefreshPage(int page) {
    UpdateListData(page, !nextAscending_, sortColumn_, searchText_);
}

void DeviceListForm::OnSearchTextChanged(const std::string& text) {
    UpdateListData(1, !nextAscending_, sortColumn_, text);
}

void DeviceListForm::OnPageSizeChanged(int index) {
    if (index >= 0 && index < static_cast<int>(kPageSizes.size())) {
        pageSizeIndex_ = index;
    }
    UpdateListData(1, !nextAscending_, sortColumn_, searchText_);
}

void DeviceListForm::OnHeaderClicked(int column) {
    if (column < 0 || column >= static_cast<int>(columns_.size())) {
        return;
    }
    const ListColumn& columnDef = columns_[static_cast<std::size_t>(column)];
    if (columnDef.field == CellField::Check) {
        allSelected_ = !allSelected_;
        for (DeviceRow& row : rows_) {
            row.ticked = allSelected_;
        }
        return;
    }
    if (columnDef.sortKey == kNoSortKey) {
        return;
    }
    UpdateListData(1, nextAscending_, column, searchText_);
    nextAscending_ = !nextAscending_;
}

void DeviceListForm::OnCheckClicked(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) {
        rows_[static_cast<std::size_t>(row)].ticked = !rows_[static_cast<std::size_t>(row)].ticked;
    }
}

std::string DeviceListForm::OnlineCountText() const {
    std::string text = TranslateText("Online device count:%d");
    const std::size_t at = text.find("%d");
    const std::string number = std::to_string(onlineCount_);
    if (at == std::string::npos) {
        return text + number;
    }
    return text.replace(at, 2, number);
}

void DeviceListForm::UpdateShowList(const std::vector<ap_info_stu>& stored,
                                    const std::vector<ap_info_stu>& searched) {
    rows_.clear();
    allSelected_ = false;
    // Grid row 1 is the first device row, so numbering continues across pages.
    int serial = (currentPage_ - 1) * pageSize() + 1;
    for (const ap_info_stu& record : stored) {
        rows_.push_back(MakeRow(record, serial++, false));
    }
    for (const ap_info_stu& record : searched) {
        rows_.push_back(MakeRow(record, serial++, true));
    }
}

DeviceRow DeviceListForm::MakeRow(const ap_info_stu& record, int serial, bool searched) const {
    DeviceRow row;
    row.record = record;
    row.searched = searched;
    row.itemData = searched ? kSearchedItemData : record.ap_status();
    row.cells.reserve(columns_.size());
    for (const ListColumn& column : columns_) {
        row.cells.push_back(column.field == CellField::Serial ? std::to_string(serial)
                                                              : CellText(record, column.field));
    }
    return row;
}

SelectionRecord MakeSelection(const DeviceRow& row) {
    return {row.record.ip(), row.record.mac(), GetApTypeCode(GetApTypeName(row.record.ap_type()))};
}

} // namespace cpe
