#pragma once

#include "sim_bytes.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

namespace cpe::sim {

// Appends one JSON object per line: every datagram received or sent, and every state change of
// a device. Each line is flushed at once so that a test can read the file while the run goes on.
class EventLog {
public:
    EventLog() = default;
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    bool Open(const std::string& path); // appends; false when the file cannot be opened
    bool IsOpen() const { return file_ != nullptr; }

    struct Wire {
        const char* dir;            // "rx" or "tx"
        std::uint16_t port;         // local port of a received datagram, destination port of a sent one
        std::string peer;           // remote address:port
        std::string local;          // the device address that sent it, or the address it was received on
        ConstBytes datagram;        // the bytes as they went on the wire
        const char* note = nullptr; // fault or reason ("duplicate", "malformed", "offline", ...)
    };
    void Datagram(const Wire& w);
    void State(const Mac& mac, const std::string& what, const nlohmann::json& detail = {});
    void Line(nlohmann::json line); // any other record; "time" is added

private:
    void Write(nlohmann::json& line);
    std::FILE* file_ = nullptr;
};

double WallSeconds();

} // namespace cpe::sim
