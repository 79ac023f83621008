#include "SimFixture.h"

#include <cstdlib>
#include <filesystem>

namespace cpe::e2e {

void SimFixture::SetUp() {
    char folder[] = "/tmp/cpe-e2e-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    folder_ = folder;
    events_.SetPath(PathIn("events.jsonl"));
}

void SimFixture::TearDown() {
    sim_.Stop();
    if (!folder_.empty() && std::getenv("CPE_KEEP_E2E") == nullptr) {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
}

void SimFixture::StartSim(std::vector<std::string> args, const std::vector<std::string>& prefix,
                          std::chrono::milliseconds timeout) {
    args.push_back("--events");
    args.push_back(PathIn("events.jsonl"));
    std::string why;
    ASSERT_TRUE(sim_.Start(args, timeout, why, prefix)) << why;
}

} // namespace cpe::e2e
