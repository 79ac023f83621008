#include "SimProcess.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef CPE_SIM_PATH
#define CPE_SIM_PATH "cpe-sim"
#endif

namespace cpe::e2e {

std::string SimProcess::DefaultPath() {
    const char* dir = std::getenv("CPE_BIN_DIR");
    if (dir != nullptr && *dir != 0) {
        const std::string path = std::string(dir) + "/cpe-sim";
        if (access(path.c_str(), X_OK) == 0) {
            return path;
        }
    }
    return CPE_SIM_PATH;
}

bool SimProcess::Running() const {
    return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0;
}

bool SimProcess::Start(const std::vector<std::string>& args, std::chrono::milliseconds timeout,
                       std::string& why, const std::vector<std::string>& prefix) {
    Stop();
    std::vector<std::string> argv = prefix;
    argv.push_back(DefaultPath());
    argv.insert(argv.end(), args.begin(), args.end());
    char errTemplate[] = "/tmp/cpe-sim-stderr-XXXXXX";
    const int errFd = mkstemp(errTemplate);
    stderrPath_ = errTemplate;
    int out[2];
    if (errFd < 0 || pipe2(out, O_CLOEXEC) != 0) {
        why = "cannot create pipes";
        return false;
    }
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], 1);
        dup2(errFd, 2);
        std::vector<char*> cargv;
        for (auto& a : argv) {
            cargv.push_back(a.data());
        }
        cargv.push_back(nullptr);
        execvp(cargv[0], cargv.data());
        _exit(127);
    }
    close(out[1]);
    close(errFd);
    stdout_ = out[0];
    std::string seen;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{stdout_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count()) + 1) <= 0) {
            continue;
        }
        char buf[256];
        const ssize_t n = read(stdout_, buf, sizeof buf);
        if (n <= 0) {
            break; // the child closed its output: it ended
        }
        seen.append(buf, static_cast<std::size_t>(n));
        if (seen.find("ready\n") != std::string::npos) {
            return true;
        }
    }
    std::ifstream err(stderrPath_);
    std::stringstream text;
    text << err.rdbuf();
    why = "cpe-sim did not report ready within " + std::to_string(timeout.count()) +
          " ms; stderr: " + text.str();
    Stop();
    return false;
}

int SimProcess::Stop(std::chrono::milliseconds grace) {
    if (pid_ <= 0) {
        return -1;
    }
    int status = 0;
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + grace;
    pid_t done = 0;
    while ((done = waitpid(pid_, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (done == 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
    }
    pid_ = -1;
    if (stdout_ >= 0) {
        close(stdout_);
        stdout_ = -1;
    }
    if (!stderrPath_.empty()) {
        unlink(stderrPath_.c_str());
        stderrPath_.clear();
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace cpe::e2e
