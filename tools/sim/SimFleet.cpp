#include "SimFleet.h"

#include "device_layout.h"
#include "link/message_types.h"
#include "sim_log.h"

#include <arpa/inet.h>

namespace cpe::sim {

namespace r = layout::rep;

SimFleet::SimFleet(std::vector<SimDevice> devices, FleetTiming timing, std::uint64_t seed, SimLoop& loop,
                   SimSockets& sockets, FaultPlan& faults, EventLog& events, AddressAdder addAddress)
    : devices_(std::move(devices)), timing_(timing), seed_(seed), loop_(loop), sockets_(sockets),
      faults_(faults), events_(events), addAddress_(std::move(addAddress)) {
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        byMac_[Key(devices_[i].mac)] = i;
    }
}

SimFleet::~SimFleet() {
    stopping_ = true;
    transfers_.clear(); // joins the transfer threads
}

std::uint64_t SimFleet::Key(const Mac& mac) const {
    std::uint64_t k = 0;
    for (std::uint8_t b : mac) {
        k = (k << 8) | b;
    }
    return k;
}

void SimFleet::Event(std::size_t i, const std::string& what, const nlohmann::json& detail) {
    events_.State(devices_[i].mac, what, detail);
}

nlohmann::json SimFleet::Stats() const {
    std::uint64_t acks = 0, heartbeats = 0, managed = 0;
    for (const SimDevice& d : devices_) {
        acks += d.acks;
        heartbeats += d.heartbeats;
        managed += d.managed ? 1 : 0;
    }
    return {{"event", "stats"},  {"devices", devices_.size()}, {"received", received_},    {"sent", sent_},
            {"lost", lost_},     {"rejected", rejected_},      {"heartbeats", heartbeats}, {"acks", acks},
            {"managed", managed}};
}

namespace {
constexpr std::size_t kReceiveBurst = 256; // datagrams taken per wake-up before timers run again
}

void SimFleet::OnDiscoveryReadable() {
    std::uint8_t buf[kMaxDatagram + 1];
    for (std::size_t k = 0; k < kReceiveBurst; ++k) {
        sockaddr_in from{};
        const long n = SimSockets::Receive(sockets_.DiscoveryFd(), buf, sizeof buf, from);
        if (n < 0) {
            return;
        }
        Received("0.0.0.0", kPortDiscoverSend, from, ConstBytes(buf, std::min<std::size_t>(n, sizeof buf)));
    }
}

void SimFleet::OnRequestReadable() {
    std::uint8_t buf[kMaxDatagram + 1];
    for (std::size_t k = 0; k < kReceiveBurst; ++k) {
        sockaddr_in from{};
        const long n = SimSockets::Receive(sockets_.RequestFd(), buf, sizeof buf, from);
        if (n < 0) {
            return;
        }
        Received(kRequestGroup, kPortHeartbeat, from, ConstBytes(buf, std::min<std::size_t>(n, sizeof buf)));
    }
}

void SimFleet::Received(const char* local, std::uint16_t port, const sockaddr_in& from, ConstBytes bytes) {
    ++received_;
    const Ipv4 console = ntohl(from.sin_addr.s_addr);
    const std::string peer = IpText(console) + ":" + std::to_string(ntohs(from.sin_port));
    std::string why;
    const auto d = DecodeDatagram(bytes, why);
    const char* note = nullptr;
    const bool lost = d && faults_.Lose();
    if (!d) {
        note = "refused";
    } else if (lost) {
        note = "lost";
    }
    events_.Datagram({"rx", port, peer, local, bytes, note});
    if (!d) {
        ++rejected_;
        SimLog("datagram from %s refused: %s", peer.c_str(), why.c_str());
        return;
    }
    if (lost) {
        ++lost_;
        return;
    }
    if (port == kPortDiscoverSend) {
        if (d->msgType == KORVA_APDiscoverRequest) {
            Discovery(*d, console);
        }
        return;
    }
    const auto it = byMac_.find(Key(d->mac));
    if (it != byMac_.end()) {
        Request(it->second, *d, console);
    }
}

void SimFleet::Discovery(const Datagram&, Ipv4 console) {
    const double now = loop_.Now();
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        if (!devices_[i].Online(now)) {
            continue;
        }
        const double spread = faults_.Uniform(0, timing_.answerSpreadMs / 1000.0);
        Answer(i, KORVA_APDiscoverRequest, EncodeSummary(devices_[i], devices_[i].UpTime(now)), console,
               kPortDiscoverRecv, {}, spread);
    }
}

