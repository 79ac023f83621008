#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace cpe::e2e {

// cpe-sim as a child process: started with arguments (optionally behind a prefix such as
// "ip netns exec NAME"), ready once it printed "ready", stopped by its pid.
class SimProcess {
public:
    SimProcess() = default;
    ~SimProcess() { Stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The cpe-sim of this build: $CPE_BIN_DIR/cpe-sim, else the path compiled in.
    static std::string DefaultPath();

    // Starts the simulator and waits up to `timeout` for its "ready" line. On failure the child
    // is stopped and `why` says what happened (with the child's stderr when it exited).
    bool Start(const std::vector<std::string>& args, std::chrono::milliseconds timeout, std::string& why,
               const std::vector<std::string>& prefix = {});

    // SIGTERM, then SIGKILL after `grace`. Returns the exit status (-1 when never started).
    int Stop(std::chrono::milliseconds grace = std::chrono::milliseconds(3000));

    pid_t Pid() const { return pid_; }
    bool Running() const;

private:
    pid_t pid_ = -1;
    int stdout_ = -1;
    std::string stderrPath_;
};

} // namespace cpe::e2e
