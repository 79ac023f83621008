#include "SimLoop.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <poll.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace cpe::sim {

namespace {
double Monotonic() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

SimLoop::SimLoop() : start_(Monotonic()) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    // Threads started later inherit the mask, so the signals always arrive here.
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    signalFd_ = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

SimLoop::~SimLoop() {
    if (signalFd_ >= 0) {
        close(signalFd_);
    }
    if (wakeFd_ >= 0) {
        close(wakeFd_);
    }
}

double SimLoop::Now() const {
    return Monotonic() - start_;
}

void SimLoop::After(double seconds, std::function<void()> fn) {
    timers_.push(Timer{Now() + std::max(0.0, seconds), seq_++, std::move(fn)});
}

void SimLoop::Watch(int fd, std::function<void()> onReadable) {
    watched_.emplace_back(fd, std::move(onReadable));
}

void SimLoop::Post(std::function<void()> fn) {
    {
        std::lock_guard lock(postedLock_);
        posted_.push_back(std::move(fn));
    }
    const std::uint64_t one = 1;
    (void)!write(wakeFd_, &one, sizeof one);
}

void SimLoop::DrainPosted() {
    std::uint64_t count = 0;
    (void)!read(wakeFd_, &count, sizeof count);
    std::vector<std::function<void()>> work;
    {
        std::lock_guard lock(postedLock_);
        work.swap(posted_);
    }
    for (auto& fn : work) {
        fn();
    }
}

void SimLoop::RunDue() {
    // Timers added while running wait for the next round, so a zero delay cannot starve the sockets.
    const double now = Now();
    std::size_t budget = timers_.size();
    while (budget-- > 0 && !timers_.empty() && timers_.top().when <= now) {
        Timer t = timers_.top();
        timers_.pop();
        t.fn();
    }
}

void SimLoop::Run(double duration) {
    const double end = duration > 0 ? Now() + duration : -1;
    std::vector<pollfd> fds;
    while (!stop_) {
        RunDue();
        double now = Now();
        if (end >= 0 && now >= end) {
            break;
        }
        double wait = 1.0;
        if (!timers_.empty()) {
            wait = std::min(wait, timers_.top().when - now);
        }
        if (end >= 0) {
            wait = std::min(wait, end - now);
        }
        const int timeoutMs = static_cast<int>(std::ceil(std::max(0.0, wait) * 1000));
        fds.clear();
        fds.push_back({signalFd_, POLLIN, 0});
        fds.push_back({wakeFd_, POLLIN, 0});
        for (const auto& w : watched_) {
            fds.push_back({w.first, POLLIN, 0});
        }
        const int n = poll(fds.data(), fds.size(), timeoutMs);
        if (n < 0 && errno != EINTR) {
            break;
        }
        if (n <= 0) {
            continue;
        }
        if (fds[0].revents & POLLIN) {
            signalfd_siginfo info;
            (void)!read(signalFd_, &info, sizeof info);
            break;
        }
        if (fds[1].revents & POLLIN) {
            DrainPosted();
        }
        for (std::size_t i = 2; i < fds.size(); ++i) {
            if (fds[i].revents & (POLLIN | POLLERR)) {
                watched_[i - 2].second();
            }
        }
    }
}

} // namespace cpe::sim
