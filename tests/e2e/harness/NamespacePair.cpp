#include "NamespacePair.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cpe::e2e {

int RunCommand(const std::vector<std::string>& argv, std::string* output) {
    int pipeFd[2];
    if (pipe(pipeFd) != 0) {
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFd[1], 1);
        dup2(pipeFd[1], 2);
        close(pipeFd[0]);
        close(pipeFd[1]);
        std::vector<char*> args;
        for (const auto& a : argv) {
            args.push_back(const_cast<char*>(a.c_str()));
        }
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(pipeFd[1]);
    std::string text;
    char buf[512];
    ssize_t n = 0;
    while ((n = read(pipeFd[0], buf, sizeof buf)) > 0) {
        text.append(buf, static_cast<std::size_t>(n));
    }
    close(pipeFd[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (output != nullptr) {
        *output = text;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool NamespacePair::Available(std::string& why) {
    if (geteuid() != 0) {
        why = "needs root to create network namespaces and veth pairs";
        return false;
    }
    std::string out;
    if (RunCommand({"ip", "netns", "list"}, &out) != 0) {
        why = "ip netns is not usable here: " + out;
        return false;
    }
    return true;
}

namespace {
void RemoveStale() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/run/netns", ec)) {
        const std::string name = entry.path().filename().string();
        int pid = 0, n = 0;
        if (std::sscanf(name.c_str(), "cpe-e2e-%d-%d", &pid, &n) == 2 && kill(pid, 0) != 0) {
            RunCommand({"ip", "netns", "del", name});
        }
    }
}
} // namespace

bool NamespacePair::Create(const Subnets& subnets, std::string& why) {
    static std::atomic<int> counter{0};
    RemoveStale();
    const int n = counter++;
    const std::string id = std::to_string(getpid()) + "-" + std::to_string(n);
    name_ = "cpe-e2e-" + id;
    ifA_ = "cpea" + std::to_string(n);
    ifB_ = "cpeb" + std::to_string(n);
    const std::vector<std::vector<std::string>> steps = {
        {"ip", "netns", "add", name_},
        {"ip", "link", "add", ifA_, "type", "veth", "peer", "name", ifB_},
        {"ip", "link", "set", ifB_, "netns", name_},
        {"ip", "addr", "add", subnets.a, "dev", ifA_},
        {"ip", "link", "set", ifA_, "up"},
        {"ip", "netns", "exec", name_, "ip", "addr", "add", subnets.b, "dev", ifB_},
        {"ip", "netns", "exec", name_, "ip", "link", "set", ifB_, "up"},
        {"ip", "netns", "exec", name_, "ip", "link", "set", "lo", "up"},
    };
    for (const auto& step : steps) {
        std::string out;
        if (RunCommand(step, &out) != 0) {
            why = "'" + step[0];
            for (std::size_t i = 1; i < step.size(); ++i) {
                why += " " + step[i];
            }
            why += "' failed: " + out;
            Destroy();
            return false;
        }
    }
    return true;
}

void NamespacePair::Destroy() {
    if (!ifA_.empty()) {
        RunCommand({"ip", "link", "del", ifA_}); // takes its peer with it
        ifA_.clear();
    }
    if (!name_.empty()) {
        RunCommand({"ip", "netns", "del", name_});
        name_.clear();
    }
}

} // namespace cpe::e2e
