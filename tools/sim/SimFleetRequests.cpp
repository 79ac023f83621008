// The request side of SimFleet: what a device does with each message type addressed to it.
#include "SimFleet.h"
#include "device_requests.h"
#include "link/message_types.h"
#include "sim_log.h"
#include "survey.h"
#include "tftp_client.h"

namespace cpe::sim {

namespace r = layout::rep;
namespace q = layout::req;

namespace {
const std::vector<std::uint8_t> kOk = {0};
const std::vector<std::uint8_t> kFailed = {1};
} // namespace

void SimFleet::Request(std::size_t i, const Datagram& d, Ipv4 console) {
    SimDevice& dev = devices_[i];
    const double now = loop_.Now();
    const std::uint16_t t = d.msgType;
    if (!dev.Online(now)) {
        Event(i, "ignored while rebooting", {{"msg_type", t}});
        return;
    }
    switch (t) {
    case KORVA_APDiscoverRequest:
        dev.console = console; // the console confirms that it heard the answer; nothing to send
        return;
    case KORVA_APConfigGetRequest:
        dev.console = console;
        Answer(i, t, EncodeReport(dev, dev.UpTime(now)), console, kPortConfig);
        StartHeartbeats(i);
        return;
    case KORVA_APHeartbeatAck:
        ++dev.acks;
        return;
    case KORVA_APUnmanageRequest:
        if (dev.managed) {
            dev.managed = false;
            ++dev.heartbeatGen;
            Event(i, "unmanaged");
        }
        return;
    case KORVA_APSearchApRequest:
        Survey(i, console);
        return;
    case KORVA_APBridgeSetRequest:
        Bridge(i, d, console);
        return;
    case KORVA_APUpgradeRequest:
        Upgrade(i, d, console);
        return;
    case KORVA_APRebootRequest:
    case KORVA_APRestoreRequest:
        if (faults_.Fails(t)) {
            Answer(i, t, kFailed, console, kPortConfig);
            return;
        }
        Answer(i, t, kOk, console, kPortConfig, [this, i, t] {
            SimDevice& dv = devices_[i];
            if (t == KORVA_APRestoreRequest) {
                dv.block = dv.factory;
                PutIp(dv.block, r::kIp, dv.factoryAddress);
                dv.address = dv.factoryAddress;
                Event(i, "restored");
            }
            Reboot(i, t == KORVA_APRestoreRequest ? "restore" : "reboot");
        });
        return;
    case KORVA_APUpgradeStateRequest:
        Answer(i, t, faults_.Fails(t) ? kFailed : kOk, console, kPortConfig);
        return;
    case KORVA_APIpSetRequest:
    case KORVA_APWirelessSetRequest:
    case KORVA_APTimeRebootSetRequest:
    case KORVA_APNameSetRequest:
    case KORVA_APVlanSetRequest:
    case KORVA_APTransparentBridgeRequest:
    case KORVA_APTdMaenRequest:
        Configure(i, d, console);
        return;
    default:
        Event(i, "ignored", {{"msg_type", t}});
        return;
    }
}

void SimFleet::Configure(std::size_t i, const Datagram& d, Ipv4 console) {
    SimDevice& dev = devices_[i];
    const std::uint16_t t = d.msgType;
    if (faults_.Fails(t)) {
        Event(i, "failing on purpose", {{"msg_type", t}});
        Answer(i, t, kFailed, console, kPortConfig);
        return;
    }
    const ConstBytes p(d.payload);
    ApplyResult res;
    switch (t) {
    case KORVA_APIpSetRequest:
        res = ApplyAddressing(dev.block, p);
        break;
    case KORVA_APWirelessSetRequest:
        res = ApplyWireless(dev.block, dev.apType, p);
        break;
    case KORVA_APTimeRebootSetRequest:
        res = ApplySchedule(dev.block, p);
        break;
    case KORVA_APNameSetRequest:
        res = ApplyName(dev.block, p);
        break;
    case KORVA_APVlanSetRequest:
        res = ApplyVlan(dev.block, dev.apType, p);
        break;
    default:
        res = ApplySwitch(dev.block, t, p);
        break;
    }
    if (!res.ok) {
        ++rejected_;
        Event(i, "refused", {{"msg_type", t}, {"reason", res.why}});
        SimLog("device %s refused type %u: %s", MacText(dev.mac).c_str(), static_cast<unsigned>(t),
               res.why.c_str());
        return;
    }
    Event(i, "changed", {{"msg_type", t}, {"fields", res.changed}});
    if (t == KORVA_APIpSetRequest) {
        const Ipv4 ip = GetIp(dev.block, r::kIp);
        const Ipv4 mask = GetIp(dev.block, r::kMask);
        const bool together = Get8(p, q::kIpApplyFlag) == 0;
        // Answer from the old address first, then move.
        Answer(i, t, kOk, console, kPortConfig, [this, i, ip, mask, together] {
            MoveTo(i, ip, mask);
            if (together && devices_[i].vlanRestartPending) {
                Reboot(i, "vlan and address change");
            }
        });
        return;
    }
    if (t == KORVA_APVlanSetRequest) {
        if (Get8(p, q::kVlanWithIpFlag) == 1) {
            // An address change follows; the restart waits for it (or for a while).
            dev.vlanRestartPending = true;
            const std::uint64_t epoch = dev.epoch;
            Answer(i, t, kOk, console, kPortConfig);
            loop_.After(faults_.Scale(timing_.vlanWaitSeconds), [this, i, epoch] {
                if (devices_[i].epoch == epoch && devices_[i].vlanRestartPending) {
                    Reboot(i, "vlan change");
                }
            });
        } else {
            Answer(i, t, kOk, console, kPortConfig, [this, i] { Reboot(i, "vlan change"); });
        }
        return;
    }
    Answer(i, t, kOk, console, kPortConfig);
}

void SimFleet::Survey(std::size_t i, Ipv4 console) {
    std::vector<SurveyEntry> entries;
    for (const Neighbour& n : Neighbours(devices_, i, seed_)) {
        entries.push_back(n.entry);
    }
    const auto packets = EncodeSurvey(entries);
    Event(i, "survey", {{"entries", entries.size()}, {"packets", packets.size()}});
    const double at = faults_.Scale(timing_.surveySeconds);
    for (std::size_t k = 0; k < packets.size(); ++k) {
        Answer(i, KORVA_APSearchApRequest, packets[k], console, kPortConfig, {},
               at + 0.005 * static_cast<double>(k));
    }
}

void SimFleet::Bridge(std::size_t i, const Datagram& d, Ipv4 console) {
    SimDevice& dev = devices_[i];
    if (faults_.Fails(KORVA_APBridgeSetRequest)) {
        Answer(i, KORVA_APBridgeSetRequest, kFailed, console, kPortConfig);
        return;
    }
    BridgeRequest req;
    std::string why;
    if (!ParseBridge(d.payload, req, why)) {
        ++rejected_;
        Event(i, "refused", {{"msg_type", d.msgType}, {"reason", why}});
        return;
    }
    const Neighbour* ap = nullptr;
    const auto heard = Neighbours(devices_, i, seed_);
    for (const Neighbour& n : heard) {
        if (n.entry.mac == req.bridgeMac) {
            ap = &n;
        }
    }
    if (ap == nullptr) {
        why = "access point not heard";
    } else if (ap->entry.ssid != req.ssid) {
        why = "SSID does not match";
    } else if (ap->secureMode > 4 || ap->secureMode != req.secureMode) {
        why = "security mode does not match";
    } else if (req.secureMode == 1 && req.wepKeys[req.wepKeyIndex & 3] != ap->key) {
        why = "wrong key";
    } else if (req.secureMode >= 2 && req.pskKey != ap->key) {
        why = "wrong key";
    }
    if (!why.empty()) {
        Event(i, "bridge failed", {{"reason", why}, {"bridge_mac", MacText(req.bridgeMac)}});
        Answer(i, KORVA_APBridgeSetRequest, kFailed, console, kPortConfig);
        return;
    }
    const ApplyResult res = ApplyBridge(dev.block, d.payload, ap->entry.channel);
    Event(i, "bridged", {{"bridge_mac", MacText(req.bridgeMac)}, {"fields", res.changed}});
    const Ipv4 ip = GetIp(dev.block, r::kIp);
    const Ipv4 mask = GetIp(dev.block, r::kMask);
    Answer(i, KORVA_APBridgeSetRequest, kOk, console, kPortConfig,
           [this, i, ip, mask] { MoveTo(i, ip, mask); });
}

void SimFleet::Upgrade(std::size_t i, const Datagram& d, Ipv4 console) {
    SimDevice& dev = devices_[i];
    UpgradeRequest req;
    std::string why;
    if (!ParseUpgrade(d.payload, req, why)) {
        ++rejected_;
        Event(i, "refused", {{"msg_type", d.msgType}, {"reason", why}});
        return;
    }
    Answer(i, KORVA_APUpgradeRequest, kOk, console, kPortConfig);
    if (dev.upgrading) {
        return; // a repeat of the request that is already being served
    }
    dev.upgrading = true;
    Event(i, "upgrade", {{"file", req.file}, {"size", req.size}});
    const std::uint64_t epoch = dev.epoch;
    const bool fail = faults_.Fails(KORVA_APUpgradeRequest);
    Answer(
        i, KORVA_APUpgradeResult, kOk, console, kPortConfig,
        [this, i, epoch, console, req, fail] {
            if (fail) {
                TftpResult r;
                r.why = "failing on purpose";
                UpgradeDone(i, epoch, console, req.size, r);
                return;
            }
            const Ipv4 local = devices_[i].address;
            const std::uint16_t port = timing_.tftpPort;
            transfers_.emplace_back([this, i, epoch, console, req, local, port] {
                const TftpResult res = TftpFetch(local, console, port, req.file, stopping_);
                if (!stopping_) {
                    loop_.Post([this, i, epoch, console, req, res] {
                        UpgradeDone(i, epoch, console, req.size, res);
                    });
                }
            });
        },
        faults_.Scale(1.0));
}

void SimFleet::UpgradeDone(std::size_t i, std::uint64_t epoch, Ipv4 console, std::uint32_t announced,
                           const TftpResult& result) {
    SimDevice& dev = devices_[i];
    if (dev.epoch != epoch) {
        return;
    }
    const bool ok = result.ok && result.bytes == announced;
    Event(i, "transfer",
          {{"ok", ok},
           {"bytes", result.bytes},
           {"announced", announced},
           {"reason", ok          ? ""
                      : result.ok ? "size differs from the announced size"
                                  : result.why}});
    if (!ok) {
        dev.upgrading = false;
        Answer(i, KORVA_APUpgradeResult, Payload{1}, console, kPortConfig);
        return;
    }
    Answer(
        i, KORVA_APUpgradeResult, Payload{2}, console, kPortConfig,
        [this, i] {
            SimDevice& dv = devices_[i];
            const std::string next =
                NextVersion(GetText(dv.block, r::kVersion, r::kTextWidth, r::kVersionLen));
            PutText(dv.block, r::kVersion, r::kTextWidth, r::kVersionLen, next);
            Event(i, "upgraded", {{"version", next}});
            Reboot(i, "upgrade");
        },
        faults_.Scale(timing_.upgradeFlashSeconds));
}

} // namespace cpe::sim
