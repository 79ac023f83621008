#pragma once

#include <cstddef>
#include <deque>
#include <mutex>

namespace cpe {

// A FIFO with a fixed capacity shared by one producer and one consumer thread: a push beyond the
// capacity drops the item and counts it, so a flood costs a counter instead of memory.
template <typename T>
class BoundedQueue {
public:
    explicit BoundedQueue(std::size_t capacity) : capacity_(capacity) {}

    // False when the queue was full and the item was dropped.
    bool Push(const T& item) {
        std::lock_guard lock(mutex_);
        if (items_.size() >= capacity_) {
            ++dropped_;
            return false;
        }
        items_.push_back(item);
        return true;
    }

    // Moves everything queued into `out` (emptied first) in one step.
    void TakeAll(std::deque<T>& out) {
        out.clear();
        std::lock_guard lock(mutex_);
        out.swap(items_);
    }

    // The number of drops since the last call.
    std::size_t TakeDropped() {
        std::lock_guard lock(mutex_);
        std::size_t n = dropped_;
        dropped_ = 0;
        return n;
    }

    std::size_t size() const {
        std::lock_guard lock(mutex_);
        return items_.size();
    }
    std::size_t capacity() const { return capacity_; }

private:
    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::deque<T> items_;
    std::size_t dropped_ = 0;
};

} // namespace cpe
