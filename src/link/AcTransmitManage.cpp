#include "link/AcTransmitManage.h"

#include "link/link_socket.h"
#include "link/log.h"
#include "link/send_packet.h"

#include <chrono>
#include <cstring>
#include <sys/socket.h>

namespace cpe {
namespace {

constexpr int kSmallBuffer = 1 << 20;   // 1 MiB
constexpr int kConfigBuffer = 10 << 20; // 10 MiB: full reports of a whole fleet arrive at once

std::uint64_t MacKey(const std::uint8_t* mac) {
    std::uint64_t key = 0;
    for (int i = 0; i < 6; ++i) {
        key = key << 8 | mac[i];
    }
    return key;
}

SocketOptions SocketFor(std::uint16_t port, bool broadcast, int buffers) {
    SocketOptions o;
    o.port = port;
    o.broadcast = broadcast;
    o.sendBuffer = buffers;
    o.receiveBuffer = buffers;
    return o;
}

} // namespace

AcTransmitManage::AcTransmitManage(IDeviceStore& store, LinkOptions options)
    : store_(store), options_(std::move(options)) {
    const std::uint16_t ports[kQueues] = {kPortDiscoverRecv, kPortHeartbeat, kPortConfig};
    const char* names[kQueues] = {"discover", "heartbeat", "config"};
    for (int q = 0; q < kQueues; ++q) {
        receivers_[q] = std::make_unique<Receiver>(options_.queueCapacity);
        receivers_[q]->port = ports[q];
        receivers_[q]->name = names[q];
    }
    if (!options_.adapterSource) {
        bool loopback = options_.loopback;
        options_.adapterSource = [loopback] {
            return loopback ? LoopbackAdapters() : EnumerateSystemAdapters();
        };
    }
}

AcTransmitManage::~AcTransmitManage() {
    Shutdown();
}

bool AcTransmitManage::Init(int retransmissionCount, int retransmissionIntervalMs) {
    StopThreads();
    retransmissionCount_ = retransmissionCount;
    retransmissionInterval_ = retransmissionIntervalMs;
    shutDown_ = false;
    {
        std::lock_guard lock(timerMutex_);
        timersStopping_ = false;
    }
    struct Plan {
        std::atomic<int>* fd;
        SocketOptions options;
        const char* failure;
    };
    Plan plans[] = {
        {&socketDiscoverSend_, SocketFor(kPortDiscoverSend, true, kSmallBuffer),
         "create socket_discover_send fail"},
        {&receivers_[kDiscover]->fd, SocketFor(kPortDiscoverRecv, false, kSmallBuffer),
         "create socket_discover_recv fail"},
        {&receivers_[kHeartbeat]->fd, SocketFor(kPortHeartbeat, false, kSmallBuffer),
         "create socket_heartbeat fail"},
        {&receivers_[kConfig]->fd, SocketFor(kPortConfig, false, kConfigBuffer), "create socket_config fail"},
    };
    for (auto& plan : plans) {
        int fd = plan.fd->exchange(-1);
        bool ok = AcCreateSocket(fd, plan.options);
        plan.fd->store(fd);
        if (!ok) {
            LOG_ERROR("%s", plan.failure);
            error_ = std::string(plan.failure) + ": " + std::strerror(errno);
            return false;
        }
    }
    for (auto& r : receivers_) {
        r->stopRecv = false;
        r->stopManage = false;
        r->event.WaitFor(std::chrono::milliseconds(0)); // the wake-up of an earlier stop
    }
    for (int q = 0; q < kQueues; ++q) {
        threads_.emplace_back([this, q] { ReceiveLoop(*receivers_[q]); });
    }
    threads_.emplace_back(
        [this] { ManageLoop(*receivers_[kDiscover], &AcTransmitManage::ManageDiscoverPacket); });
    threads_.emplace_back(
        [this] { ManageLoop(*receivers_[kHeartbeat], &AcTransmitManage::ManageHeartbeatPacket); });
    threads_.emplace_back(
        [this] { ManageLoop(*receivers_[kConfig], &AcTransmitManage::ManageConfigPacket); });
    if (options_.timerThreads) {
        threads_.emplace_back([this] {
            while (TimerSleep(10000)) {
                CheckManageApHeartbeat();
            }
        });
        threads_.emplace_back([this] {
            while (TimerSleep(retransmissionInterval_)) {
                RetransmissionPass();
            }
        });
    }
    GetLocalAdapters();
    error_.clear();
    return true;
}

bool AcTransmitManage::TimerSleep(int ms) {
    std::unique_lock lock(timerMutex_);
    return !timerCv_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return timersStopping_; });
}

