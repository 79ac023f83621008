#pragma once

#include "link/IDeviceStore.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace cpe {

// Writes heartbeat up-times to the store off the heartbeat thread. A store write costs far more
// than a heartbeat, so under load the newest value per device replaces the one still waiting:
// acknowledgements never wait for the store and memory stays one entry per managed device.
class UpTimeWriter {
public:
    explicit UpTimeWriter(IDeviceStore& store) : store_(store) {}
    ~UpTimeWriter() { Stop(); }
    UpTimeWriter(const UpTimeWriter&) = delete;
    UpTimeWriter& operator=(const UpTimeWriter&) = delete;

    void Start();
    // Writes what is still waiting, then ends the thread.
    void Stop();
    // Without a running thread the write happens at once, on the caller's thread.
    void Post(const std::string& mac, const std::string& ip, std::uint32_t upTime);

private:
    struct Pending {
        std::string ip;
        std::uint32_t upTime = 0;
    };
    IDeviceStore& store_;
    std::mutex mutex_;
    std::condition_variable cv_;
    std::unordered_map<std::string, Pending> pending_;
    std::vector<std::string> order_; // arrival order of the waiting MACs
    bool running_ = false;
    bool stopping_ = false;
    std::thread thread_;

    void Run();
};

} // namespace cpe
