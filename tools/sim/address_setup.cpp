#include "address_setup.h"

#include <arpa/inet.h>
#include <cstdio>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace cpe::sim {

bool ParseCidr(const std::string& text, Cidr& out) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) {
        return false;
    }
    Ipv4 base = 0;
    if (!ParseIp(text.substr(0, slash), base)) {
        return false;
    }
    const std::string p = text.substr(slash + 1);
    if (p.empty() || p.size() > 2 || p.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const int prefix = std::stoi(p);
    if (prefix < 8 || prefix > 30) {
        return false;
    }
    out = Cidr{base & MaskOf(prefix), prefix};
    return true;
}

Ipv4 MaskOf(int prefix) {
    return prefix <= 0 ? 0 : prefix >= 32 ? 0xFFFFFFFF : ~((1u << (32 - prefix)) - 1);
}

int PrefixOf(Ipv4 mask) {
    for (int p = 0; p <= 32; ++p) {
        if (MaskOf(p) == mask) {
            return p;
        }
    }
    return -1;
}

bool HostAddresses(const Cidr& cidr, std::size_t count, std::vector<Ipv4>& out, std::string& why) {
    const Ipv4 last = cidr.base | ~MaskOf(cidr.prefix);
    out.clear();
    for (Ipv4 a = cidr.base + 2; a < last && out.size() < count; ++a) {
        const unsigned low = a & 0xFF;
        if (low == 0 || low == 255) {
            continue;
        }
        out.push_back(a);
    }
    if (out.size() < count) {
        why = "the address block holds only " + std::to_string(out.size()) + " device addresses";
        return false;
    }
    return true;
}

bool IsLocalAddress(Ipv4 addr) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(addr);
    const bool ok = bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) == 0;
    close(fd);
    return ok;
}

bool InterfaceInfo(const std::string& name, unsigned& index, Ipv4& addr, std::string& why) {
    index = if_nametoindex(name.c_str());
    if (index == 0) {
        why = "no interface " + name;
        return false;
    }
    addr = 0;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) == 0) {
        for (ifaddrs* i = list; i != nullptr; i = i->ifa_next) {
            if (i->ifa_addr != nullptr && i->ifa_addr->sa_family == AF_INET && name == i->ifa_name) {
                addr = ntohl(reinterpret_cast<sockaddr_in*>(i->ifa_addr)->sin_addr.s_addr);
                break;
            }
        }
        freeifaddrs(list);
    }
    return true;
}

bool AddAddresses(const std::string& ifname, const std::vector<Ipv4>& addrs, int prefix, std::string& why) {
    std::string script;
    for (Ipv4 a : addrs) {
        if (!IsLocalAddress(a)) {
            script += "addr add " + IpText(a) + "/" + std::to_string(prefix) + " dev " + ifname + "\n";
        }
    }
    if (script.empty()) {
        return true;
    }
    int in[2];
    if (pipe(in) != 0) {
        why = "pipe failed";
        return false;
    }
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, in[0], 0);
    posix_spawn_file_actions_addclose(&fa, in[1]);
    char* argv[] = {const_cast<char*>("ip"), const_cast<char*>("-force"), const_cast<char*>("-batch"),
                    const_cast<char*>("-"), nullptr};
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, "ip", &fa, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&fa);
    close(in[0]);
    if (rc != 0) {
        close(in[1]);
        why = "cannot run ip: " + std::string(std::strerror(rc));
        return false;
    }
    std::size_t done = 0;
    while (done < script.size()) {
        const ssize_t n = write(in[1], script.data() + done, script.size() - done);
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    close(in[1]);
    int status = 0;
    waitpid(pid, &status, 0);
    for (Ipv4 a : addrs) {
        if (!IsLocalAddress(a)) {
            why = "could not add " + IpText(a) + " to " + ifname;
            return false;
        }
    }
    return true;
}

} // namespace cpe::sim
