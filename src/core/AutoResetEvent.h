#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace cpe {

// An event that releases one waiter per Set() and then resets itself; a Set() with nobody waiting
// is kept until the next Wait().
class AutoResetEvent {
public:
    void Set() {
        {
            std::lock_guard lock(mutex_);
            signalled_ = true;
        }
        cv_.notify_one();
    }

    void Wait() {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [this] { return signalled_; });
        signalled_ = false;
    }

    // False when the time ran out without a Set().
    bool WaitFor(std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex_);
        if (!cv_.wait_for(lock, timeout, [this] { return signalled_; })) {
            return false;
        }
        signalled_ = false;
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool signalled_ = false;
};

} // namespace cpe
