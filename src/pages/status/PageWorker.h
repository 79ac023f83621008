#pragma once

#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace cpe {

// One recorded worker thread of a page. Starting a new one stops the earlier one cooperatively
// and joins it, so two workers of one kind never send at the same time.
class PageWorker {
public:
    using Job = std::function<void(std::stop_token)>;

    PageWorker() = default;
    ~PageWorker() { Stop(); }
    PageWorker(const PageWorker&) = delete;
    PageWorker& operator=(const PageWorker&) = delete;

    void Start(Job job) {
        std::lock_guard guard(lock_);
        StopLocked();
        thread_ = std::jthread(std::move(job));
    }
    void Stop() {
        std::lock_guard guard(lock_);
        StopLocked();
    }
    // Waits for the current job to finish by itself.
    void Join() {
        std::lock_guard guard(lock_);
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    bool recorded() const { return thread_.joinable(); }

private:
    std::mutex lock_;
    std::jthread thread_;

    void StopLocked() {
        if (thread_.joinable()) {
            thread_.request_stop();
            thread_.join();
        }
    }
};

} // namespace cpe
