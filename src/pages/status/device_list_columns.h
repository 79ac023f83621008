#pragma once

#include "link/ap_info.h"

#include <string>
#include <vector>

// The columns of a device list page: what each shows, its width and the store sort key a
// header click uses. The status page's table is one instance; the management, bridge, reboot,
// restore and upgrade pages give their own.
namespace cpe {

enum class CellField {
    Check,  // the row's tick
    Serial, // running number across pages
    Name,   // ap_name (editable on the status page)
    Type,   // model name
    Ip,
    Mac,
    WorkMode,
    Ssid,
    Channel,
    Version,
    BridgeTransparent,
    Tdma,
    UpTime,
    Status,  // status text
    Picture, // the web-interface button
};

inline constexpr int kNoSortKey = -1;

struct ListColumn {
    const char* header; // English key, translated when shown; "" for none
    int width;          // pixels
    CellField field;
    int sortKey; // store sort key of a header click; kNoSortKey: the click does not sort
};

// Sort key of a column for a refresh: its own, or 1 (address) for a column that has none.
int SortKeyForColumn(const std::vector<ListColumn>& columns, int column);

// The status page's fourteen columns.
const std::vector<ListColumn>& StatusListColumns();

// The text a device row shows in a column (UTF-8; record texts are converted from the console
// code page). Check, serial and picture cells give "".
std::string CellText(const ap_info_stu& record, CellField field);

} // namespace cpe
