#pragma once

#include "sim_bytes.h"

#include <atomic>
#include <cstdint>
#include <string>

namespace cpe::sim {

struct TftpResult {
    bool ok = false;
    std::uint64_t bytes = 0;
    std::string why;
};

// Reads a file by TFTP (RFC 1350, octet mode, asking for the tsize and blksize options of RFC
// 2348/2349 and falling back to plain transfers) from `server`:`port`, sending from `local`. The
// data is counted, not kept. Gives up after 5 silent retries of 1 s, or when `stop` is set.
TftpResult TftpFetch(Ipv4 local, Ipv4 server, std::uint16_t port, const std::string& file,
                     const std::atomic<bool>& stop);

} // namespace cpe::sim
