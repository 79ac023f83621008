#pragma once

namespace cpe {

// The wait dialog's clock: one tick each 500 ms for twice the duration in seconds. Near the end it
// can release the managed devices once and repeat discovery a number of times, six ticks apart,
// so that devices that restart or move are found again.
class WaitSchedule {
public:
    static constexpr int kTickMs = 500;

    struct Step {
        bool unmanage = false; // release every managed device (before the first pass only)
        bool discover = false; // run one discovery pass
        int progress = 0;      // progress position, 0..ticks()
        bool close = false;    // the dialog ends with this tick
    };

    WaitSchedule(int seconds, bool rediscover, int passes);

    // One timer tick. After the closing tick (or Close) every step is empty.
    Step Tick();
    // The close button: the dialog ends now and the passes not yet run are skipped.
    void Close() { closed_ = true; }

    int ticks() const { return ticks_; }
    bool closed() const { return closed_; }
    int passesLeft() const { return left_; }

private:
    int ticks_;
    int counter_ = 1;
    bool rediscover_;
    int passes_;
    int left_;
    bool closed_ = false;
};

} // namespace cpe
