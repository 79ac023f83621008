// cpe-sim: a fleet of simulated CPE devices for tests, demos and benchmarks.
#include "EventLog.h"
#include "FaultPlan.h"
#include "SimFleet.h"
#include "SimLoop.h"
#include "SimSockets.h"
#include "address_setup.h"
#include "fleet_gen.h"
#include "fleet_json.h"
#include "sim_log.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sys/resource.h>

using namespace cpe::sim;

namespace {

struct Args {
    std::size_t devices = 10;
    std::uint64_t seed = 1;
    std::string fleetFile, dumpFile, interface, addresses, events;
    bool loopback = false, quiet = false;
    double duration = 0;
    std::string delay, silent, fail;
    FleetTiming timing;
    FaultOptions faults;
};

void RaiseFileLimit() {
    rlimit lim{};
    if (getrlimit(RLIMIT_NOFILE, &lim) == 0 && lim.rlim_cur < lim.rlim_max) {
        lim.rlim_cur = lim.rlim_max;
        setrlimit(RLIMIT_NOFILE, &lim);
    }
}

int Fail(const std::string& why) {
    std::fprintf(stderr, "cpe-sim: %s\n", why.c_str());
    return 1;
}

bool BuildFleet(const Args& a, const Cidr& cidr, std::vector<SimDevice>& fleet, std::string& why) {
    nlohmann::json doc;
    std::size_t count = a.devices;
    if (!a.fleetFile.empty()) {
        std::ifstream in(a.fleetFile);
        if (!in) {
            why = "cannot read " + a.fleetFile;
            return false;
        }
        doc = nlohmann::json::parse(in, nullptr, false);
        if (doc.is_discarded()) {
            why = a.fleetFile + ": not valid JSON";
            return false;
        }
        count = doc.contains("devices") && doc["devices"].is_array() ? doc["devices"].size() : 0;
    }
    AddressPlan plan;
    if (!HostAddresses(cidr, count, plan.addresses, why)) {
        return false;
    }
    plan.mask = MaskOf(cidr.prefix);
    plan.gateway = cidr.base + 1;
    if (a.fleetFile.empty()) {
        fleet = GenerateFleet(a.seed, plan);
        return true;
    }
    if (!FleetFromJson(doc, a.seed, plan, fleet, why)) {
        why = a.fleetFile + ": " + why;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
    Args a;
    CLI::App app{"cpe-sim: a fleet of simulated CPE devices"};
    app.add_option("--devices", a.devices, "number of generated devices")->check(CLI::Range(1, 60000));
    app.add_option("--seed", a.seed, "seed of the generated fleet and of the faults");
    app.add_option("--fleet", a.fleetFile, "JSON file with explicit devices")->check(CLI::ExistingFile);
    app.add_option("--dump-fleet", a.dumpFile, "write the fleet as JSON to this file");
    auto* lo = app.add_flag("--loopback", a.loopback, "devices on 127.x addresses");
    auto* itf = app.add_option("--interface", a.interface, "devices on addresses of this interface");
    lo->excludes(itf);
    app.add_option("--addresses", a.addresses,
                   "address block of the devices (default 127.1.0.0/16 on loopback)");
    app.add_option("--reboot-seconds", a.timing.rebootSeconds, "silent time of a reboot")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--heartbeat-seconds", a.timing.heartbeatSeconds, "heartbeat period")
        ->check(CLI::PositiveNumber);
    app.add_option("--answer-spread-ms", a.timing.answerSpreadMs,
                   "window over which discovery answers spread")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--survey-seconds", a.timing.surveySeconds, "time a survey takes")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--tftp-port", a.timing.tftpPort, "port of the console's file server");
    app.add_option("--loss", a.faults.loss, "probability that a datagram is lost")
        ->check(CLI::Range(0.0, 1.0));
    app.add_option("--duplicate", a.faults.duplicate, "probability that a datagram goes out twice")
        ->check(CLI::Range(0.0, 1.0));
    app.add_option("--malformed", a.faults.malformed, "probability that a datagram goes out cut or corrupted")
        ->check(CLI::Range(0.0, 1.0));
    app.add_option("--delay-ms", a.delay, "answer delay range A-B in milliseconds");
    app.add_option("--silent", a.silent, "message types never answered, e.g. 2,9");
    app.add_option("--fail", a.fail, "message types answered with a failure, e.g. 7,11");
    app.add_option("--time-scale", a.faults.timeScale, "factor for every device delay")
        ->check(CLI::PositiveNumber);
    app.add_option("--events", a.events, "append one JSON line per datagram and state change");
    app.add_option("--duration", a.duration, "end after this many seconds")->check(CLI::NonNegativeNumber);
    app.add_flag("--quiet", a.quiet, "no diagnostics on stderr");
    CLI11_PARSE(app, argc, argv);
    SetSimLogQuiet(a.quiet);

    std::string why;
    if (!a.loopback && a.interface.empty()) {
        return Fail("choose --loopback or --interface IF --addresses CIDR");
    }
    if (!a.interface.empty() && a.addresses.empty()) {
        return Fail("--interface needs --addresses CIDR");
    }
    if ((!a.delay.empty() && !ParseDelayRange(a.delay, a.faults.delayMinMs, a.faults.delayMaxMs, why)) ||
        (!a.silent.empty() && !ParseTypeList(a.silent, a.faults.silent, why)) ||
        (!a.fail.empty() && !ParseTypeList(a.fail, a.faults.fail, why))) {
        return Fail(why);
    }
    Cidr cidr;
    const std::string block = a.addresses.empty() ? "127.1.0.0/16" : a.addresses;
    if (!ParseCidr(block, cidr)) {
        return Fail("not an address block: " + block);
    }
    std::vector<SimDevice> fleet;
    if (!BuildFleet(a, cidr, fleet, why)) {
        return Fail(why);
    }
    if (!a.dumpFile.empty()) {
        std::ofstream out(a.dumpFile);
        out << FleetToJson(fleet).dump(1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
        if (!out) {
            return Fail("cannot write " + a.dumpFile);
        }
    }
    RaiseFileLimit();

    const std::string ifname = a.loopback ? "lo" : a.interface;
    unsigned ifindex = 0;
    Ipv4 ifaddr = 0;
    if (!InterfaceInfo(ifname, ifindex, ifaddr, why)) {
        return Fail(why);
    }
    if (a.loopback) {
        ParseIp("127.0.0.1", ifaddr);
    }
    std::vector<Ipv4> addrs;
    for (const SimDevice& d : fleet) {
        addrs.push_back(d.address);
    }
    if (!AddAddresses(ifname, addrs, a.loopback ? 8 : cidr.prefix, why)) {
        return Fail(why);
    }
    AddressAdder adder = [ifname, loopback = a.loopback](Ipv4 addr, Ipv4 mask, std::string& w) {
        const int prefix = PrefixOf(mask);
        return AddAddresses(ifname, {addr}, loopback ? 32 : (prefix > 0 ? prefix : 24), w);
    };

    EventLog events;
    if (!a.events.empty() && !events.Open(a.events)) {
        return Fail("cannot open the event log " + a.events);
    }
    SimLoop loop;
    SimSockets sockets;
    if (!loop.Ok() || !sockets.Open(ifindex, ifaddr, why)) {
        return Fail("cannot listen: " + why);
    }
    FaultPlan faults(a.faults, a.seed);
    SimFleet sim(std::move(fleet), a.timing, a.seed, loop, sockets, faults, events, adder);
    loop.Watch(sockets.DiscoveryFd(), [&sim] { sim.OnDiscoveryReadable(); });
    loop.Watch(sockets.RequestFd(), [&sim] { sim.OnRequestReadable(); });
    events.Line({{"event", "ready"},
                 {"devices", sim.Devices().size()},
                 {"interface", ifname},
                 {"seed", a.seed},
                 {"startup_seconds",
                  std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count()}});
    std::cout << "ready" << std::endl;
    loop.Run(a.duration);
    events.Line(sim.Stats());
    return 0;
}
