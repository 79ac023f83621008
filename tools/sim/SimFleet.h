#pragma once

#include "EventLog.h"
#include "FaultPlan.h"
#include "SimDevice.h"
#include "SimLoop.h"
#include "SimSockets.h"
#include "device_codec.h"
#include "tftp_client.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace cpe::sim {

struct FleetTiming {
    double rebootSeconds = 20;      // silent time of a reboot or restore (scaled)
    double heartbeatSeconds = 5;    // heartbeat period of a managed device (not scaled)
    double answerSpreadMs = 500;    // discovery answers are spread over this window (not scaled)
    double surveySeconds = 2;       // time a survey takes before the answer (scaled)
    double upgradeFlashSeconds = 8; // time between a finished transfer and the result (scaled)
    double vlanWaitSeconds = 5;     // how long a VLAN change waits for the IP change it announced
    std::uint16_t tftpPort = 69;
};

// Where new addresses of an IP change go: nothing to do on loopback (127/8 is local), added to
// the interface otherwise.
using AddressAdder = std::function<bool(Ipv4 addr, Ipv4 mask, std::string& why)>;

// The simulated devices and what they do with every datagram: discovery answers, reports,
// configuration changes, survey, bridge, reboot, restore, upgrade and heartbeats.
class SimFleet {
public:
    SimFleet(std::vector<SimDevice> devices, FleetTiming timing, std::uint64_t seed, SimLoop& loop,
             SimSockets& sockets, FaultPlan& faults, EventLog& events, AddressAdder addAddress);
    ~SimFleet();
    SimFleet(const SimFleet&) = delete;
    SimFleet& operator=(const SimFleet&) = delete;

    void OnDiscoveryReadable();
    void OnRequestReadable();
    const std::vector<SimDevice>& Devices() const { return devices_; }
    nlohmann::json Stats() const;

private:
    using Payload = std::vector<std::uint8_t>;
    void Received(const char* local, std::uint16_t port, const sockaddr_in& from, ConstBytes bytes);
    void Discovery(const Datagram& d, Ipv4 console);
    void Request(std::size_t i, const Datagram& d, Ipv4 console);
    void Configure(std::size_t i, const Datagram& d, Ipv4 console);
    void Survey(std::size_t i, Ipv4 console);
    void Bridge(std::size_t i, const Datagram& d, Ipv4 console);
    void Upgrade(std::size_t i, const Datagram& d, Ipv4 console);
    void UpgradeDone(std::size_t i, std::uint64_t epoch, Ipv4 console, std::uint32_t announced,
                     const TftpResult& result);

    // Sends one datagram of device i after the fault plan's delay (plus `extra` seconds); `then`
    // runs right after it went out (or was lost), unless the device rebooted meanwhile.
    void Answer(std::size_t i, std::uint16_t type, Payload payload, Ipv4 to, std::uint16_t port,
                std::function<void()> then = {}, double extra = 0);
    void Transmit(std::size_t i, Ipv4 from, Ipv4 to, std::uint16_t port, const Payload& datagram);
    void StartHeartbeats(std::size_t i);
    void Heartbeat(std::size_t i, std::uint64_t gen);
    void Reboot(std::size_t i, const char* why);
    void MoveTo(std::size_t i, Ipv4 addr, Ipv4 mask);
    void Event(std::size_t i, const std::string& what, const nlohmann::json& detail = {});
    std::uint64_t Key(const Mac& mac) const;

    std::vector<SimDevice> devices_;
    std::unordered_map<std::uint64_t, std::size_t> byMac_;
    FleetTiming timing_;
    std::uint64_t seed_;
    SimLoop& loop_;
    SimSockets& sockets_;
    FaultPlan& faults_;
    EventLog& events_;
    AddressAdder addAddress_;
    std::atomic<bool> stopping_{false};
    std::vector<std::jthread> transfers_;
    std::uint64_t received_ = 0, sent_ = 0, lost_ = 0, rejected_ = 0;
};

} // namespace cpe::sim
