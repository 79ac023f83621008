#pragma once

#include <QString>
#include <vector>

namespace cpe {

// One device of a list page, as shown: the texts of the grid columns after the check cell
// (serial, name, type, IP, MAC, work mode, SSID, channel, version, transparent bridge, AIRSLOT,
// up-time) and whether it is online.
struct StandInRow {
    std::vector<QString> cells;
    bool online = false;
};

// Where list pages read their devices: the console passes the device store in, tests a fake.
class IDeviceList {
public:
    virtual ~IDeviceList() = default;
    // One list page (from 1) of pageSize devices matching the search text; false when the store
    // cannot be read.
    virtual bool ReadPage(const QString& search, int pageSize, int page, std::vector<StandInRow>& rows,
                          int& pageCount, int& onlineCount) = 0;
};

// The services the container hands to the pages it builds.
class IDeviceLink;
struct PageServices {
    IDeviceLink* link = nullptr;
    IDeviceList* devices = nullptr;
};

} // namespace cpe