void SimFleet::Answer(std::size_t i, std::uint16_t type, Payload payload, Ipv4 to, std::uint16_t port,
                      std::function<void()> then, double extra) {
    SimDevice& dev = devices_[i];
    const Ipv4 from = dev.address; // an answer leaves from the address the request reached
    const std::uint64_t epoch = dev.epoch;
    auto send = [this, i, type, payload = std::move(payload), to, port, then = std::move(then), from, epoch] {
        if (devices_[i].epoch != epoch) {
            return; // rebooted in the meantime: the answer is gone with the old run
        }
        if (faults_.Silent(type)) {
            Event(i, "silent", {{"msg_type", type}});
        } else {
            const SimDevice& dev = devices_[i];
            Transmit(i, from, to, port, EncodeDatagram(dev.apType, type, 0, dev.mac, payload));
        }
        if (then) {
            then();
        }
    };
    const double delay = extra + faults_.AnswerDelay();
    if (delay <= 0) {
        send();
    } else {
        loop_.After(delay, std::move(send));
    }
}

void SimFleet::Transmit(std::size_t i, Ipv4 from, Ipv4 to, std::uint16_t port, const Payload& datagram) {
    const std::string peer = IpText(to) + ":" + std::to_string(port);
    const std::string local = IpText(from);
    if (faults_.Lose()) {
        ++lost_;
        events_.Datagram({"lost", port, peer, local, datagram, "lost"});
        return;
    }
    const int copies = faults_.Duplicate() ? 2 : 1;
    for (int c = 0; c < copies; ++c) {
        const char* note = c == 1 ? "duplicate" : nullptr;
        Payload wire = datagram;
        if (faults_.Malform()) {
            wire = faults_.Corrupt(datagram, note);
        }
        std::string why;
        if (!sockets_.SendFrom(from, to, port, wire, why)) {
            SimLog("device %s: send to %s failed: %s", MacText(devices_[i].mac).c_str(), peer.c_str(),
                   why.c_str());
            events_.Datagram({"lost", port, peer, local, wire, "send failed"});
            continue;
        }
        ++sent_;
        events_.Datagram({"tx", port, peer, local, wire, note});
    }
}

void SimFleet::StartHeartbeats(std::size_t i) {
    SimDevice& dev = devices_[i];
    if (dev.managed) {
        return;
    }
    dev.managed = true;
    const std::uint64_t gen = ++dev.heartbeatGen;
    Event(i, "managed", {{"console", IpText(dev.console)}});
    // The first beat comes at a random point of the period so a large fleet does not beat at once.
    loop_.After(faults_.Uniform(0.05, timing_.heartbeatSeconds), [this, i, gen] { Heartbeat(i, gen); });
}

void SimFleet::Heartbeat(std::size_t i, std::uint64_t gen) {
    SimDevice& dev = devices_[i];
    if (dev.heartbeatGen != gen || !dev.managed) {
        return;
    }
    const double now = loop_.Now();
    if (dev.Online(now) && !faults_.Silent(KORVA_APHeartbeat)) {
        ++dev.heartbeats;
        Transmit(
            i, dev.address, dev.console, kPortHeartbeat,
            EncodeDatagram(dev.apType, KORVA_APHeartbeat, 0, dev.mac, EncodeHeartbeat(dev, dev.UpTime(now))));
    }
    loop_.After(timing_.heartbeatSeconds, [this, i, gen] { Heartbeat(i, gen); });
}

void SimFleet::Reboot(std::size_t i, const char* why) {
    SimDevice& dev = devices_[i];
    const double silent = faults_.Scale(timing_.rebootSeconds);
    dev.offlineUntil = loop_.Now() + silent;
    ++dev.epoch;
    ++dev.heartbeatGen;
    dev.managed = false;
    dev.vlanRestartPending = false;
    dev.upgrading = false;
    Event(i, "rebooting", {{"reason", why}, {"seconds", silent}});
    const std::uint64_t epoch = dev.epoch;
    loop_.After(silent, [this, i, epoch] {
        SimDevice& d = devices_[i];
        if (d.epoch != epoch) {
            return;
        }
        d.offlineUntil = -1;
        d.bootTime = loop_.Now();
        d.upTimeAtBoot = 0;
        Event(i, "back", {{"address", IpText(d.address)}});
    });
}

void SimFleet::MoveTo(std::size_t i, Ipv4 addr, Ipv4 mask) {
    SimDevice& dev = devices_[i];
    if (addr == dev.address) {
        return;
    }
    std::string why;
    if (!addAddress_(addr, mask, why)) {
        Event(i, "address refused", {{"address", IpText(addr)}, {"reason", why}});
        SimLog("device %s cannot move to %s: %s", MacText(dev.mac).c_str(), IpText(addr).c_str(),
               why.c_str());
        return;
    }
    Event(i, "address", {{"from", IpText(dev.address)}, {"to", IpText(addr)}});
    dev.address = addr;
}

} // namespace cpe::sim
