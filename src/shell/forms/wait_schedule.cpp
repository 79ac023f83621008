#include "shell/forms/wait_schedule.h"

#include <algorithm>

namespace cpe {

WaitSchedule::WaitSchedule(int seconds, bool rediscover, int passes)
    : ticks_(std::max(0, seconds) * 2), rediscover_(rediscover), passes_(std::max(0, passes)),
      left_(passes_) {}

WaitSchedule::Step WaitSchedule::Tick() {
    Step step;
    if (closed_) {
        return step;
    }
    ++counter_;
    // Passes are taken strictly in order: one whose tick has gone by holds back all later ones.
    if (rediscover_ && left_ > 0 && counter_ == ticks_ - 6 * left_ + 6) {
        step.unmanage = left_ == passes_;
        --left_;
        step.discover = true;
    }
    if (counter_ < ticks_) {
        step.progress = counter_;
    } else {
        step.progress = ticks_;
        step.close = true;
        closed_ = true;
    }
    return step;
}

} // namespace cpe
