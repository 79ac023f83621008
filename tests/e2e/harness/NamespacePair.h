#pragma once

#include <string>
#include <vector>

namespace cpe::e2e {

// Two network namespaces joined by a veth pair: the test's own (private) namespace keeps end
// "a", a new namespace gets end "b". Each end gets its own address (CIDR form). Needs root; the
// namespace and the pair are removed in the destructor (and stale ones of dead test processes
// when the next pair is made).
class NamespacePair {
public:
    struct Subnets {
        std::string a = "10.77.0.1/16";
        std::string b = "10.77.0.254/16";
    };
    NamespacePair() = default;
    ~NamespacePair() { Destroy(); }
    NamespacePair(const NamespacePair&) = delete;
    NamespacePair& operator=(const NamespacePair&) = delete;

    // Whether pairs can be made here; `why` is the reason to skip otherwise.
    static bool Available(std::string& why);

    bool Create(const Subnets& subnets, std::string& why);
    void Destroy();

    const std::string& Name() const { return name_; }
    const std::string& InterfaceA() const { return ifA_; }
    const std::string& InterfaceB() const { return ifB_; }
    // Prefix that runs a command in namespace "b": {"ip", "netns", "exec", name}.
    std::vector<std::string> ExecPrefix() const { return {"ip", "netns", "exec", name_}; }

private:
    std::string name_, ifA_, ifB_;
};

// Runs a command and returns its exit status (stdout and stderr into `output` when given).
int RunCommand(const std::vector<std::string>& argv, std::string* output = nullptr);

} // namespace cpe::e2e
