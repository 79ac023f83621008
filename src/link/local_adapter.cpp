#include "link/local_adapter.h"

#include <arpa/inet.h>
#include <cstring>
#include <filesystem>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <net/if_arp.h>

namespace cpe {
namespace {

std::optional<std::uint32_t> ParseIpv4(const std::string& text) {
    in_addr addr{};
    if (text.empty() || inet_pton(AF_INET, text.c_str(), &addr) != 1) {
        return std::nullopt;
    }
    return ntohl(addr.s_addr);
}

std::string Ipv4Text(const sockaddr* sa) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(sa)->sin_addr, text, sizeof text);
    return text;
}

// The driver behind the interface, as sysfs names it; virtual interfaces have none.
std::string Description(const std::string& name) {
    std::error_code ec;
    auto driver = std::filesystem::read_symlink("/sys/class/net/" + name + "/device/driver", ec);
    if (!ec && !driver.filename().empty()) {
        return driver.filename().string() + " (" + name + ")";
    }
    return name;
}

LocalAdapter* FindByName(std::vector<LocalAdapter>& list, const char* name) {
    for (auto& a : list) {
        if (a.name == name) {
            return &a;
        }
    }
    return nullptr;
}

} // namespace

std::vector<LocalAdapter> EnumerateSystemAdapters() {
    std::vector<LocalAdapter> all;
    ifaddrs* head = nullptr;
    if (getifaddrs(&head) != 0) {
        return all;
    }
    for (ifaddrs* ifa = head; ifa; ifa = ifa->ifa_next) {
        if (!ifa->ifa_addr || !(ifa->ifa_flags & IFF_UP)) {
            continue;
        }
        LocalAdapter* adapter = FindByName(all, ifa->ifa_name);
        if (!adapter) {
            all.push_back(LocalAdapter{});
            adapter = &all.back();
            adapter->name = ifa->ifa_name;
            adapter->ifindex = if_nametoindex(ifa->ifa_name);
        }
        if (ifa->ifa_addr->sa_family == AF_PACKET) {
            auto* ll = reinterpret_cast<const sockaddr_ll*>(ifa->ifa_addr);
            adapter->kind = ll->sll_hatype == ARPHRD_ETHER ? kAdapterKindEthernet : 0;
            if (ll->sll_halen == 6) {
                std::memcpy(adapter->mac.data(), ll->sll_addr, 6);
            }
        } else if (ifa->ifa_addr->sa_family == AF_INET && ifa->ifa_netmask &&
                   adapter->addresses.size() < kMaxAdapterAddresses) {
            adapter->addresses.push_back({Ipv4Text(ifa->ifa_addr), Ipv4Text(ifa->ifa_netmask)});
        }
    }
    freeifaddrs(head);
    std::vector<LocalAdapter> out;
    for (auto& a : all) {
        if (a.kind == kAdapterKindEthernet && !a.addresses.empty()) {
            a.description = Description(a.name);
            out.push_back(std::move(a));
        }
    }
    return out;
}

std::vector<LocalAdapter> LoopbackAdapters() {
    LocalAdapter lo;
    lo.kind = kAdapterKindEthernet;
    lo.name = "lo";
    lo.description = "Loopback (lo)";
    lo.ifindex = if_nametoindex("lo");
    lo.addresses.push_back({"127.0.0.1", "255.0.0.0"});
    return {lo};
}

std::vector<DiscoverTarget> BuildDiscoverTargets(const std::vector<LocalAdapter>& adapters) {
    std::vector<DiscoverTarget> out;
    for (const auto& a : adapters) {
        if (a.kind != kAdapterKindEthernet) {
            continue;
        }
        for (const auto& addr : a.addresses) {
            auto broadcast = addr.address.empty() ? std::nullopt : DirectedBroadcast(addr.address, addr.mask);
            if (!broadcast) {
                continue;
            }
            bool repeat = false;
            for (const auto& t : out) {
                repeat = repeat || (t.broadcast == *broadcast && t.mac == a.mac);
            }
            if (!repeat) {
                out.push_back({*broadcast, a.mac, a.name, addr.address, a.ifindex});
            }
        }
    }
    return out;
}

bool InSubnet(const std::string& address, const std::string& mask, const std::string& device) {
    auto a = ParseIpv4(address);
    auto m = ParseIpv4(mask);
    auto d = ParseIpv4(device);
    if (!a || !m || !d || *a == 0 || *m == 0 || *d == 0) {
        return false;
    }
    return (*a & *m) == (*d & *m);
}

std::optional<std::string> DirectedBroadcast(const std::string& address, const std::string& mask) {
    auto a = ParseIpv4(address);
    auto m = ParseIpv4(mask);
    if (!a || !m || *a == 0 || *m == 0) {
        return std::nullopt;
    }
    in_addr b{htonl(*a | ~*m)};
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &b, text, sizeof text);
    return std::string(text);
}

} // namespace cpe
