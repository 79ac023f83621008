#pragma once

#include "core/CodePage.h"
#include "shell/window/IDeviceList.h"

namespace cpe {

class CSqlManagement;

// List pages read the device store through this: one page sorted by IP, as texts for the grid.
class StoreDeviceList : public IDeviceList {
public:
    explicit StoreDeviceList(CSqlManagement& store) : store_(store) {}
    bool ReadPage(const QString& search, int pageSize, int page, std::vector<StandInRow>& rows,
                  int& pageCount, int& onlineCount) override;

private:
    static constexpr int kSortByIp = 4;
    CSqlManagement& store_;
    CodePage codePage_;
};

} // namespace cpe
