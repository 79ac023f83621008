#pragma once

#include "core/AutoResetEvent.h"
#include "core/BoundedQueue.h"
#include "link/AdapterAddressTable.h"
#include "link/CaptureDevices.h"
#include "link/IDeviceStore.h"
#include "link/ManagedApTable.h"
#include "link/RetransmissionList.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <thread>

namespace cpe {

struct LinkOptions {
    bool loopback = false;            // only lo, never the limited broadcast
    bool timerThreads = true;         // false: tests drive the heartbeat check and retransmission passes
    std::size_t queueCapacity = 8192; // per receive queue
    // Where the adapters come from; empty: the system's (or lo in loopback mode).
    std::function<std::vector<LocalAdapter>()> adapterSource;
};

// The console's side of the device protocol: sockets, receive and manager threads, discovery,
// the managed-device table, heartbeat supervision and retransmission.
class AcTransmitManage {
public:
    AcTransmitManage(IDeviceStore& store, LinkOptions options = {});
    ~AcTransmitManage(); // runs Shutdown()
    AcTransmitManage(const AcTransmitManage&) = delete;
    AcTransmitManage& operator=(const AcTransmitManage&) = delete;

    // The process's link on CSqlManagement::GetInstance(); options apply at the first call.
    static AcTransmitManage& GetInstance();
    static void SetInstanceOptions(LinkOptions options);

    // Opens the four sockets and starts the eight threads. False (logged) on the first failure;
    // `error()` then holds the reason.
    bool Init(int retransmissionCount = 3, int retransmissionIntervalMs = 2000);
    // Stops and joins every thread, tells every managed device it is released (type 17) and
    // closes the sockets. Runs once; later calls do nothing.
    void Shutdown();
    const std::string& error() const { return error_; }

    void SendDiscover();
    std::vector<LocalAdapter> GetLocalAdapters();
    void RefreshCaptureDevices();
    bool SendRawDiscover(const DiscoverTarget& target);
    void SetFilter(bool on, const MacBytes& mac = {});
    bool filter_flag() const { return filter_.load(); }

    bool SendPacketMutilcast(const std::string& ip, int msgType, const std::uint8_t* payload, int dataLen,
                             const MacArg& mac, bool retransmit);
    void UpdateManageApIp(const std::string& mac, const std::string& ip, const std::string& newIp);
    void UpdateManageApIp(const std::string& mac, const std::string& ip);

    bool AddManageAp(const ap_packet_info& packet);
    bool ModifyManageApConfig(const ap_packet_info& packet);
    void ManageDiscoverPacket(const ap_packet_info& packet);
    void ManageHeartbeatPacket(const ap_packet_info& packet);
    void ManageConfigPacket(const ap_packet_info& packet);

    void CheckManageApHeartbeat();
    void CheckManageApRetransmission(); // sleeps one interval, then RetransmissionPass()
    void RetransmissionPass();

    void SendUnmanage();
    void RemoveSearchedAps();
    void PurgeStore();
    void GetSearchedApList(std::vector<ap_info_stu>& list, int limit, const std::string* search = nullptr);
    bool survey_complete() const { return surveyComplete_.load(); }

    const ManagedApTable& managed() const { return table_; }
    std::size_t retransmission_size() const { return retransmission_.size(); }
    std::vector<AdapterAddressEntry> adapter_addresses() const { return addresses_.Entries(); }

private:
    enum Queue { kDiscover, kHeartbeat, kConfig, kQueues };
    struct Receiver {
        std::atomic<int> fd{-1};
        std::uint16_t port = 0;
        const char* name = "";
        BoundedQueue<ap_packet_info> queue;
        AutoResetEvent event;
        std::atomic<bool> stopRecv{false}, stopManage{false};
        explicit Receiver(std::size_t capacity) : queue(capacity) {}
    };

    IDeviceStore& store_;
    LinkOptions options_;
    std::atomic<bool> filter_{false};
    std::atomic<std::uint64_t> filterMac_{0};
    std::atomic<int> socketDiscoverSend_{-1};
    std::unique_ptr<Receiver> receivers_[kQueues];
    ManagedApTable table_;
    RetransmissionList retransmission_;
    AdapterAddressTable addresses_;
    std::mutex enumerationLock_;
    CaptureDevices capture_;
    std::atomic<bool> surveyComplete_{false};
    std::atomic<int> retransmissionCount_{3};
    std::atomic<int> retransmissionInterval_{2000};
    std::vector<std::jthread> threads_;
    std::mutex timerMutex_;
    std::condition_variable timerCv_;
    bool timersStopping_ = false;
    bool shutDown_ = false;
    std::string error_;

    void StopThreads();
    void ReceiveLoop(Receiver& r);
    void ManageLoop(Receiver& r, void (AcTransmitManage::*handler)(const ap_packet_info&));
    // Sleeps `ms` unless stopping; false when stopping.
    bool TimerSleep(int ms);
    bool PassesFilter(const ap_packet_info& packet) const;
    void SendUnmanageLocked(const ManagedAp& entry);
};

} // namespace cpe
