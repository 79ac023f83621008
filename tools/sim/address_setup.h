#pragma once

#include "sim_bytes.h"

#include <string>
#include <vector>

// Where the devices live: 127.x addresses on loopback (all of 127/8 is local already), or
// addresses the simulator adds to a namespace interface.
namespace cpe::sim {

struct Cidr {
    Ipv4 base = 0;
    int prefix = 0;
};
bool ParseCidr(const std::string& text, Cidr& out);
Ipv4 MaskOf(int prefix);
int PrefixOf(Ipv4 mask); // -1 when the mask is not contiguous

// `count` device addresses inside the block: the first host is left for the console (or a
// gateway), and addresses ending in .0 or .255 are skipped.
bool HostAddresses(const Cidr& cidr, std::size_t count, std::vector<Ipv4>& out, std::string& why);

// True when a socket can be bound to the address, that is, it is one of this namespace's.
bool IsLocalAddress(Ipv4 addr);

// Index and first IPv4 address of an interface.
bool InterfaceInfo(const std::string& name, unsigned& index, Ipv4& addr, std::string& why);

// Adds addresses to an interface with one `ip -batch` run; addresses already present are fine.
bool AddAddresses(const std::string& ifname, const std::vector<Ipv4>& addrs, int prefix, std::string& why);

} // namespace cpe::sim
