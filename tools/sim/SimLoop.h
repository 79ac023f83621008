#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <queue>
#include <vector>

namespace cpe::sim {

// A single-threaded event loop: file descriptors, timers on a monotonic run clock, work posted
// from other threads, and SIGTERM/SIGINT (which end the run). Everything the devices do runs here.
class SimLoop {
public:
    SimLoop();
    ~SimLoop();
    SimLoop(const SimLoop&) = delete;
    SimLoop& operator=(const SimLoop&) = delete;

    bool Ok() const { return signalFd_ >= 0 && wakeFd_ >= 0; }
    double Now() const; // seconds since the loop was made
    void After(double seconds, std::function<void()> fn);
    void Watch(int fd, std::function<void()> onReadable);
    void Post(std::function<void()> fn); // from any thread
    // Runs until a signal arrives, Stop() is called or `duration` seconds pass (<= 0: no limit).
    void Run(double duration);
    void Stop() { stop_ = true; }

private:
    struct Timer {
        double when;
        std::uint64_t seq;
        std::function<void()> fn;
        bool operator>(const Timer& o) const { return when != o.when ? when > o.when : seq > o.seq; }
    };
    void RunDue();
    void DrainPosted();

    std::priority_queue<Timer, std::vector<Timer>, std::greater<>> timers_;
    std::uint64_t seq_ = 0;
    std::vector<std::pair<int, std::function<void()>>> watched_;
    std::mutex postedLock_;
    std::vector<std::function<void()>> posted_;
    int signalFd_ = -1;
    int wakeFd_ = -1;
    bool stop_ = false;
    double start_ = 0;
};

} // namespace cpe::sim