void AcTransmitManage::StopThreads() {
    for (auto& r : receivers_) {
        r->stopRecv = true;
        r->stopManage = true;
        int fd = r->fd.load();
        if (fd >= 0) {
            ::shutdown(fd, SHUT_RD); // wakes the blocking receive; sending still works
        }
        r->event.Set();
    }
    {
        std::lock_guard lock(timerMutex_);
        timersStopping_ = true;
    }
    timerCv_.notify_all();
    for (auto& t : threads_) {
        t.join();
    }
    threads_.clear();
}

void AcTransmitManage::Shutdown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    StopThreads();
    table_.ForEach(true, [this](const ManagedAp& e) { SendUnmanageLocked(e); });
    int fd = socketDiscoverSend_.exchange(-1);
    CloseSocket(fd);
    for (auto& r : receivers_) {
        fd = r->fd.exchange(-1);
        CloseSocket(fd);
    }
}

void AcTransmitManage::SetFilter(bool on, const MacBytes& mac) {
    filterMac_ = MacKey(mac.data());
    filter_ = on;
}

bool AcTransmitManage::PassesFilter(const ap_packet_info& packet) const {
    return !filter_ || MacKey(packet.packet.data() + header_offset::kMac) == filterMac_;
}

void AcTransmitManage::ReceiveLoop(Receiver& r) {
    using Clock = std::chrono::steady_clock;
    auto lastDropLog = Clock::now() - std::chrono::seconds(1);
    std::uint8_t buffer[kMaxDatagram];
    ap_packet_info record;
    while (!r.stopRecv) {
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        // MSG_TRUNC: the real length, so an oversized datagram fails the length test.
        ssize_t n = ::recvfrom(r.fd.load(), buffer, sizeof buffer, MSG_TRUNC,
                               reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (r.stopRecv) {
            break;
        }
        if (n <= 0 || !AcceptDatagram(r.port, from, buffer, static_cast<std::size_t>(n), record)) {
            continue;
        }
        bool keep = r.port == kPortConfig || PassesFilter(record);
        if (keep && !r.queue.Push(record) && Clock::now() - lastDropLog >= std::chrono::seconds(1)) {
            lastDropLog = Clock::now();
            LOG_ERROR("%s queue full: %zu datagrams dropped", r.name, r.queue.TakeDropped());
        }
        r.event.Set();
    }
    if (std::size_t dropped = r.queue.TakeDropped()) {
        LOG_ERROR("%s queue full: %zu datagrams dropped", r.name, dropped);
    }
}

void AcTransmitManage::ManageLoop(Receiver& r, void (AcTransmitManage::*handler)(const ap_packet_info&)) {
    std::deque<ap_packet_info> local;
    for (;;) {
        r.event.Wait();
        if (r.stopManage) {
            return;
        }
        if (r.port == kPortConfig) {
            LOG_INFO("manage ap config");
        }
        r.queue.TakeAll(local);
        for (const auto& record : local) {
            (this->*handler)(record);
        }
    }
}

std::vector<LocalAdapter> AcTransmitManage::GetLocalAdapters() {
    std::vector<LocalAdapter> list;
    {
        std::lock_guard lock(enumerationLock_);
        list = AcceptedAdapters(options_.adapterSource());
    }
    addresses_.Merge(list);
    return list;
}

void AcTransmitManage::RefreshCaptureDevices() {
    capture_.Refresh();
}

bool AcTransmitManage::SendRawDiscover(const DiscoverTarget& target) {
    MacBytes filter{};
    std::uint64_t key = filterMac_;
    for (int i = 5; i >= 0; --i, key >>= 8) {
        filter[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(key);
    }
    RawDiscoverFrame frame;
    if (!BuildRawDiscoverFrame(frame, filter, target.mac, target.address, target.broadcast)) {
        return false;
    }
    return capture_.Send(target.adapterName, frame);
}

void AcTransmitManage::SendDiscover() {
    std::vector<DiscoverTarget> targets = BuildDiscoverTargets(GetLocalAdapters());
    int fd = socketDiscoverSend_.load();
    if (targets.empty()) {
        if (options_.loopback) {
            LOG_ERROR("loopback mode: lo has no address, no discovery sent");
            return;
        }
        SendPacket(fd, nullptr, MacArg::None(), kLimitedBroadcast, kPortDiscoverSend, KORVA_APDiscoverRequest,
                   0, false);
        return;
    }
    for (const auto& t : targets) {
        if (filter_) {
            SendRawDiscover(t);
        } else {
            SendPacketVia(fd, {t.address, t.ifindex}, nullptr, MacArg::Raw(t.mac.data()), t.broadcast,
                          kPortDiscoverSend, KORVA_APDiscoverRequest, 0, false);
        }
    }
}

} // namespace cpe
