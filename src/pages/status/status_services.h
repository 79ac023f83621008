#pragma once

#include "link/ap_info.h"
#include "store/vocabulary.h" // MacBytes

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What the status page and its batch dialogs use of the link manager, the store and the window
// around them. The forms take these in their constructors, so tests hand them fakes; the
// process wires them to AcTransmitManage, CSqlManagement and the Qt views.
namespace cpe {

// One ticked grid row queued for a batch operation.
struct SelectionRecord {
    std::string ip;  // address text
    std::string mac; // MAC text
    int type = 0;    // type code from the row's model name
};

class IStatusLink {
public:
    virtual ~IStatusLink() = default;
    virtual void RefreshCaptureDevices() = 0;
    virtual void SendUnmanage() = 0;
    virtual void RemoveSearchedAps() = 0;
    virtual void PurgeStore() = 0;
    virtual void SendDiscover() = 0;
    virtual void SetFilter(bool on, const MacBytes& mac) = 0;
    // Devices found by discovery whose report is not stored yet; `search` empty: no filter.
    virtual std::vector<ap_info_stu> GetSearchedApList(int limit, const std::string& search) = 0;
    virtual bool SendPacketMutilcast(const std::string& ip, int msgType,
                                     std::span<const std::uint8_t> payload, const std::string& mac,
                                     bool retransmit) = 0;
    virtual void UpdateManageApIp(const std::string& mac, const std::string& ip,
                                  const std::string& newIp) = 0;
};

class IDeviceListStore {
public:
    virtual ~IDeviceListStore() = default;
    virtual bool GetApInfoList(int sortKey, const std::string& search, int pageSize, int page, bool ascending,
                               std::vector<ap_info_stu>& list, int& pageCount, int& onlineCount) = 0;
    virtual bool GetApInfo(const std::string& mac, ap_info_stu& record) = 0;
};

enum class MessageIcon { None, Warning };

// Operator messages: `text` is the English key, translated by the implementation. Page-level
// refusals pass an empty caption; the dialogs' validation messages the application's title.
class IOperatorMessages {
public:
    virtual ~IOperatorMessages() = default;
    virtual void ShowMessage(const std::string& text, MessageIcon icon, bool applicationCaption) = 0;
};

// The page container and main window around a page.
class IPageHost {
public:
    virtual ~IPageHost() = default;
    virtual void SetNavigationEnabled(bool enabled) = 0;
    virtual void SetAutoRefresh(bool enabled) = 0;
};

// The page's timers by their identifiers; a view maps them to QTimer, tests record them.
class IPageTimers {
public:
    virtual ~IPageTimers() = default;
    virtual void StartTimer(int id, int periodMs, bool singleShot) = 0;
    virtual void KillTimer(int id) = 0;
};

} // namespace cpe
