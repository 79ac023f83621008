#include "link/UpTimeWriter.h"

namespace cpe {

void UpTimeWriter::Start() {
    Stop();
    std::lock_guard lock(mutex_);
    running_ = true;
    stopping_ = false;
    thread_ = std::thread([this] { Run(); });
}

void UpTimeWriter::Stop() {
    {
        std::lock_guard lock(mutex_);
        if (!running_) {
            return;
        }
        stopping_ = true;
    }
    cv_.notify_all();
    thread_.join();
    std::lock_guard lock(mutex_);
    running_ = false;
}

void UpTimeWriter::Post(const std::string& mac, const std::string& ip, std::uint32_t upTime) {
    {
        std::lock_guard lock(mutex_);
        if (running_) {
            auto [it, added] = pending_.try_emplace(mac);
            it->second = {ip, upTime};
            if (added) {
                order_.push_back(mac);
            }
            cv_.notify_one();
            return;
        }
    }
    store_.UpdateApUpTime(mac, ip, upTime);
}

void UpTimeWriter::Run() {
    std::unordered_map<std::string, Pending> batch;
    std::vector<std::string> order;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            cv_.wait(lock, [this] { return stopping_ || !order_.empty(); });
            if (order_.empty()) {
                return; // stopping with nothing left
            }
            batch.swap(pending_);
            order.swap(order_);
            pending_.clear();
            order_.clear();
        }
        for (const auto& mac : order) {
            const Pending& p = batch[mac];
            store_.UpdateApUpTime(mac, p.ip, p.upTime);
        }
        batch.clear();
        order.clear();
    }
}

} // namespace cpe
